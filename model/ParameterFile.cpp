#include "model/ParameterFile.h"

#include "model/AtomicFile.h"
#include "model/FileSyntax.h"
#include "model/Sections.h"

namespace koru {

namespace {

// The section each row exports, in row order.
constexpr std::array<Section, kParameterRowCount> kRowSections{
    Section::Network,      Section::Radio,       Section::Serial,
    Section::Timer,        Section::Counter,     Section::Input,
    Section::IoEvent,      Section::TimerEvent,  Section::CommunicationEvent,
    Section::CounterEvent, Section::MessageEvent, Section::RemoteEvent,
    Section::MessageAction, Section::OutputFlagAction, Section::TimerAction,
    Section::CounterAction,
};

void SetRows(ParameterSelection& selection, ParameterRow first, ParameterRow last, bool on) {
    for (int row = static_cast<int>(first); row <= static_cast<int>(last); ++row) selection.rows[row] = on;
}

}  // namespace

void ParameterSelection::setAllSetup(bool on) { SetRows(*this, ParameterRow::Network, ParameterRow::Input, on); }
void ParameterSelection::setAllEvents(bool on) {
    SetRows(*this, ParameterRow::IoEvents, ParameterRow::RemoteEvents, on);
}
void ParameterSelection::setAllActions(bool on) {
    SetRows(*this, ParameterRow::MessageActions, ParameterRow::CounterActions, on);
}

ParameterSelection ParameterSelection::all() {
    ParameterSelection selection;
    selection.rows.fill(true);
    return selection;
}

// Every exported section is followed by an empty line, except Counter action, the last row.
std::string ParameterFileText(const UnitConfiguration& config, const ParameterSelection& selection) {
    LineWriter out;
    for (int row = 0; row < kParameterRowCount; ++row) {
        if (!selection.rows[row]) continue;
        WriteSection(kRowSections[row], out, config);
        if (row != static_cast<int>(ParameterRow::CounterActions)) out.blankLine();
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
