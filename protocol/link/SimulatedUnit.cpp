#include "protocol/link/SimulatedUnit.h"

#include <cctype>
#include <string_view>

namespace koru {

namespace {

constexpr std::string_view kHandshake = "ORVEN_AB_KORU_SETUP;";
constexpr const char* kErrorReply = "E12;\r\n";

std::string acknowledgement(int mCount, int cCount) {
    return "M" + std::to_string(mCount) + ";C" + std::to_string(cCount) + ";\r\n";
}

}  // namespace

int SimulatedUnit::CountRecords(const std::string& packet) {
    int records = 0;
    for (std::size_t i = 0; i < packet.size(); ++i) {
        if (packet[i] != ';') continue;
        std::size_t next = i + 1;
        while (next < packet.size() && std::isdigit(static_cast<unsigned char>(packet[next]))) ++next;
        if (i + 1 == packet.size() || (next > i + 1 && next < packet.size() && packet[next] == ':'))
            ++records;
    }
    return records;
}

SimulatedUnit::Answer SimulatedUnit::onLine(const std::string& line) {
    Answer answer;
    if (!line.starts_with(kHandshake)) return answer;  // not for a unit: ignored
    const auto unitEnd = line.find(';', kHandshake.size());
    if (unitEnd == std::string::npos) return answer;
    const std::string body = line.substr(unitEnd + 1);

    if (body.starts_with("START;")) {
        answer.line = Answer::Line::Start;
        if (options_.answerStartEnd) answer.reply = acknowledgement(1, 1);
        return answer;
    }
    if (body == "END;" || body == "ABORT;") {
        answer.line = Answer::Line::End;
        if (options_.answerStartEnd && body == "END;") answer.reply = acknowledgement(1, 1);
        return answer;
    }
    answer.line = Answer::Line::Packet;
    answer.packet = ++packets_;
    if (answer.packet == options_.hangUpAt) {
        answer.hangUp = true;
        return answer;
    }
    if (options_.silentFrom > 0 && answer.packet >= options_.silentFrom) return answer;
    const int records = CountRecords(body);
    if (answer.packet == options_.errorAt) {
        answer.reply = kErrorReply;
    } else if (answer.packet == options_.mismatchAt) {
        answer.reply = acknowledgement(records, records + 1);
    } else {
        answer.reply = acknowledgement(records, records);
    }
    return answer;
}

}  // namespace koru
