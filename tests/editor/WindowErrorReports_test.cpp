#include <gtest/gtest.h>

#include <QPushButton>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTest>

#include <set>

#include "editor/MainWindow.h"
#include "editor/send/DialogMessageBoxes.h"
#include "editor/send/SendController.h"
#include "platform/MemorySettingsStore.h"
#include "platform/widgets/QtUserDialogs.h"
#include "protocol/link/SendStack.h"
#include "protocol/link/UnitSimulator.h"
#include "tests/editor/SendRig.h"
#include "tests/support/SampleUnits.h"
#include "tests/support/Sanitizers.h"
#include "tests/support/TestSupport.h"

namespace koru {
namespace {

using namespace std::chrono_literals;

// This process's resident memory, in kB.
long ResidentKb() {
    const std::string status = test::ReadBytes("/proc/self/status");
    const auto at = status.find("VmRSS:");
    return at == std::string::npos ? -1 : std::stol(status.substr(at + 6));
}

// The window as the program runs it, with real message boxes, real time and a real line to a unit that
// reports error "E12;" every 5 ms from the start line on.
struct LiveWindow {
    LiveWindow() {
        SimulatorOptions options;
        options.repeatError = 5ms;
        unit = std::make_unique<UnitSimulator>(options);
        std::string error;
        if (!unit->open(error)) throw std::runtime_error(error);
        for (const char* key : {"ComDevice1", "ComDevice2", "ComDevice3"}) {
            store.setValue("serialsetup", key, unit->devicePath());
        }
        window = std::make_unique<MainWindow>(UnitLibrary(library.path()), dialogs);
        dialogs.setParent(window.get());
        stack = SendStack::Live(boxes, window->configuration());
        controller = std::make_unique<SendController>(*window, *stack, store, devices);
        window->show();
    }
    ~LiveWindow() {
        if (stack->send().running()) stack->send().pressButton();
        controller.reset();
        stack.reset();
        window.reset();
    }

    std::vector<QMessageBox*> reportBoxes(bool visibleOnly) const {
        std::vector<QMessageBox*> found;
        for (QMessageBox* box : window->findChildren<QMessageBox*>()) {
            if (box->text().startsWith(QStringLiteral("Koru reports error")) && (!visibleOnly || box->isVisible())) {
                found.push_back(box);
            }
        }
        return found;
    }

    test::TempDir library;
    QtUserDialogs dialogs;
    DialogMessageBoxes boxes{dialogs};
    MemorySettingsStore store;
    test::FixedSerialDevices devices;
    std::unique_ptr<UnitSimulator> unit;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<SendStack> stack;
    std::unique_ptr<SendController> controller;
};

// Every report used to open a box of its own: 95 boxes in 10 s, and after two minutes 6,790 boxes and
// 710 MB. At most one is open at a time (the others are in the link log and the delivery report), and
// closing it lets the next report show. Three seconds of reports show it as well as ten.
TEST(WindowErrorReportsTest, AUnitRepeatingItsErrorReportOpensOneBoxAtATime) {
    LiveWindow live;
    ASSERT_TRUE(live.window->openUnitFile(test::WriteBaseUnit(live.library.path())));
    test::SendButton(*live.window)->click();
    test::SendRig::click(&live.controller->sendDialog(), QStringLiteral("cmdOk"));
    ASSERT_TRUE(live.stack->send().running());

    std::size_t mostOpen = 0;
    long residentAfterASecond = 0;
    bool closedOne = false;
    QElapsedTimer elapsed;
    elapsed.start();
    while (elapsed.elapsed() < 3000) {
        QTest::qWait(20);
        mostOpen = std::max(mostOpen, live.reportBoxes(true).size());
        if (residentAfterASecond == 0 && elapsed.elapsed() >= 1000) {
            residentAfterASecond = ResidentKb();
            // The user closes the box; the next report may show again.
            const auto open = live.reportBoxes(true);
            ASSERT_EQ(open.size(), 1u);
            open.front()->button(QMessageBox::Ok)->click();
            closedOne = true;
        }
    }
    EXPECT_TRUE(closedOne);
    EXPECT_GT(live.unit->received().size(), 0u);
    EXPECT_EQ(mostOpen, 1u);
    test::LetClosedDialogsGo();
    EXPECT_EQ(live.reportBoxes(false).size(), 1u) << "boxes made and still there";
#ifndef KORU_ADDRESS_SANITIZER
    EXPECT_LT(ResidentKb() - residentAfterASecond, 16 * 1024) << "kB more after two more seconds of reports";
#endif
}

}  // namespace
}  // namespace koru
