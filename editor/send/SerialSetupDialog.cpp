#include "editor/send/SerialSetupDialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QSlider>
#include <QTextCursor>
#include <QVBoxLayout>

#include <span>
#include <string_view>

#include "editor/send/DeviceChooser.h"
#include "editor/send/LineLamp.h"
#include "model/LineChoices.h"
#include "platform/widgets/WidgetText.h"
#include "protocol/SessionPlanner.h"
#include "editor/send/LinkOptions.h"
#include "editor/send/LinkSettings.h"
#include "protocol/link/SerialLink.h"

namespace koru {

namespace {

constexpr int kLongestTimeoutSeconds = 60;
constexpr std::size_t kLogSlack = 200;  // entries past the log's capacity before the box is rebuilt

// A log entry as the box shows it: one line of its own (the line breaks an entry carries at either end
// dropped), the unit's bytes as text.
QString LogLine(const std::string& entry) {
    QString text = ToWidgetText(DiagnosticLine(entry));
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QString Latin1(std::string_view text) { return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())); }

QStringList Texts(std::span<const std::string_view> options) {
    QStringList texts;
    for (std::string_view option : options) texts.append(Latin1(option));
    return texts;
}

QString Indexed(const char* control, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(control)).arg(index);
}

// Checks the button `id` of an exclusive group, or none when no button has that id.
void CheckOnly(QButtonGroup* group, int id) {
    if (QAbstractButton* button = group->button(id)) {
        button->setChecked(true);
        return;
    }
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons()) button->setChecked(false);
    group->setExclusive(true);
}

QPushButton* Button(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    // Enter in the device path must not press OK, which connects the port.
    button->setAutoDefault(false);
    return button;
}

}  // namespace

SerialSetupDialog::SerialSetupDialog(LinkSettings& settings, SerialLink& link, const SerialDevices& devices,
                                     QWidget* parent)
    : QDialog(parent), settings_(settings), link_(link) {
    setObjectName(QStringLiteral("frmSerialSetup"));
    setWindowTitle(QStringLiteral("Serial interface settings"));

    // Made in reading order, which is also the keyboard's order.
    QGroupBox* portFrame = buildPorts();
    QGroupBox* settingsFrame = buildLineSettings();
    QGroupBox* timeoutFrame = buildTimeout();
    settingFrames_ = {portFrame, settingsFrame, timeoutFrame};
    devices_ = new DeviceChooser(settings_, devices, this);
    QWidget* linkArea = buildLink();

    busy_ = new QLabel(QStringLiteral("A send is running: the port and its settings cannot change until it ends."),
                       this);
    busy_->setObjectName(QStringLiteral("lblSendRunning"));
    busy_->setStyleSheet(QStringLiteral("QLabel { color: #8a4b00; font-weight: bold; }"));
    busy_->hide();
    save_ = Button(this, "btnSerialSave", QStringLiteral("OK"));
    QPushButton* cancel = Button(this, "btnSerialCancel", QStringLiteral("Cancel"));

    auto* top = new QGridLayout;
    top->addWidget(portFrame, 0, 0);
    top->addWidget(settingsFrame, 0, 1);
    top->addWidget(timeoutFrame, 1, 0, 1, 2);
    top->addWidget(devices_, 0, 2, 2, 1);
    top->setColumnStretch(2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(busy_, 1);
    buttons->addStretch();
    buttons->addWidget(save_);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(linkArea, 1);
    layout->addLayout(buttons);

    connect(save_, &QPushButton::clicked, &settings_, &LinkSettings::save);
    connect(cancel, &QPushButton::clicked, this, &QDialog::hide);
    followModel();
    // The system's devices are looked for when the dialog is shown: the window's start does not wait for it.
    showModel();
}

// The dialog shows the settings' state and the link as they change.
void SerialSetupDialog::followModel() {
    connect(&settings_, &LinkSettings::hideRequested, this, &QDialog::hide);
    connect(&settings_, &LinkSettings::portsChanged, this, [this] {
        showPorts();
        showOptions();
    });
    connect(&link_, &SerialLink::connectionChanged, this, &SerialSetupDialog::showConnection);
    connect(&link_, &SerialLink::indicatorsChanged, this, &SerialSetupDialog::showIndicators);
    connect(&link_, &SerialLink::transferIndicatorChanged, this, &SerialSetupDialog::showTransfer);
    connect(&link_, &SerialLink::sessionStateChanged, this,
            [this] { state_->setText(QString::fromStdString(link_.stateDisplay())); });
    connect(&link_.linkLog(), &LinkLog::entryAdded, this, &SerialSetupDialog::addLogEntry);
    connect(&link_.linkLog(), &LinkLog::cleared, this, [this] {
        log_->clear();
        logShown_ = 0;
        logStale_ = false;
    });
}

QGroupBox* SerialSetupDialog::buildPorts() {
    auto* frame = new QGroupBox(QStringLiteral("Port"), this);
    frame->setObjectName(QStringLiteral("fraPort"));
    auto* grid = new QGridLayout(frame);
    portGroup_ = new QButtonGroup(frame);
    for (int number = 1; number <= 3; ++number) {
        auto* option = new QRadioButton(QStringLiteral("COM&%1").arg(number), frame);
        option->setObjectName(QStringLiteral("PortCom%1").arg(number));
        auto* device = new QLabel(frame);
        device->setObjectName(Indexed("lblDevice", number));
        device->setTextInteractionFlags(Qt::TextSelectableByMouse);
        portGroup_->addButton(option, number);
        ports_[static_cast<std::size_t>(number - 1)] = option;
        portDevices_[static_cast<std::size_t>(number - 1)] = device;
        grid->addWidget(option, number - 1, 0);
        grid->addWidget(device, number - 1, 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(3, 1);
    connect(portGroup_, &QButtonGroup::idClicked, this, [this](int number) {
        if (updating_) return;
        settings_.selectPortOption(number);
        devices_->showPort(number);
    });
    return frame;
}

QGroupBox* SerialSetupDialog::buildLineSettings() {
    auto* frame = new QGroupBox(QStringLiteral("Settings"), this);
    frame->setObjectName(QStringLiteral("fraSettings"));
    auto* row = new QHBoxLayout(frame);
    QStringList parities;
    for (const ParityOption& option : kParityOptions) parities.append(Latin1(option.caption));
    row->addWidget(buildOptions("fraBaudRate", QStringLiteral("Baud rate"), "opt_BaudRate", Texts(kBaudRates), 2, baud_));
    row->addWidget(buildOptions("fraParity", QStringLiteral("Parity"), "opt_Parity", parities, 1, parity_));
    row->addWidget(buildOptions("fraDataBits", QStringLiteral("Data bits"), "opt_DataBits", Texts(kDataBits), 1, dataBits_));
    row->addWidget(buildOptions("fraStopBits", QStringLiteral("Stop bits"), "optStopBits", Texts(kStopBits), 1, stopBits_));
    return frame;
}

QGroupBox* SerialSetupDialog::buildOptions(const char* frame, const QString& caption, const char* control,
                                           const QStringList& values, int columns, QButtonGroup*& group) {
    auto* box = new QGroupBox(caption, this);
    box->setObjectName(QLatin1String(frame));
    auto* grid = new QGridLayout(box);
    group = new QButtonGroup(box);
    const int rows = (static_cast<int>(values.size()) + columns - 1) / columns;
    for (int index = 0; index < values.size(); ++index) {
        auto* option = new QRadioButton(values[index], box);
        option->setObjectName(Indexed(control, index));
        option->setAccessibleName(caption + QLatin1Char(' ') + values[index]);
        group->addButton(option, index);
        grid->addWidget(option, index % rows, index / rows);
    }
    grid->setRowStretch(rows, 1);
    connect(group, &QButtonGroup::idClicked, this, &SerialSetupDialog::chooseOption);
    return box;
}

QGroupBox* SerialSetupDialog::buildTimeout() {
    auto* frame = new QGroupBox(QStringLiteral("Timeout"), this);
    frame->setObjectName(QStringLiteral("fraTimeout"));
    slider_ = new QSlider(Qt::Horizontal, frame);
    slider_->setObjectName(QStringLiteral("Slider1"));
    slider_->setAccessibleName(QStringLiteral("Reply time-out in seconds"));
    slider_->setRange(1, kLongestTimeoutSeconds);
    slider_->setTickPosition(QSlider::TicksBelow);
    slider_->setTickInterval(5);
    slider_->setPageStep(5);
    slider_->setToolTip(QStringLiteral("How long to wait for each reply; a change counts from the next start of "
                                       "the program"));
    sliderValue_ = new QLabel(frame);
    sliderValue_->setObjectName(QStringLiteral("lblTimeout"));
    sliderValue_->setMinimumWidth(sliderValue_->fontMetrics().horizontalAdvance(QStringLiteral("3600 s")));
    auto* layout = new QHBoxLayout(frame);
    layout->addWidget(slider_, 1);
    layout->addWidget(sliderValue_);
    connect(slider_, &QSlider::valueChanged, this, [this](int seconds) {
        sliderValue_->setText(QStringLiteral("%1 s").arg(updating_ ? settings_.sliderValue() : seconds));
        if (!updating_) settings_.setSliderValue(seconds);
    });
    return frame;
}

QWidget* SerialSetupDialog::buildLink() {
    auto* area = new QWidget(this);
    auto* grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addLayout(buildLamps(area), 0, 0);

    log_ = new QPlainTextEdit(area);
    log_->setObjectName(QStringLiteral("StatusBar"));
    log_->setReadOnly(true);
    log_->setLineWrapMode(QPlainTextEdit::NoWrap);
    log_->setMinimumHeight(log_->fontMetrics().height() * 8);
    QFont fixed(QStringLiteral("monospace"));
    fixed.setStyleHint(QFont::TypeWriter);
    log_->setFont(fixed);
    auto* logCaption = new QLabel(QStringLiteral("&Link log (newest first):"), area);
    logCaption->setBuddy(log_);
    grid->addWidget(logCaption, 1, 0);
    grid->addWidget(log_, 2, 0);
    grid->setRowStretch(2, 1);
    return area;
}

// The connect buttons, the modem lines (DTR and RTS can be switched), the transfer lamp and the session state.
QLayout* SerialSetupDialog::buildLamps(QWidget* area) {
    connect_ = Button(area, "PortConnect", QStringLiteral("&Connect"));
    disconnect_ = Button(area, "PortDisconnect", QStringLiteral("&Disconnect"));
    connect(connect_, &QPushButton::clicked, &settings_, &LinkSettings::connectPort);
    connect(disconnect_, &QPushButton::clicked, &settings_, &LinkSettings::disconnectPort);

    auto* lamps = new QHBoxLayout;
    lamps->addWidget(connect_);
    lamps->addWidget(disconnect_);
    lamps->addSpacing(16);
    const struct {
        const char* name;
        const char* caption;
        const char* line;
    } kLines[] = {{"lbl_CD", "CD", "carrier detect"},
                  {"lbl_CTS", "CTS", "clear to send"},
                  {"lbl_DSR", "DSR", "data set ready"},
                  {"lbl_DTR", "DTR", "data terminal ready"},
                  {"lbl_RTS", "RTS", "request to send"}};
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        auto* lamp = new LineLamp(QLatin1String(kLines[i].caption), QLatin1String(kLines[i].line), area);
        lamp->setObjectName(QLatin1String(kLines[i].name));
        lines_[i] = lamp;
        lamps->addWidget(lamp);
    }
    lines_[3]->setClickable(true);
    lines_[4]->setClickable(true);
    connect(lines_[3], &LineLamp::clicked, &link_, &SerialLink::toggleDataTerminalReady);
    connect(lines_[4], &LineLamp::clicked, &link_, &SerialLink::toggleRequestToSend);
    transfer_ = new LineLamp(QStringLiteral("transfer"), QStringLiteral("transfer"), area);
    transfer_->setObjectName(QStringLiteral("lbl_working"));
    lamps->addSpacing(16);
    lamps->addWidget(transfer_);
    lamps->addStretch();

    state_ = new QLineEdit(area);
    state_->setObjectName(QStringLiteral("Text1"));
    state_->setReadOnly(true);
    state_->setMaximumWidth(state_->fontMetrics().horizontalAdvance(QStringLiteral("waitM")) * 3);
    auto* stateCaption = new QLabel(QStringLiteral("Session &state:"), area);
    stateCaption->setBuddy(state_);
    lamps->addWidget(stateCaption);
    lamps->addWidget(state_);
    return lamps;
}

void SerialSetupDialog::refresh() {
    showModel();
    devices_->refresh();
}

void SerialSetupDialog::showModel() {
    showPorts();
    if (settings_.selectedPortOption() != 0) devices_->showPort(settings_.selectedPortOption());
    showOptions();
    showConnection();
    showTransfer();
    state_->setText(QString::fromStdString(link_.stateDisplay()));
    showLog();
}

void SerialSetupDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    devices_->refresh();
    if (logStale_) showLog();
}

void SerialSetupDialog::setSendRunning(bool running) {
    running_ = running;
    for (QGroupBox* frame : settingFrames_) frame->setEnabled(!running);
    save_->setEnabled(!running);
    lines_[3]->setEnabled(!running);
    lines_[4]->setEnabled(!running);
    busy_->setVisible(running);
    showConnection();
}

void SerialSetupDialog::chooseOption() {
    if (updating_) return;
    LinkOptions options;
    options.baud = baud_->checkedId();
    options.parity = parity_->checkedId();
    options.dataBits = dataBits_->checkedId();
    options.stopBits = stopBits_->checkedId();
    settings_.setOptions(options);
}

void SerialSetupDialog::showPorts() {
    updating_ = true;
    const int selected = settings_.selectedPortOption();
    for (int number = 1; number <= 3; ++number) {
        const auto index = static_cast<std::size_t>(number - 1);
        ports_[index]->setEnabled(settings_.portOptionEnabled(number));
        portDevices_[index]->setText(QString::fromStdString(settings_.portDevice(number)));
        portDevices_[index]->setEnabled(settings_.portOptionEnabled(number));
    }
    CheckOnly(portGroup_, selected);
    updating_ = false;
}

void SerialSetupDialog::showOptions() {
    updating_ = true;
    const LinkOptions& options = settings_.options();
    CheckOnly(baud_, options.baud);
    CheckOnly(parity_, options.parity);
    CheckOnly(dataBits_, options.dataBits);
    CheckOnly(stopBits_, options.stopBits);
    slider_->setValue(settings_.sliderValue());
    sliderValue_->setText(QStringLiteral("%1 s").arg(settings_.sliderValue()));
    updating_ = false;
}

void SerialSetupDialog::showConnection() {
    connect_->setEnabled(!running_ && settings_.connectEnabled());
    disconnect_->setEnabled(!running_ && settings_.disconnectEnabled());
    showPorts();
    showIndicators();
}

void SerialSetupDialog::showIndicators() {
    const LinkIndicators& now = link_.indicators();
    lines_[0]->showLine(now.carrierDetect);
    lines_[1]->showLine(now.clearToSend);
    lines_[2]->showLine(now.dataSetReady);
    lines_[3]->showLine(now.dataTerminalReady);
    lines_[4]->showLine(now.requestToSend);
}

void SerialSetupDialog::showTransfer() {
    const bool bright = link_.transferIndicatorBright();
    transfer_->showColour(bright ? LineLamp::kTransferBright : LineLamp::kTransferDark,
                          bright ? QStringLiteral("idle") : QStringLiteral("busy"));
}

void SerialSetupDialog::showLog() {
    QStringList lines;
    for (const std::string& entry : link_.linkLog().entries()) lines.append(LogLine(entry));
    log_->setPlainText(lines.join(QLatin1Char('\n')));
    logShown_ = link_.linkLog().entries().size();
    logStale_ = false;
}

// The newest entry goes on top, as the log reads. A hidden dialog catches up when it is shown.
void SerialSetupDialog::addLogEntry(const std::string& entry) {
    if (!isVisible()) {
        logStale_ = true;
        return;
    }
    if (++logShown_ > LinkLog::kCapacity + kLogSlack) {
        showLog();
        return;
    }
    QScrollBar* scroll = log_->verticalScrollBar();
    const bool atTop = scroll->value() == scroll->minimum();
    QTextCursor cursor(log_->document());
    cursor.movePosition(QTextCursor::Start);
    cursor.insertText(log_->document()->isEmpty() ? LogLine(entry) : LogLine(entry) + QLatin1Char('\n'));
    if (atTop) scroll->setValue(scroll->minimum());
}

}  // namespace koru
