#include "editor/tabs/MessageEventsPage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "model/UnitConfiguration.h"

namespace koru {

namespace {

void AddMessageRows(FieldFactory& factory, QGroupBox* frame) {
    auto* grid = new QGridLayout(frame);
    grid->setColumnStretch(2, 1);
    int matchWidth = 0;  // the width of a message's text and boxes, kept free in the no-match rows
    for (int i = 0; i < kMessageCount + 2; ++i) {
        QStringList captions;
        if (i < kMessageCount) {
            captions = {QStringLiteral("Message %1:").arg(i + 1)};
        } else {
            captions = {QStringLiteral("No match:"),
                        i == kMessageCount ? QStringLiteral("Radio:") : QStringLiteral("Serial interface:")};
        }
        const QString name = RowName(captions);
        const EventRow row = AddEventRow(factory, frame, grid, i, captions, {"chkMessageOn", i}, QStringLiteral("On"),
                                         {"fraMessageOnOff", i});
        row.frameLayout->setSpacing(6);
        if (i < kMessageCount) {
            QLineEdit* text = factory.text(row.frame, "txtMessage", i, name + QLatin1String(": text"));
            text->setFixedWidth(FieldWidth(text, 24));
            QCheckBox* radio =
                factory.flag(row.frame, "chkFromRadio", i, QStringLiteral("Radio"), name + QLatin1String(": Radio"));
            QCheckBox* serial = factory.flag(row.frame, "chkFromUart", i, QStringLiteral("Serial port"),
                                             name + QLatin1String(": Serial port"));
            row.frameLayout->addWidget(text, 0, Qt::AlignTop);
            row.frameLayout->addWidget(radio, 0, Qt::AlignTop);
            row.frameLayout->addWidget(serial, 0, Qt::AlignTop);
            matchWidth = text->width() + radio->sizeHint().width() + serial->sizeHint().width() + 3 * 6;
        } else {
            row.frameLayout->addSpacing(matchWidth);
        }
        AddActionList(factory, row, {"cmdAddActionMessage", i}, {"lstMessage", i}, name);
    }
}

void AddTypeRows(FieldFactory& factory, QGroupBox* frame) {
    static const char* const kCaptions[kMessageTypeCount] = {
        "Transparent message:", "Question:", "I/O command:", "Remote command:", "Broadcast message:",
        "Configuration command:"};
    auto* layout = new QVBoxLayout(frame);
    auto* grid = new QGridLayout;
    grid->setColumnStretch(2, 1);
    layout->addLayout(grid);
    // The "Question" and "Remote command" rows cannot be switched on in the window; their settings are kept.
    auto* hiddenRows = new QWidget(frame);
    auto* hiddenGrid = new QGridLayout(hiddenRows);
    layout->addWidget(hiddenRows);
    hiddenRows->hide();
    for (int i = 0; i < kMessageTypeCount; ++i) {
        const bool hidden = i == static_cast<int>(MessageType::Question) || i == static_cast<int>(MessageType::Remote);
        QWidget* parent = hidden ? hiddenRows : static_cast<QWidget*>(frame);
        QGridLayout* rows = hidden ? hiddenGrid : grid;
        const QStringList captions{QString::fromLatin1(kCaptions[i])};
        const EventRow row = AddEventRow(factory, parent, rows, rows->rowCount(), captions, {"chkTypeOfMessageOn", i},
                                         QStringLiteral("On"), {"fraTypeOfMessOnOff", i});
        AddActionList(factory, row, {"cmdAddActionsTypeOfMessage", i}, {"lstTypeOfMessActions", i},
                      RowName(captions));
    }
}

}  // namespace

MessageEventsPage::MessageEventsPage(FieldFactory& factory, QWidget* parent) : TabPage(factory, "fraMessage", parent) {
    QWidget* page = content();
    auto* layout = new QVBoxLayout(page);
    QGroupBox* messages = factory.group(page, QStringLiteral("Message events"));
    AddMessageRows(factory, messages);
    layout->addWidget(messages);
    QGroupBox* types = factory.group(page, QStringLiteral("Type of message events"));
    AddTypeRows(factory, types);
    layout->addWidget(types);
    layout->addStretch(1);
}

}  // namespace koru
