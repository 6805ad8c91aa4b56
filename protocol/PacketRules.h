#pragma once

// The lines a send writes: the start line, packet lines and their length limit, and the packet texts
// that end or abort a session.

#include <cstddef>
#include <string>
#include <string_view>

#include "protocol/SendLimits.h"

namespace koru {

inline constexpr std::size_t kStartLineWidth = 137;   // the start line is padded with blanks to this
inline constexpr std::string_view kLineEnd = "\r\n";
inline constexpr std::string_view kStartPacket = "START;";
inline constexpr std::string_view kEndPacket = "END;";
inline constexpr std::string_view kAbortPacket = "ABORT;";

inline constexpr const char* kPacketTooLongText = "Packet length exceeded";
inline constexpr const char* kPacketTooLongTitle = "Internal error";

// Header + "START;" padded with blanks to 137 characters + CR LF.
std::string StartLine(const std::string& header);

// Header + packet + CR LF.
std::string PacketLine(const std::string& header, const std::string& packet);

// Whether header + packet + CR LF would be longer than the line limit.
bool ExceedsLengthLimit(const std::string& packet, std::size_t headerLength);

// How long a packet text may grow, behind a header of `headerLength`, before an encoder hands it over:
// `limit` minus the header length (the encoders use 100, or 95 for the quoted texts).
std::size_t HandOverThreshold(std::size_t limit, std::size_t headerLength);

}  // namespace koru
