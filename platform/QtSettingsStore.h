#pragma once

// The settings store over QSettings: the registry on Windows, "~/.config/KORU Configurator.conf" on Linux.

#include "platform/SettingsStore.h"

namespace koru {

class QtSettingsStore : public SettingsStore {
public:
    std::string value(const std::string& section, const std::string& key,
                      const std::string& fallback) const override;
    void setValue(const std::string& section, const std::string& key, const std::string& value) override;
};

}  // namespace koru
