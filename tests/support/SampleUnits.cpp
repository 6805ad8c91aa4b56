#include "tests/support/SampleUnits.h"

#include <string>

#include "tests/support/TestSupport.h"

namespace koru::test {

namespace {

std::string N(int n) { return std::to_string(n); }

std::string Entry(int id, const std::string& alias) {
    std::string digits = N(id);
    return std::string(10 - digits.size(), '0') + digits + "(" + alias + ")";
}

}  // namespace

UnitConfiguration FullUnit() {
    UnitConfiguration c;
    c.unit = {"0000000042", "Pump house \xe5", "KORU Starter-kit"};

    auto& n = c.network;
    n.setupAllUnits = false;
    n.setupAllSetupUnits = true;
    n.setupOneUnit = true;
    n.setupViaSerial = true;
    n.setupUnit = "0000000007";
    n.upperUnit = Entry(17, "Mast");
    n.upperPing = "Long ping time - " + n.upperUnit;
    for (int i = 0; i < 20; ++i) {
        n.lowerUnits.push_back(Entry(100 + i, "Well " + N(i)));
        n.lowerPing.push_back("Short ping time - " + n.lowerUnits.back());
        n.remotes.push_back("Remote " + N(i));
    }
    n.userPingTime = "90";
    n.userPingUnit = "min";

    c.radio = {"81", "<KORU-Standard>", "10", BroadcastMode::OnlyDown, true, GatewayMode::Off, "250", "900"};
    c.serial = {"115200", "7", "Even", "2", "<RS-485 half duplex>", "2s", "13,10 (CRLF)"};
    for (int t = 0; t < kTimerCount; ++t) c.timers[t] = {N(10 * (t + 1)), t % 2 ? "s" : "h"};
    for (int k = 0; k < kCounterCount; ++k) c.counters[k].counter = N(1000 + k);

    auto& in = c.input;
    in.voltageRange = VoltageRange::User;
    in.userMinVolt = "1";
    in.userMaxVolt = "20";
    for (int i = 0; i < kInputCount; ++i) {
        in.inputs[i] = {i % 2 == 0, i % 3 ? InputType::Digital : InputType::Analogue, N(18 - i), "0.5", N(2 + i),
                        "0.25", "10", "-1"};
    }
    in.sleepOn = true;
    in.sleepOnHigh = false;

    // Actions of every kind.
    for (int m = 1; m <= 20; ++m) c.messageActions.actions.push_back("Send: Message " + N(m) + " to " + Entry(m, "U"));
    for (int k = 0; k < 40; ++k) {
        c.outputFlagActions.push_back(k % 2 ? "Set: 1T0" + N(k % 10) + " 01T-01T-"
                                            : "Send: 10-" + N(k % 10) + " T1-0T1-0 to " + Entry(k, "Dest"));
    }
    for (int t = 1; t <= 4; ++t) {
        c.timerActions.push_back("Timer " + N(t) + " = " + N(5 * t) + " s");
        c.timerActions.push_back("Start timer " + N(t));
        c.timerActions.push_back("Stop timer " + N(t));
        c.timerActions.push_back("Restart timer " + N(t));
    }
    for (int t = 0; t < 14; ++t) c.timerActions.push_back("Timer " + N(t % 4 + 1) + " = " + N(t + 30) + " min");
    for (int k = 1; k <= 4; ++k) {
        c.counterActions.push_back("Counter " + N(k) + " = " + N(100 * k));
        c.counterActions.push_back("Reset Counter " + N(k));
        c.counterActions.push_back("Increase Counter " + N(k) + " with " + N(k));
        c.counterActions.push_back("Decrease Counter " + N(k) + " with " + N(k));
    }
    for (int k = 0; k < 5; ++k) c.counterActions.push_back("Increase Counter " + N(k % 4 + 1) + " with " + N(k + 10));
    // 112 actions with sleep mode: as many as events can name.
    const TextList someActions{"Reset Counter 1", "Start timer 2", "Sleep mode", c.outputFlagActions[3]};
    const TextList oneAction{c.timerActions.back()};

    const char* cells = "-01T";
    for (int m = 0; m < kMaskCount; ++m) {
        auto& mask = c.ioEvents.masks[m];
        mask.on = m % 3 != 0;
        for (int k = 0; k < kMaskInputCells; ++k) {
            mask.inputA[k] = std::string(1, cells[(m + k) % 4]);
            mask.inputB[k] = std::string(1, cells[(m + 2 * k) % 4]);
        }
        for (int k = 0; k < kMaskOutputCells; ++k) mask.outputs[k] = std::string(1, cells[(m * k) % 4]);
        for (int k = 0; k < kMaskFlagCells; ++k) mask.flags[k] = std::string(1, cells[(m + k + 1) % 4]);
        mask.actions = someActions;
    }
    c.ioEvents.sleepOn = true;
    c.ioEvents.sleepActions = someActions;

    // 111 event-action pairs, as many as the unit holds: 64 on the masks, 4 on sleep, the rest below.
    for (auto& e : c.timerEvents) e = {true, oneAction};
    for (auto& e : c.commEvents) e = {true, oneAction};
    c.commEvents[0].actions = someActions;
    for (auto& e : c.counterEvents) e = {true, {"Start timer 3"}, {"Stop timer 1"}};
    for (int j = 0; j < kMessageCount; ++j) {
        c.messageEvents.messages[j] = {j % 2 == 0, "Level " + N(j) + ", high=1", j % 3 == 0, j % 2 == 1, oneAction};
    }
    c.messageEvents.noMatchRadio = {true, {"Reset Counter 2"}};
    c.messageEvents.noMatchSerial = {true, {"Reset Counter 3"}};
    for (auto& e : c.messageEvents.types) e = {true, oneAction};
    for (int r = 0; r < kRemoteEventCount; ++r) c.remoteEvents[r] = {true, {"A" + N(r), "B" + N(r)}, someActions};
    for (int j = 0; j < kMessageCount; ++j) {
        c.messageActions.messages[j] = {j % 4 == 0 ? "Alarm" : "Message", "Tank " + N(j) + " at <I1> %"};
    }
    return c;
}

std::string WriteBaseUnit(const std::filesystem::path& folder, const std::string& id) {
    std::string text = ReadBytes(KORU_BIN_DIR "/Default Files/KORU Base.kdf");
    text.replace(text.find("Id=-"), 4, "Id=" + id);
    const std::filesystem::path file = folder / (id + "(Base).kuf");
    WriteBytes(file, text);
    return file.string();
}

}  // namespace koru::test
