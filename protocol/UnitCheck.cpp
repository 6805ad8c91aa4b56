#include "protocol/UnitCheck.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

#include "model/EventTable.h"
#include "model/SettingCatalog.h"
#include "model/TimeUnits.h"
#include "protocol/NumberText.h"
#include "protocol/RecordTable.h"
#include "protocol/RecordWriter.h"
#include "protocol/SendLimits.h"
#include "protocol/SendPreflight.h"

namespace koru {

namespace {

constexpr double kLargestTime = 4000;
constexpr double kLargestCount = 999999999;
constexpr double kLargestChannel = 81;
constexpr double kLargestRetransmissionMs = 2500;
constexpr double kRetransmissionStepMs = 10;
constexpr double kMsTimeStep = 100;
constexpr std::size_t kTextLimit = kSentMessageChars;
constexpr std::size_t kAliasLimit = 20;
constexpr std::size_t kSearchableActions = 112;

class Findings {
public:
    void add(std::string section, std::string subsection, std::string message) {
        list_.push_back({std::move(section), std::move(subsection), std::move(message)});
    }
    std::vector<CheckFinding> take() { return std::move(list_); }

private:
    std::vector<CheckFinding> list_;
};

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

bool IsWhole(double value, double step) {
    return RoundHalfEven(value / step) * step == value;
}

// What a send of every group would log or show, and the reasons it could not start.
void CheckSend(const UnitConfiguration& config, Findings& findings) {
    for (SendFinding& found : ReplaySend(config, SendSelection::Of(SendGroups::All()))) {
        findings.add(std::move(found.finding.section), std::move(found.finding.subsection),
                     std::move(found.finding.message));
    }
}

void CheckEventEntries(const UnitConfiguration& config, Findings& findings) {
    EncodeContext context;
    EncodeRecord(Record::Actions, config, context);
    for (const EventList& event : EventsInPairOrder(config)) {
        if (!event.on) continue;
        for (const std::string& entry : *event.actions) {
            if (context.actionTable.find(entry) == ActionTable::kNoAction) {
                findings.add(event.section, event.subsection,
                             "action " + Quoted(entry) + " names no defined action (sent as 255)");
            }
        }
    }
    const std::size_t actions = config.messageActions.actions.size() + config.outputFlagActions.size() +
                                config.timerActions.size() + config.counterActions.size() +
                                (config.input.sleepOn ? 1 : 0);
    if (actions > kSearchableActions) {
        findings.add("Actions", "", std::to_string(actions) + " actions: events can only name the first " +
                                        std::to_string(kSearchableActions));
    }
}

void CheckMaskCells(const UnitConfiguration& config, Findings& findings) {
    for (int m = 0; m < kMaskCount; ++m) {
        const IoMask& mask = config.ioEvents.masks[static_cast<std::size_t>(m)];
        const std::string subsection = "+Mask" + std::to_string(m + 1);
        auto cells = [&](const char* key, const auto& group) {
            for (std::size_t k = 0; k < group.size(); ++k) {
                const std::string& cell = group[k];
                if (cell == "-" || cell == "0" || cell == "1") continue;
                const std::string where = std::string(key) + " cell " + std::to_string(k + 1) + " " + Quoted(cell);
                findings.add("I/O event", subsection,
                             where + (cell == "T" ? " is sent as no condition" : " is not -, 0, 1 or T; sent as no condition"));
            }
        };
        cells("InputA", mask.inputA);
        cells("InputB", mask.inputB);
        cells("Output", mask.outputs);
        cells("Flags", mask.flags);
    }
    for (const std::string& entry : config.outputFlagActions) {
        const std::size_t blank = entry.find(' ');
        if (blank == std::string::npos) continue;
        for (char cell : entry.substr(blank + 1, 13)) {
            if (cell != ' ' && cell != '-' && cell != '0' && cell != '1' && cell != 'T') {
                findings.add("Output Flag action", entry,
                             "cell " + Quoted(std::string(1, cell)) + " is not -, 0, 1 or T; sent as no change");
                break;
            }
        }
    }
}

void CheckRadioNumbers(const UnitConfiguration& config, Findings& findings) {
    const RadioSetup& radio = config.radio;
    if (const auto channel = ValidNumber(radio.channel)) {
        const double whole = RoundHalfEven(*channel);
        if (whole < 0 || whole > kLargestChannel) findings.add("Radio", "Channel", Quoted(radio.channel) + " is outside 0 to 81");
    } else {
        findings.add("Radio", "Channel", Quoted(radio.channel) + " is not a number; sent as " +
                                             ShortestDecimal(LeadingNumber(radio.channel)));
    }
    if (!IsValidNumber(radio.retransmitt)) {
        findings.add("Radio", "Retransmitt", Quoted(radio.retransmitt) + " is not a number");
    }
    for (const auto& [name, text] : {std::pair{"Retransmission min time", &radio.retransmissionMinTime},
                                     std::pair{"Retransmission max time", &radio.retransmissionMaxTime}}) {
        const auto value = ValidNumber(*text);
        if (!value) continue;  // the send's own log entry reports it
        if (*value < 0 || *value > kLargestRetransmissionMs || !IsWhole(*value, kRetransmissionStepMs)) {
            findings.add("Radio", name, Quoted(*text) + " ms is not a multiple of 10 from 0 to 2500");
        }
    }

    const NetworkSetup& network = config.network;
    if (!IsValidNumber(network.userPingTime)) {
        findings.add("Network", "User ping time", Quoted(network.userPingTime) + " is not a number; sent as 1 " +
                                                      network.userPingUnit);
    }
}

void CheckTimerAndCounterNumbers(const UnitConfiguration& config, Findings& findings) {
    for (int t = 0; t < kTimerCount; ++t) {
        const TimerSetup& timer = config.timers[static_cast<std::size_t>(t)];
        const std::string subsection = "+Timer" + std::to_string(t + 1);
        if (const auto time = ValidNumber(timer.time)) {
            if (*time < 0 || *time > kLargestTime) {
                findings.add("Timer", subsection, "time " + Quoted(timer.time) + " is outside 0 to 4000");
            } else if (timer.unit == "ms" && !IsWhole(*time, kMsTimeStep)) {
                findings.add("Timer", subsection, "time " + Quoted(timer.time) + " ms is not a multiple of 100");
            }
        } else {
            findings.add("Timer", subsection, "time " + Quoted(timer.time) + " is not a number; sent as 1 " + timer.unit);
        }
    }
    for (int c = 0; c < kCounterCount; ++c) {
        const Text& counter = config.counters[static_cast<std::size_t>(c)].counter;
        const auto value = ValidNumber(counter);
        if (value && (RoundHalfEven(*value) < 0 || RoundHalfEven(*value) > kLargestCount)) {
            findings.add("Counter", "+Counter" + std::to_string(c + 1), Quoted(counter) + " is outside 0 to 999999999");
        }
    }
}

void CheckInputNumbers(const UnitConfiguration& config, Findings& findings) {
    const InputSection& input = config.input;
    if (input.voltageRange == VoltageRange::User) {
        for (const auto& [name, text] : {std::pair{"Voltage range minimum", &input.userMinVolt},
                                         std::pair{"Voltage range maximum", &input.userMaxVolt}}) {
            if (!IsValidNumber(*text)) {
                findings.add("Input", name, Quoted(*text) + " is not a number; read as " + ShortestDecimal(LeadingNumber(*text)));
            }
        }
    }
    for (int i = 0; i < kInputCount; ++i) {
        const InputSetup& in = input.inputs[static_cast<std::size_t>(i)];
        if (!in.on) continue;
        const std::array<std::pair<const char*, const Text*>, 6> fields{{{"Upper limit", &in.upperLimit},
                                                                          {"Upper hysteresis", &in.upperHysteresis},
                                                                          {"Lower limit", &in.lowerLimit},
                                                                          {"Lower hysteresis", &in.lowerHysteresis},
                                                                          {"Scale", &in.scale},
                                                                          {"Offset", &in.offset}}};
        for (const auto& [name, text] : fields) {
            if (!IsValidNumber(*text)) {
                findings.add("Input", "+Input" + std::to_string(i + 1),
                             std::string(name) + " " + Quoted(*text) + " is not a number; read as " +
                                 ShortestDecimal(LeadingNumber(*text)));
            }
        }
    }
}

void CheckTexts(const UnitConfiguration& config, Findings& findings) {
    // Characters the records cannot carry are reasons a send cannot start; CheckSend lists them.
    if (config.unit.alias.size() > kAliasLimit) findings.add("Unit", "Alias", "longer than 20 characters");
    for (int j = 0; j < kMessageCount; ++j) {
        const std::string subsection = "+Message" + std::to_string(j + 1);
        const Text& received = config.messageEvents.messages[static_cast<std::size_t>(j)].text;
        if (received.size() > kTextLimit) findings.add("Message event", subsection, "text longer than 30 characters");
        const Text& sent = config.messageActions.messages[static_cast<std::size_t>(j)].text;
        if (sent.size() > kTextLimit) findings.add("Message action", subsection, "text cut to its first 30 characters");
    }
}

// Settings that the editor offers as a drop-down: any other text is sent as something else (or makes a
// field go missing). Drop-downs that also take typed text (the channel, the unit type) are not checked here.
void CheckChoices(const UnitConfiguration& config, Findings& findings) {
    for (const Setting& setting : Settings()) {
        if (setting.kind != FieldKind::Choice || setting.editableChoice || !setting.inFile()) continue;
        for (int item = 0; item < setting.count; ++item) {
            const std::string value = FieldValue(setting, config, item);
            if (std::find(setting.choices.begin(), setting.choices.end(), value) != setting.choices.end()) continue;
            const bool numbered = setting.block == Block::Numbered;
            const std::string where = numbered ? std::string(setting.subsection) + std::to_string(item + 1)
                                               : std::string(setting.key);
            findings.add(SectionName(setting.section), where,
                         (numbered ? std::string(setting.key) + " " : std::string()) + Quoted(value) +
                             " is not one of the editor's choices");
        }
    }
}

bool IsNumberIn(std::string_view text, int first, int last) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos || text.size() > 3) return false;
    const int number = std::stoi(std::string(text));
    return number >= first && number <= last;
}

bool IsCells(std::string_view text, std::size_t count) {
    return text.size() == count && text.find_first_not_of("-01T") == std::string_view::npos;
}

// Whether an entry has one of the forms the editor creates for its list; other entries are sent with
// fields missing or pointing at another timer, counter or message.
bool IsEditorAction(const std::string& list, const std::string& entry) {
    const std::vector<std::string_view> p = SplitPieces(entry, ' ');
    const std::size_t n = p.size();
    if (list == "Message action") {
        return n >= 5 && p[0] == "Send:" && p[1] == "Message" && IsNumberIn(p[2], 1, kMessageCount) && p[3] == "to";
    }
    if (list == "Output Flag action") {
        if (n == 3 && p[0] == "Set:") return IsCells(p[1], 4) && IsCells(p[2], 8);
        return n >= 5 && p[0] == "Send:" && IsCells(p[1], 4) && IsCells(p[2], 8) && p[3] == "to";
    }
    if (list == "Timer action") {
        if (n == 5 && p[0] == "Timer") return IsNumberIn(p[1], 1, kTimerCount) && p[2] == "=" && FindTimeUnit(p[4]) != nullptr;
        return n == 3 && (p[0] == "Start" || p[0] == "Stop" || p[0] == "Restart") && p[1] == "timer" &&
               IsNumberIn(p[2], 1, kTimerCount);
    }
    if (n == 4 && p[0] == "Counter") return IsNumberIn(p[1], 1, kCounterCount) && p[2] == "=";
    if (n == 3 && p[0] == "Reset") return p[1] == "Counter" && IsNumberIn(p[2], 1, kCounterCount);
    return n == 5 && (p[0] == "Increase" || p[0] == "Decrease") && p[1] == "Counter" &&
           IsNumberIn(p[2], 1, kCounterCount) && p[3] == "with";
}

void CheckActionEntries(const UnitConfiguration& config, Findings& findings) {
    const std::pair<std::string, const TextList*> lists[] = {
        {"Message action", &config.messageActions.actions},
        {"Output Flag action", &config.outputFlagActions},
        {"Timer action", &config.timerActions},
        {"Counter action", &config.counterActions},
    };
    for (const auto& [name, list] : lists) {
        for (const std::string& entry : *list) {
            if (!IsEditorAction(name, entry)) {
                findings.add(name, entry, "not an action the editor creates; its records do not carry it as written");
            }
        }
    }
}

}  // namespace

std::vector<CheckFinding> CheckUnit(const UnitConfiguration& config) {
    Findings findings;
    CheckSend(config, findings);
    CheckEventEntries(config, findings);
    CheckMaskCells(config, findings);
    CheckRadioNumbers(config, findings);
    CheckTimerAndCounterNumbers(config, findings);
    CheckInputNumbers(config, findings);
    CheckChoices(config, findings);
    CheckActionEntries(config, findings);
    CheckTexts(config, findings);
    return findings.take();
}

std::string DescribeFinding(const CheckFinding& finding) {
    std::string line = finding.section;
    if (!finding.subsection.empty()) line += ", " + finding.subsection;
    return line + ": " + finding.message;
}

}  // namespace koru
