#include "editor/send/ProgressDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/widgets/WidgetText.h"

namespace koru {

QString ButtonCaption(ButtonMode mode) {
    switch (mode) {
        case ButtonMode::Abort: return QStringLiteral("Abort");
        case ButtonMode::Close: return QStringLiteral("Close");
        case ButtonMode::TryAgain: return QStringLiteral("Try again");
        case ButtonMode::Ok: return QStringLiteral("OK");
    }
    return {};
}

ProgressDialog::ProgressDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmCommProgress"));
    setWindowTitle(QStringLiteral("Communicating with Koru unit"));

    status_ = new QLineEdit(this);
    status_->setObjectName(QStringLiteral("Text1"));
    status_->setReadOnly(true);
    status_->setAccessibleName(QStringLiteral("Status"));
    status_->setFocusPolicy(Qt::ClickFocus);  // the button has the keyboard first
    status_->setMinimumWidth(status_->fontMetrics().horizontalAdvance(
        QStringLiteral("An error occured while communicating with Koru unit ")) + 24);

    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("ProgressBar1"));
    bar_->setAccessibleName(QStringLiteral("Groups sent"));
    bar_->setFormat(QStringLiteral("%v of %m groups"));
    bar_->setRange(0, 1);
    bar_->setValue(0);

    reportCaption_ = new QLabel(QStringLiteral("Delivery &report:"), this);
    report_ = new QListWidget(this);
    report_->setObjectName(QStringLiteral("lstReport"));
    report_->setMinimumHeight(report_->fontMetrics().height() * 11);
    // Wide enough for the longest line a group can have.
    report_->setMinimumWidth(report_->fontMetrics().horizontalAdvance(QStringLiteral(
                                 "Output and flag actions (records 11, 12, 13): differing counts (record 12, packet 10 of 12)")) +
                             32);
    reportCaption_->setBuddy(report_);

    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("lblNote"));
    note_->setWordWrap(true);
    note_->setStyleSheet(QStringLiteral("QLabel { color: #aa0000; }"));
    note_->hide();

    button_ = new QPushButton(QStringLiteral("Abort"), this);
    button_->setObjectName(QStringLiteral("btnAbort"));
    button_->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(button_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(status_);
    layout->addWidget(bar_);
    layout->addWidget(reportCaption_);
    layout->addWidget(report_, 1);
    layout->addWidget(note_);
    layout->addLayout(buttons);

    connect(button_, &QPushButton::clicked, this, &ProgressDialog::buttonPressed);
    clearReport();
}

void ProgressDialog::showProgress(const SendProgress& progress) {
    mode_ = progress.button;
    status_->setText(ToWidgetText(progress.status));
    // An empty range would make the bar a busy indicator; it stays a bar of no groups.
    bar_->setRange(progress.minimum, std::max(progress.maximum, progress.minimum + 1));
    bar_->setFormat(progress.maximum > progress.minimum ? QStringLiteral("%v of %m groups")
                                                        : QStringLiteral("no groups"));
    bar_->setValue(progress.value);
    button_->setText(ButtonCaption(progress.button));
}

void ProgressDialog::showReport(const DeliveryReport& report) {
    report_->clear();
    const std::vector<GroupDelivery> groups = report.groups();
    const std::vector<std::string> lines = report.lines();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        auto* item = new QListWidgetItem(ToWidgetText(lines[i]), report_);
        if (i < groups.size() && !groups[i].complete) item->setForeground(QColor(170, 0, 0));
    }
}

void ProgressDialog::showNote(const QString& note) {
    note_->setText(note);
    note_->setVisible(!note.isEmpty());
}

void ProgressDialog::clearReport() {
    report_->clear();
    auto* waiting = new QListWidgetItem(QStringLiteral("The report follows when the session ends."), report_);
    waiting->setFlags(Qt::NoItemFlags);
    showNote({});
}

// Escape and the close box do what "Close" and "OK" do, or hide the dialog offering "Try again". While a
// session runs they do nothing: only Abort ends it.
void ProgressDialog::reject() {
    if (running_) return;
    if (mode_ == ButtonMode::Close || mode_ == ButtonMode::Ok) {
        emit buttonPressed();
        return;
    }
    QDialog::reject();
}

}  // namespace koru
