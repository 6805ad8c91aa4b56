#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/EntryRewrite.h"
#include "tests/support/NamedCase.h"

namespace koru {
namespace {

using test::PrintTo;

const std::vector<EntryRename> kRenames{{"0000000101(Well One)", "0000000101(Well 1)", {}},
                                        {"0000000017(Mast)", "0000000017(Mast H\xFCgel)", {}}};

struct RewriteCase {
    const char* name;
    std::string before;
    std::string after;
    int rewritten;
};

class EntryRewriteTest : public testing::TestWithParam<RewriteCase> {};

// Only the entries change; every other byte (blanks, line ends, comments, other keys and sections) stays.
TEST_P(EntryRewriteTest, RewritesTheEntriesAndKeepsEveryOtherByte) {
    int rewritten = -1;
    EXPECT_EQ(RewriteNetworkEntries(GetParam().before, kRenames, rewritten), GetParam().after);
    EXPECT_EQ(rewritten, GetParam().rewritten);
}

INSTANTIATE_TEST_SUITE_P(
    Files, EntryRewriteTest,
    testing::Values(
        RewriteCase{"EveryKeyThatHoldsEntries",
                    "-Unit\r\nAlias=Well One\r\n-Network\r\nUpper unit=0000000017(Mast)\r\n"
                    "Lower units=0000000101(Well One),0000000102(Two)\r\nUpper ping=Long ping time - 0000000017(Mast)\r\n"
                    "Lower ping=Short ping time - 0000000101(Well One),No ping - 0000000102(Two)\r\n",
                    "-Unit\r\nAlias=Well One\r\n-Network\r\nUpper unit=0000000017(Mast H\xFCgel)\r\n"
                    "Lower units=0000000101(Well 1),0000000102(Two)\r\nUpper ping=Long ping time - 0000000017(Mast H\xFCgel)\r\n"
                    "Lower ping=Short ping time - 0000000101(Well 1),No ping - 0000000102(Two)\r\n",
                    4},
        RewriteCase{"BlanksCommentsAndBareLineFeedsStay",
                    "-Network\n' Lower units=0000000101(Well One)\n  Lower units =  0000000101(Well One) , ,0000000009(X),\n"
                    "Upper unit=-\n\tUpper unit=0000000017(Mast)\n-Message action\nActions=0000000101(Well One)\n",
                    "-Network\n' Lower units=0000000101(Well One)\n  Lower units =  0000000101(Well 1) , ,0000000009(X),\n"
                    "Upper unit=-\n\tUpper unit=0000000017(Mast)\n-Message action\nActions=0000000101(Well One)\n",
                    1},
        RewriteCase{"OnlyWholeEntriesAndOnlyTheUnitOfAPing",
                    "-Network\r\nLower units=0000000101(Well One)x,x0000000101(Well One)\r\n"
                    "Lower ping=0000000101(Well One),Short ping time - 0000000101(Well One) \r\nUpper ping=Long ping time - 0000000017(Mast)",
                    "-Network\r\nLower units=0000000101(Well One)x,x0000000101(Well One)\r\n"
                    "Lower ping=0000000101(Well One),Short ping time - 0000000101(Well 1) \r\nUpper ping=Long ping time - 0000000017(Mast H\xFCgel)",
                    2},
        RewriteCase{"Utf8FileGetsUtf8Entries",
                    "\xEF\xBB\xBF-Network\r\nUpper unit=0000000017(Mast)\r\n",
                    "\xEF\xBB\xBF-Network\r\nUpper unit=0000000017(Mast H\xC3\xBCgel)\r\n", 1},
        RewriteCase{"NothingToRewrite", "-Network\r\nUpper unit=0000000017(Mast H\xFCgel)\r\n",
                    "-Network\r\nUpper unit=0000000017(Mast H\xFCgel)\r\n", 0}),
    test::RowName());

// The unit open in the window gets the same rewrite in memory: whole entries, and only the unit of a ping entry.
TEST(RenameNetworkEntries, RenamesTheEntriesOfTheNetworkSetupAsTheFileRewriteDoes) {
    NetworkSetup network;
    network.upperUnit = "0000000017(Mast)";
    network.lowerUnits = {"0000000101(Well One)", "0000000102(Two)", "0000000101(Well One)x"};
    network.upperPing = "Long ping time - 0000000017(Mast)";
    network.lowerPing = {"Short ping time - 0000000101(Well One)", "0000000101(Well One)", "No ping - 0000000102(Two)"};
    network.remotes = {"0000000101(Well One)"};
    EXPECT_EQ(RenameNetworkEntries(network, kRenames), 4);
    EXPECT_EQ(network.upperUnit, "0000000017(Mast H\xFCgel)");
    EXPECT_EQ(network.lowerUnits,
              (TextList{"0000000101(Well 1)", "0000000102(Two)", "0000000101(Well One)x"}));
    EXPECT_EQ(network.upperPing, "Long ping time - 0000000017(Mast H\xFCgel)");
    EXPECT_EQ(network.lowerPing,
              (TextList{"Short ping time - 0000000101(Well 1)", "0000000101(Well One)", "No ping - 0000000102(Two)"}));
    EXPECT_EQ(network.remotes, TextList{"0000000101(Well One)"});
    EXPECT_EQ(RenameNetworkEntries(network, kRenames), 0);  // nothing old is left
}

}  // namespace
}  // namespace koru
