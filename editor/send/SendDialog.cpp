#include "editor/send/SendDialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <string_view>

#include "editor/history/LastSendPanel.h"
#include "protocol/SendBoxNames.h"

namespace koru {

namespace {

// Which box of the send table each visible check box is, and its frame.
struct VisibleBox {
    std::string_view box;  // the name in SendBoxTable()
    const char* control;
    int frame;  // 0 Setup, 1 Events, 2 Actions
};

constexpr VisibleBox kVisibleBoxes[] = {
    {"general", "chkGeneralSetup", 0},          {"network", "chkNetworkSetup", 0},
    {"radio", "chkRadioSetup", 0},              {"serial", "chkSerialSetup", 0},
    {"input", "chkInputSetup", 0},              {"io-events", "chkIOEvents", 1},
    {"message-events", "chkMessageEvents", 1},  {"tcc-events", "chkTccEvents", 1},
    {"message-actions", "chkMessageActions", 2}, {"output-flag-actions", "chkOutputFlagActions", 2},
};

const SendBox& TableBox(std::string_view name) {
    const auto& table = SendBoxTable();
    return *std::find_if(table.begin(), table.end(), [name](const SendBox& box) { return box.name == name; });
}

}  // namespace

SendDialog::SendDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmSendToKoru"));
    setWindowTitle(QStringLiteral("Send to KORU-unit"));

    QGroupBox* frames[] = {buildFrame("fraSetup", QStringLiteral("Setup"), "CheckAllSetup"),
                           buildFrame("fraEvents", QStringLiteral("Events"), "CheckAllEvents"),
                           buildFrame("fraActions", QStringLiteral("Actions"), "CheckAllActions")};
    for (const VisibleBox& visible : kVisibleBoxes) {
        const SendBox& box = TableBox(visible.box);
        QCheckBox* check = addBox(frames[visible.frame], visible.control, QString::fromLatin1(box.caption), true);
        boxes_.push_back({check, box.checked});
    }
    // Shown but not sent: remote control events have no records of their own.
    QCheckBox* remote = addBox(frames[1], "chkRemoteEvents", QStringLiteral("Remote control events"), true);
    remote->setEnabled(false);
    // Kept for the "All" boxes; the send reads none of them.
    QCheckBox* counterEvents = addBox(frames[1], "chkCounterEvents", QStringLiteral("Counter events"), false);
    QCheckBox* timerEvents = addBox(frames[1], "chkTimerevents", QStringLiteral("Timer events"), false);
    QCheckBox* timerActions = addBox(frames[2], "chkTimerActions", QStringLiteral("Timer and counter actions"), false);
    for (QCheckBox* hidden : {counterEvents, timerEvents, timerActions}) hidden->hide();
    for (QGroupBox* frame : frames) static_cast<QVBoxLayout*>(frame->layout())->addStretch();

    const auto box = [this](const char* name) { return findChild<QCheckBox*>(QLatin1String(name)); };
    const std::vector<QCheckBox*> setup{box("chkGeneralSetup"), box("chkInputSetup"), box("chkRadioSetup"),
                                        box("chkNetworkSetup"), box("chkSerialSetup")};
    const std::vector<QCheckBox*> events{timerEvents, box("chkIOEvents"), counterEvents, box("chkTccEvents"),
                                         box("chkMessageEvents")};
    std::vector<QCheckBox*> eventsCleared = events;
    eventsCleared.push_back(remote);  // clearing also clears the remote events, checking does not set them
    linkAll(box("CheckAllSetup"), setup, setup);
    linkAll(box("CheckAllEvents"), events, eventsCleared);
    const std::vector<QCheckBox*> actions{box("chkMessageActions"), box("chkOutputFlagActions"), timerActions};
    linkAll(box("CheckAllActions"), actions, actions);

    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("lblNote"));
    note_->setStyleSheet(QStringLiteral("QLabel { color: #8a4b00; font-weight: bold; }"));
    note_->setWordWrap(true);
    ok_ = new QPushButton(QStringLiteral("Ok"), this);
    ok_->setObjectName(QStringLiteral("cmdOk"));
    ok_->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    cancel->setAutoDefault(false);

    auto* row = new QHBoxLayout;
    for (QGroupBox* frame : frames) row->addWidget(frame);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(note_, 1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);

    connect(ok_, &QPushButton::clicked, this, &SendDialog::sendRequested);
    connect(cancel, &QPushButton::clicked, this, &QDialog::hide);
    for (const Box& entry : boxes_) connect(entry.box, &QCheckBox::toggled, this, &SendDialog::updateOk);
    updateOk();
}

QGroupBox* SendDialog::buildFrame(const char* name, const QString& caption, const char* allName) {
    auto* frame = new QGroupBox(caption, this);
    frame->setObjectName(QLatin1String(name));
    new QVBoxLayout(frame);
    addBox(frame, allName, QStringLiteral("All"), true)->setAccessibleName(QStringLiteral("All of ") + caption);
    return frame;
}

QCheckBox* SendDialog::addBox(QGroupBox* frame, const char* name, const QString& caption, bool checked) {
    auto* box = new QCheckBox(caption, frame);
    box->setObjectName(QLatin1String(name));
    box->setChecked(checked);
    frame->layout()->addWidget(box);
    return box;
}

// A click on an "All" box checks `checks` when it is now checked and clears `clears` otherwise.
void SendDialog::linkAll(QCheckBox* all, std::vector<QCheckBox*> checks, std::vector<QCheckBox*> clears) {
    connect(all, &QCheckBox::clicked, this, [checks = std::move(checks), clears = std::move(clears)](bool checked) {
        for (QCheckBox* box : checked ? checks : clears) box->setChecked(checked);
    });
}

SendSelection SendDialog::selection() const {
    SendSelection::Boxes ticked;
    for (const Box& entry : boxes_) ticked.*entry.member = entry.box->isChecked();
    return SendSelection::fromBoxes(ticked);
}

void SendDialog::setSendRunning(bool running) {
    running_ = running;
    updateOk();
}

void SendDialog::addHistoryPanel(LastSendPanel* panel) {
    static_cast<QVBoxLayout*>(layout())->insertWidget(1, panel);
    setTabOrder(boxes_.back().box, panel);  // after the boxes, before "Ok"
    connect(panel, &LastSendPanel::tickRequested, this, [this](const SendSelection::Boxes& ticked) {
        for (const Box& entry : boxes_) entry.box->setChecked(ticked.*entry.member);
    });
}

void SendDialog::updateOk() {
    const bool nothing = selection().count() == 0;
    ok_->setEnabled(!running_ && !nothing);
    note_->setText(running_  ? QStringLiteral("A send is running; wait for it to end, or abort it.")
                   : nothing ? QStringLiteral("Tick at least one group to send.")
                             : QString());
}

}  // namespace koru
