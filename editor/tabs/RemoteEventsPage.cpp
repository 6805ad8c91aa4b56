#include "editor/tabs/RemoteEventsPage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/ListBox.h"
#include "editor/tabs/EventRows.h"

namespace koru {

RemoteEventsPage::RemoteEventsPage(FieldFactory& factory, QWidget* parent) : TabPage(factory, controls::kRemoteEventsTab, parent) {
    QWidget* page = content();
    auto* layout = new QVBoxLayout(page);
    for (const EventBoxRows& box : EventBoxes(Section::RemoteEvent)) {
        QGroupBox* events = factory.group(page, QString::fromLatin1(box.caption.data(), static_cast<qsizetype>(box.caption.size())),
                                          controls::kRemoteEvents);
        layout->addWidget(events);
        events->hide();
        auto* grid = new QGridLayout(events);
        int line = 0;
        for (const EventDescription* event : box.events) {
            for (int item = 0; item < event->items(); ++item) {
                const QString name = EventRowName(*event, item);
                const EventRow row = AddEventRow(factory, events, grid, line++, *event, item);
                row.on->setEnabled(event->switchable);
                const TextList& controls = factory.values().remoteEvents[static_cast<std::size_t>(item)].controls;
                row.frameLayout->addWidget(factory.button(row.frame, controls::kAddRemoteControls, item));
                row.frameLayout->addWidget(factory.list(row.frame, controls, kActionListRows, name + QLatin1String(": controls")),
                                           1);
                AddActionList(factory, row, *event, item, name);
            }
        }
    }
    layout->addStretch(1);
}

}  // namespace koru
