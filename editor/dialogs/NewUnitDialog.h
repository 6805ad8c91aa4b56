#pragma once

// "New KORU unit" (frmNewKoru): creates a unit from the default file of its type, makes it the window's
// unit and saves it. An empty or non-numeric ID or an empty type does nothing; an ID that exists is replaced
// only when the user agrees; a unit that cannot be made (no default file, a file that cannot be read or
// saved) is explained and leaves the window's unit as it was. The dialog closes once the unit is made.

#include <QDialog>

#include "model/UnitConfiguration.h"

class QComboBox;
class QLineEdit;

namespace koru {

class UnitLibrary;
class UserDialogs;

class NewUnitDialog : public QDialog {
    Q_OBJECT

public:
    // `config` is the window's unit, over which a new unit's default file is read.
    NewUnitDialog(const UnitLibrary& library, UserDialogs& dialogs, const UnitConfiguration& config,
                  QWidget* parent = nullptr);

signals:
    // The new unit is made and saved; the dialog is closing.
    void unitCreated(const koru::UnitConfiguration& unit);

private:
    void createUnit();

    const UnitLibrary& library_;
    UserDialogs& dialogs_;
    const UnitConfiguration& config_;
    QLineEdit* id_;
    QLineEdit* alias_;
    QComboBox* type_;
};

}  // namespace koru
