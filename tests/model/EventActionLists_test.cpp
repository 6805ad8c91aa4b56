#include <gtest/gtest.h>

#include <set>
#include <string>

#include "model/EventActionLists.h"
#include "model/SettingCatalog.h"

namespace koru {
namespace {

// Each button's list exists, lists of an array reach distinct event lists, and together the buttons reach
// every event action list but the remote events' (whose buttons do nothing).
TEST(EventActionLists, EveryEventListButTheRemoteOnesHasOneButton) {
    UnitConfiguration config;
    std::set<const TextList*> reached;
    int lists = 0;
    for (const EventListButton& button : EventListButtons()) {
        const int count = button.count == 0 ? 1 : button.count;
        for (int i = 0; i < count; ++i) {
            TextList* list = EventActionList(config, button.list, button.count == 0 ? -1 : i);
            ASSERT_NE(list, nullptr) << button.list << " " << i;
            reached.insert(list);
            ++lists;
        }
        EXPECT_EQ(EventActionList(config, button.list, count), nullptr) << button.list;
    }
    EXPECT_EQ(lists, 22 + 6 + 24 + 1 + 4 + 4 + 4 + 10);
    EXPECT_EQ(reached.size(), static_cast<std::size_t>(lists));

    std::set<const TextList*> eventLists;
    for (const Setting& setting : Settings()) {
        const bool event = setting.section == Section::IoEvent || setting.section == Section::TimerEvent ||
                           setting.section == Section::CommunicationEvent ||
                           setting.section == Section::CounterEvent ||
                           setting.section == Section::MessageEvent;
        if (!event || setting.kind != FieldKind::List) continue;
        for (int i = 0; i < setting.size(); ++i) eventLists.insert(&setting.list(config, i));
    }
    EXPECT_EQ(reached, eventLists);
}

TEST(EventActionLists, AButtonEditsTheListOfItsOwnEvent) {
    UnitConfiguration config;
    EXPECT_EQ(EventActionList(config, "lstMessage", 21), &config.messageEvents.noMatchSerial.actions);
    EXPECT_EQ(EventActionList(config, "lstTypeOfMessActions", 5),
              &config.messageType(MessageType::Configuration).actions);
    EXPECT_EQ(EventActionList(config, "lstCounterZero", 2), &config.counterEvents[2].onZero);
    EXPECT_EQ(EventActionList(config, "lstNoReceiptActions", -1),
              &config.commEvent(CommEvent::NoReceipt).actions);
    EXPECT_EQ(EventActionList(config, "lstSleepActions", -1), &config.ioEvents.sleepActions);
    EXPECT_EQ(EventActionList(config, "txtTime", 0), nullptr);
}

}  // namespace
}  // namespace koru
