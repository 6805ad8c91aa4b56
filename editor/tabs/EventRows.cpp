#include "editor/tabs/EventRows.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

#include "editor/ListBox.h"
#include "editor/SettingBinder.h"

namespace koru {

namespace {

QString Numbered(std::string_view text, int item) {
    const QString pattern = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    return pattern.contains(QLatin1String("%1")) ? pattern.arg(item + 1) : pattern;
}

// A caption without its colon and blanks ("Timer 1").
QString Bare(const QString& caption) {
    const QString trimmed = caption.trimmed();
    return trimmed.endsWith(QLatin1Char(':')) ? trimmed.chopped(1) : trimmed;
}

}  // namespace

QStringList EventCaptions(const EventDescription& event, int item) {
    QStringList captions{Numbered(event.caption, item)};
    if (!event.caption2.empty()) captions.append(Numbered(event.caption2, item));
    return captions;
}

QString EventRowName(const EventDescription& event, int item) {
    if (!event.rowName.empty()) return Numbered(event.rowName, item);
    QStringList bare;
    for (const QString& caption : EventCaptions(event, item)) bare.append(Bare(caption));
    return bare.join(QLatin1Char(' '));
}

std::vector<EventBoxRows> EventBoxes(Section section) {
    std::vector<EventBoxRows> boxes;
    for (const EventDescription* event : EventsOf(section)) {
        auto box = std::find_if(boxes.begin(), boxes.end(),
                                [event](const EventBoxRows& rows) { return rows.caption == event->box; });
        if (box == boxes.end()) box = boxes.insert(boxes.end(), {event->box, {}});
        box->events.push_back(event);
    }
    for (EventBoxRows& box : boxes) {
        std::stable_sort(box.events.begin(), box.events.end(),
                         [](const EventDescription* a, const EventDescription* b) { return a->firstIndex < b->firstIndex; });
    }
    return boxes;
}

void ShowWhenOn(QCheckBox* on, QWidget* frame) {
    SettingBinder::LetWaitWhileOff(frame);
    frame->setVisible(on->isChecked());
    QObject::connect(on, &QCheckBox::toggled, frame, &QWidget::setVisible);
}

EventRow AddEventRow(FieldFactory& factory, QWidget* parent, QGridLayout* grid, int row, const EventDescription& event,
                     int item) {
    EventRow parts;
    QList<QLabel*> labels;
    for (const QString& caption : EventCaptions(event, item)) labels.append(FieldFactory::caption(parent, caption));
    const QString onCaption = Numbered(event.onCaption, item);
    parts.on = factory.eventSwitch(parent, event, item, onCaption, EventRowName(event, item) + QLatin1String(": ") + onCaption);
    labels.front()->setBuddy(parts.on);
    parts.frame = factory.frame(parent, event.frameControl, event.frameControlIndex(item));
    parts.frameLayout = new QHBoxLayout(parts.frame);
    parts.frameLayout->setContentsMargins(0, 0, 0, 0);
    ShowWhenOn(parts.on, parts.frame);
    if (labels.size() == 1) {
        grid->addWidget(labels.front(), row, 0);
    } else {
        auto* captionRow = new QHBoxLayout;
        for (QLabel* label : labels) captionRow->addWidget(label);
        captionRow->addStretch(1);
        grid->addLayout(captionRow, row, 0);
    }
    grid->addWidget(parts.on, row, 1);
    grid->addWidget(parts.frame, row, 2);
    return parts;
}

ListBox* AddActionList(FieldFactory& factory, const EventRow& row, const EventDescription& event, int item,
                           const QString& name) {
    QPushButton* actions =
        factory.actionsButton(row.frame, event, item, QStringLiteral("&Actions"), name + QLatin1String(": Actions"));
    ListBox* entries =
        factory.eventList(row.frame, event, item, kActionListRows, name + QLatin1String(": action list"));
    row.frameLayout->addWidget(actions, 0, Qt::AlignTop);
    row.frameLayout->addWidget(entries, 1);
    return entries;
}

QGroupBox* EventBox(FieldFactory& factory, QWidget* parent, std::string_view caption, QGridLayout*& grid) {
    QGroupBox* box = factory.group(parent, Numbered(caption, 0));
    grid = new QGridLayout(box);
    grid->setColumnStretch(2, 1);
    return box;
}

}  // namespace koru
