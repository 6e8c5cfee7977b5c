#include "shell/SettingsStore.h"

#include <QSettings>

namespace veltrin {

namespace {

QString KeyOf(std::string_view key) {
    return QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

}  // namespace

// The file is written whole to a temporary file and then put in place, so a crash or a full disk
// in the middle of saving leaves the previous settings as they were.
SettingsStore::SettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                            "Veltrin Calendar", "Settings")) {
    settings_->setAtomicSyncRequired(true);
}

SettingsStore::SettingsStore(const QString& fileName)
    : settings_(std::make_unique<QSettings>(fileName, QSettings::IniFormat)) {
    settings_->setAtomicSyncRequired(true);
}

SettingsStore::~SettingsStore() = default;

std::string SettingsStore::Get(std::string_view key, std::string_view fallback) const {
    const QVariant value = settings_->value(KeyOf(key));
    if (!value.isValid()) return std::string(fallback);
    return value.toString().toStdString();
}

void SettingsStore::Save(std::string_view key, std::string_view value) {
    settings_->setValue(KeyOf(key),
                        QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
}

void SettingsStore::Sync() {
    settings_->sync();
}

QString SettingsStore::FileName() const {
    return settings_->fileName();
}

}  // namespace veltrin
