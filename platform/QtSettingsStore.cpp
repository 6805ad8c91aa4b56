#include "platform/QtSettingsStore.h"

#include <QSettings>

namespace koru {

namespace {

QString path(const std::string& section, const std::string& key) {
    return QString::fromStdString(section) + '/' + QString::fromStdString(key);
}

}  // namespace

QtSettingsStore::QtSettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, kSettingsApplication)) {}

QtSettingsStore::~QtSettingsStore() = default;  // QSettings writes what is left as it ends

std::string QtSettingsStore::value(const std::string& section, const std::string& key,
                                   const std::string& fallback) const {
    const QVariant stored = settings_->value(path(section, key));
    if (!stored.isValid()) return fallback;
    // A value with commas written without quotes (by hand, or by an older program) reads as a list; it
    // stands for the text that was written.
    if (stored.typeId() == QMetaType::QStringList) return stored.toStringList().join(QLatin1Char(',')).toStdString();
    return stored.toString().toStdString();
}

void QtSettingsStore::setValue(const std::string& section, const std::string& key, const std::string& value) {
    settings_->setValue(path(section, key), QString::fromStdString(value));
}

}  // namespace koru
