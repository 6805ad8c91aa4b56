#include "editor/RecoveryKeeper.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include "editor/MainWindow.h"
#include "model/UnitFile.h"
#include "platform/UserDialogs.h"
#include "platform/widgets/WidgetText.h"

namespace koru {

namespace {

const std::string kLeftEditsTitle = "Unsaved edits";

std::string Question(const UnitConfiguration& edits, const std::filesystem::path& file) {
    const QDateTime written = QFileInfo(QFile::decodeName(file.c_str())).lastModified();
    return "Edits of the unit \"" + edits.unit.alias + " - " + edits.unit.id +
           "\" were not saved when the program ended (they were kept at " +
           written.toString(QStringLiteral("yyyy-MM-dd hh:mm")).toStdString() +
           ").\n\nRestore them into the window? No throws them away.";
}

}  // namespace

RecoveryKeeper::RecoveryKeeper(MainWindow& window, std::chrono::milliseconds interval)
    : QObject(&window), window_(window), file_(window.library().recoveryFolder()) {
    timer_.setSingleShot(true);
    timer_.setInterval(interval);
    connect(&timer_, &QTimer::timeout, this, &RecoveryKeeper::update);
    // Counted from the first change, so that steady typing is kept too.
    connect(&window_, &MainWindow::configurationChanged, this, [this] {
        if (!timer_.isActive()) timer_.start();
    });
    connect(&window_, &MainWindow::savedStateChanged, this, &RecoveryKeeper::update);
    connect(&window_, &MainWindow::programEnding, this, [this] {
        timer_.stop();
        if (!keeping_) file_.remove();
    });
}

void RecoveryKeeper::update() {
    timer_.stop();
    if (!window_.hasUnsavedEdits()) {
        file_.remove();
        written_.clear();
        return;
    }
    const UnitConfiguration& config = window_.configuration();
    std::string text = UnitFileText(config);
    if (file_.written() && text == written_) return;
    if (auto reason = file_.write(config)) {
        if (!warned_) qWarning("Cannot keep the unsaved edits in %s: %s", file_.path().c_str(), reason->c_str());
        warned_ = true;
        return;
    }
    written_ = std::move(text);
}

void RecoveryKeeper::keepForNextStart() {
    keeping_ = true;
    update();
}

void RecoveryKeeper::offerLeftEdits() {
    left_ = LeftEdits::Find(window_.library().recoveryFolder());
    offerNext();
}

void RecoveryKeeper::offerNext() {
    while (!left_.empty()) {
        // Loaded over the window's own configuration: the few settings no file holds keep their values.
        UnitConfiguration edits = window_.configuration();
        if (auto error = left_.front().load(edits)) {
            qWarning("Cannot read the kept edits: %s", error->describe().c_str());
            left_.erase(left_.begin());
            continue;
        }
        window_.dialogs().askYesNo(Question(edits, left_.front().file()), kLeftEditsTitle, [this, edits](bool yes) {
            if (left_.empty()) return;
            LeftEdits answered = std::move(left_.front());
            left_.erase(left_.begin());
            if (yes) {
                window_.restoreEdits(edits);  // written to this window's own recovery file first
                answered.discard();
                left_.clear();  // the others stay for a later start
                return;
            }
            answered.discard();
            offerNext();
        });
        return;
    }
}

}  // namespace koru
