#include "editor/send/SendDialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>

#include "editor/history/LastSendPanel.h"
#include "protocol/SendGroupTable.h"

namespace koru {

SendDialog::SendDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmSendToKoru"));
    setWindowTitle(QStringLiteral("Send to KORU-unit"));

    std::array<Frame, 3> frames{buildFrame("fraSetup", QStringLiteral("Setup"), "CheckAllSetup"),
                                buildFrame("fraEvents", QStringLiteral("Events"), "CheckAllEvents"),
                                buildFrame("fraActions", QStringLiteral("Actions"), "CheckAllActions")};
    Frame& events = frames[static_cast<std::size_t>(GroupKind::Events)];
    Frame& actions = frames[static_cast<std::size_t>(GroupKind::Actions)];
    for (const SendGroupDescription& group : SendGroupTable()) {
        Frame& frame = frames[static_cast<std::size_t>(group.kind)];
        QCheckBox* box = addBox(frame, group.control, QString::fromLatin1(group.caption), true);
        boxes_.push_back({box, group.group});
    }
    // Shown but not sent: remote control events have no records of their own. Clearing "All" clears them too,
    // checking it does not set them.
    QCheckBox* remote = addBox(events, "chkRemoteEvents", QStringLiteral("Remote control events"), true, false);
    remote->setEnabled(false);
    // Kept for the "All" boxes; the send reads none of them.
    for (QCheckBox* hidden : {addBox(events, "chkCounterEvents", QStringLiteral("Counter events"), false),
                              addBox(events, "chkTimerevents", QStringLiteral("Timer events"), false),
                              addBox(actions, "chkTimerActions", QStringLiteral("Timer and counter actions"), false)}) {
        hidden->hide();
    }
    for (const Frame& frame : frames) {
        static_cast<QVBoxLayout*>(frame.box->layout())->addStretch();
        linkAll(frame.all, frame.checked, frame.cleared);
    }

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
    for (const Frame& frame : frames) row->addWidget(frame.box);
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

SendDialog::Frame SendDialog::buildFrame(const char* name, const QString& caption, const char* allName) {
    Frame frame;
    frame.box = new QGroupBox(caption, this);
    frame.box->setObjectName(QLatin1String(name));
    auto* column = new QVBoxLayout(frame.box);
    frame.all = new QCheckBox(QStringLiteral("All"), frame.box);
    frame.all->setObjectName(QLatin1String(allName));
    frame.all->setChecked(true);
    frame.all->setAccessibleName(QStringLiteral("All of ") + caption);
    column->addWidget(frame.all);
    return frame;
}

QCheckBox* SendDialog::addBox(Frame& frame, const char* name, const QString& caption, bool checked, bool byAll) {
    auto* box = new QCheckBox(caption, frame.box);
    box->setObjectName(QLatin1String(name));
    box->setChecked(checked);
    frame.box->layout()->addWidget(box);
    if (byAll) frame.checked.push_back(box);
    frame.cleared.push_back(box);
    return box;
}

// A click on an "All" box checks `checks` when it is now checked and clears `clears` otherwise.
void SendDialog::linkAll(QCheckBox* all, std::vector<QCheckBox*> checks, std::vector<QCheckBox*> clears) {
    connect(all, &QCheckBox::clicked, this, [checks = std::move(checks), clears = std::move(clears)](bool checked) {
        for (QCheckBox* box : checked ? checks : clears) box->setChecked(checked);
    });
}

SendSelection SendDialog::selection() const {
    SendGroups ticked;
    for (const Box& entry : boxes_) ticked.set(entry.group, entry.box->isChecked());
    return SendSelection::Of(ticked);
}

void SendDialog::setSendRunning(bool running) {
    running_ = running;
    updateOk();
}

void SendDialog::addHistoryPanel(LastSendPanel* panel) {
    static_cast<QVBoxLayout*>(layout())->insertWidget(1, panel);
    setTabOrder(boxes_.back().box, panel);  // after the boxes, before "Ok"
    connect(panel, &LastSendPanel::tickRequested, this, [this](SendGroups ticked) {
        for (const Box& entry : boxes_) entry.box->setChecked(ticked.has(entry.group));
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
