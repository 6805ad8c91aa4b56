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
    if (!stored.isValid()) return fallback;
    // A value with commas written without quotes (by hand, or by an older program) reads as a list; it
    // stands for the text that was written.
    if (stored.typeId() == QMetaType::QStringList) return stored.toStringList().join(QLatin1Char(',')).toStdString();
    return stored.toString().toStdString();
}

void QtSettingsStore::setValue(const std::string& section, const std::string& key, const std::string& value) {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, kSettingsApplication);
    settings.setValue(path(section, key), QString::fromStdString(value));
}

}  // namespace koru
