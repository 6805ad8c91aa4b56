#pragma once

// Which "Actions" button edits which event action list. Every event has one list and one button beside it;
// a button of a control array edits the list of the same index.

#include <span>
#include <string_view>

#include "model/UnitConfiguration.h"

namespace koru {

struct EventListButton {
    std::string_view button;  // the button's control ("cmdAddActionTimer")
    std::string_view list;    // the list's control ("lstTimer")
    int count;                // the controls of the array (index 0 to count - 1); 0 for a single control
};

// Every button that opens the action dialog. The remote events' buttons are not among them: they do
// nothing.
std::span<const EventListButton> EventListButtons();

// The event action list a list control shows (`index` is -1 for a single control); nullptr when the
// control shows no list.
TextList* EventActionList(UnitConfiguration& config, std::string_view listControl, int index);

}  // namespace koru
