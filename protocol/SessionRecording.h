#pragma once

// What a send session leaves in the send history of its library. When it starts, every record it will
// send is marked unconfirmed, so a program killed during the send leaves those groups changed. When it
// ends, a record whose every packet was acknowledged with equal counts takes the packets sent and the
// unit file as it stood; one it wrote to without that keeps its mark; one it never reached gets back what
// it had. A record with nothing to send counts as acknowledged only when the whole session was.

#include <map>
#include <string>

#include "model/SendLog.h"
#include "model/UnitConfiguration.h"
#include "model/UnitSendState.h"
#include "protocol/DeliveryReport.h"
#include "protocol/SessionPlanner.h"

namespace koru {

// The marks the records held before a session marked them, by record number.
using EarlierMarks = std::map<int, std::string>;

// Marks every selected record with `mark` (the session's time and a token no other session has).
EarlierMarks MarkUnconfirmed(UnitSendState& state, const SendSelection& selection, const std::string& mark);

// How one session ended, as far as the history keeps it.
struct SessionEnd {
    SendSelection selection;
    const DeliveryReport* report = nullptr;
    bool clean = false;     // every packet of every selected group acknowledged, end line written
    RecordPackets packets;  // what each record sent (PlanRecordPackets of the unit as sent)
    std::string time;       // when it ended
    std::string unitFile;   // the unit file as it stood
    std::string mark;       // the mark it set at its start
    EarlierMarks earlier;
};

// Merges the session's outcome into the unit's state (which may have changed since the session began).
void RecordSessionEnd(UnitSendState& state, const SessionEnd& end);

// The log entry of a session to `config`'s unit.
SendLogEntry LogEntryOf(const SessionEnd& end, const UnitConfiguration& config, const std::string& device,
                        const std::string& verdict, const std::string& program);

}  // namespace koru
