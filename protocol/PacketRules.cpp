#include "protocol/PacketRules.h"

namespace koru {

std::string StartLine(const std::string& header) {
    std::string line = header;
    line += kStartPacket;
    if (line.size() < kStartLineWidth) line.append(kStartLineWidth - line.size(), ' ');
    line += kLineEnd;
    return line;
}

std::string PacketLine(const std::string& header, const std::string& packet) {
    std::string line;
    line.reserve(header.size() + packet.size() + kLineEnd.size());
    line += header;
    line += packet;
    line += kLineEnd;
    return line;
}

bool ExceedsLengthLimit(const std::string& packet, std::size_t headerLength) {
    return packet.size() + headerLength + kLineEnd.size() > kLineLimit;
}

std::size_t HandOverThreshold(std::size_t limit, std::size_t headerLength) {
    return headerLength < limit ? limit - headerLength : 0;
}

}  // namespace koru
