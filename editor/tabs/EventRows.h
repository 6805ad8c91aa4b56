#pragma once

// The rows of the event tabs, made from the event table (model/EventTable.h): an event's captions, its
// switch, the frame that is shown only while the switch is on, and its "Actions" button and list.

#include <QString>
#include <QStringList>

#include <vector>

#include "editor/FieldFactory.h"
#include "model/EventTable.h"

class QCheckBox;
class QGroupBox;
class QGridLayout;
class QHBoxLayout;

namespace koru {

class ListBox;

// An event row: the event's switch and the frame that is shown while the switch is on.
struct EventRow {
    QCheckBox* on = nullptr;
    QWidget* frame = nullptr;
    QHBoxLayout* frameLayout = nullptr;
};

// The number of rows an event action list shows.
inline constexpr int kActionListRows = 2;

// The captions of event `item` of `event` ("Timer 2:"; "No match:" and "Radio:").
QStringList EventCaptions(const EventDescription& event, int item);

// The name of the row for assistive tools ("Timer 2", "Radio: package received").
QString EventRowName(const EventDescription& event, int item);

// A captioned frame of an event tab and the events it shows, in the order of their controls.
struct EventBoxRows {
    std::string_view caption;
    std::vector<const EventDescription*> events;
};

// The frames of the events of `section`, in the order the event table first names them.
std::vector<EventBoxRows> EventBoxes(Section section);

// Shows `frame` only while `on` is checked, whoever checks it (the user or a load).
void ShowWhenOn(QCheckBox* on, QWidget* frame);

// Adds the row of event `item` to `grid` at `row`: the captions in column 0 (two side by side for the rows that
// have two), the switch in column 1 and the frame in column 2.
EventRow AddEventRow(FieldFactory& factory, QWidget* parent, QGridLayout* grid, int row, const EventDescription& event,
                     int item);

// Adds the "Actions" button and the event action list of event `item` to the frame of `row`; `name` names
// them for assistive tools.
ListBox* AddActionList(FieldFactory& factory, const EventRow& row, const EventDescription& event, int item,
                           const QString& name);

// A captioned frame of event rows, with its grid (the frames stretch, the captions and switches do not).
QGroupBox* EventBox(FieldFactory& factory, QWidget* parent, std::string_view caption, QGridLayout*& grid);

}  // namespace koru
