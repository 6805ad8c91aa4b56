#include "model/ParameterFile.h"

#include <array>

#include "model/AtomicFile.h"
#include "model/FileSyntax.h"

namespace koru {

namespace {

using S = Section;
using F = ExportFrame;

constexpr std::array<ParameterRow, 16> kRows{{
    {S::Network, "network", "Network setup", F::Setup, "chkNetworkSetup"},
    {S::Radio, "radio", "Radio setup", F::Setup, "chkRadioSetup"},
    {S::Serial, "serial", "Serial communication setup", F::Setup, "chkSerialSetup"},
    {S::Timer, "timer", "Timer setup", F::Setup, "chkTimerSetup"},
    {S::Counter, "counter", "Counter setup", F::Setup, "chkCounterSetup"},
    {S::Input, "input", "Input and Sleep setup", F::Setup, "chkInputSetup"},
    {S::IoEvent, "io-events", "I/O and Sleep events", F::Events, "chkIOEvents"},
    {S::TimerEvent, "timer-events", "Timer events", F::Events, "chkTimerevents"},
    {S::CommunicationEvent, "comm-events", "Communication events", F::Events, "chkCommEvents"},
    {S::CounterEvent, "counter-events", "Counter events", F::Events, "chkCounterEvents"},
    {S::MessageEvent, "message-events", "Message events", F::Events, "chkMessageEvents"},
    // Remote events cannot be edited in the window; only "All" of "Save events" takes them along.
    {S::RemoteEvent, "remote-events", "Remote control events", F::Events, "chkRemoteEvents", false},
    {S::MessageAction, "message-actions", "Message actions", F::Actions, "chkMessageActions"},
    {S::OutputFlagAction, "output-flag-actions", "Output and flag actions", F::Actions, "chkOutputFlagActions"},
    {S::TimerAction, "timer-actions", "Timer actions", F::Actions, "chkTimerActions"},
    {S::CounterAction, "counter-actions", "Counter actions", F::Actions, "chkCounterActions"},
}};

}  // namespace

std::span<const ParameterRow> ParameterRows() { return kRows; }

ParameterSelection ParameterSelection::All() {
    ParameterSelection selection;
    for (const ParameterRow& row : kRows) selection.set(row.section, true);
    return selection;
}

void ParameterSelection::set(Section section, bool on) {
    if (on) {
        sections_.insert(section);
    } else {
        sections_.erase(section);
    }
}

void ParameterSelection::setFrame(ExportFrame frame, bool on) {
    for (const ParameterRow& row : kRows) {
        if (row.frame == frame) set(row.section, on);
    }
}

// Every exported section is followed by an empty line, except the last row's.
std::string ParameterFileText(const UnitConfiguration& config, const ParameterSelection& selection) {
    LineWriter out;
    for (const ParameterRow& row : kRows) {
        if (!selection.has(row.section)) continue;
        WriteSection(row.section, out, config);
        if (&row != &kRows.back()) out.blankLine();
    }
    return out.take();
}

std::optional<FileError> WriteParameterFile(const std::string& path, const UnitConfiguration& config,
                                            const ParameterSelection& selection) {
    if (std::optional<std::string> reason = WriteFileAtomically(path, ParameterFileText(config, selection))) {
        return FileError{path, 0, *reason};
    }
    return std::nullopt;
}

}  // namespace koru
