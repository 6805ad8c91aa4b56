#pragma once

// A settings store that lives in memory: for one-shot command-line runs and for tests.

#include <map>
#include <utility>

#include "platform/SettingsStore.h"

namespace koru {

class MemorySettingsStore : public SettingsStore {
public:
    std::string value(const std::string& section, const std::string& key,
                      const std::string& fallback) const override {
        const auto found = values_.find({section, key});
        return found == values_.end() ? fallback : found->second;
    }
    void setValue(const std::string& section, const std::string& key, const std::string& value) override {
        values_[{section, key}] = value;
    }
    bool contains(const std::string& section, const std::string& key) const {
        return values_.count({section, key}) > 0;
    }

private:
    std::map<std::pair<std::string, std::string>, std::string> values_;
};

}  // namespace koru
