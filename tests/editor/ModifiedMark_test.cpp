#include <QCheckBox>
#include <QWindow>

#include <functional>

#include "tests/editor/WindowFixture.h"

namespace koru::test {
namespace {

const std::string kUnit = "-Unit\r\nId=0000000042\r\nAlias=Pump\r\nType=KORU Base\r\n-Radio\r\nChannel=12\r\n";

// The title's "*" follows the unit compared with its file: an edit sets it, an edit back to the saved value,
// an undo back to it, a save and an open clear it.
TEST_F(WindowFixture, TheModifiedMarkFollowsTheUnitAgainstItsFile) {
    showActive();
    ASSERT_TRUE(open(kUnit));
    const std::filesystem::path other = writeFile("other.kuf", "-Unit\r\nId=0000000007\r\nAlias=Mast\r\n");
    struct Step {
        const char* what;
        std::function<void()> act;
        const char* title;
    };
    const std::vector<Step> steps{
        {"opened", [] {}, "Pump - 0000000042"},
        {"an edit", [&] { Retype(get("txtAlias"), "Pump 2"); }, "Pump - 0000000042*"},
        {"the edit typed back", [&] { Retype(get("txtAlias"), "Pump"); }, "Pump - 0000000042"},
        {"a box ticked", [&] { get<QCheckBox>("chkReceiveGeneralBroadcast")->click(); }, "Pump - 0000000042*"},
        {"the box back", [&] { get<QCheckBox>("chkReceiveGeneralBroadcast")->click(); }, "Pump - 0000000042"},
        {"a typed alias", [&] {
             get("txtAlias")->setFocus();
             Retype(get("txtAlias"), "Pump 2");
         }, "Pump - 0000000042*"},
        {"saved", [&] { window->saveUnit(); }, "Pump 2 - 0000000042"},
        // Still in the same field: the save ends the step, so Undo comes back to the saved unit.
        {"edited again", [&] { Retype(get("txtAlias"), "Pump 3"); }, "Pump 2 - 0000000042*"},
        {"undone back to the saved unit", [&] { window->menus().undo->trigger(); }, "Pump 2 - 0000000042"},
        {"redone", [&] { window->menus().redo->trigger(); }, "Pump 2 - 0000000042*"},
        {"another unit opened, not saving", [&] {
             dialogs.answers = {false};
             dialogs.files = {other.string()};
             window->openUnit();
         }, "Mast - 0000000007"},
    };
    for (const Step& step : steps) {
        step.act();
        EXPECT_EQ(window->windowHandle()->title(), step.title) << step.what;
        EXPECT_EQ(window->isWindowModified(), window->hasUnsavedEdits()) << step.what;
    }
}

}  // namespace
}  // namespace koru::test
