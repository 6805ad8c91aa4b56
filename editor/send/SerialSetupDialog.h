#pragma once

// "Serial interface settings" (frmSerialSetup): the one view of the serial link for the whole program.
// It shows the settings dialog's state (LinkSettings: port, line settings, time-out, connect buttons,
// devices) and the link itself (SerialLink: line indicators, transfer indicator, link log, session state),
// all from their signals. OK and Cancel only hide it; while a send runs nothing that changes the port
// can be used.

#include <QDialog>

#include <array>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSlider;

namespace koru {

class DeviceChooser;
class LineLamp;
class LinkSettings;
class SerialDevices;
class SerialLink;

class SerialSetupDialog : public QDialog {
    Q_OBJECT

public:
    SerialSetupDialog(LinkSettings& settings, SerialLink& link, const SerialDevices& devices,
                      QWidget* parent = nullptr);

    // Everything from the model again, and the device list from the system (the dialog is being shown).
    void refresh();
    // Locks what would change the port under a running send.
    void setSendRunning(bool running);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Everything from the model again.
    void showModel();
    QGroupBox* buildPorts();
    QGroupBox* buildLineSettings();
    QGroupBox* buildOptions(const char* frame, const QString& caption, const char* control, const QStringList& values,
                            int columns, QButtonGroup*& group);
    QGroupBox* buildTimeout();
    QWidget* buildLink();
    QLayout* buildLamps(QWidget* area);
    void followModel();
    void chooseOption();
    void showPorts();
    void showOptions();
    void showConnection();
    void showIndicators();
    void showTransfer();
    void showLog();
    void addLogEntry(const std::string& entry);

    LinkSettings& settings_;
    SerialLink& link_;
    std::array<QRadioButton*, 3> ports_{};
    std::array<QLabel*, 3> portDevices_{};
    QButtonGroup* portGroup_ = nullptr;
    QButtonGroup* baud_ = nullptr;
    QButtonGroup* parity_ = nullptr;
    QButtonGroup* dataBits_ = nullptr;
    QButtonGroup* stopBits_ = nullptr;
    QList<QGroupBox*> settingFrames_;
    QSlider* slider_ = nullptr;
    QLabel* sliderValue_ = nullptr;
    QPushButton* connect_ = nullptr;
    QPushButton* disconnect_ = nullptr;
    QPushButton* save_ = nullptr;
    std::array<LineLamp*, 5> lines_{};  // CD, CTS, DSR, DTR, RTS
    LineLamp* transfer_ = nullptr;
    QLineEdit* state_ = nullptr;
    QPlainTextEdit* log_ = nullptr;
    QLabel* busy_ = nullptr;
    DeviceChooser* devices_ = nullptr;
    std::size_t logShown_ = 0;  // entries in the log box
    bool logStale_ = false;     // entries came while the dialog was hidden
    bool running_ = false;
    bool updating_ = false;  // the program sets the controls; their signals are not the user's
};

}  // namespace koru
