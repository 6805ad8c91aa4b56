#pragma once

// "Send history": the sessions of the send log to the open unit, newest first (when, the device, how many
// groups went through, the verdict, the program), and what became of each group of the session picked.
// Read-only; a log it cannot read is a note.

#include <QDialog>

#include <filesystem>
#include <vector>

#include "model/SendLog.h"
#include "model/UnitConfiguration.h"

class QTableWidget;

namespace koru {

class SendHistoryDialog : public QDialog {
    Q_OBJECT

public:
    SendHistoryDialog(const UnitConfiguration& unit, const std::filesystem::path& libraryRoot,
                      QWidget* parent = nullptr);

private:
    void showOutcomes(int row);

    std::vector<SendLogEntry> sessions_;  // newest first, as the rows
    QTableWidget* sessionTable_ = nullptr;
    QTableWidget* outcomeTable_ = nullptr;
};

}  // namespace koru
