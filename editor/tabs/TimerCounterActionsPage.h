#pragma once

#include <array>

#include "editor/tabs/TabPage.h"

class QLineEdit;
class QPushButton;

namespace koru {

class ListBox;

class ChoiceBox;

// One frame that makes actions: a row per kind of action, each with its timer or counter number, a value
// where the row takes one (and the set-time row's unit), and its create button; the actions made so far.
struct ActionMakerControls {
    std::array<ChoiceBox*, 4> numbers{};
    std::array<QLineEdit*, 4> values{};  // null for a row without a value
    ChoiceBox* unit = nullptr;
    std::array<QPushButton*, 4> create{};
    ListBox* actions = nullptr;
    QPushButton* remove = nullptr;
};

// Tab 10, "Timers and counter actions": the rows that make timer and counter actions, and the actions made
// so far.
class TimerCounterActionsPage : public TabPage {
public:
    TimerCounterActionsPage(FieldFactory& factory, QWidget* parent = nullptr);

    const ActionMakerControls& timers() const { return timers_; }
    const ActionMakerControls& counters() const { return counters_; }

private:
    ActionMakerControls timers_;
    ActionMakerControls counters_;
};

}  // namespace koru
