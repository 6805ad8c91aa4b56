#include "editor/tabs/TimerCounterCommEventsPage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/UnitConfiguration.h"

namespace koru {

namespace {

// One event of the communication events: its row caption and its controls.
struct CommRow {
    const char* caption;
    std::string_view on;
    int frame;  // index of fraCommOnOff; -1 for the unit booting frame, which has a name of its own
    std::string_view button;
    std::string_view list;
};

struct CommFrame {
    const char* caption;
    std::initializer_list<CommRow> rows;
};

QGroupBox* EventFrame(FieldFactory& factory, QWidget* parent, const QString& caption, QGridLayout*& grid) {
    QGroupBox* frame = factory.group(parent, caption);
    grid = new QGridLayout(frame);
    grid->setColumnStretch(2, 1);
    return frame;
}

// `kind` tells rows of the same caption apart ("Radio package received").
void AddCommFrame(FieldFactory& factory, QWidget* parent, QVBoxLayout* column, const char* kind,
                  const CommFrame& layout) {
    QGridLayout* grid = nullptr;
    column->addWidget(EventFrame(factory, parent, QString::fromLatin1(layout.caption), grid));
    QWidget* frame = grid->parentWidget();
    int row = 0;
    for (const CommRow& event : layout.rows) {
        const QStringList captions{QString::fromLatin1(event.caption)};
        const Ctl frameControl = event.frame < 0 ? Ctl{"fraUnitBoootingOnOff"} : Ctl{"fraCommOnOff", event.frame};
        const QString name = QString::fromLatin1(kind) + QLatin1Char(' ') + RowName(captions).toLower();
        const EventRow parts =
            AddEventRow(factory, frame, grid, row++, captions, {event.on}, QStringLiteral("On"), frameControl, name);
        AddActionList(factory, parts, {event.button}, {event.list}, name);
    }
}

}  // namespace

TimerCounterCommEventsPage::TimerCounterCommEventsPage(FieldFactory& factory, QWidget* parent)
    : TabPage(factory, "fraTimerCounterCommEvents", parent) {
    QWidget* page = content();
    auto* columns = new QHBoxLayout(page);
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);

    QGridLayout* timerGrid = nullptr;
    left->addWidget(EventFrame(factory, page, QStringLiteral("Timer events"), timerGrid));
    for (int i = 0; i < kTimerCount; ++i) {
        const QStringList captions{QStringLiteral("Timer %1:").arg(i + 1)};
        const EventRow row = AddEventRow(factory, timerGrid->parentWidget(), timerGrid, i, captions, {"chkTimerOn", i},
                                         QStringLiteral("On"), {"fraTimerOnOff", i});
        AddActionList(factory, row, {"cmdAddActionTimer", i}, {"lstTimer", i}, RowName(captions));
    }

    QGridLayout* counterGrid = nullptr;
    left->addWidget(EventFrame(factory, page, QStringLiteral("Counter events"), counterGrid));
    for (int i = 0; i < kCounterCount; ++i) {
        const QStringList captions{QStringLiteral("Counter %1:").arg(i + 1)};
        const QString name = RowName(captions);
        QWidget* frame = counterGrid->parentWidget();
        const EventRow row = AddEventRow(factory, frame, counterGrid, i, captions, {"chkCounterOn", i},
                                         QStringLiteral("On"), {"fraCounterOnOff", i});
        // The two lists stand one above the other, so both stay wide enough to read.
        auto* lists = new QGridLayout;
        lists->setContentsMargins(0, 0, 0, 0);
        row.frameLayout->addLayout(lists, 1);
        const struct {
            const char* caption;
            Ctl button;
            Ctl list;
            const char* name;
        } kinds[] = {{"On counter:", {"cmdAddActionCounter", i}, {"lstCounter", i}, " on counter"},
                     {"On zero:", {"cmdAddActionsCounterZero", i}, {"lstCounterZero", i}, " on zero"}};
        for (int k = 0; k < 2; ++k) {
            const QString listName = name + QLatin1String(kinds[k].name);
            QPushButton* button = factory.button(row.frame, kinds[k].button.control, kinds[k].button.index,
                                                 QStringLiteral("&Actions"), listName + QLatin1String(": Actions"));
            QListWidget* list = factory.list(row.frame, kinds[k].list.control, kinds[k].list.index, kActionListRows,
                                             listName + QLatin1String(": action list"));
            lists->addWidget(FieldFactory::caption(row.frame, QString::fromLatin1(kinds[k].caption), list), k, 0,
                             Qt::AlignTop);
            lists->addWidget(button, k, 1, Qt::AlignTop);
            lists->addWidget(list, k, 2);
        }
        lists->setColumnStretch(2, 1);
    }
    left->addStretch(1);

    AddCommFrame(factory, page, right, "Network:",
                 {"Network events",
                  {{"Unit online:", "chkUnitOnline", 1, "cmdAddActionUnitOnline", "lstUnitOnlineActions"},
                   {"Unit offline:", "chkUnitOffline", 2, "cmdAddActionUnitOffline", "lstUnitOfflineActions"}}});
    AddCommFrame(factory, page, right, "Radio:",
                 {"Radio events",
                  {{"Package received:", "chkRadioMessage", 3, "cmdAddActionOnRadio", "lstRadioMessActions"},
                   {"Receiving error:", "chkRadioError", 7, "cmdAddActionRadioError", "lstRadioErrorAction"},
                   {"Acknowledge received: ", "chkRadioACK", 5, "cmdAddActionRadioAck", "lstRadioAckActions"},
                   {"Not-acknowledge received: ", "chkRadioNAK", 6, "cmdAddActionRadioNak", "lstRadioNakActions"},
                   {"No receipt on transmission:", "chkNoReceipt", 0, "cmdAddActionNoReciept", "lstNoReceiptActions"}}});
    AddCommFrame(factory, page, right, "Serial:",
                 {"Serial communcation events",
                  {{"Package received:", "chkSerialMessage", 4, "cmdAddActionOnSerial", "lstSerialMessActions"},
                   {"Receiving error:", "chkSerialError", 8, "cmdAddActionSerialError", "lstSerialErrorAction"}}});
    AddCommFrame(factory, page, right, "Unit:",
                 {"Unit events",
                  {{"Unit booting:", "chkUnitBootingOn", -1, "cmdAddActionsUnitBooting", "lstUnitBooting"}}});
    right->addStretch(1);
}

}  // namespace koru
