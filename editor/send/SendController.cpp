#include "editor/send/SendController.h"

#include "editor/MainWindow.h"
#include "editor/WindowHooks.h"
#include "editor/history/LastSendPanel.h"
#include "editor/send/DialogMessageBoxes.h"
#include "editor/send/LinkSettings.h"
#include "editor/send/ProgressDialog.h"
#include "editor/send/SendDialog.h"
#include "editor/send/SerialSetupDialog.h"
#include "platform/QtSerialDevices.h"
#include "platform/QtSettingsStore.h"
#include "protocol/SendPreflight.h"
#include "protocol/link/SendRecorder.h"
#include "protocol/link/SendStack.h"

namespace koru {

namespace {

const char* const kSendTitle = "Send to KORU-unit";

// The live program's send stack with what it talks to; a child of the window, gone with it.
class LiveSending : public QObject {
public:
    explicit LiveSending(MainWindow& window)
        : QObject(&window),
          boxes_(window.dialogs()),
          stack_(SendStack::Live(boxes_, window.configuration())),
          controller_(std::make_unique<SendController>(window, *stack_, store_, devices_)) {}

private:
    QtSettingsStore store_;
    DialogMessageBoxes boxes_;
    QtSerialDevices devices_;
    std::unique_ptr<SendStack> stack_;
    std::unique_ptr<SendController> controller_;  // goes first: its windows show the stack
};

void ShowInFront(QWidget* dialog) {
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

}  // namespace

void SendController::AttachLive(MainWindow& window) { new LiveSending(window); }

SendController::SendController(MainWindow& window, SendStack& stack, SettingsStore& store, const SerialDevices& devices)
    : window_(window),
      stack_(stack),
      devices_(devices),
      linkSettings_(std::make_unique<LinkSettings>(stack.link(), store)) {
    // The three windows are made when first needed: the window's start does not wait for them.
    SendSession& send = stack_.send();
    // A connect failure shows the settings dialog as it is, so the log still says why.
    connect(linkSettings_.get(), &LinkSettings::showRequested, this, [this] { ShowInFront(&settingsDialog()); });
    connect(&send, &SendSession::retryRequested, this, &SendController::startSend);
    connect(&send, &SendSession::progressChanged, this, [this] {
        progressDialog().showProgress(stack_.send().progress());
        setRunning(stack_.send().running());
    });
    connect(&send, &SendSession::ended, this, &SendController::onSessionEnded);
    connect(&send, &SendSession::hideRequested, this, [this] {
        if (progressDialog_) progressDialog_->hide();
    });
    connect(&send, &SendSession::unloadRequested, this, [this] {
        if (!progressDialog_) return;
        progressDialog_->hide();
        progressDialog_->clearReport();
    });
    connect(&stack_.link(), &SerialLink::portLost, this, [this](const QString& detail) {
        if (stack_.send().running()) progressDialog().showNote(QStringLiteral("The connection was lost: ") + detail);
    });
    connect(&window_, &MainWindow::programEnding, this, &SendController::end);
    // Every session goes to the library's send history; a history that cannot be kept is said in the
    // progress dialog and stops nothing.
    connect(SendRecorder::Attach(stack_, window_.library().root(), "koru-configurator"), &SendRecorder::problem,
            this, [this](const QString& note) { progressDialog().showNote(note); });

    window_.onPage(WindowTab::Overview, this, [this] {
        OnClicked(window_.controls().overview.send, this, [this] { sendParameters(); });
    });
    OnTriggered(window_.menus().commSettings, this, [this] { showCommSettings(); });
}

SendController::~SendController() {
    delete progressDialog_;
    delete sendDialog_;
    delete settingsDialog_;
}

SerialSetupDialog& SendController::settingsDialog() {
    if (!settingsDialog_) {
        settingsDialog_ = new SerialSetupDialog(*linkSettings_, stack_.link(), devices_, &window_);
        settingsDialog_->setSendRunning(stack_.send().running());
    }
    return *settingsDialog_;
}

SendDialog& SendController::sendDialog() {
    if (!sendDialog_) {
        sendDialog_ = new SendDialog(&window_);
        sendDialog_->addHistoryPanel(new LastSendPanel(window_.configuration(), window_.library().root()));
        sendDialog_->setSendRunning(stack_.send().running());
        connect(sendDialog_, &SendDialog::sendRequested, this, &SendController::startSend);
    }
    return *sendDialog_;
}

ProgressDialog& SendController::progressDialog() {
    if (!progressDialog_) {
        progressDialog_ = new ProgressDialog(&window_);
        progressDialog_->setSendRunning(stack_.send().running());
        connect(progressDialog_, &ProgressDialog::buttonPressed, &stack_.send(), &SendSession::pressButton);
    }
    return *progressDialog_;
}

void SendController::ensureLinkLoaded() {
    if (linkLoaded_) return;
    linkSettings_->load();
    linkLoaded_ = true;
}

void SendController::showCommSettings() {
    // Showing the dialog closes the link and reads the stored settings again, but never under a running
    // send: that would cut the session off.
    if (!stack_.send().running()) {
        linkSettings_->activate();
        linkLoaded_ = true;
    }
    settingsDialog().refresh();
    ShowInFront(&settingsDialog());
}

void SendController::sendParameters() {
    if (!sendDialogLoaded_) {
        ensureLinkLoaded();
        stack_.send().prepare();
        sendDialogLoaded_ = true;
    }
    ShowInFront(&sendDialog());
}

void SendController::startSend() {
    SendSession& send = stack_.send();
    if (send.running()) return;
    const SendSelection selection = sendDialog().selection();
    if (selection.count() == 0) {
        ShowInFront(&sendDialog());  // its note says why nothing can go
        return;
    }
    ensureLinkLoaded();
    const std::vector<CheckFinding> reasons = SendPreflight(window_.configuration(), selection);
    if (!reasons.empty()) {
        std::string text = "The unit cannot be sent as it stands; nothing was sent:";
        for (const CheckFinding& reason : reasons) text += "\n" + DescribeFinding(reason);
        window_.dialogs().inform(text, kSendTitle, MessageIcon::Critical);
        return;
    }
    progressDialog().clearReport();
    if (!send.start(selection)) return;  // the link could not be opened; the user has been told
    setRunning(send.running());
    sendDialog_->hide();
    ShowInFront(&progressDialog());
}

void SendController::onSessionEnded() {
    setRunning(false);
    progressDialog().showReport(stack_.send().report());
}

// A window not made yet takes the state when it is made.
void SendController::setRunning(bool running) {
    if (sendDialog_) sendDialog_->setSendRunning(running);
    if (settingsDialog_) settingsDialog_->setSendRunning(running);
    if (progressDialog_) progressDialog_->setSendRunning(running);
}

void SendController::end() {
    if (ended_) return;
    ended_ = true;
    SendSession& send = stack_.send();
    if (send.running() && send.progress().button == ButtonMode::Abort) send.pressButton();
    if (linkLoaded_) {
        linkSettings_->unload();
    } else if (stack_.link().isPortOpen()) {
        stack_.link().disconnectPort();
    }
}

}  // namespace koru
