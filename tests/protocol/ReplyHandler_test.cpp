#include <gtest/gtest.h>

#include "protocol/ReplyHandler.h"

namespace koru {
namespace {

constexpr const char* kReceived = "\r\n_received_\r\n";

struct ReplyCase {
    const char* name;
    const char* startState;  // "waitM" or "OK"
    std::string buffer;      // the receive buffer; the reply is its copy
    const char* state;
    double scoreChange;
    std::string bufferAfter;
    bool ok;
    std::vector<std::string> log;       // after "_received_"
    std::vector<std::string> messages;
};

class HandleCommandsTest : public ::testing::TestWithParam<ReplyCase> {};

TEST_P(HandleCommandsTest, ReadsTheReply) {
    const ReplyCase& c = GetParam();
    SessionState session;
    session.init_session("ORVEN_AB_KORU_SETUP;0000002A;");
    if (std::string(c.startState) == "waitM") session.state_event("STARTP");
    session.setErrorScore(2.0);
    ReplyHandler handler(session);
    std::string buffer = c.buffer;

    const ReplyOutcome outcome = handler.handle_commands(c.buffer, buffer);

    std::vector<std::string> log{kReceived};
    log.insert(log.end(), c.log.begin(), c.log.end());
    EXPECT_EQ(outcome.logEntries, log);
    EXPECT_EQ(outcome.messages, c.messages);
    EXPECT_EQ(outcome.ok, c.ok);
    EXPECT_EQ(session.get_state(), c.state);
    EXPECT_NEAR(session.errorScore(), 2.0 + c.scoreChange, 1e-9);
    EXPECT_EQ(buffer, c.bufferAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Replies, HandleCommandsTest,
    ::testing::Values(
        ReplyCase{"Acknowledged", "waitM", "M3;C3;\r\n", "OK", -0.3, "", true, {}, {}},
        ReplyCase{"TwoDigitCounts", "waitM", "M12;C12;\r\n", "OK", -0.3, "", true, {}, {}},
        // Without ";" after the M count only the first digits are compared.
        ReplyCase{"TwoDigitsWithoutSeparatorComparesOneDigit", "waitM", "M12C13;\r\n", "OK", -0.3, "", true, {}, {}},
        ReplyCase{"EqualCountsWithoutC", "waitM", "M3;E3;\r\n", "OK", -0.3, "", true, {}, {}},
        ReplyCase{"DifferingCountsWithoutC", "waitM", "M3;E5;\r\n", "Err", 1.0, "M3;E5;\r\n", false,
                  {"\r\nError in handle_commands(): 3  5"}, {}},
        ReplyCase{"DifferingCounts", "waitM", "M4;C5;\r\n", "Err", 1.0, "M4;C5;\r\n", false,
                  {"\r\nError in handle_commands(): 4  5"}, {}},
        ReplyCase{"LeadingLineBreaks", "waitM", "\r\n\r\nM1;C1;\r\n", "OK", -0.3, "", true, {}, {}},
        // Positions come from the whole buffer: an older mismatched answer is overruled by the newest.
        ReplyCase{"LastLettersWin", "waitM", "M4;C5;\r\nM2;C2;\r\n", "OK", -0.3, "", true, {}, {}},
        // Too far apart is logged, and the counts are still compared at the computed width (3).
        ReplyCase{"CountsTooFarApart", "waitM", "M1234;C1234;\r\n", "OK", -0.3, "", false,
                  {"\r\nError in handle_commands(): 1  7"}, {}},
        ReplyCase{"CountsTooFarApartDiffer", "waitM", "M1234;C1299;\r\n", "Err", 1.0, "M1234;C1299;\r\n", false,
                  {"\r\nError in handle_commands(): 1  7", "\r\nError in handle_commands(): 123  129"}, {}},
        ReplyCase{"CBeforeM", "waitM", "MC1;M1;\r\n", "OK", -0.3, "", false,
                  {"\r\nError in handle_commands(): 5  2"}, {}},
        // The first e + 1 characters of the buffer go, e counted in the reply without its leading line breaks.
        ReplyCase{"ErrorReport", "waitM", "E12;\r\n", "waitM", 0, "2;\r\n", true, {}, {"Koru reports error E12"}},
        ReplyCase{"ErrorReportAfterLineBreak", "waitM", "\r\nE7;\r\n", "waitM", 0, "E7;\r\n", true, {},
                  {"Koru reports error E7"}},
        ReplyCase{"ErrorReportUsesLastEAndLastSemicolon", "waitM", "E1;E2\r\n;", "waitM", 0, "\r\n;", true, {},
                  {"Koru reports error E2\r\n"}},
        ReplyCase{"ParameterReplyUnaskedKeepsOk", "OK", "P12;\r\n", "OK", 0, "", true, {"\r\nGot command P ... \r\n"}, {}},
        ReplyCase{"ParameterReplyNotANumber", "OK", "Px1;\r\n", "OK", 0, "Px1;\r\n", false,
                  {"\r\nGot command P ... \r\n", "\r\nError in split_parameters(): Type mismatch"}, {}},
        ReplyCase{"BlanksAndSemicolon", "waitM", " ;\r\n", "waitM", 0, "", true, {"\r\nNo command found in buffer"}, {}},
        ReplyCase{"Empty", "waitM", "", "waitM", 0, "", true, {"\r\nNo command found in buffer"}, {}},
        ReplyCase{"OkIsNoReply", "waitM", "OK;\r\n", "waitM", 0, "", true, {"\r\nNo command found in buffer"}, {}}),
    [](const auto& tested) { return std::string(tested.param.name); });

TEST(HandleCommandsTest, ParameterReplyInWaitPCompletes) {
    SessionState session;
    session.init_session("H;");
    session.state_event("GET");
    ReplyHandler handler(session);
    std::string buffer = "P05;\r\n";
    EXPECT_TRUE(handler.handle_commands(buffer, buffer).ok);
    EXPECT_EQ(session.get_state(), "OK");
    EXPECT_EQ(buffer, "");
}

TEST(HandleCommandsTest, ErrorReportWithoutAnySemicolonIsLoggedNotShown) {
    SessionState session;
    session.init_session("H;");
    ReplyHandler handler(session);
    std::string buffer = "E12\r\n";
    const ReplyOutcome outcome = handler.handle_commands(buffer, buffer);
    EXPECT_FALSE(outcome.ok);
    EXPECT_TRUE(outcome.messages.empty());
    EXPECT_EQ(outcome.logEntries.back(), "\r\nError in handle_commands(): Invalid procedure call or argument");
}

}  // namespace
}  // namespace koru
