#pragma once
// The per-user settings store: text values under the application "Veltrin Calendar", section
// "Settings", kept by QSettings in the user's configuration directory.

#include <QString>
#include <memory>
#include <string>
#include <string_view>

#include "shell/SettingsKeys.h"

class QSettings;

namespace veltrin {

class SettingsStore : public SettingsStorage {
  public:
    // The user's store.
    SettingsStore();
    // A store in the given file (INI format), for tests and tools.
    explicit SettingsStore(const QString& fileName);
    ~SettingsStore() override;
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    using SettingsStorage::Get;
    using SettingsStorage::Save;
    std::string Get(std::string_view key, std::string_view fallback) const override;
    void Save(std::string_view key, std::string_view value) override;
    // Writes what was saved to the disk.
    void Sync() override;
    QString FileName() const;

  private:
    std::unique_ptr<QSettings> settings_;
};

}  // namespace veltrin
