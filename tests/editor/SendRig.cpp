#include "tests/editor/SendRig.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QSignalSpy>

#include "platform/QtSerialPort.h"
#include "protocol/link/LinkTimings.h"

namespace koru::test {

using namespace std::chrono_literals;

SendRig::SendRig(std::unique_ptr<SerialPort> port) { build(std::move(port)); }

SendRig::~SendRig() {
    controller_.reset();
    stack_.reset();
    window.reset();
}

void SendRig::build(std::unique_ptr<SerialPort> port) {
    window = std::make_unique<MainWindow>(UnitLibrary(library.path()), dialogs);
    if (!port) port = std::make_unique<QtSerialPort>();
    stack_ = std::make_unique<SendStack>(std::move(port), std::make_unique<VirtualClock>(), boxes, store,
                                         window->configuration());
    controller_ = std::make_unique<SendController>(*window, *stack_, devices);
}

void SendRig::restart(std::unique_ptr<SerialPort> port) {
    // With a unit open the close asks first (No), and ends once that answer is in.
    QSignalSpy ending(window.get(), &MainWindow::programEnding);
    window->close();
    if (ending.isEmpty()) {
        EXPECT_TRUE(ending.wait(5000));
    }
    controller_.reset();
    stack_.reset();
    window.reset();
    build(std::move(port));
}

void SendRig::click(QWidget* dialog, const QString& name) {
    auto* button = Find<QAbstractButton>(dialog, name);
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->isVisible()) << name.toStdString();
    ASSERT_TRUE(button->isEnabled()) << name.toStdString();
    // A check box or option stretched wide takes the click on its box, not in the middle.
    const QPoint at = button->isCheckable() && qobject_cast<QPushButton*>(button) == nullptr
                          ? QPoint(8, button->height() / 2)
                          : button->rect().center();
    QTest::mouseClick(button, Qt::LeftButton, {}, at);
}

void SendRig::pressSend() {
    auto* button = window->control<QAbstractButton>(QStringLiteral("cmdSetup"));
    ASSERT_NE(button, nullptr);
    button->click();
    ASSERT_TRUE(sendDialog()->isVisible());
    click(sendDialog(), QStringLiteral("cmdOk"));
}

// Virtual time moves in small steps while a packet waits for its answer, so that an answer on its way
// through the pseudo-terminal arrives long before any time-out; a settling pause passes at once.
bool SendRig::drive(const std::function<bool()>& done, int realLimitMs) {
    QElapsedTimer elapsed;
    elapsed.start();
    while (!done()) {
        if (elapsed.elapsed() > realLimitMs) return false;
        QTest::qWait(2);
        const PacketSender& sender = stack_->sender();
        const bool settling = sender.busy() && !sender.waitingForAcknowledgement();
        clock().advance(settling ? timing::kSettlingPause : 20ms);
    }
    return true;
}

SimulatedLine::SimulatedLine(SendRig& rig, SimulatorOptions options) : unit(std::move(options)) {
    std::string error;
    if (!unit.open(error)) throw std::runtime_error(error);
    for (const char* key : {"ComDevice1", "ComDevice2", "ComDevice3"}) {
        rig.store.setValue("serialsetup", key, unit.devicePath());
    }
}

std::string SimulatedLine::received(SendRig& rig, std::size_t bytes) {
    rig.drive([&] { return unit.received().size() >= bytes; }, 5000);
    return unit.received();
}

bool SimulatedLine::aborted(SendRig& rig) {
    return rig.drive([&] { return unit.received().ends_with("ORVEN_AB_KORU_SETUP;0000002A;ABORT;\r\n"); }, 5000);
}

}  // namespace koru::test
