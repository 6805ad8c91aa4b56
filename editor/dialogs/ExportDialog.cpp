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

struct RowBox {
    const char* control;
    const char* caption;
};

// The boxes in the order of the rows of a parameter file.
constexpr std::array<RowBox, kParameterRowCount> kRowBoxes{{
    {"chkNetworkSetup", "Network setup"},
    {"chkRadioSetup", "Radio setup"},
    {"chkSerialSetup", "Serial communication setup"},
    {"chkTimerSetup", "Timer setup"},
    {"chkCounterSetup", "Counter setup"},
    {"chkInputSetup", "Input and Sleep setup"},
    {"chkIOEvents", "I/O and Sleep events"},
    {"chkTimerevents", "Timer events"},
    {"chkCommEvents", "Communication events"},
    {"chkCounterEvents", "Counter events"},
    {"chkMessageEvents", "Message events"},
    {"chkRemoteEvents", "Remote control events"},
    {"chkMessageActions", "Message actions"},
    {"chkOutputFlagActions", "Output and flag actions"},
    {"chkTimerActions", "Timer actions"},
    {"chkCounterActions", "Counter actions"},
}};

struct Frame {
    const char* caption;
    const char* allBox;
    ParameterRow first;
    ParameterRow last;
    void (ParameterSelection::*setAll)(bool on);
};

constexpr std::array<Frame, 3> kFrames{{
    {"Save setup", "chkAllSetup", ParameterRow::Network, ParameterRow::Input,
     &ParameterSelection::setAllSetup},
    {"Save events", "chkAllEvents", ParameterRow::IoEvents, ParameterRow::RemoteEvents,
     &ParameterSelection::setAllEvents},
    {"Save actions", "chkAllActions", ParameterRow::MessageActions, ParameterRow::CounterActions,
     &ParameterSelection::setAllActions},
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
        for (int row = static_cast<int>(frame.first); row <= static_cast<int>(frame.last); ++row) {
            rows_[row] = new QCheckBox(kRowBoxes[row].caption, box);
            rows_[row]->setObjectName(kRowBoxes[row].control);
            column->addWidget(rows_[row]);
        }
        auto* all = new QCheckBox("All", box);
        all->setObjectName(frame.allBox);
        all->setAccessibleName(QString("All of ") + frame.caption);
        column->addStretch();
        column->addWidget(all);
        frames->addWidget(box);
        connect(all, &QCheckBox::clicked, this, [this, setAll = frame.setAll](bool on) {
            ParameterSelection ticked = selection();
            (ticked.*setAll)(on);
            showSelection(ticked);
        });
    }
    // Remote events cannot be edited in the window; only "All" of "Save events" takes them along.
    rows_[static_cast<int>(ParameterRow::RemoteEvents)]->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(frames);
    layout->addLayout(OkCancelRow(this, [this] { chooseFile(); }));
}

ParameterSelection ExportDialog::selection() const {
    ParameterSelection ticked;
    for (int row = 0; row < kParameterRowCount; ++row) ticked.rows[row] = rows_[row]->isChecked();
    return ticked;
}

void ExportDialog::showSelection(const ParameterSelection& selection) {
    for (int row = 0; row < kParameterRowCount; ++row) rows_[row]->setChecked(selection.rows[row]);
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
