#include "shell/SettingsStore.h"

#include <QSettings>

namespace veltrin {

namespace {

QString KeyOf(std::string_view key) {
    return QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

}  // namespace

SettingsStore::SettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                            "Veltrin Calendar", "Settings")) {}

SettingsStore::SettingsStore(const QString& fileName)
    : settings_(std::make_unique<QSettings>(fileName, QSettings::IniFormat)) {}

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
