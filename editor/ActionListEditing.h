#pragma once

// The action lists of the main window: the create and delete buttons of the action tabs, which fill the
// defined-action lists, and every event's "Actions" button, which edits that event's list in the dialog
// "Actions".

#include <QObject>
#include <QString>

#include <cstddef>
#include <optional>
#include <string>

#include "model/UnitConfiguration.h"

class QPushButton;

namespace koru {

class ListBox;
class MainWindow;
struct EventDescription;

class ActionListEditing : public QObject {
    Q_OBJECT

public:
    explicit ActionListEditing(MainWindow& window);

private:
    using DefinedList = TextList& (*)(UnitConfiguration& config);

    // Each once its tab's page is built.
    void connectMessageButtons();
    void connectOutputFlagButtons();
    void connectTimerCounterButtons();
    void connectDeleteButton(QPushButton* button, ListBox* shown, DefinedList list);
    // The buttons of the pages built since the last call.
    void connectEventButtons();
    // Appends a created entry to a defined-action list, unless there is none or the list holds it already.
    void addDefined(DefinedList list, const std::optional<std::string>& entry);
    void editEventList(const EventDescription& event, int item, const QString& step);

    MainWindow& window_;
    std::size_t connectedEventButtons_ = 0;
};

}  // namespace koru
