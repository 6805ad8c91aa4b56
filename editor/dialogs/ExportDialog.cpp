#include "editor/dialogs/ExportDialog.h"

#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPointer>
#include <QVBoxLayout>

#include <filesystem>

#include "editor/DialogText.h"
#include "editor/dialogs/OkCancelRow.h"
#include "model/UnitLibrary.h"
#include "platform/UserDialogs.h"

namespace koru {

namespace {

constexpr std::string_view kExtension = ".kpf";
constexpr const char* kChooserTitle = "Save parameters...";

// The dialog's frames, each with its "All" box.
struct Frame {
    ExportFrame frame;
    const char* caption;
    const char* allBox;
};

constexpr std::array<Frame, 3> kFrames{{
    {ExportFrame::Setup, "Save setup", "chkAllSetup"},
    {ExportFrame::Events, "Save events", "chkAllEvents"},
    {ExportFrame::Actions, "Save actions", "chkAllActions"},
}};

}  // namespace

std::string WithParameterExtension(const std::string& path) {
    const std::string name = std::filesystem::path(path).filename().string();
    const bool has =
        name.size() > kExtension.size() &&
        QString::fromStdString(name.substr(name.size() - kExtension.size())).toLower() == kExtension.data();
    return has ? path : path + std::string(kExtension);
}

ExportDialog::ExportDialog(const UnitConfiguration& config, const UnitLibrary& library, UserDialogs& dialogs,
                           QWidget* parent)
    : QDialog(parent), config_(config), library_(library), dialogs_(dialogs) {
    setObjectName("frmExport");
    setWindowTitle("Export parameters");
    setAttribute(Qt::WA_DeleteOnClose);

    auto* frames = new QHBoxLayout;
    for (const Frame& frame : kFrames) {
        auto* box = new QGroupBox(frame.caption, this);
        auto* column = new QVBoxLayout(box);
        for (const ParameterRow& row : ParameterRows()) {
            if (row.frame != frame.frame) continue;
            auto* check = new QCheckBox(row.caption, box);
            check->setObjectName(row.control);
            if (!row.shown) check->hide();
            column->addWidget(check);
            rows_.push_back({check, row.section});
        }
        auto* all = new QCheckBox("All", box);
        all->setObjectName(frame.allBox);
        all->setAccessibleName(QString("All of ") + frame.caption);
        column->addStretch();
        column->addWidget(all);
        frames->addWidget(box);
        connect(all, &QCheckBox::clicked, this, [this, which = frame.frame](bool on) {
            ParameterSelection ticked = selection();
            ticked.setFrame(which, on);
            showSelection(ticked);
        });
    }

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(frames);
    layout->addLayout(OkCancelRow(this, [this] { chooseFile(); }));
}

ParameterSelection ExportDialog::selection() const {
    ParameterSelection ticked;
    for (const Row& row : rows_) ticked.set(row.section, row.box->isChecked());
    return ticked;
}

void ExportDialog::showSelection(const ParameterSelection& selection) {
    for (const Row& row : rows_) row.box->setChecked(selection.has(row.section));
}

void ExportDialog::chooseFile() {
    const FileChoice choice{kChooserTitle, "Units (*.kpf)", library_.parameterFilesFolder().string(), "kpf"};
    dialogs_.chooseFileToSave(
        choice, [self = QPointer<ExportDialog>(this)](std::optional<std::string> chosen) {
            if (self == nullptr) return;
            if (!chosen || chosen->empty()) {
                self->reject();  // no file chosen: nothing is written and the export ends
                return;
            }
            const std::string path = WithParameterExtension(*chosen);
            // Replacing a file is asked about; a folder of that name makes the write fail with its reason.
            const QFileInfo target(QFile::decodeName(path.c_str()));
            if (!target.exists() || target.isDir()) {
                self->exportTo(path);
                return;
            }
            const std::string question =
                DialogText("\"" + path + "\" already exists.\nDo you want to replace it?");
            self->dialogs_.askYesNo(question, kChooserTitle, [self, path](bool yes) {
                if (self != nullptr && yes) self->exportTo(path);
            });
        });
}

void ExportDialog::exportTo(const std::string& path) {
    if (const auto error = WriteParameterFile(path, config_, selection())) {
        dialogs_.inform(
            DialogText("The parameters could not be exported to \"" + path + "\": " + error->reason + "."),
            "Export parameters", MessageIcon::Exclamation);
        return;  // the dialog stays open for another file or Cancel
    }
    accept();
}

}  // namespace koru
