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
    stack_ = std::make_unique<SendStack>(std::move(port), std::make_unique<VirtualClock>(), boxes,
                                         window->configuration());
    controller_ = std::make_unique<SendController>(*window, *stack_, store, devices);
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
    auto* button = Control<QAbstractButton>(dialog, name);
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
    QAbstractButton* button = SendButton(*window);
    ASSERT_NE(button, nullptr);
    button->click();
    ASSERT_TRUE(sendDialog()->isVisible());
    click(sendDialog(), QStringLiteral("cmdOk"));
}

// Time passes only when the line is quiet: an answer on its way through the pseudo-terminal gets real time
// to arrive (also during a settling pause, as on a real line) before virtual time moves on towards a
// time-out, so that only a unit that stays silent meets one.
bool SendRig::drive(const std::function<bool()>& done, int realLimitMs) {
    constexpr int kAnswerWaitMs = 50;
    QElapsedTimer elapsed;
    elapsed.start();
    const PacketSender& sender = stack_->sender();
    while (!done()) {
        if (elapsed.elapsed() > realLimitMs) return false;
        if (sender.waitingForAcknowledgement()) {
            if (QTest::qWaitFor([&] { return done() || !sender.waitingForAcknowledgement(); }, kAnswerWaitMs)) continue;
            clock().advance(timing::kSettlingPause);
        } else if (sender.busy()) {
            QTest::qWait(5);
            clock().advance(timing::kSettlingPause);
        } else {
            QTest::qWait(1);
            clock().advance(20ms);
        }
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
