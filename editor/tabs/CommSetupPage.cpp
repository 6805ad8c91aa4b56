#include "editor/tabs/CommSetupPage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "editor/ChoiceBox.h"
#include "model/UnitConfiguration.h"

namespace koru {

namespace {

QString Bare(const QString& caption) { return caption.endsWith(QLatin1Char(':')) ? caption.chopped(1) : caption; }

void BuildRadio(FieldFactory& factory, QGroupBox* radio) {
    auto* grid = new QGridLayout(radio);
    grid->setColumnStretch(2, 1);
    ChoiceBox* channel = factory.choice(radio, "cmbRadioFreq", -1, QStringLiteral("Channel"));
    channel->setMinimumWidth(FieldWidth(channel, 8));
    grid->addWidget(FieldFactory::caption(radio, QStringLiteral("Channel:"), channel), 0, 0);
    grid->addWidget(channel, 0, 1);
    QLabel* frequency = factory.value(radio, "lblFreq", -1, QStringLiteral("Frequency"));
    frequency->setFrameStyle(QFrame::NoFrame);
    grid->addWidget(frequency, 0, 2);
    const auto choiceRow = [&](const QString& caption, std::string_view control) {
        const int row = grid->rowCount();
        ChoiceBox* box = factory.choice(radio, control, -1, Bare(caption));
        grid->addWidget(FieldFactory::caption(radio, caption, box), row, 0);
        grid->addWidget(box, row, 1, 1, 2, Qt::AlignLeft);
    };
    choiceRow(QStringLiteral("Protocol:"), "cmbRadioProtocol");
    choiceRow(QStringLiteral("Number of retransmissions:"), "cmbNrOfRetransmissions");

    QLineEdit* minimum =
        factory.text(radio, "txtRetransmissionMinTime", -1, QStringLiteral("Retransmission time minimum"));
    QLineEdit* maximum =
        factory.text(radio, "txtRetransmissionMaxTime", -1, QStringLiteral("Retransmission time maximum"));
    minimum->setMaximumWidth(FieldWidth(minimum, 7));
    maximum->setMaximumWidth(FieldWidth(maximum, 7));
    auto* times = new QHBoxLayout;
    times->addWidget(minimum);
    times->addWidget(new QLabel(QStringLiteral("-"), radio));
    times->addWidget(maximum);
    times->addWidget(new QLabel(QStringLiteral("ms"), radio));
    times->addStretch(1);
    const int timesRow = grid->rowCount();
    grid->addWidget(FieldFactory::caption(radio, QStringLiteral("Retransmissiontime:"), minimum), timesRow, 0);
    grid->addLayout(times, timesRow, 1, 1, 2);

    const auto optionRow = [&](const QString& caption, std::initializer_list<std::pair<std::string_view, QString>> options,
                               bool enabled) {
        const int row = grid->rowCount();
        auto* column = new QVBoxLayout;
        QWidget* first = nullptr;
        for (const auto& [control, text] : options) {
            QRadioButton* option = factory.option(radio, control, -1, text, Bare(caption) + QLatin1String(": ") + text);
            option->setEnabled(enabled);
            column->addWidget(option);
            if (first == nullptr) first = option;
        }
        grid->addWidget(FieldFactory::caption(radio, caption, first), row, 0, Qt::AlignTop);
        grid->addLayout(column, row, 1, 1, 2);
    };
    optionRow(QStringLiteral("Broadcast:"),
              {{"optAllOn", QStringLiteral("Send to all units")},
               {"optOnlyDown", QStringLiteral("Send only to lower units")},
               {"optAllOff", QStringLiteral("Don't send broadcast")}},
              false);
    optionRow(QStringLiteral("Gateway:"), {{"optGatewayOn", QStringLiteral("On")}, {"optGatewayOff", QStringLiteral("Off")}},
              true);
    grid->addWidget(factory.flag(radio, "chkReceiveGeneralBroadcast", -1, QStringLiteral("Receive general broadcast")),
                    grid->rowCount(), 0, 1, 3);
}

void BuildSerial(FieldFactory& factory, QGroupBox* serial) {
    auto* grid = new QGridLayout(serial);
    grid->setColumnStretch(2, 1);
    const std::pair<const char*, std::string_view> rows[] = {
        {"Baudrate:", "cmbSerialBaudrate"},     {"Number of bits:", "cmbSerialBits"},
        {"Parity:", "cmbSerialParity"},         {"Stop bit:", "cmbSerialStopBit"},
        {"Protocol:", "cmbSerialProtocol"},     {"Timeout:", "cmbSerialTimeout"},
        {"End of data:", "cmbEndOfText"},
    };
    int row = 0;
    for (const auto& [caption, control] : rows) {
        const QString text = QString::fromLatin1(caption);
        ChoiceBox* box = factory.choice(serial, control, -1, QStringLiteral("Serial ") + Bare(text));
        grid->addWidget(FieldFactory::caption(serial, text, box), row, 0);
        grid->addWidget(box, row++, 1);
    }
}

}  // namespace

CommSetupPage::CommSetupPage(FieldFactory& factory, QWidget* parent) : TabPage(factory, "fraCommSetup", parent) {
    QWidget* page = content();
    auto* columns = new QHBoxLayout(page);
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    columns->addLayout(left, 3);
    columns->addLayout(right, 2);

    QGroupBox* radio = factory.group(page, QStringLiteral("Radio setup"));
    BuildRadio(factory, radio);
    left->addWidget(radio);
    QGroupBox* serial = factory.group(page, QStringLiteral("Serial communication setup"));
    BuildSerial(factory, serial);
    left->addWidget(serial);
    left->addStretch(1);

    QGroupBox* timers = factory.group(page, QStringLiteral("Timer setup"));
    auto* timerGrid = new QGridLayout(timers);
    timerGrid->setColumnStretch(3, 1);
    for (int i = 0; i < kTimerCount; ++i) {
        const QString row = QStringLiteral("Timer %1").arg(i + 1);
        QLineEdit* time = factory.text(timers, "txtTime", i, row + QLatin1String(": time"));
        timerGrid->addWidget(FieldFactory::caption(timers, row + QLatin1Char(':'), time), i, 0);
        timerGrid->addWidget(time, i, 1);
        timerGrid->addWidget(factory.choice(timers, "cmbTimerUnit", i, row + QLatin1String(": unit")), i, 2);
    }
    right->addWidget(timers);

    QGroupBox* counters = factory.group(page, QStringLiteral("Counter setup"));
    auto* counterGrid = new QGridLayout(counters);
    counterGrid->setColumnStretch(2, 1);
    for (int i = 0; i < kCounterCount; ++i) {
        const QString row = QStringLiteral("Counter %1").arg(i + 1);
        QLineEdit* count = factory.text(counters, "txtCount", i, row);
        counterGrid->addWidget(FieldFactory::caption(counters, row + QLatin1Char(':'), count), i, 0);
        counterGrid->addWidget(count, i, 1);
    }
    right->addWidget(counters);

    // Settings of modules the unit may get one day; their sections are kept empty in the file.
    for (const auto& [caption, control] : {std::pair<const char*, std::string_view>{"Web module setup", "fraWeb"},
                                           std::pair<const char*, std::string_view>{"GSM setup", "fraGSM"}}) {
        QGroupBox* module = factory.group(page, QString::fromLatin1(caption), control);
        module->hide();
        right->addWidget(module);
    }
    right->addStretch(1);
}

}  // namespace koru
