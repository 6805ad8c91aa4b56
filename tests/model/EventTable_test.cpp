#include <gtest/gtest.h>

#include <set>
#include <string>

#include "model/EventTable.h"
#include "model/SettingCatalog.h"

namespace koru {
namespace {

bool IsEventSection(Section section) {
    return section == Section::IoEvent || section == Section::TimerEvent ||
           section == Section::CommunicationEvent || section == Section::CounterEvent ||
           section == Section::MessageEvent || section == Section::RemoteEvent;
}

// Every switch and every action list of the catalog's event sections belongs to exactly one event of the
// table (a counter's two lists share its switch); the table has nothing the catalog lacks.
TEST(EventTable, EveryEventSwitchAndListOfTheCatalogIsInTheTable) {
    UnitConfiguration config;
    std::multiset<const void*> switches;
    std::multiset<const void*> lists;
    for (const EventDescription& event : Events()) {
        for (int item = 0; item < event.items(); ++item) {
            if (!event.sharesOn) switches.insert(&event.on(config, item));
            lists.insert(&event.actions(config, item));
        }
    }
    std::multiset<const void*> catalogSwitches;
    std::multiset<const void*> catalogLists;
    for (const Setting& setting : Settings()) {
        if (!IsEventSection(setting.section)) continue;
        for (int index = 0; index < setting.size(); ++index) {
            if (setting.kind == FieldKind::Flag && (setting.key == "On" || setting.key == "SleepOn")) {
                catalogSwitches.insert(&setting.flag(config, index));
            }
            if (setting.kind == FieldKind::List && setting.key != "Controls") {
                catalogLists.insert(&setting.list(config, index));
            }
        }
    }
    EXPECT_EQ(switches, catalogSwitches);
    EXPECT_EQ(lists, catalogLists);
}

// Each event the unit knows has an event number of its own, from 1 to 255, and each row its own place among
// record 13's pairs; a switch whose record is named is carried by a record that exists.
TEST(EventTable, EventNumbersAndPairPlacesAreUnique) {
    std::set<int> numbers;
    std::set<int> ranks;
    for (const EventDescription& event : Events()) {
        SCOPED_TRACE(event.subsection(0));
        EXPECT_TRUE(event.switchRecord == 0 || (event.switchRecord >= 1 && event.switchRecord <= 15));
        if (!event.sent()) continue;
        EXPECT_TRUE(ranks.insert(event.pairRank).second);
        for (int item = 0; item < event.items(); ++item) {
            const int number = event.eventNumber(item);
            EXPECT_TRUE(number >= 1 && number <= 255) << number;
            EXPECT_TRUE(numbers.insert(number).second) << number;
        }
    }
    EXPECT_EQ(EventsInPairOrder(UnitConfiguration{}).size(), numbers.size());
}

}  // namespace
}  // namespace koru
