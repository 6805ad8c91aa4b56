#pragma once

// "Send to KORU-unit" (frmSendToKoru): the user ticks the groups that go to the unit in three frames,
// "Setup", "Events" and "Actions", each with an "All" box. OK asks for a send of the ticked groups; Cancel
// hides the dialog. While nothing is ticked, or a send is running, OK is off and a note says why.

#include <QDialog>

#include <vector>

#include "protocol/SendSelection.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace koru {

class LastSendPanel;

class SendDialog : public QDialog {
    Q_OBJECT

public:
    explicit SendDialog(QWidget* parent = nullptr);

    // The groups the ticked boxes send.
    SendSelection selection() const;
    void setSendRunning(bool running);
    // Shows `panel` (the unit's send history) above the buttons; the groups it asks for are ticked, the
    // others cleared.
    void addHistoryPanel(LastSendPanel* panel);

signals:
    void sendRequested();

private:
    struct Box {
        QCheckBox* box;
        SendGroup group;
    };

    // A frame with its "All" box, which checks `checked` when it is checked and clears `cleared` otherwise.
    struct Frame {
        QGroupBox* box = nullptr;
        QCheckBox* all = nullptr;
        std::vector<QCheckBox*> checked;
        std::vector<QCheckBox*> cleared;
    };

    Frame buildFrame(const char* name, const QString& caption, const char* allName);
    // A box of `frame`; `byAll`: checking "All" checks it (clearing "All" clears every box).
    QCheckBox* addBox(Frame& frame, const char* name, const QString& caption, bool checked, bool byAll = true);
    void linkAll(QCheckBox* all, std::vector<QCheckBox*> checks, std::vector<QCheckBox*> clears);
    void updateOk();

    std::vector<Box> boxes_;
    QPushButton* ok_ = nullptr;
    QLabel* note_ = nullptr;
    bool running_ = false;
};

}  // namespace koru
