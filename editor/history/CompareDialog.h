#pragma once

// "Compare with last send": the open unit against what it last acknowledged from this library. The
// settings that differ from the unit file of its newest acknowledged send (setting, as sent, now), then the
// groups that changed with the reason (their packets differ, were never acknowledged, or a later session
// wrote to them unconfirmed). Read-only; a history it cannot read is a note.

#include <QDialog>

#include <filesystem>

#include "model/UnitConfiguration.h"

class QLabel;
class QVBoxLayout;

namespace koru {

class SendHistory;
struct UnitSendState;

class CompareDialog : public QDialog {
    Q_OBJECT

public:
    CompareDialog(const UnitConfiguration& now, const std::filesystem::path& libraryRoot,
                  QWidget* parent = nullptr);

private:
    // The settings table against the newest acknowledged unit file; the reason when there is none to read.
    QString showSettings(const UnitConfiguration& now, const UnitSendState& state, QVBoxLayout* layout);
    void showGroups(const UnitConfiguration& now, const UnitSendState& state, QVBoxLayout* layout);

    QLabel* summary_ = nullptr;
};

}  // namespace koru
