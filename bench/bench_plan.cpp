// Plans the whole send of a maximal unit (every group, 24 active masks, 20 received and 20 sent texts,
// 112 actions, 111 event-action pairs) and prints the time per plan in microseconds.

#include <chrono>
#include <cstdio>
#include <string>

#include "protocol/SessionPlanner.h"

namespace {

koru::UnitConfiguration MaximalUnit() {
    using namespace koru;
    UnitConfiguration config;
    config.unit = {"0000004711", "Pump house north", "KORU Base"};
    config.network.upperUnit = "0000000017(Upper)";
    config.network.upperPing = "Long ping time - 0000000017(Upper)";
    for (int n = 0; n < 20; ++n) {
        config.network.lowerUnits.push_back(std::to_string(1000000000 + n) + "(Lower " + std::to_string(n) + ")");
        config.network.lowerPing.push_back("Short ping time - " + config.network.lowerUnits.back());
    }
    config.input.sleepOn = true;
    for (auto& input : config.input.inputs) input.on = true;
    config.input.inputs[1].type = InputType::Digital;

    for (int m = 0; m < kMaskCount; ++m) {
        IoMask& mask = config.ioEvents.masks[static_cast<std::size_t>(m)];
        mask.on = true;
        mask.inputA = {"1", "0", "-", "T", "1", "0"};
        mask.flags[static_cast<std::size_t>(m % 8)] = "1";
    }
    for (int j = 0; j < kMessageCount; ++j) {
        config.messageEvents.messages[static_cast<std::size_t>(j)] = {true, "LEVEL " + std::to_string(j), true, true, {}};
        config.messageActions.messages[static_cast<std::size_t>(j)] = {"Alarm", "Pump " + std::to_string(j) + " failed"};
    }

    TextList all;
    for (int j = 1; j <= 20; ++j) {
        config.messageActions.actions.push_back("Send: Message " + std::to_string(j) + " to 0000000017(Upper)");
    }
    for (int k = 0; k < 40; ++k) {
        config.outputFlagActions.push_back(k % 2 ? "Set: 1T0- 0-----1" + std::to_string(k % 10)
                                                 : "Send: 1111 T------" + std::to_string(k % 10) + " to [General Broadcast]");
    }
    for (int t = 0; t < 30; ++t) {
        config.timerActions.push_back("Timer " + std::to_string(t % 4 + 1) + " = " + std::to_string(t + 1) + " s");
    }
    for (int c = 0; c < 21; ++c) {
        config.counterActions.push_back("Increase Counter " + std::to_string(c % 4 + 1) + " with " + std::to_string(c));
    }
    for (const auto* list : {&config.messageActions.actions, &config.outputFlagActions, &config.timerActions,
                             &config.counterActions}) {
        all.insert(all.end(), list->begin(), list->end());
    }
    // 111 pairs: four per mask, the rest on communication events.
    std::size_t next = 0;
    for (auto& mask : config.ioEvents.masks) {
        for (int a = 0; a < 4; ++a) mask.actions.push_back(all[next++ % all.size()]);
    }
    for (auto& event : config.commEvents) {
        event.on = true;
        for (int a = 0; a < 2 && next < 110; ++a) event.actions.push_back(all[next++ % all.size()]);
    }
    config.commEvents[0].actions.push_back("Sleep mode");  // the 111th pair
    return config;
}

}  // namespace

int main() {
    const koru::UnitConfiguration config = MaximalUnit();
    const koru::SendSelection selection = koru::SendSelection::fromBoxes({});
    constexpr int kRounds = 2000;
    std::size_t bytes = 0;
    koru::PlanSession(config, selection);  // warm up
    const auto start = std::chrono::steady_clock::now();
    for (int round = 0; round < kRounds; ++round) bytes += koru::PlanSession(config, selection).bytes.size();
    const auto elapsed = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start);
    const koru::SessionTranscript sample = koru::PlanSession(config, selection);
    std::printf("plan of a maximal unit: %.1f us per plan (%zu bytes, %zu diagnostics, verdict \"%s\")\n",
                elapsed.count() / kRounds, bytes / kRounds, sample.diagnostics.size(), sample.verdict.c_str());
    return 0;
}
