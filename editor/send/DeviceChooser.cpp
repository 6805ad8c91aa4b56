#include "editor/send/DeviceChooser.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "platform/SerialDevices.h"
#include "editor/send/LinkSettings.h"

namespace koru {

namespace {

enum Column { kPath, kDescription, kManufacturer };

// Device paths are the system's own text (UTF-8 here), not the unit's Windows-1252 bytes.
QString Shown(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

DeviceChooser::DeviceChooser(LinkSettings& settings, const SerialDevices& devices, QWidget* parent)
    : QGroupBox(QStringLiteral("Devices"), parent), settings_(settings), devices_(devices) {
    setObjectName(QStringLiteral("fraDevices"));
    auto* grid = new QGridLayout(this);

    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("lstDevices"));
    list_->setAccessibleName(QStringLiteral("Serial devices of this computer"));
    list_->setHeaderLabels({QStringLiteral("Device"), QStringLiteral("Description"), QStringLiteral("Manufacturer")});
    list_->setRootIsDecorated(false);
    list_->setAllColumnsShowFocus(true);
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list_->setMinimumHeight(list_->fontMetrics().height() * 6);
    auto* listCaption = new QLabel(QStringLiteral("Serial de&vices found:"), this);
    listCaption->setBuddy(list_);
    grid->addWidget(listCaption, 0, 0, 1, 3);
    grid->addWidget(list_, 1, 0, 1, 4);

    auto* refresh = new QPushButton(QStringLiteral("&Refresh"), this);
    refresh->setObjectName(QStringLiteral("cmdRefreshDevices"));
    refresh->setAutoDefault(false);
    grid->addWidget(refresh, 0, 3, Qt::AlignRight);
    connect(refresh, &QPushButton::clicked, this, &DeviceChooser::refresh);
    buildPortDevice(grid);
    followChoices();
    fillPath();
}

// The port, the device path for it and the button that gives the port the path.
void DeviceChooser::buildPortDevice(QGridLayout* grid) {
    port_ = new QComboBox(this);
    port_->setObjectName(QStringLiteral("cmbDevicePort"));
    port_->setAccessibleName(QStringLiteral("Port whose device is shown"));
    for (int number = 1; number <= 3; ++number) port_->addItem(QStringLiteral("COM%1").arg(number), number);
    auto* portCaption = new QLabel(QStringLiteral("Device &for"), this);
    portCaption->setBuddy(port_);

    path_ = new QLineEdit(this);
    path_->setObjectName(QStringLiteral("txtDevice"));
    path_->setAccessibleName(QStringLiteral("Device path of the port"));
    path_->setPlaceholderText(QStringLiteral("a device path, e.g. /dev/ttyUSB0 or /dev/pts/3"));
    path_->setClearButtonEnabled(true);

    assign_ = new QPushButton(QStringLiteral("&Use"), this);
    assign_->setObjectName(QStringLiteral("cmdUseDevice"));
    assign_->setAutoDefault(false);
    assign_->setToolTip(QStringLiteral("Give the port this device; an empty path goes back to the system's own port"));

    path_->setMinimumWidth(path_->fontMetrics().horizontalAdvance(QStringLiteral("/dev/serial/by-id/usb-FTDI")));

    grid->addWidget(portCaption, 2, 0);
    grid->addWidget(port_, 2, 1);
    grid->addWidget(path_, 2, 2, 1, 2);
    grid->addWidget(assign_, 3, 3);
    grid->setColumnStretch(2, 1);
}

// A device picked in the list fills the path; a double-click, Return or "Use" gives the port the path.
void DeviceChooser::followChoices() {
    connect(port_, &QComboBox::currentIndexChanged, this, &DeviceChooser::fillPath);
    connect(list_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item != nullptr) path_->setText(item->text(kPath));
    });
    connect(list_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        path_->setText(item->text(kPath));
        assign();
    });
    connect(path_, &QLineEdit::returnPressed, this, &DeviceChooser::assign);
    connect(assign_, &QPushButton::clicked, this, &DeviceChooser::assign);
    connect(&settings_, &LinkSettings::portsChanged, this, &DeviceChooser::fillPath);
}

void DeviceChooser::refresh() {
    list_->clear();
    for (const SerialDevice& device : devices_.list()) {
        auto* item = new QTreeWidgetItem(list_);
        item->setText(kPath, Shown(device.path));
        item->setText(kDescription, Shown(device.description));
        item->setText(kManufacturer, Shown(device.manufacturer));
    }
}

void DeviceChooser::showPort(int number) {
    const int index = port_->findData(number);
    if (index >= 0) port_->setCurrentIndex(index);
}

int DeviceChooser::shownPort() const { return port_->currentData().toInt(); }

void DeviceChooser::fillPath() {
    path_->setText(Shown(settings_.portDevice(shownPort())));
    assign_->setText(QStringLiteral("&Use for %1").arg(port_->currentText()));
}

void DeviceChooser::assign() {
    settings_.setPortDevice(shownPort(), path_->text().trimmed().toStdString());
}

}  // namespace koru
