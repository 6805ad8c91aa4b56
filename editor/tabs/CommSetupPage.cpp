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
#include "model/SettingCodecs.h"

namespace koru {

namespace {

QString Bare(const QString& caption) { return caption.endsWith(QLatin1Char(':')) ? caption.chopped(1) : caption; }

// A caption and the options of one group below each other, the first option the caption's buddy.
struct OptionRow {
    const OptionGroup& group;
    std::initializer_list<std::pair<std::string_view, QString>> options;  // value, caption
};

void AddOptions(FieldFactory& factory, QGroupBox* radio, QGridLayout* grid, const QString& caption,
                const OptionRow& row, bool enabled) {
    const int line = grid->rowCount();
    auto* column = new QVBoxLayout;
    QWidget* first = nullptr;
    for (const auto& [value, text] : row.options) {
        QRadioButton* option = factory.option(radio, row.group, 0, value, text, Bare(caption) + QLatin1String(": ") + text);
        option->setEnabled(enabled);
        column->addWidget(option);
        if (first == nullptr) first = option;
    }
    grid->addWidget(FieldFactory::caption(radio, caption, first), line, 0, Qt::AlignTop);
    grid->addLayout(column, line, 1, 1, 2);
}

}  // namespace

CommSetupPage::CommSetupPage(FieldFactory& factory, QWidget* parent) : TabPage(factory, controls::kCommSetupTab, parent) {
    QWidget* page = content();
    const auto [left, right] = columns(3, 2);

    QGroupBox* radio = factory.group(page, QStringLiteral("Radio setup"));
    buildRadio(radio);
    left->addWidget(radio);
    QGroupBox* serial = factory.group(page, QStringLiteral("Serial communication setup"));
    buildSerial(serial);
    left->addWidget(serial);
    left->addStretch(1);

    buildTimersAndCounters(right);
    // Settings of modules the unit may get one day; their sections are kept empty in the file.
    for (const auto& [caption, name] : {std::pair{"Web module setup", controls::kWebModule},
                                        std::pair{"GSM setup", controls::kGsmModule}}) {
        QGroupBox* module = factory.group(page, QString::fromLatin1(caption), name);
        module->hide();
        right->addWidget(module);
    }
    right->addStretch(1);
}

void CommSetupPage::buildRadio(QGroupBox* radio) {
    const RadioSetup& values = factory().values().radio;
    auto* grid = new QGridLayout(radio);
    grid->setColumnStretch(2, 1);
    channel_ = factory().choice(radio, values.channel, QStringLiteral("Channel"));
    channel_->setMinimumWidth(FieldWidth(channel_, 8));
    grid->addWidget(FieldFactory::caption(radio, QStringLiteral("Channel:"), channel_), 0, 0);
    grid->addWidget(channel_, 0, 1);
    frequency_ = factory().value(radio, controls::kFrequency, QStringLiteral("Frequency"));
    frequency_->setFrameStyle(QFrame::NoFrame);
    grid->addWidget(frequency_, 0, 2);
    for (const auto& [caption, value] : {std::pair{QStringLiteral("Protocol:"), &values.protocol},
                                         std::pair{QStringLiteral("Number of retransmissions:"), &values.retransmitt}}) {
        const int row = grid->rowCount();
        ChoiceBox* box = factory().choice(radio, *value, Bare(caption));
        grid->addWidget(FieldFactory::caption(radio, caption, box), row, 0);
        grid->addWidget(box, row, 1, 1, 2, Qt::AlignLeft);
    }

    QLineEdit* minimum =
        factory().text(radio, values.retransmissionMinTime, QStringLiteral("Retransmission time minimum"));
    QLineEdit* maximum =
        factory().text(radio, values.retransmissionMaxTime, QStringLiteral("Retransmission time maximum"));
    factory().checkTogether(minimum, maximum);
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

    AddOptions(factory(), radio, grid, QStringLiteral("Broadcast:"),
               {kBroadcastGroup,
                {{"1", QStringLiteral("Send to all units")},
                 {"2", QStringLiteral("Send only to lower units")},
                 {"3", QStringLiteral("Don't send broadcast")}}},
               false);
    AddOptions(factory(), radio, grid, QStringLiteral("Gateway:"),
               {kGatewayGroup, {{"1", QStringLiteral("On")}, {"0", QStringLiteral("Off")}}}, true);
    grid->addWidget(factory().flag(radio, values.generalBroadcast, QStringLiteral("Receive general broadcast")),
                    grid->rowCount(), 0, 1, 3);
}

void CommSetupPage::buildSerial(QGroupBox* serial) {
    const SerialSetup& values = factory().values().serial;
    auto* grid = new QGridLayout(serial);
    grid->setColumnStretch(2, 1);
    const std::pair<const char*, const Text*> rows[] = {
        {"Baudrate:", &values.baudrate},    {"Number of bits:", &values.numberOfBits},
        {"Parity:", &values.parity},        {"Stop bit:", &values.stopBit},
        {"Protocol:", &values.serialProtocol}, {"Timeout:", &values.serialTimeout},
        {"End of data:", &values.endOfText},
    };
    int row = 0;
    for (const auto& [caption, value] : rows) {
        const QString text = QString::fromLatin1(caption);
        ChoiceBox* box = factory().choice(serial, *value, QStringLiteral("Serial ") + Bare(text));
        grid->addWidget(FieldFactory::caption(serial, text, box), row, 0);
        grid->addWidget(box, row++, 1);
    }
}

void CommSetupPage::buildTimersAndCounters(QBoxLayout* column) {
    const UnitConfiguration& values = factory().values();
    QGroupBox* timers = factory().group(content(), QStringLiteral("Timer setup"));
    auto* timerGrid = new QGridLayout(timers);
    timerGrid->setColumnStretch(3, 1);
    for (int i = 0; i < kTimerCount; ++i) {
        const QString row = QStringLiteral("Timer %1").arg(i + 1);
        const TimerSetup& timer = values.timers[static_cast<std::size_t>(i)];
        QLineEdit* time = factory().text(timers, timer.time, row + QLatin1String(": time"));
        timerGrid->addWidget(FieldFactory::caption(timers, row + QLatin1Char(':'), time), i, 0);
        timerGrid->addWidget(time, i, 1);
        ChoiceBox* unit = factory().choice(timers, timer.unit, row + QLatin1String(": unit"));
        factory().checkTogether(time, unit);
        timerGrid->addWidget(unit, i, 2);
    }
    column->addWidget(timers);

    QGroupBox* counters = factory().group(content(), QStringLiteral("Counter setup"));
    auto* counterGrid = new QGridLayout(counters);
    counterGrid->setColumnStretch(2, 1);
    for (int i = 0; i < kCounterCount; ++i) {
        const QString row = QStringLiteral("Counter %1").arg(i + 1);
        QLineEdit* count = factory().text(counters, values.counters[static_cast<std::size_t>(i)].counter, row);
        counterGrid->addWidget(FieldFactory::caption(counters, row + QLatin1Char(':'), count), i, 0);
        counterGrid->addWidget(count, i, 1);
    }
    column->addWidget(counters);
}

}  // namespace koru
