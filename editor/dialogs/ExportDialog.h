#pragma once

// "Export parameters" (frmExport): ticks the sections to export, asks for the parameter file and writes it.
// A failed write is explained and keeps the dialog open; nothing half-written is left behind.

#include <QDialog>

#include <optional>
#include <string>
#include <vector>

#include "model/ParameterFile.h"

class QCheckBox;

namespace koru {

class UnitLibrary;
class UserDialogs;

class ExportDialog : public QDialog {
    Q_OBJECT

public:
    ExportDialog(const UnitConfiguration& config, const UnitLibrary& library, UserDialogs& dialogs,
                 QWidget* parent = nullptr);

    // The ticked rows.
    ParameterSelection selection() const;

private:
    void showSelection(const ParameterSelection& selection);
    void chooseFile();
    void exportTo(const std::string& path);

    const UnitConfiguration& config_;
    const UnitLibrary& library_;
    UserDialogs& dialogs_;
    struct Row {
        QCheckBox* box;
        Section section;
    };
    std::vector<Row> rows_;
};

// The parameter file's path with ".kpf" added when it ends otherwise (file-system bytes).
std::string WithParameterExtension(const std::string& path);

}  // namespace koru
