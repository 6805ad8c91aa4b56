#pragma once

// The settings store over QSettings: the registry on Windows, "~/.config/KORU Configurator.conf" on Linux.
// One store reads the settings once and writes its changes together, the next time the event loop runs and
// when the store ends: writing the file for every value would write it whole, and wait for the disk, as many
// times as there are values.

#include <memory>

#include "platform/SettingsStore.h"

class QSettings;

namespace koru {

class QtSettingsStore : public SettingsStore {
public:
    QtSettingsStore();
    ~QtSettingsStore() override;

    std::string value(const std::string& section, const std::string& key,
                      const std::string& fallback) const override;
    void setValue(const std::string& section, const std::string& key, const std::string& value) override;

    QtSettingsStore(const QtSettingsStore&) = delete;
    QtSettingsStore& operator=(const QtSettingsStore&) = delete;

private:
    std::unique_ptr<QSettings> settings_;
};

}  // namespace koru
