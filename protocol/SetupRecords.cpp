// Records 1, 2, 15, 3 and 4: the unit's name and sleep mode, its place in the network, its peers, the
// radio and the serial interface.

#include <string>

#include "protocol/NumberText.h"
#include "protocol/RecordWriter.h"
#include "protocol/SendLimits.h"
#include "protocol/TimeCode.h"
#include "protocol/UnitNumber.h"

namespace koru {

namespace {

// Who may configure the unit: all units 0, setup units and the one unit 3, setup units 1, one unit 2.
const char* SetupPermissionCode(const NetworkSetup& network) {
    if (network.setupAllUnits) return "0";
    if (network.setupAllSetupUnits && network.setupOneUnit) return "3";
    if (network.setupAllSetupUnits) return "1";
    if (network.setupOneUnit) return "2";
    return "0";
}

const char* PingCode(std::string_view ping) {
    const std::string_view start = ping.substr(0, 2);
    if (start == "Sh") return "1";
    if (start == "Lo") return "2";
    if (start == "Us") return "3";
    return "0";
}

const char* BroadcastCode(BroadcastMode mode) {
    switch (mode) {
        case BroadcastMode::AllOn: return "1";
        case BroadcastMode::OnlyDown: return "2";
        default: return "0";
    }
}

const char* SerialProtocolCode(std::string_view protocol) {
    if (protocol.find("full") != std::string_view::npos) return "1";
    if (protocol.find("half") != std::string_view::npos) return "2";
    if (protocol.find("KORU") != std::string_view::npos) return "9";
    return "0";
}

const char* ParityCode(std::string_view parity) {
    if (parity == "Odd") return "1";
    if (parity == "Even") return "2";
    return "0";
}

// The serial timeout in the unit's steps of 1/60 second.
double SerialTimeoutSteps(std::string_view timeout) {
    constexpr double kStepMs = 16.667;
    if (timeout.empty()) return 6;
    if (timeout.size() >= 2 && timeout.substr(timeout.size() - 2) == "ms") {
        return RoundHalfEven(LeadingNumber(timeout) / kStepMs);
    }
    if (timeout.back() == 's') return RoundHalfEven(LeadingNumber(timeout) * (1000 / kStepMs));
    if (timeout == "<None>") return 0;
    return 6;
}

// The strict conversion of an editor field: empty or non-numeric text fails.
double StrictNumber(std::string_view text) {
    const auto value = ValidNumber(text);
    if (!value) throw StepFailure(kTypeMismatch);
    return *value;
}

}  // namespace

EncoderSteps EncodeGeneral(const UnitConfiguration& config, EncodeContext& context) {
    RecordWriter out(Record::General, config, context);
    out.setOrigin("Unit");
    out.append("1:\"");
    out.append(config.unit.alias);
    out.append("\":");
    out.append(FlagField(config.input.sleepOn));
    out.append(":");
    out.append(FlagField(config.input.sleepOnHigh));
    out.append(";");
    out.handOver();
    return out.take();
}

EncoderSteps EncodeNetwork(const UnitConfiguration& config, EncodeContext& context) {
    const NetworkSetup& network = config.network;
    RecordWriter out(Record::Network, config, context);
    out.setOrigin("Network");
    out.append("2:");
    out.append(out.hex(FirstChars(network.upperUnit, kUnitIdDigits)));
    out.append(":");
    out.append(SetupPermissionCode(network));
    out.append(":");
    out.append(out.hex(network.setupUnit));
    out.append(":");
    out.append(FlagField(config.radio.gateway == GatewayMode::On));
    out.append(":");
    out.step([&] { out.append(TimeCode(network.userPingTime, network.userPingUnit) + ":"); });
    out.append(std::to_string(network.lowerUnits.size() + 1));
    out.append(";");
    out.handOver();
    return out.take();
}

EncoderSteps EncodePeers(const UnitConfiguration& config, EncodeContext& context) {
    const NetworkSetup& network = config.network;
    RecordWriter out(Record::Peers, config, context);
    auto peer = [&](std::size_t number, std::string_view unit, std::string_view ping) {
        out.append("15:" + std::to_string(number) + ":");
        out.append(out.hex(FirstChars(unit, kUnitIdDigits)));
        out.append(":");
        out.append(PingCode(ping));
        out.append(":0;");
    };
    out.setOrigin("Network", "Upper unit");
    peer(0, network.upperUnit, network.upperPing);
    for (std::size_t n = 1; n <= network.lowerUnits.size(); ++n) {
        out.setOrigin("Network", "Lower unit " + std::to_string(n));
        const std::string_view ping =
            n - 1 < network.lowerPing.size() ? std::string_view(network.lowerPing[n - 1]) : std::string_view();
        peer(n, network.lowerUnits[n - 1], ping);
        out.handOverAbove(kHandOverLimit);
    }
    out.handOver();
    return out.take();
}

EncoderSteps EncodeRadio(const UnitConfiguration& config, EncodeContext& context) {
    const RadioSetup& radio = config.radio;
    const NetworkSetup& network = config.network;
    constexpr std::int32_t kRetransmissionWrap = 255;
    constexpr double kMsPerUnitStep = 10;  // the unit counts retransmission times in 10 ms steps
    RecordWriter out(Record::Radio, config, context);
    out.setOrigin("Radio");
    out.append("3:");
    out.step([&] { out.append(DecimalField(LeadingNumber(radio.channel)) + ":"); });
    if (const auto protocol = ValidNumber(radio.protocol)) {
        out.step([&] { out.append(DecimalField(*protocol) + ":"); });
    } else if (radio.protocol.compare(0, 4, "<KOR") == 0) {
        out.append("0:");
    }
    out.append("0:");
    out.append(BroadcastCode(radio.broadcast));
    out.append(":");
    out.append(FlagField(network.setupAllUnits || network.setupAllSetupUnits || network.setupOneUnit));
    out.append(":");
    out.step([&] {
        const auto count = ToInt32(LeadingNumber(radio.retransmitt));
        if (!count) throw StepFailure(kOverflow);
        out.append(std::to_string(*count % kRetransmissionWrap) + ":");
    });
    out.setOrigin("Radio", "Retransmission min time");
    out.step([&] { out.append(DecimalField(StrictNumber(radio.retransmissionMinTime) / kMsPerUnitStep) + ":"); });
    out.setOrigin("Radio", "Retransmission max time");
    out.step([&] { out.append(DecimalField(StrictNumber(radio.retransmissionMaxTime) / kMsPerUnitStep) + ":"); });
    out.setOrigin("Radio");
    out.append(":");
    out.append(FlagField(radio.generalBroadcast));
    out.append(";");
    out.handOver();
    return out.take();
}

EncoderSteps EncodeSerial(const UnitConfiguration& config, EncodeContext& context) {
    const SerialSetup& serial = config.serial;
    RecordWriter out(Record::Serial, config, context);
    out.setOrigin("Serial");
    out.append("4:");
    out.append(FlagField(config.network.setupViaSerial));
    out.append(":");
    out.append(SerialProtocolCode(serial.serialProtocol));
    out.append(":");
    out.step([&] { out.append(DecimalField(SerialTimeoutSteps(serial.serialTimeout)) + ":"); });
    for (const Text* setting : {&serial.baudrate, &serial.numberOfBits, &serial.stopBit}) {
        out.step([&] { out.append(DecimalField(LeadingNumber(*setting)) + ":"); });
    }
    out.append(ParityCode(serial.parity));
    out.append(":");

    // End-of-text delimiter: "<None>", or character codes before the "(" of the choice, e.g. "13,10 (CRLF)".
    const std::string_view endOfText = serial.endOfText;
    if (endOfText.find("<None>") != std::string_view::npos) {
        out.append("0::;");
    } else {
        std::string_view codes = endOfText;
        const std::size_t paren = endOfText.find('(');
        if (paren == std::string_view::npos) out.log(kInvalidArgument);
        else codes = endOfText.substr(0, paren);
        const auto pieces = SplitPieces(codes, ',');
        if (pieces.size() > 2) out.log("To many characters in EOP-delimiter");
        out.append(std::to_string(pieces.size()) + ":");
        out.step([&] { out.append(DecimalField(LeadingNumber(PieceAt(pieces, 0))) + ":"); });
        out.step([&] {
            out.append(pieces.size() >= 2 ? DecimalField(LeadingNumber(pieces[1])) : std::string());
            out.append(";");
        });
    }
    out.handOver();
    return out.take();
}

}  // namespace koru
