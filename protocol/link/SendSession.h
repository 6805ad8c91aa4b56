#pragma once

// One send to a unit: the start line, the selected record groups in send order, the end line and the
// verdict, with the progress dialog's bar, status text and its one button as data, and the delivery
// report of every packet. The configuration is copied when a send starts, so edits made meanwhile
// change nothing that is sent. Runs as a state machine on the packet sender's completions.

#include <QObject>

#include <optional>
#include <string>
#include <vector>

#include "model/UnitConfiguration.h"
#include "platform/MessageBoxes.h"
#include "protocol/DeliveryReport.h"
#include "protocol/EncoderStep.h"
#include "protocol/RecordTable.h"
#include "protocol/SendSelection.h"
#include "protocol/SessionPlanner.h"
#include "protocol/SessionState.h"
#include "protocol/link/PacketSender.h"
#include "protocol/link/SerialLink.h"

namespace koru {

inline constexpr const char* kAbortedText = "Operation aborted";
inline constexpr const char* kGivingUpText = "Error in communication, aborting....";
inline constexpr const char* kStoppedEarlyText = "Session stopped before the end line";

// The progress dialog's one button: what pressing it does (the dialog names it).
enum class ButtonMode { Abort, Close, TryAgain, Ok };

// The progress dialog as data.
struct SendProgress {
    int minimum = 0;
    int maximum = 0;
    int value = 0;
    std::string status;
    ButtonMode button = ButtonMode::Abort;
    bool visible = false;
};

class SendSession : public QObject {
    Q_OBJECT

public:
    // `live` is the configuration the editor shows; each send takes its own copy of it.
    SendSession(SerialLink& link, PacketSender& sender, SessionState& session, MessageBoxes& boxes,
                const UnitConfiguration& live);

    // The send dialog's OK: opens the link when it is closed, then runs a session. False when the link
    // could not be opened (the connect failure was shown).
    bool start(const SendSelection& selection);

    // Copies the configuration, builds the session header from it, empties the link log and resets the
    // session values (also when the send dialog loads).
    void prepare();

    // The progress dialog's button, by its mode. "Try again" asks for a new send (retryRequested): whoever
    // started the send starts it again, through the same checks as any other send.
    void pressButton();

    const SendProgress& progress() const { return progress_; }
    bool running() const { return phase_ != Phase::Idle; }

    // What became of every packet of the current or last session.
    const DeliveryReport& report() const { return report_; }
    // Whether the last session ended with "Selected parameters saved in Koru".
    bool saved() const { return saved_; }
    // Whether the last session stopped before its end line (a group failed, an abort, a give-up).
    bool stoppedEarly() const { return stoppedEarly_; }
    // How the last session ended, in the words the technician was shown.
    std::string verdict() const;

    // The configuration the current or last session carries, and the groups it sends.
    const UnitConfiguration& carried() const { return config_; }
    const SendSelection& selection() const { return selection_; }

signals:
    // A session begins: nothing has been written to the unit yet.
    void started();
    void progressChanged();
    void groupSent(koru::Record record, bool written);
    // Every session ends with this, whatever ended it; the verdict is "saved" only when every packet
    // of every selected group was acknowledged.
    void ended(bool saved);
    void hideRequested();
    void unloadRequested();
    void retryRequested();

private:
    enum class Phase { Idle, StartLine, Groups, EndLine, Verdict };

    struct PacketRef {
        Record record;
        std::size_t index;
    };

    void run(const SendSelection& selection);
    void pump();
    void step();
    void stepGroup();
    // Hands a packet to the sender; its result goes to `written` unless that is null. `packet` names
    // the group packet it is, for the delivery report.
    void handOver(const std::string& text, PacketSender::Mode mode, bool* written,
                  std::optional<PacketRef> packet = std::nullopt);
    void onPacketWritten();
    void onReply(ReplyKind kind, const std::string& errorCode);
    void conclude();
    void stop();
    void end(bool saved);
    void setProgress(const SendProgress& progress);
    void showAborted();

    SerialLink& link_;
    PacketSender& sender_;
    SessionState& session_;
    MessageBoxes& boxes_;
    const UnitConfiguration& live_;
    UnitConfiguration config_;  // what this send carries

    SendProgress progress_;
    SendSelection selection_;
    Phase phase_ = Phase::Idle;
    int count_ = 0;
    std::vector<EncodedRecord> groups_;
    std::size_t groupIndex_ = 0;
    std::size_t stepIndex_ = 0;
    std::size_t packetIndex_ = 0;  // the group's next packet
    bool groupResult_ = true;

    DeliveryReport report_;
    std::optional<PacketRef> handing_;  // the group packet being handed over
    std::optional<PacketRef> awaited_;  // the group packet written last, whose answer counts

    bool waiting_ = false;  // a hand-over is pending
    bool pumping_ = false;
    bool lost_ = false;        // the port went away during this session
    bool endWritten_ = false;  // the end line went out
    bool userAbort_ = false;   // the Abort button gave this session up
    bool saved_ = false;
    bool stoppedEarly_ = false;
};

}  // namespace koru
