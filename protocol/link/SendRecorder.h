#pragma once

// Keeps the send history of a library up to date from a send session: when a session starts, the records
// it will send are marked unconfirmed in the unit's state; when it ends, one line goes to the send log and
// the unit's state takes what was acknowledged. The window and `korucfg send` attach one each. A history
// that cannot be read or written never stops a send: the problem is reported once and the send goes on.

#include <QObject>
#include <QString>

#include <filesystem>
#include <optional>
#include <string>

#include "model/SendHistory.h"
#include "protocol/SessionRecording.h"

namespace koru {

class SendStack;

class SendRecorder : public QObject {
    Q_OBJECT

public:
    // Records the sessions of `stack` in the library at `libraryRoot`; `program` names the sender in the
    // log ("korucfg"), with the program's version.
    SendRecorder(SendStack& stack, const std::filesystem::path& libraryRoot, const std::string& program,
                 QObject* parent = nullptr);

    // A recorder that lives as long as the stack's session.
    static SendRecorder* Attach(SendStack& stack, const std::filesystem::path& libraryRoot,
                                const std::string& program);

    SendHistory& history() { return history_; }

signals:
    // Something in the history could not be read or written; each problem comes once.
    void problem(const QString& text);
    // A session's end is in the history (as far as it could be written).
    void recorded();

private:
    void onStarted();
    void onEnded();
    void reportProblems();

    SendStack& stack_;
    SendHistory history_;
    std::string program_;

    struct Pending {
        std::string unitId;
        std::string mark;
        EarlierMarks earlier;
    };
    std::optional<Pending> pending_;  // the running session, when its unit has a history
};

}  // namespace koru
