// Feeds arbitrary receive buffers to the reply handler in every session state: whatever the line
// carries, reading it must not crash, and the buffer may only shrink or empty.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "protocol/ReplyHandler.h"
#include "protocol/SessionState.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    static const char* const kEntries[] = {"", "STARTP", "GET", "M"};
    koru::SessionState session;
    session.init_session("ORVEN_AB_KORU_SETUP;0000002A;");
    for (int step = 0; step < (data[0] & 3); ++step) session.state_event(kEntries[step + 1]);

    koru::ReplyHandler handler(session);
    std::string buffer(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::string reply = buffer;
    const std::size_t before = buffer.size();
    const koru::ReplyOutcome outcome = handler.handle_commands(reply, buffer);
    if (buffer.size() > before || outcome.logEntries.empty()) std::abort();
    return 0;
}
