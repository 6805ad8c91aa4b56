#include "protocol/link/SendRecorder.h"

#include <QCoreApplication>
#include <QRandomGenerator>

#include "model/TimeStamp.h"
#include "model/UnitFile.h"
#include "model/Windows1252.h"
#include "platform/BuildInfo.h"
#include "protocol/link/SendStack.h"

namespace koru {

SendRecorder::SendRecorder(SendStack& stack, const std::filesystem::path& libraryRoot, const std::string& program,
                           QObject* parent)
    : QObject(parent), stack_(stack), history_(libraryRoot), program_(program + " " + kVersion) {
    connect(&stack_.send(), &SendSession::started, this, &SendRecorder::onStarted);
    connect(&stack_.send(), &SendSession::ended, this, &SendRecorder::onEnded);
}

SendRecorder* SendRecorder::Attach(SendStack& stack, const std::filesystem::path& libraryRoot,
                                   const std::string& program) {
    return new SendRecorder(stack, libraryRoot, program, &stack.send());
}

namespace {

// The device as the log's Windows-1252 text; a name it cannot hold goes in as the system gave it.
std::string DeviceText(const std::string& device) {
    std::string text;
    return Utf8ToWindows1252(device, text) ? device : text;
}

}  // namespace

void SendRecorder::onStarted() {
    pending_.reset();
    const SendSession& send = stack_.send();
    const std::optional<std::string> unitId = HistoryUnitId(send.carried().unit.id);
    if (!unitId) return;
    // The mark names this session among all programs that send from the library.
    Pending pending{*unitId,
                    IsoLocalTimeNow() + " " + std::to_string(QCoreApplication::applicationPid()) + "-" +
                        std::to_string(QRandomGenerator::global()->generate()),
                    {}};
    history_.updateState(*unitId, [&](UnitSendState& state) {
        pending.earlier = MarkUnconfirmed(state, send.selection(), pending.mark);
    });
    pending_ = std::move(pending);
    reportProblems();
}

void SendRecorder::onEnded() {
    if (!pending_) return;
    const Pending pending = std::move(*pending_);
    pending_.reset();
    const SendSession& send = stack_.send();
    const UnitConfiguration& config = send.carried();
    SessionEnd end;
    end.selection = send.selection();
    end.report = &send.report();
    end.clean = send.saved();
    end.packets = PlanRecordPackets(config);
    end.time = IsoLocalTimeNow();
    end.unitFile = UnitFileText(config);
    end.mark = pending.mark;
    end.earlier = pending.earlier;
    history_.append(LogEntryOf(end, config, DeviceText(stack_.port().device()), send.verdict(), program_));
    history_.updateState(pending.unitId, [&](UnitSendState& state) { RecordSessionEnd(state, end); });
    reportProblems();
    emit recorded();
}

void SendRecorder::reportProblems() {
    for (const std::string& text : history_.takeProblems()) emit problem(QString::fromStdString(text));
}

}  // namespace koru
