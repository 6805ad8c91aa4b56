#include "platform/QtSettingsStore.h"

#include <QSettings>

namespace koru {

namespace {

QString path(const std::string& section, const std::string& key) {
    return QString::fromStdString(section) + '/' + QString::fromStdString(key);
}

}  // namespace

std::string QtSettingsStore::value(const std::string& section, const std::string& key,
                                   const std::string& fallback) const {
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, kSettingsApplication);
    const QVariant stored = settings.value(path(section, key));
    return stored.isValid() ? stored.toString().toStdString() : fallback;
}

void QtSettingsStore::setValue(const std::string& section, const std::string& key, const std::string& value) {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, kSettingsApplication);
    settings.setValue(path(section, key), QString::fromStdString(value));
}

}  // namespace koru
