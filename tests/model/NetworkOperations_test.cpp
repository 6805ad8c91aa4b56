#include <gtest/gtest.h>

#include "model/NetworkOperations.h"

namespace koru {
namespace {

const std::string kA = "0000000001(A)";
const std::string kB = "0000000002(B)";
const std::string kC = "0000000003(C)";

TEST(NetworkOperations, UpperUnitIsPingedLongAndClearedWithItsEntry) {
    NetworkSetup network;
    EXPECT_FALSE(ChangeUpperPing(network, "Short ping time"));
    EXPECT_EQ(network.upperPing, "");
    EXPECT_FALSE(SelectUpperUnit(network, ""));

    ASSERT_TRUE(SelectUpperUnit(network, kA));
    EXPECT_EQ(network.upperUnit, kA);
    EXPECT_EQ(network.upperPing, "Long ping time - " + kA);
    ASSERT_TRUE(SelectUpperUnit(network, kB));
    EXPECT_EQ(network.upperPing, "Long ping time - " + kB);
    ASSERT_TRUE(ChangeUpperPing(network, "User defined"));
    EXPECT_EQ(network.upperPing, "User defined - " + kB);

    ClearUpperUnit(network);
    EXPECT_EQ(network.upperUnit, "");
    EXPECT_EQ(network.upperPing, "");
    ClearUpperUnit(network);  // also without an upper unit
    EXPECT_EQ(network, NetworkSetup{});
}

TEST(NetworkOperations, LowerUnitsAreAddedOnceAndRemovedWithTheirPing) {
    NetworkSetup network;
    EXPECT_TRUE(AddLowerUnit(network, kA));
    EXPECT_TRUE(AddLowerUnit(network, kB));
    EXPECT_FALSE(AddLowerUnit(network, kA));
    EXPECT_FALSE(AddLowerUnit(network, ""));
    EXPECT_EQ(network.lowerUnits, (TextList{kA, kB}));
    EXPECT_EQ(network.lowerPing, (TextList{"Short ping time - " + kA, "Short ping time - " + kB}));

    EXPECT_FALSE(RemoveLowerUnit(network, -1));
    EXPECT_FALSE(RemoveLowerUnit(network, 2));
    EXPECT_TRUE(RemoveLowerUnit(network, 1));
    EXPECT_EQ(network.lowerUnits, TextList{kA});
    EXPECT_EQ(network.lowerPing, TextList{"Short ping time - " + kA});
}

TEST(NetworkOperations, TheUserChangesALowerPingBySelectingThePingEntry) {
    NetworkSetup network;
    AddLowerUnit(network, kA);
    AddLowerUnit(network, kB);
    EXPECT_TRUE(ChangeLowerPing(network, 1, "User defined"));
    EXPECT_EQ(network.lowerPing, (TextList{"Short ping time - " + kA, "User defined - " + kB}));
    EXPECT_FALSE(ChangeLowerPing(network, -1, "No ping"));
    EXPECT_FALSE(ChangeLowerPing(network, 2, "No ping"));
}

TEST(NetworkOperations, TheEditedUnitOrTheUpperUnitMayBeALowerUnit) {
    NetworkSetup network;
    SelectUpperUnit(network, kA);
    EXPECT_TRUE(AddLowerUnit(network, kA));
    EXPECT_EQ(network.lowerUnits, TextList{kA});
}

// Unit files may hold fewer ping entries than lower units, or more; the entries keep standing at the
// positions of their units.
TEST(NetworkOperations, AShortPingListStaysAlignedWhenUnitsAreAddedRemovedOrRepinged) {
    NetworkSetup network;
    network.lowerUnits = {kA, kB};
    network.lowerPing = {"Long ping time - " + kA};

    EXPECT_TRUE(RemoveLowerUnit(network, 1));  // B has no ping entry
    EXPECT_EQ(network.lowerUnits, TextList{kA});
    EXPECT_EQ(network.lowerPing, TextList{"Long ping time - " + kA});

    network.lowerUnits = {kA, kB};
    network.lowerPing = {};
    EXPECT_FALSE(ChangeLowerPing(network, 0, "Short ping time"));
    EXPECT_TRUE(AddLowerUnit(network, kC));
    EXPECT_EQ(network.lowerUnits, (TextList{kA, kB, kC}));
    EXPECT_EQ(network.lowerPing, (TextList{"No ping - " + kA, "No ping - " + kB, "Short ping time - " + kC}));
    EXPECT_TRUE(RemoveLowerUnit(network, 0));
    EXPECT_EQ(network.lowerPing, (TextList{"No ping - " + kB, "Short ping time - " + kC}));
}

TEST(NetworkOperations, ALongPingListKeepsItsExtraEntriesBehindTheUnits) {
    NetworkSetup network;
    network.lowerUnits = {kA};
    network.lowerPing = {"Long ping time - " + kA, "Long ping time - " + kC};
    EXPECT_FALSE(ChangeLowerPing(network, 1, "No ping"));  // no lower unit at that position
    EXPECT_TRUE(AddLowerUnit(network, kB));
    EXPECT_EQ(network.lowerPing,
              (TextList{"Long ping time - " + kA, "Short ping time - " + kB, "Long ping time - " + kC}));
}

}  // namespace
}  // namespace koru
