#include "model/SettingCodecs.h"

#include "model/FileSyntax.h"

namespace koru {

namespace {

// --- Radio ----------------------------------------------------------------------------------------------

std::string GetBroadcast(const UnitConfiguration& c, int) {
    switch (c.radio.broadcast) {
        case BroadcastMode::AllOn: return "1";
        case BroadcastMode::OnlyDown: return "2";
        case BroadcastMode::AllOff: return "3";
        case BroadcastMode::None: break;
    }
    return "";
}

// "1", "2" and "3" select, an empty value clears the choice, anything else changes nothing.
void SetBroadcast(UnitConfiguration& c, int, std::string_view value) {
    if (value == "1") c.radio.broadcast = BroadcastMode::AllOn;
    else if (value == "2") c.radio.broadcast = BroadcastMode::OnlyDown;
    else if (value == "3") c.radio.broadcast = BroadcastMode::AllOff;
    else if (value.empty()) c.radio.broadcast = BroadcastMode::None;
}

std::string GetGateway(const UnitConfiguration& c, int) {
    switch (c.radio.gateway) {
        case GatewayMode::Off: return "0";
        case GatewayMode::On: return "1";
        case GatewayMode::None: break;
    }
    return "";
}

void SetGateway(UnitConfiguration& c, int, std::string_view value) {
    if (value == "0") c.radio.gateway = GatewayMode::Off;
    else if (value == "1") c.radio.gateway = GatewayMode::On;
    else if (value.empty()) c.radio.gateway = GatewayMode::None;
}

std::string WriteGeneralBroadcast(const UnitConfiguration& c, int) { return FlagText(c.radio.generalBroadcast); }

// Unlike other flags, only "0" and "1" change the receive-general-broadcast flag.
void ReadGeneralBroadcast(UnitConfiguration& c, int, std::string_view value) {
    if (value == "1") c.radio.generalBroadcast = true;
    else if (value == "0") c.radio.generalBroadcast = false;
}

// --- Network --------------------------------------------------------------------------------------------

// Four one-character flags and the unit text, joined by ",".
std::string WriteSetupUnits(const UnitConfiguration& c, int) {
    const NetworkSetup& n = c.network;
    std::string value;
    for (bool flag : {n.setupAllUnits, n.setupAllSetupUnits, n.setupOneUnit, n.setupViaSerial}) {
        value += FlagText(flag);
        value += ',';
    }
    return value + n.setupUnit;
}

// The flags sit at positions 1, 3, 5 and 7; "1" sets, "0" clears, anything else keeps the flag. The unit
// text starts at position 9; a "-" there keeps the text.
void ReadSetupUnits(UnitConfiguration& c, int, std::string_view value) {
    NetworkSetup& n = c.network;
    if (value.empty()) {
        n.setupAllUnits = n.setupAllSetupUnits = n.setupOneUnit = n.setupViaSerial = false;
        n.setupUnit.clear();
        return;
    }
    bool* flags[] = {&n.setupAllUnits, &n.setupAllSetupUnits, &n.setupOneUnit, &n.setupViaSerial};
    for (std::size_t i = 0; i < 4; ++i) {
        const std::size_t position = 2 * i;
        if (position >= value.size()) break;
        if (value[position] == '1') *flags[i] = true;
        if (value[position] == '0') *flags[i] = false;
    }
    if (value.size() > 8 && value[8] == '-') return;
    n.setupUnit = value.size() > 8 ? std::string(TrimBlanks(value.substr(8))) : std::string();
}

// --- Input ----------------------------------------------------------------------------------------------

std::string GetVoltageRange(const UnitConfiguration& c, int) {
    switch (c.input.voltageRange) {
        case VoltageRange::Base: return std::string(kBaseVoltage);
        case VoltageRange::StarterKit: return std::string(kStarterKitVoltage);
        case VoltageRange::User: return std::string(kUserVoltage);
        case VoltageRange::None: break;
    }
    return "";
}

void SetVoltageRange(UnitConfiguration& c, int, std::string_view value) {
    if (value == kBaseVoltage) c.input.voltageRange = VoltageRange::Base;
    else if (value == kStarterKitVoltage) c.input.voltageRange = VoltageRange::StarterKit;
    else if (value == kUserVoltage) c.input.voltageRange = VoltageRange::User;
    else if (value.empty()) c.input.voltageRange = VoltageRange::None;
}

// The user range is written as minimum, "-", maximum; no selected range writes "-", which readers ignore.
std::string WriteVoltageRange(const UnitConfiguration& c, int) {
    const InputSection& s = c.input;
    switch (s.voltageRange) {
        case VoltageRange::Base: return std::string(kBaseVoltage);
        case VoltageRange::StarterKit: return std::string(kStarterKitVoltage);
        case VoltageRange::User: return s.userMinVolt + "-" + s.userMaxVolt;
        case VoltageRange::None: break;
    }
    return "-";
}

void ReadVoltageRange(UnitConfiguration& c, int, std::string_view value) {
    InputSection& s = c.input;
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
        if (dash != std::string_view::npos) {
            s.userMinVolt = std::string(value.substr(0, dash));
            s.userMaxVolt = std::string(value.substr(dash + 1));
        }
    }
}

std::string GetInputType(const UnitConfiguration& c, int i) {
    return c.input.inputs[i].type == InputType::Analogue ? "A" : "D";
}
void SetInputType(UnitConfiguration& c, int i, std::string_view value) {
    c.input.inputs[i].type = value == "A" ? InputType::Analogue : InputType::Digital;
}

std::string GetSleepEdge(const UnitConfiguration& c, int) { return c.input.sleepOnHigh ? "1" : "0"; }
void SetSleepEdge(UnitConfiguration& c, int, std::string_view value) { c.input.sleepOnHigh = value == "1"; }

}  // namespace

const OptionGroup kBroadcastGroup{&GetBroadcast, &SetBroadcast};
const OptionGroup kGatewayGroup{&GetGateway, &SetGateway};
const OptionGroup kVoltageRangeGroup{&GetVoltageRange, &SetVoltageRange};
const OptionGroup kInputTypeGroup{&GetInputType, &SetInputType};
const OptionGroup kSleepEdgeGroup{&GetSleepEdge, &SetSleepEdge};

const KeyCodec kSetupUnitsCodec{&WriteSetupUnits, &ReadSetupUnits};
const KeyCodec kGeneralBroadcastCodec{&WriteGeneralBroadcast, &ReadGeneralBroadcast};
const KeyCodec kVoltageRangeCodec{&WriteVoltageRange, &ReadVoltageRange};

}  // namespace koru
