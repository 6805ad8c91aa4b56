// Readers and writers of the unit's inputs and I/O event masks: Input and I/O event.

#include "model/NumberedSection.h"

namespace koru {

namespace {

// --- Input --------------------------------------------------------------------------------------------

// The user range is written as minimum, "-", maximum; no selected range writes "-", which readers ignore.
std::string WriteVoltageRange(const InputSection& s) {
    switch (s.voltageRange) {
        case VoltageRange::Base: return "0-2.5";
        case VoltageRange::StarterKit: return "0-30";
        case VoltageRange::User: return s.userMinVolt + "-" + s.userMaxVolt;
        case VoltageRange::None: break;
    }
    return "-";
}

void ReadVoltageRange(InputSection& s, const std::string& value) {
    if (value.empty()) {
        s.voltageRange = VoltageRange::None;
        s.userMinVolt.clear();
        s.userMaxVolt.clear();
    } else if (value == "0-2.5" || value == "0 - 2.5") {
        s.voltageRange = VoltageRange::Base;
    } else if (value == "0-30" || value == "0 - 30") {
        s.voltageRange = VoltageRange::StarterKit;
    } else {
        s.voltageRange = VoltageRange::User;
        const std::size_t dash = value.find('-');
        if (dash != std::string::npos) {
            s.userMinVolt = value.substr(0, dash);
            s.userMaxVolt = value.substr(dash + 1);
        }
    }
}

std::string WriteInputType(const InputSetup& i) { return i.type == InputType::Analogue ? "A" : "D"; }
void ReadInputType(InputSetup& i, const std::string& value) {
    i.type = value == "A" ? InputType::Analogue : InputType::Digital;
}

std::string WriteSleepEdge(const InputSection& s) { return s.sleepOnHigh ? "1" : "0"; }
void ReadSleepEdge(InputSection& s, const std::string& value) { s.sleepOnHigh = value == "1"; }

const std::array<Field<InputSection>, 1> kVoltageRangeFields{
    Field<InputSection>{"Voltage range", "optBaseVolt", &WriteVoltageRange, &ReadVoltageRange},
};

const std::array<Field<InputSetup>, 8> kInputFields{
    KORU_FLAG_FIELD(InputSetup, on, "On", "chkOnOff"),
    Field<InputSetup>{"Input type", "opAnalogue", &WriteInputType, &ReadInputType},
    KORU_TEXT_FIELD(InputSetup, upperLimit, "Upper limit", "txtLimit1"),
    KORU_TEXT_FIELD(InputSetup, upperHysteresis, "Upper hysteresis", "txtHysteresis"),
    KORU_TEXT_FIELD(InputSetup, lowerLimit, "Lower limit", "txtLimit2"),
    KORU_TEXT_FIELD(InputSetup, lowerHysteresis, "Lower hysteresis", "txtHysteresisLow"),
    KORU_TEXT_FIELD(InputSetup, scale, "Scale", "txtScale"),
    KORU_TEXT_FIELD(InputSetup, offset, "Offset", "txtOffset"),
};

// The sleep keys are section-level: they apply wherever they stand in the section.
const std::array<Field<InputSection>, 2> kSleepModeFields{
    KORU_FLAG_FIELD(InputSection, sleepOn, "SleepOn", "chkSleepModeOn"),
    Field<InputSection>{"SleepHighLow", "optSleepHigh", &WriteSleepEdge, &ReadSleepEdge},
};

void ApplyInputSectionKeys(const KeyLine& line, UnitConfiguration& config) {
    ApplyField(kVoltageRangeFields, line, config.input);
    ApplyField(kSleepModeFields, line, config.input);
}

void WriteInput(LineWriter& out, const UnitConfiguration& config) {
    out.line("-Input");
    WriteFields(out, kVoltageRangeFields, config.input);
    WriteNumbered(out, "+Input", config.input.inputs, kInputFields);
    out.line("+Sleep");
    WriteFields(out, kSleepModeFields, config.input);
}

// --- I/O event ----------------------------------------------------------------------------------------

template <std::size_t N>
std::string JoinCells(const std::array<Text, N>& cells) {
    std::string joined;
    for (std::size_t i = 0; i < N; ++i) {
        if (i > 0) joined.push_back(',');
        joined.append(cells[i]);
    }
    return joined;
}

// Pieces fill the cells in order; an empty piece keeps its cell, pieces beyond the group are dropped.
template <std::size_t N>
void ReadCells(std::array<Text, N>& cells, std::string_view value) {
    if (value.empty()) return;
    for (std::size_t i = 0; i < N; ++i) {
        const std::size_t comma = value.find(',');
        const std::string_view piece = value.substr(0, comma);
        if (!piece.empty()) cells[i] = std::string(piece);
        if (comma == std::string_view::npos) break;
        value.remove_prefix(comma + 1);
    }
}

template <auto Cells>
std::string WriteCellsField(const IoMask& mask) { return JoinCells(mask.*Cells); }
template <auto Cells>
void ReadCellsField(IoMask& mask, const std::string& value) { ReadCells(mask.*Cells, value); }

// Only a non-empty piece changes a cell.
bool TouchesCells(const std::string& value) { return value.find_first_not_of(',') != std::string::npos; }

#define KORU_CELLS_FIELD(member, key, control)                                                             \
    Field<IoMask> {                                                                                        \
        key, control, &WriteCellsField<&IoMask::member>, &ReadCellsField<&IoMask::member>, &TouchesCells \
    }

const std::array<Field<IoMask>, 6> kMaskFields{
    KORU_FLAG_FIELD(IoMask, on, "On", "chkBitMaskOn"),
    KORU_CELLS_FIELD(inputA, "InputA", "txtInputA"),
    KORU_CELLS_FIELD(inputB, "InputB", "txtInputB"),
    KORU_CELLS_FIELD(outputs, "Output", "txtOutput"),
    KORU_CELLS_FIELD(flags, "Flags", "txtFlag"),
    KORU_LIST_FIELD(IoMask, actions, "Actions", "lstBitMask"),
};

const std::array<Field<IoEventSection>, 2> kSleepEventFields{
    KORU_FLAG_FIELD(IoEventSection, sleepOn, "SleepOn", "chkSleepOn"),
    KORU_LIST_FIELD(IoEventSection, sleepActions, "SleepActions", "lstSleepActions"),
};

void ApplySleepEventKeys(const KeyLine& line, UnitConfiguration& config) {
    ApplyField(kSleepEventFields, line, config.ioEvents);
}

void WriteIoEvent(LineWriter& out, const UnitConfiguration& config) {
    out.line("-I/O event");
    WriteNumbered(out, "+Mask", config.ioEvents.masks, kMaskFields);
    out.line("+Sleep event");
    WriteFields(out, kSleepEventFields, config.ioEvents);
}

}  // namespace

std::unique_ptr<SectionReader> MakeInputSectionReader(Section section) {
    if (section == Section::Input) {
        return std::make_unique<NumberedSectionReader<InputSetup, kInputCount, 8>>(
            "+Input", NumberRule::LastCharacter, [](UnitConfiguration& c) -> auto& { return c.input.inputs; },
            kInputFields, &ApplyInputSectionKeys);
    }
    return std::make_unique<NumberedSectionReader<IoMask, kMaskCount, 6>>(
        "+Mask", NumberRule::Rest, [](UnitConfiguration& c) -> auto& { return c.ioEvents.masks; }, kMaskFields,
        &ApplySleepEventKeys);
}

void WriteInputSection(Section section, LineWriter& out, const UnitConfiguration& config) {
    if (section == Section::Input) return WriteInput(out, config);
    WriteIoEvent(out, config);
}

}  // namespace koru
