#pragma once

// The send dialog's word on the library's send history: when the open unit was last sent from this
// library and how it went, that the history knows nothing sent from elsewhere, and "Tick changed", which
// ticks exactly the groups that changed since the unit last acknowledged them. It reads the history each
// time the dialog is shown or comes to the front; a history it cannot read is a note, never an error.

#include <QGroupBox>

#include <filesystem>
#include <vector>

#include "model/UnitConfiguration.h"
#include "protocol/GroupChanges.h"
#include "protocol/SendSelection.h"

class QLabel;
class QPushButton;

namespace koru {

class LastSendPanel : public QGroupBox {
    Q_OBJECT

public:
    LastSendPanel(const UnitConfiguration& config, std::filesystem::path libraryRoot,
                  QWidget* parent = nullptr);

    // Reads the send log again and shows the unit's last send.
    void refresh();
    // "Tick changed": asks for the changed groups ticked; when none changed, says so and asks nothing.
    void tickChanged();

signals:
    void tickRequested(koru::SendGroups groups);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Shows the unit's last send and, with `changes`, compares its groups with their state; false when the
    // unit has no history (no unit open, an ID that is no unit number).
    bool read(std::vector<GroupChange>* changes);

    const UnitConfiguration& config_;
    std::filesystem::path libraryRoot_;
    QLabel* lastSend_ = nullptr;
    QLabel* outcome_ = nullptr;  // what "Tick changed" did
    QLabel* problems_ = nullptr;
    QPushButton* tickChanged_ = nullptr;
};

}  // namespace koru
