#pragma once

// "Communicating with Koru unit" (frmCommProgress): the status text, the progress bar over the selected
// groups, the one button whose caption is its mode ("Abort", "Close", "Try again", "OK"), and at the end
// of every session the delivery report: each selected group with its records and what became of it.
// The window stays usable meanwhile; while a session runs the dialog only closes through its button.

#include <QDialog>

#include "protocol/DeliveryReport.h"
#include "protocol/link/SendSession.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace koru {

// The button's caption for its mode: "Abort", "Close", "Try again" or "OK".
QString ButtonCaption(ButtonMode mode);

class ProgressDialog : public QDialog {
    Q_OBJECT

public:
    explicit ProgressDialog(QWidget* parent = nullptr);

    void showProgress(const SendProgress& progress);
    void showReport(const DeliveryReport& report);
    // A line under the report on what ended the session early, such as a lost connection.
    void showNote(const QString& note);
    void clearReport();
    void setSendRunning(bool running) { running_ = running; }

signals:
    void buttonPressed();

public slots:
    void reject() override;

private:
    QLineEdit* status_ = nullptr;
    QProgressBar* bar_ = nullptr;
    QPushButton* button_ = nullptr;
    QListWidget* report_ = nullptr;
    QLabel* reportCaption_ = nullptr;
    QLabel* note_ = nullptr;
    ButtonMode mode_ = ButtonMode::Abort;
    bool running_ = false;
};

}  // namespace koru
