#pragma once
// The per-user settings store: text values under the application "Veltrin Calendar", section
// "Settings", kept by QSettings in the user's configuration directory.

#include <QString>
#include <memory>
#include <string>
#include <string_view>

class QSettings;

namespace veltrin {

class SettingsStore {
  public:
    // The user's store.
    SettingsStore();
    // A store in the given file (INI format), for tests and tools.
    explicit SettingsStore(const QString& fileName);
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // The stored text of `key`, or `fallback` when the key is absent.
    std::string Get(std::string_view key, std::string_view fallback = {}) const;
    void Save(std::string_view key, std::string_view value);
    // Writes what was saved to the disk.
    void Sync();
    QString FileName() const;

  private:
    std::unique_ptr<QSettings> settings_;
};

}  // namespace veltrin
