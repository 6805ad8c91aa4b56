// Readers and writers of the unit's identity and setup: Unit, Network, Radio, Serial, Timer, Counter,
// GSM and Web.

#include "model/NumberedSection.h"

namespace koru {

namespace {

// --- Unit ---------------------------------------------------------------------------------------------

const std::array<Field<UnitIdentity>, 3> kUnitFields{
    KORU_TEXT_FIELD(UnitIdentity, id, "Id", "lblId"),
    KORU_TEXT_FIELD(UnitIdentity, alias, "Alias", "txtAlias"),
    KORU_TEXT_FIELD(UnitIdentity, type, "Type", "cmbTypeOfUnit"),
};

// --- Network ------------------------------------------------------------------------------------------

// "Setup units": four one-character flags and the unit text, joined by ",".
std::string WriteSetupUnits(const NetworkSetup& n) {
    std::string value;
    for (bool flag : {n.setupAllUnits, n.setupAllSetupUnits, n.setupOneUnit, n.setupViaSerial}) {
        value += FlagText(flag);
        value += ',';
    }
    return value + n.setupUnit;
}

// The flags sit at positions 1, 3, 5 and 7; "1" sets, "0" clears, anything else keeps the flag. The unit
// text starts at position 9; a "-" there keeps the text.
void ReadSetupUnits(NetworkSetup& n, const std::string& value) {
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
    n.setupUnit = value.size() > 8 ? std::string(TrimBlanks(std::string_view(value).substr(8))) : std::string();
}

const std::array<Field<NetworkSetup>, 8> kNetworkFields{
    Field<NetworkSetup>{"Setup units", "chkAllUnits", &WriteSetupUnits, &ReadSetupUnits},
    KORU_TEXT_FIELD(NetworkSetup, upperUnit, "Upper unit", "lblSelectedMaster"),
    KORU_LIST_FIELD(NetworkSetup, lowerUnits, "Lower units", "lstSlaveUnits"),
    KORU_TEXT_FIELD(NetworkSetup, upperPing, "Upper ping", "lblUpperPingTime"),
    KORU_LIST_FIELD(NetworkSetup, lowerPing, "Lower ping", "lstLowerPingTimes"),
    KORU_TEXT_FIELD(NetworkSetup, userPingTime, "User ping time", "txtUserDefinedPingTime"),
    KORU_TEXT_FIELD(NetworkSetup, userPingUnit, "User ping unit", "cmbPingTimeUnit"),
    KORU_LIST_FIELD(NetworkSetup, remotes, "Remotes", "lstRemote"),
};

// --- Radio --------------------------------------------------------------------------------------------

std::string WriteBroadcast(const RadioSetup& r) {
    switch (r.broadcast) {
        case BroadcastMode::AllOn: return "1";
        case BroadcastMode::OnlyDown: return "2";
        case BroadcastMode::AllOff: return "3";
        case BroadcastMode::None: break;
    }
    return "";
}

void ReadBroadcast(RadioSetup& r, const std::string& value) {
    if (value == "1") r.broadcast = BroadcastMode::AllOn;
    else if (value == "2") r.broadcast = BroadcastMode::OnlyDown;
    else if (value == "3") r.broadcast = BroadcastMode::AllOff;
    else if (value.empty()) r.broadcast = BroadcastMode::None;
}

// Unlike other flags, only "0" and "1" change the receive-general-broadcast flag.
void ReadGeneralBroadcast(RadioSetup& r, const std::string& value) {
    if (value == "1") r.generalBroadcast = true;
    else if (value == "0") r.generalBroadcast = false;
}

std::string WriteGateway(const RadioSetup& r) {
    switch (r.gateway) {
        case GatewayMode::Off: return "0";
        case GatewayMode::On: return "1";
        case GatewayMode::None: break;
    }
    return "";
}

void ReadGateway(RadioSetup& r, const std::string& value) {
    if (value == "0") r.gateway = GatewayMode::Off;
    else if (value == "1") r.gateway = GatewayMode::On;
    else if (value.empty()) r.gateway = GatewayMode::None;
}

const std::array<Field<RadioSetup>, 6> kRadioFields{
    KORU_TEXT_FIELD(RadioSetup, channel, "Channel", "cmbRadioFreq"),
    KORU_TEXT_FIELD(RadioSetup, protocol, "Protocol", "cmbRadioProtocol"),
    KORU_TEXT_FIELD(RadioSetup, retransmitt, "Retransmitt", "cmbNrOfRetransmissions"),
    Field<RadioSetup>{"Broadcast", "optAllOn", &WriteBroadcast, &ReadBroadcast},
    Field<RadioSetup>{"General broadcast", "chkReceiveGeneralBroadcast", &WriteFlagField<RadioSetup, &RadioSetup::generalBroadcast>,
                      &ReadGeneralBroadcast},
    Field<RadioSetup>{"Gateway", "optGatewayOn", &WriteGateway, &ReadGateway},
};

// --- Serial -------------------------------------------------------------------------------------------

const std::array<Field<SerialSetup>, 7> kSerialFields{
    KORU_TEXT_FIELD(SerialSetup, baudrate, "Baudrate", "cmbSerialBaudrate"),
    KORU_TEXT_FIELD(SerialSetup, numberOfBits, "Number of bits", "cmbSerialBits"),
    KORU_TEXT_FIELD(SerialSetup, parity, "Parity", "cmbSerialParity"),
    KORU_TEXT_FIELD(SerialSetup, stopBit, "Stop bit", "cmbSerialStopBit"),
    KORU_TEXT_FIELD(SerialSetup, serialProtocol, "Serial protocol", "cmbSerialProtocol"),
    KORU_TEXT_FIELD(SerialSetup, serialTimeout, "Serial timeout", "cmbSerialTimeout"),
    KORU_TEXT_FIELD(SerialSetup, endOfText, "End of text", "cmbEndOfText"),
};

// --- Timer and Counter: numbered subsections, the number being the heading's last character ----------

const std::array<Field<TimerSetup>, 2> kTimerFields{
    KORU_TEXT_FIELD(TimerSetup, time, "Time", "txtTime"),
    KORU_TEXT_FIELD(TimerSetup, unit, "Unit", "cmbTimerUnit"),
};

const std::array<Field<CounterSetup>, 1> kCounterFields{
    KORU_TEXT_FIELD(CounterSetup, counter, "Counter", "txtCount"),
};

// GSM and Web hold nothing; their lines are ignored.
class IgnoringReader final : public SectionReader {
public:
    ReadFailure apply(const std::string&, UnitConfiguration&) override { return std::nullopt; }
};

}  // namespace

std::unique_ptr<SectionReader> MakeSetupSectionReader(Section section) {
    switch (section) {
        case Section::Unit:
            return std::make_unique<FlatSectionReader<UnitIdentity, 3>>(
                [](UnitConfiguration& c) -> auto& { return c.unit; }, kUnitFields);
        case Section::Network:
            return std::make_unique<FlatSectionReader<NetworkSetup, 8>>(
                [](UnitConfiguration& c) -> auto& { return c.network; }, kNetworkFields);
        case Section::Radio:
            return std::make_unique<FlatSectionReader<RadioSetup, 6>>(
                [](UnitConfiguration& c) -> auto& { return c.radio; }, kRadioFields);
        case Section::Serial:
            return std::make_unique<FlatSectionReader<SerialSetup, 7>>(
                [](UnitConfiguration& c) -> auto& { return c.serial; }, kSerialFields);
        case Section::Timer:
            return std::make_unique<NumberedSectionReader<TimerSetup, kTimerCount, 2>>(
                "+Timer", NumberRule::LastCharacter, [](UnitConfiguration& c) -> auto& { return c.timers; },
                kTimerFields);
        case Section::Counter:
            return std::make_unique<NumberedSectionReader<CounterSetup, kCounterCount, 1>>(
                "+Counter", NumberRule::LastCharacter, [](UnitConfiguration& c) -> auto& { return c.counters; },
                kCounterFields);
        default: return std::make_unique<IgnoringReader>();
    }
}

void WriteSetupSection(Section section, LineWriter& out, const UnitConfiguration& config) {
    switch (section) {
        case Section::Unit: return WriteFlat(out, "-Unit", kUnitFields, config.unit);
        case Section::Network: return WriteFlat(out, "-Network", kNetworkFields, config.network);
        case Section::Radio: return WriteFlat(out, "-Radio", kRadioFields, config.radio);
        case Section::Serial: return WriteFlat(out, "-Serial", kSerialFields, config.serial);
        case Section::Timer:
            out.line("-Timer");
            return WriteNumbered(out, "+Timer", config.timers, kTimerFields);
        case Section::Counter:
            out.line("-Counter");
            return WriteNumbered(out, "+Counter", config.counters, kCounterFields);
        case Section::Gsm: return out.line("-GSM");
        case Section::Web: return out.line("-Web");
        default: return;
    }
}

}  // namespace koru
