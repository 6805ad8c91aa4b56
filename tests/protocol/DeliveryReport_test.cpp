#include <gtest/gtest.h>

#include "protocol/DeliveryReport.h"
#include "tests/support/Selections.h"

namespace koru {
namespace {

using enum Record;

DeliveryReport NetworkAndActions() {
    DeliveryReport report(SendSelection::Of(
        {SendGroup::Network, SendGroup::MessageActions, SendGroup::OutputFlagActions}));
    report.setPacketCount(Network, 1);
    report.setPacketCount(Peers, 2);
    report.setPacketCount(SentMessages, 3);
    report.setPacketCount(OutputFlagPatterns, 0);
    report.setPacketCount(Actions, 1);
    report.setPacketCount(EventActions, 0);
    return report;
}

void Acknowledge(DeliveryReport& report, Record record, std::size_t packets) {
    for (std::size_t i = 0; i < packets; ++i) report.setDelivery(record, i, {Delivery::Acknowledged, {}});
}

TEST(DeliveryReport, EveryPacketAcknowledged) {
    DeliveryReport report = NetworkAndActions();
    EXPECT_FALSE(report.allAcknowledged());  // nothing went out yet
    Acknowledge(report, Network, 1);
    Acknowledge(report, Peers, 2);
    Acknowledge(report, SentMessages, 3);
    Acknowledge(report, Actions, 1);
    EXPECT_TRUE(report.allAcknowledged());
    // The action definitions go with either action box; a box whose records carried nothing says so.
    EXPECT_EQ(report.lines(), (std::vector<std::string>{
                                  "Network setup (records 2, 15): acknowledged",
                                  "Message actions (records 10, 12, 13): acknowledged",
                                  "Output and flag actions (records 11, 12, 13): acknowledged",
                              }));
}

TEST(DeliveryReport, EachGroupNamesItsFirstFailure) {
    DeliveryReport report = NetworkAndActions();
    Acknowledge(report, Network, 1);
    report.setDelivery(Peers, 0, {Delivery::Acknowledged, {}});
    report.setDelivery(Peers, 1, {Delivery::ErrorReport, "E12"});
    report.setDelivery(SentMessages, 0, {Delivery::NotAnswered, {}});
    report.setDelivery(SentMessages, 1, {Delivery::DifferingCounts, {}});
    EXPECT_FALSE(report.allAcknowledged());
    EXPECT_EQ(report.lines(), (std::vector<std::string>{
                                  "Network setup (records 2, 15): error report E12 (record 15, packet 2 of 2)",
                                  "Message actions (records 10, 12, 13): not answered (record 10, packet 1 of 3)",
                                  "Output and flag actions (records 11, 12, 13): not sent",
                              }));
}

TEST(DeliveryReport, SingleRecordsAndRecordsWithoutABox) {
    DeliveryReport report(test::Records({Radio, Actions}));
    report.setPacketCount(Radio, 1);
    report.setPacketCount(Actions, 0);
    report.setDelivery(Radio, 0, {Delivery::DifferingCounts, {}});
    EXPECT_EQ(report.lines(), (std::vector<std::string>{"Radio setup (record 3): differing counts",
                                                        "Record 12 (record 12): nothing to send"}));
}

}  // namespace
}  // namespace koru
