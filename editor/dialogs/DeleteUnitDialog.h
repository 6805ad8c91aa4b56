#pragma once

// "Delete KORU unit" (frmDeleteUnit): lists the units of the library and deletes the chosen unit's file once
// the user agrees. An entry that names no unit file of the library is refused with a message. Whoever opens
// it refreshes the unit lists when it closes.

#include <QDialog>

#include "model/UnitConfiguration.h"

namespace koru {

class ListBox;

class UnitLibrary;
class UserDialogs;

class DeleteUnitDialog : public QDialog {
    Q_OBJECT

public:
    DeleteUnitDialog(const UnitLibrary& library, UserDialogs& dialogs, QWidget* parent = nullptr);

private:
    void removeSelectedUnit();

    const UnitLibrary& library_;
    UserDialogs& dialogs_;
    TextList entries_;
    ListBox* list_;
};

}  // namespace koru
