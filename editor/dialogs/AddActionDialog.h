#pragma once

// "Actions" (frmAddAction): picks the actions one event runs. It offers the defined actions (and "Sleep
// mode" while the unit has a sleep mode) and edits a working copy of the event's list; the caller takes
// `currentActions()` when the dialog is accepted with "Ok". "Cancel" and the close box change nothing.

#include <QDialog>

#include "model/UnitConfiguration.h"

class QListWidget;

namespace koru {

class AddActionDialog : public QDialog {
    Q_OBJECT

public:
    AddActionDialog(TextList offered, TextList current, QWidget* parent = nullptr);

    const TextList& currentActions() const { return current_; }

private:
    void addSelectedAction();
    void removeSelectedAction();

    TextList offered_;
    TextList current_;
    QListWidget* offeredList_;
    QListWidget* currentList_;
};

}  // namespace koru
