#include "editor/tabs/MessageEventsPage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>

#include "editor/tabs/EventRows.h"

namespace koru {

namespace {

constexpr int kMatchSpacing = 6;

// A received text's match: the text and whether it comes by radio or by serial line. Returns the width it
// takes, which the rows without a text keep free.
int AddMatch(FieldFactory& factory, const EventRow& row, int item, const QString& name) {
    const MessageEvent& message = factory.values().messageEvents.messages[static_cast<std::size_t>(item)];
    QLineEdit* text = factory.text(row.frame, message.text, name + QLatin1String(": text"));
    text->setFixedWidth(FieldWidth(text, 24));
    QCheckBox* radio = factory.flag(row.frame, message.fromRadio, QStringLiteral("Radio"), name + QLatin1String(": Radio"));
    QCheckBox* serial =
        factory.flag(row.frame, message.fromSerial, QStringLiteral("Serial port"), name + QLatin1String(": Serial port"));
    row.frameLayout->addWidget(text, 0, Qt::AlignTop);
    row.frameLayout->addWidget(radio, 0, Qt::AlignTop);
    row.frameLayout->addWidget(serial, 0, Qt::AlignTop);
    return text->width() + radio->sizeHint().width() + serial->sizeHint().width() + 3 * kMatchSpacing;
}

bool Any(const std::vector<const EventDescription*>& events, bool (*test)(const EventDescription&)) {
    return std::any_of(events.begin(), events.end(), [test](const EventDescription* event) { return test(*event); });
}

// Where rows go: a grid, the widget that holds it and the next row.
struct Rows {
    QWidget* parent;
    QGridLayout* grid;
    int line = 0;
};

// The rows of one frame. The rows of events the window cannot switch on ("Question", "Remote command") are
// kept out of sight, their settings kept. Where some rows match a received text, the others keep its width free.
void AddRows(FieldFactory& factory, QGroupBox* frame, const std::vector<const EventDescription*>& events) {
    Rows shown{frame, new QGridLayout};
    shown.grid->setColumnStretch(2, 1);
    Rows hidden{nullptr, nullptr};
    if (Any(events, [](const EventDescription& event) { return !event.switchable; })) {
        auto* layout = new QVBoxLayout(frame);
        layout->addLayout(shown.grid);
        hidden.parent = new QWidget(frame);
        hidden.grid = new QGridLayout(hidden.parent);
        layout->addWidget(hidden.parent);
        hidden.parent->hide();
    } else {
        frame->setLayout(shown.grid);
    }
    const bool matches = Any(events, [](const EventDescription& event) { return event.details == EventDetails::MessageMatch; });
    int matchWidth = 0;  // the width of a message's text and boxes
    for (const EventDescription* event : events) {
        Rows& rows = event->switchable ? shown : hidden;
        for (int item = 0; item < event->items(); ++item) {
            const QString name = EventRowName(*event, item);
            const EventRow row = AddEventRow(factory, rows.parent, rows.grid, rows.line++, *event, item);
            if (matches) row.frameLayout->setSpacing(kMatchSpacing);
            if (event->details == EventDetails::MessageMatch) {
                matchWidth = AddMatch(factory, row, item, name);
            } else if (matches) {
                row.frameLayout->addSpacing(matchWidth);
            }
            AddActionList(factory, row, *event, item, name);
        }
    }
}

}  // namespace

MessageEventsPage::MessageEventsPage(FieldFactory& factory, QWidget* parent) : TabPage(factory, controls::kMessageEventsTab, parent) {
    QWidget* page = content();
    auto* layout = new QVBoxLayout(page);
    for (const EventBoxRows& box : EventBoxes(Section::MessageEvent)) {
        QGroupBox* frame = factory.group(page, QString::fromLatin1(box.caption.data(), static_cast<qsizetype>(box.caption.size())));
        AddRows(factory, frame, box.events);
        layout->addWidget(frame);
    }
    layout->addStretch(1);
}

}  // namespace koru
