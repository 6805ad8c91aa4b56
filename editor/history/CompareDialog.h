#pragma once

// "Compare with last send": the open unit against what it last acknowledged from this library. The
// settings that differ from the unit file of its newest acknowledged send (setting, as sent, now), then the
// groups that changed with the reason (their packets differ, were never acknowledged, or a later session
// wrote to them unconfirmed). Read-only; a history it cannot read is a note.

#include <QDialog>

#include <filesystem>

#include "model/UnitConfiguration.h"

class QVBoxLayout;

namespace koru {

struct UnitSendState;

class CompareDialog : public QDialog {
    Q_OBJECT

public:
    CompareDialog(const UnitConfiguration& now, const std::filesystem::path& libraryRoot,
                  QWidget* parent = nullptr);

private:
    // Adds the table of the settings that differ from the newest acknowledged unit file and returns the
    // dialog's first line, which says why there is no table when there is none.
    QString showSettings(const UnitConfiguration& now, const UnitSendState& state, QVBoxLayout* layout);
    void showGroups(const UnitConfiguration& now, const UnitSendState& state, QVBoxLayout* layout);
};

}  // namespace koru
