#include "protocol/SendBoxNames.h"

namespace koru {

namespace {

struct BoxName {
    const char* name;
    bool SendSelection::Boxes::*box;
};

constexpr BoxName kBoxNames[] = {
    {"general", &SendSelection::Boxes::general},
    {"network", &SendSelection::Boxes::network},
    {"radio", &SendSelection::Boxes::radio},
    {"serial", &SendSelection::Boxes::serial},
    {"input", &SendSelection::Boxes::input},
    {"io-events", &SendSelection::Boxes::ioEvents},
    {"message-events", &SendSelection::Boxes::messageEvents},
    {"tcc-events", &SendSelection::Boxes::tccEvents},
    {"message-actions", &SendSelection::Boxes::messageActions},
    {"output-flag-actions", &SendSelection::Boxes::outputFlagActions},
};

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

}  // namespace

std::optional<SendSelection::Boxes> ParseSendBoxes(std::string_view list, std::string* unknown) {
    SendSelection::Boxes boxes;
    for (const BoxName& entry : kBoxNames) boxes.*entry.box = false;
    while (true) {
        const std::size_t comma = list.find(',');
        const std::string_view name = Trimmed(list.substr(0, comma));
        if (!name.empty()) {
            bool known = false;
            for (const BoxName& entry : kBoxNames) {
                if (name == entry.name) {
                    boxes.*entry.box = true;
                    known = true;
                }
            }
            if (!known) {
                if (unknown) *unknown = std::string(name);
                return std::nullopt;
            }
        }
        if (comma == std::string_view::npos) return boxes;
        list.remove_prefix(comma + 1);
    }
}

std::string SendBoxNameList() {
    std::string names;
    for (const BoxName& entry : kBoxNames) {
        if (!names.empty()) names += ", ";
        names += entry.name;
    }
    return names;
}

}  // namespace koru
