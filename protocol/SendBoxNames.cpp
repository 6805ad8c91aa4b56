#include "protocol/SendBoxNames.h"

namespace koru {

namespace {

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

}  // namespace

const std::vector<SendBox>& SendBoxTable() {
    using B = SendSelection::Boxes;
    static const std::vector<SendBox> table{
        {"general", "General and Sleep setup", &B::general, {Record::General}},
        {"network", "Network setup", &B::network, {Record::Network, Record::Peers}},
        {"radio", "Radio setup", &B::radio, {Record::Radio}},
        {"serial", "Serial communication setup", &B::serial, {Record::Serial}},
        {"input", "Input setup", &B::input, {Record::Inputs}},
        {"io-events", "I/O and Sleep events", &B::ioEvents, {Record::IoMasks}},
        {"message-events", "Message events", &B::messageEvents, {Record::ReceivedMessages}},
        {"tcc-events", "Timer, Counter, Comm. events", &B::tccEvents, {Record::Timers, Record::Counters}},
        {"message-actions", "Message actions", &B::messageActions,
         {Record::SentMessages, Record::Actions, Record::EventActions}},
        {"output-flag-actions", "Output and flag actions", &B::outputFlagActions,
         {Record::OutputFlagPatterns, Record::Actions, Record::EventActions}},
    };
    return table;
}

std::optional<SendSelection::Boxes> ParseSendBoxes(std::string_view list, std::string* unknown) {
    SendSelection::Boxes boxes;
    for (const SendBox& entry : SendBoxTable()) boxes.*entry.checked = false;
    while (true) {
        const std::size_t comma = list.find(',');
        const std::string_view name = Trimmed(list.substr(0, comma));
        if (!name.empty()) {
            bool known = false;
            for (const SendBox& entry : SendBoxTable()) {
                if (name == entry.name) {
                    boxes.*entry.checked = true;
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
    for (const SendBox& entry : SendBoxTable()) {
        if (!names.empty()) names += ", ";
        names += entry.name;
    }
    return names;
}

}  // namespace koru
