#include "editor/tabs/TimerCounterCommEventsPage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/ListBox.h"
#include "editor/tabs/EventRows.h"

namespace koru {

namespace {

// The lists of an event whose switch has two (a counter's "On counter:" and "On zero:"), one above the
// other so both stay wide enough to read.
void AddCaptionedLists(FieldFactory& factory, const EventRow& row, const std::vector<const EventDescription*>& lists,
                       int item, const QString& name) {
    auto* grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    row.frameLayout->addLayout(grid, 1);
    int line = 0;
    for (const EventDescription* event : lists) {
        const QString caption = QString::fromLatin1(event->listCaption.data(), static_cast<qsizetype>(event->listCaption.size()));
        const QString listName = name + QLatin1Char(' ') + caption.chopped(1).toLower();
        QPushButton* button = factory.actionsButton(row.frame, *event, item, QStringLiteral("&Actions"),
                                                    listName + QLatin1String(": Actions"));
        ListBox* list =
            factory.eventList(row.frame, *event, item, kActionListRows, listName + QLatin1String(": action list"));
        grid->addWidget(FieldFactory::caption(row.frame, caption, list), line, 0, Qt::AlignTop);
        grid->addWidget(button, line, 1, Qt::AlignTop);
        grid->addWidget(list, line++, 2);
    }
    grid->setColumnStretch(2, 1);
}

// One captioned frame: a row per event, with its list or, for a switch with two lists, both.
void AddEventBox(FieldFactory& factory, QWidget* page, QVBoxLayout* column, const EventBoxRows& box) {
    QGridLayout* grid = nullptr;
    column->addWidget(EventBox(factory, page, box.caption, grid));
    QWidget* frame = grid->parentWidget();
    int line = 0;
    for (std::size_t first = 0; first < box.events.size(); ++first) {
        const EventDescription& event = *box.events[first];
        if (event.sharesOn) continue;
        std::vector<const EventDescription*> lists{&event};
        for (std::size_t next = first + 1; next < box.events.size() && box.events[next]->sharesOn; ++next) {
            lists.push_back(box.events[next]);
        }
        for (int item = 0; item < event.items(); ++item) {
            const EventRow row = AddEventRow(factory, frame, grid, line++, event, item);
            const QString name = EventRowName(event, item);
            if (lists.size() == 1) {
                AddActionList(factory, row, event, item, name);
            } else {
                AddCaptionedLists(factory, row, lists, item, name);
            }
        }
    }
}

}  // namespace

TimerCounterCommEventsPage::TimerCounterCommEventsPage(FieldFactory& factory, QWidget* parent)
    : TabPage(factory, controls::kTimerCounterCommEventsTab, parent) {
    QWidget* page = content();
    const auto [left, right] = columns(1, 1);
    for (Section section : {Section::TimerEvent, Section::CounterEvent}) {
        for (const EventBoxRows& box : EventBoxes(section)) AddEventBox(factory, page, left, box);
    }
    left->addStretch(1);
    for (const EventBoxRows& box : EventBoxes(Section::CommunicationEvent)) AddEventBox(factory, page, right, box);
    right->addStretch(1);
}

}  // namespace koru
