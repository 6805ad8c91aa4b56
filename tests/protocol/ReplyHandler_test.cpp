#include <gtest/gtest.h>

#include "protocol/ReplyHandler.h"
#include "tests/support/NamedCase.h"

namespace koru {
namespace {

using test::PrintTo;
using State = SessionState::State;
using Event = SessionState::Event;
using enum ReplyKind;

constexpr const char* kReceived = "\r\n_received_\r\n";

struct ReplyCase {
    const char* name;
    State startState;    // waitM or OK
    std::string buffer;  // the receive buffer; the reply is its copy
    ReplyKind kind;
    State state;
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
    session.begin("ORVEN_AB_KORU_SETUP;0000002A;");
    if (c.startState == State::WaitM) session.state_event(Event::StartPacket);
    session.setErrorScore(2.0);
    ReplyHandler handler(session);
    std::string buffer = c.buffer;

    const ReplyOutcome outcome = handler.handleReply(c.buffer, buffer);

    std::vector<std::string> log{kReceived};
    log.insert(log.end(), c.log.begin(), c.log.end());
    EXPECT_EQ(outcome.logEntries, log);
    EXPECT_EQ(outcome.messages, c.messages);
    EXPECT_EQ(outcome.ok, c.ok);
    EXPECT_EQ(outcome.kind, c.kind);
    EXPECT_EQ(session.state(), c.state);
    EXPECT_NEAR(session.errorScore(), 2.0 + c.scoreChange, 1e-9);
    EXPECT_EQ(buffer, c.bufferAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Replies, HandleCommandsTest,
    ::testing::Values(
        ReplyCase{"Acknowledged", State::WaitM, "M3;C3;\r\n", Acknowledgement, State::Ok, -0.3, "", true, {}, {}},
        ReplyCase{"TwoDigitCounts", State::WaitM, "M12;C12;\r\n", Acknowledgement, State::Ok, -0.3, "", true, {}, {}},
        // Without ";" after the M count only the first digits are compared.
        ReplyCase{"TwoDigitsWithoutSeparatorComparesOneDigit", State::WaitM, "M12C13;\r\n", Acknowledgement, State::Ok, -0.3, "", true, {}, {}},
        ReplyCase{"EqualCountsWithoutC", State::WaitM, "M3;E3;\r\n", Acknowledgement, State::Ok, -0.3, "", true, {}, {}},
        ReplyCase{"DifferingCountsWithoutC", State::WaitM, "M3;E5;\r\n", DifferingCounts, State::Err, 1.0, "M3;E5;\r\n", false,
                  {"\r\nError in handle_commands(): 3  5"}, {}},
        ReplyCase{"DifferingCounts", State::WaitM, "M4;C5;\r\n", DifferingCounts, State::Err, 1.0, "M4;C5;\r\n", false,
                  {"\r\nError in handle_commands(): 4  5"}, {}},
        ReplyCase{"LeadingLineBreaks", State::WaitM, "\r\n\r\nM1;C1;\r\n", Acknowledgement, State::Ok, -0.3, "", true, {}, {}},
        // Positions come from the whole buffer: an older mismatched answer is overruled by the newest.
        ReplyCase{"LastLettersWin", State::WaitM, "M4;C5;\r\nM2;C2;\r\n", Acknowledgement, State::Ok, -0.3, "", true, {}, {}},
        // Too far apart is logged, and the counts are still compared at the computed width (3).
        ReplyCase{"CountsTooFarApart", State::WaitM, "M1234;C1234;\r\n", Acknowledgement, State::Ok, -0.3, "", false,
                  {"\r\nError in handle_commands(): 1  7"}, {}},
        ReplyCase{"CountsTooFarApartDiffer", State::WaitM, "M1234;C1299;\r\n", DifferingCounts, State::Err, 1.0, "M1234;C1299;\r\n", false,
                  {"\r\nError in handle_commands(): 1  7", "\r\nError in handle_commands(): 123  129"}, {}},
        ReplyCase{"CBeforeM", State::WaitM, "MC1;M1;\r\n", Acknowledgement, State::Ok, -0.3, "", false,
                  {"\r\nError in handle_commands(): 5  2"}, {}},
        // An error report is consumed through its ";" and the line end behind it.
        ReplyCase{"ErrorReport", State::WaitM, "E12;\r\n", ErrorReport, State::WaitM, 0, "", true, {}, {"Koru reports error E12"}},
        ReplyCase{"ErrorReportAfterLineBreak", State::WaitM, "\r\nE7;\r\n", ErrorReport, State::WaitM, 0, "", true, {},
                  {"Koru reports error E7"}},
        ReplyCase{"ErrorReportUsesLastEAndLastSemicolon", State::WaitM, "E1;E2\r\n;", ErrorReport, State::WaitM, 0, "", true, {},
                  {"Koru reports error E2\r\n"}},
        ReplyCase{"ParameterReplyUnaskedKeepsOk", State::Ok, "P12;\r\n", ParameterReply, State::Ok, 0, "", true, {"\r\nGot command P ... \r\n"}, {}},
        ReplyCase{"ParameterReplyNotANumber", State::Ok, "Px1;\r\n", ParameterReply, State::Ok, 0, "Px1;\r\n", false,
                  {"\r\nGot command P ... \r\n", "\r\nError in split_parameters(): Type mismatch"}, {}},
        ReplyCase{"BlanksAndSemicolon", State::WaitM, " ;\r\n", NotUnderstood, State::WaitM, 0, "", true, {"\r\nNo command found in buffer"}, {}},
        ReplyCase{"Empty", State::WaitM, "", NotUnderstood, State::WaitM, 0, "", true, {"\r\nNo command found in buffer"}, {}},
        ReplyCase{"OkIsNoReply", State::WaitM, "OK;\r\n", NotUnderstood, State::WaitM, 0, "", true, {"\r\nNo command found in buffer"}, {}}),
    test::RowName());

TEST(HandleCommandsTest, ParameterReplyInWaitPCompletes) {
    SessionState session;
    session.begin("H;");
    session.state_event(Event::Get);
    ReplyHandler handler(session);
    std::string buffer = "P05;\r\n";
    EXPECT_TRUE(handler.handleReply(buffer, buffer).ok);
    EXPECT_EQ(session.state(), State::Ok);
    EXPECT_EQ(buffer, "");
}

// Regression: the "2;" CR LF left of an error report made the next acknowledgement unreadable.
TEST(HandleCommandsTest, TheAcknowledgementAfterAnErrorReportIsRead) {
    SessionState session;
    session.begin("H;");
    session.state_event(Event::StartPacket);
    ReplyHandler handler(session);
    std::string buffer = "E12;\r\n";
    EXPECT_EQ(handler.handleReply(buffer, buffer).errorCode, "E12");
    session.state_event(Event::ForceOk);  // three time-outs later
    session.state_event(Event::StartPacket);
    buffer += "M1;C1;\r\n";
    EXPECT_EQ(handler.handleReply(buffer, buffer).kind, ReplyKind::Acknowledgement);
    EXPECT_EQ(session.state(), State::Ok);
    EXPECT_EQ(buffer, "");
}

TEST(HandleCommandsTest, ErrorReportWithoutAnySemicolonIsLoggedNotShown) {
    SessionState session;
    session.begin("H;");
    ReplyHandler handler(session);
    std::string buffer = "E12\r\n";
    const ReplyOutcome outcome = handler.handleReply(buffer, buffer);
    EXPECT_FALSE(outcome.ok);
    EXPECT_TRUE(outcome.messages.empty());
    EXPECT_EQ(outcome.logEntries.back(), "\r\nError in handle_commands(): Invalid procedure call or argument");
}

}  // namespace
}  // namespace koru
