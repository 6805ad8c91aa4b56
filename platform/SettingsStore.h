#pragma once

// The per-user settings store: text values by section and key.

#include <string>

namespace koru {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::string value(const std::string& section, const std::string& key,
                              const std::string& fallback) const = 0;
    virtual void setValue(const std::string& section, const std::string& key, const std::string& value) = 0;
};

// The application name the store files its values under.
inline constexpr const char* kSettingsApplication = "KORU Configurator";

}  // namespace koru
