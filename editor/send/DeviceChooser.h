#pragma once

// The device chooser of the serial settings dialog: each of COM1 to COM3 names a device. It lists the
// serial devices the machine has (with description and maker), and the user gives one of them, or a typed
// path such as a pseudo-terminal of `korucfg simulate`, to a port. The choice is stored at once.

#include <QGroupBox>

class QComboBox;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace koru {

class LinkSettings;
class SerialDevices;

class DeviceChooser : public QGroupBox {
    Q_OBJECT

public:
    DeviceChooser(LinkSettings& settings, const SerialDevices& devices, QWidget* parent = nullptr);

    // Lists the devices present now.
    void refresh();
    // Shows the device of port `number` (1 to 3) for changing.
    void showPort(int number);
    int shownPort() const;

private:
    void buildPortDevice(QGridLayout* grid);
    void followChoices();
    void fillPath();
    void assign();

    LinkSettings& settings_;
    const SerialDevices& devices_;
    QTreeWidget* list_ = nullptr;
    QComboBox* port_ = nullptr;
    QLineEdit* path_ = nullptr;
    QPushButton* assign_ = nullptr;
};

}  // namespace koru
