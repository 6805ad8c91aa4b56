#pragma once

// Every event the unit runs actions on, described once, one row per event (a numbered run of events, such as
// the 24 masks, is one row): where the unit file keeps its switch and its action list, the unit's event
// number and where its event-action pairs stand in record 13, the record that carries its switch, and the
// window's controls that show it. The setting catalog, the record 13 encoder, the editor's event tabs, their
// show-when-on rules and "Actions" buttons are loops over this table. The rows stand in file order.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/Sections.h"
#include "model/UnitConfiguration.h"

namespace koru {

// Settings of an event that stand in its subsection between its switch and its action list.
enum class EventDetails {
    None,
    MaskCells,       // the mask's conditions: 24 cells of inputs A and B, outputs and flags
    MessageMatch,    // the received text and whether it comes by radio, by serial line or both
    RemoteControls,  // the remote controls of a remote event
};

// Remote events have no event number: the unit is never told about them, and their buttons do nothing.
inline constexpr int kNoEventNumber = -1;

struct EventDescription {
    // Where the unit file keeps it.
    Section section = {};
    std::string_view heading = {};  // "+Online"; a numbered run's heading without its number ("+Mask")
    bool& (*on)(UnitConfiguration& config, int item) = nullptr;
    TextList& (*actions)(UnitConfiguration& config, int item) = nullptr;
    int count = 0;  // events of a numbered run; 0 for one event under a named heading
    std::string_view onKey = "On";
    std::string_view actionsKey = "Actions";
    bool readAnywhere = false;  // its keys apply wherever they stand in the section (the sleep event)
    bool sharesOn = false;      // a second list of the event before it, under the same switch (a counter's)
    EventDetails details = EventDetails::None;

    // What the unit knows of it.
    int number = kNoEventNumber;  // the event number of the first event of a run
    int pairRank = 0;             // the place of its event-action pairs among record 13's
    int switchRecord = 0;         // the record that also carries its switch; 0 when only record 13 tells of it
    bool switchable = true;       // the window lets the user switch it on

    // How the window shows it. Controls of a numbered run are control arrays from `firstIndex`; a named
    // event's controls may be one element of an array (`firstIndex` >= 0) or single (-1).
    std::string_view onControl = {};
    std::string_view listControl = {};
    std::string_view buttonControl = {};  // its "Actions" button
    int firstIndex = -1;
    std::string_view frameControl = {};  // shown while the switch is on
    int frameIndex = -1;                 // a named event's frame index in its array; -1 for a single frame
    std::string_view box = {};           // the captioned frame of the tab it stands in
    std::string_view caption = {};       // the row's caption; "%1" stands for the event's number in its run
    std::string_view caption2 = {};      // a second caption beside the first ("No match:" "Radio:")
    std::string_view listCaption = {};   // the list's own caption when the switch has two lists
    std::string_view rowName = {};       // the row for assistive tools, when its captions do not tell it
    std::string_view onCaption = "On";

    bool numbered() const { return count > 0; }
    int items() const { return numbered() ? count : 1; }
    bool sent() const { return number != kNoEventNumber; }
    // The unit's event number of item `item`.
    int eventNumber(int item) const { return number + item; }
    // The control index of item `item`'s controls (-1 for a single control).
    int controlIndex(int item) const { return firstIndex < 0 ? -1 : firstIndex + item; }
    // The index of item `item`'s frame (-1 for a single frame).
    int frameControlIndex(int item) const { return numbered() ? firstIndex + item : frameIndex; }
    // Where a technician finds item `item` in the unit file: "+Mask3", "+Counter2 (On zero)", "+Online".
    std::string subsection(int item) const;
};

// Every event, in file order.
std::span<const EventDescription> Events();

// The events of one section, in file order.
std::vector<const EventDescription*> EventsOf(Section section);

// One event of a unit as record 13 sends it.
struct EventList {
    int number;               // the unit's event number
    bool on;                  // the event's switch
    const TextList* actions;  // the event's action entries, in list order
    std::string section;      // where the technician finds it
    std::string subsection;
};

// The events the unit has a number for, in the order record 13 sends their pairs.
std::vector<EventList> EventsInPairOrder(const UnitConfiguration& config);

}  // namespace koru
