#pragma once

// One send to a unit: the start line, the selected record groups in send order, the end line and the
// verdict, with the progress dialog's bar, status text and its one button as data. Runs as a state
// machine on the packet sender's completions.

#include <QObject>

#include <optional>
#include <string>

#include "model/UnitConfiguration.h"
#include "platform/MessageBoxes.h"
#include "protocol/EncoderStep.h"
#include "protocol/RecordEncoders.h"
#include "protocol/SendSelection.h"
#include "protocol/SessionPlanner.h"
#include "protocol/SessionState.h"
#include "protocol/link/PacketSender.h"
#include "protocol/link/SerialLink.h"

namespace koru {

inline constexpr const char* kAbortedText = "Operation aborted";
inline constexpr const char* kGivingUpText = "Error in communication, aborting....";

// The progress dialog as data. The button's caption is also its mode.
struct SendProgress {
    int minimum = 0;
    int maximum = 0;
    int value = 0;
    std::string status;
    std::string caption = "Abort";  // "Abort", "Close", "Try again" or "OK"
    bool visible = false;
};

class SendSession : public QObject {
    Q_OBJECT

public:
    SendSession(SerialLink& link, PacketSender& sender, SessionState& session, MessageBoxes& boxes,
                const UnitConfiguration& config);

    // The send dialog's OK: opens the link when it is closed, then runs a session. False when the link
    // could not be opened (the connect failure was shown).
    bool start(const SendSelection& selection);

    // Builds the session header, empties the link log and resets the session values.
    void init_session();

    // Runs one session over an open link; progress and the end come as signals.
    void send_to_koru(const SendSelection& selection);

    // The progress dialog's button, by its caption.
    void pressButton();

    const SendProgress& progress() const { return progress_; }
    bool running() const { return phase_ != Phase::Idle; }

signals:
    void progressChanged();
    void groupSent(int record, bool written);
    // A verdict was reached (true: "Selected parameters saved in Koru").
    void finished(bool saved);
    // A group failed: the session stops without an end line and without a verdict.
    void stalled();
    void hideRequested();
    void unloadRequested();

private:
    enum class Phase { Idle, StartLine, Groups, EndLine, Verdict };

    void pump();
    void step();
    void stepGroup();
    // Hands a packet to the sender; its result goes to `written` unless that is null.
    void handOver(const std::string& packet, PacketSender::Mode mode, bool* written);
    void conclude();
    void stop(bool emitStalled);
    void setProgress(const SendProgress& progress);

    SerialLink& link_;
    PacketSender& sender_;
    SessionState& session_;
    MessageBoxes& boxes_;
    const UnitConfiguration& config_;

    SendProgress progress_;
    SendSelection selection_;
    Phase phase_ = Phase::Idle;
    int count_ = 0;
    std::size_t orderIndex_ = 0;
    std::optional<EncoderSteps> steps_;  // the current group's steps, while it runs
    std::size_t stepIndex_ = 0;
    bool groupResult_ = true;
    EncodeContext context_;

    bool waiting_ = false;  // a hand-over is pending
    bool pumping_ = false;
    bool lost_ = false;        // the port went away during this session
    bool endWritten_ = false;  // the end line went out
};

}  // namespace koru
