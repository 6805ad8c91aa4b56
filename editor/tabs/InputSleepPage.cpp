#include "editor/tabs/InputSleepPage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "editor/tabs/EventRows.h"
#include "model/SettingCodecs.h"

namespace koru {

namespace {

// A grid of "Caption: field" rows for the number fields of one input.
QWidget* NumberFrame(FieldFactory& factory, QWidget* parent, std::string_view frameName, int input,
                     std::initializer_list<std::pair<const char*, const Text*>> rows, const QString& rowName) {
    QWidget* frame = factory.frame(parent, frameName, input);
    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(0, 0, 0, 0);
    int row = 0;
    for (const auto& [caption, value] : rows) {
        const QString text = QString::fromLatin1(caption);
        QLineEdit* field = factory.text(frame, *value, rowName + QLatin1String(": ") + text.chopped(1));
        field->setMaximumWidth(FieldWidth(field, 10));
        grid->addWidget(FieldFactory::caption(frame, text, field), row, 0);
        grid->addWidget(field, row++, 1);
    }
    grid->setRowStretch(row, 1);
    return frame;
}

// What an input shows: its type and limits while it is on, its analogue values while it is also analogue.
void ShowWhatApplies(QCheckBox* on, QRadioButton* analogue, QRadioButton* digital, QWidget* type, QWidget* limits,
                     QWidget* analogueValues) {
    const auto show = [=] {
        type->setVisible(on->isChecked());
        limits->setVisible(on->isChecked());
        analogueValues->setVisible(on->isChecked() && analogue->isChecked());
    };
    show();
    QObject::connect(on, &QCheckBox::toggled, type, show);
    QObject::connect(analogue, &QRadioButton::toggled, type, show);
    QObject::connect(digital, &QRadioButton::toggled, type, show);
}

}  // namespace

InputSleepPage::InputSleepPage(FieldFactory& factory, QWidget* parent) : TabPage(factory, {}, parent) {
    auto* layout = new QVBoxLayout(content());
    layout->addWidget(buildInputs());
    layout->addWidget(buildSleep());
    layout->addStretch(1);
}

QGroupBox* InputSleepPage::buildInputs() {
    const InputSection& values = factory().values().input;
    QGroupBox* inputs = factory().group(content(), QStringLiteral("Input setup"), controls::kInputs);
    auto* inputLayout = new QVBoxLayout(inputs);
    auto* range = new QHBoxLayout;
    inputLayout->addLayout(range);
    QRadioButton* base = factory().option(inputs, kVoltageRangeGroup, 0, kBaseVoltage, QStringLiteral("0 - 2.5 V"),
                                          QStringLiteral("Voltage range: 0 - 2.5 V"));
    range->addWidget(FieldFactory::caption(inputs, QStringLiteral("Voltage range:"), base));
    range->addWidget(base);
    range->addWidget(factory().option(inputs, kVoltageRangeGroup, 0, kStarterKitVoltage, QStringLiteral("0 - 30 V"),
                                      QStringLiteral("Voltage range: 0 - 30 V")));
    range->addWidget(factory().option(inputs, kVoltageRangeGroup, 0, kUserVoltage, QString(),
                                      QStringLiteral("Voltage range: user defined")));
    QLineEdit* minimum = factory().text(inputs, values.userMinVolt, QStringLiteral("User defined voltage minimum"));
    QLineEdit* maximum = factory().text(inputs, values.userMaxVolt, QStringLiteral("User defined voltage maximum"));
    minimum->setMaximumWidth(FieldWidth(minimum, 7));
    maximum->setMaximumWidth(FieldWidth(maximum, 7));
    range->addWidget(minimum);
    range->addWidget(new QLabel(QStringLiteral("-"), inputs));
    range->addWidget(maximum);
    range->addWidget(new QLabel(QStringLiteral("V"), inputs));
    range->addStretch(1);

    auto* grid = new QGridLayout;
    inputLayout->addLayout(grid);
    constexpr int kColumns = 3;
    for (int input = 0; input < kInputCount; ++input) {
        grid->addWidget(buildInput(inputs, input), input / kColumns, input % kColumns);
    }
    for (int column = 0; column < kColumns; ++column) grid->setColumnStretch(column, 1);
    return inputs;
}

QGroupBox* InputSleepPage::buildInput(QWidget* parent, int input) {
    const InputSetup& values = factory().values().input.inputs[static_cast<std::size_t>(input)];
    const QString name = QStringLiteral("Input %1").arg(input + 1);
    QGroupBox* frame = factory().group(parent, name, controls::kInput, input);
    auto* grid = new QGridLayout(frame);
    QCheckBox* on = factory().flag(frame, values.on, QStringLiteral("On / Off"), name + QLatin1String(": On / Off"));
    grid->addWidget(on, 0, 0);

    QWidget* type = factory().frame(frame, controls::kInputType, input);
    auto* typeRow = new QHBoxLayout(type);
    typeRow->setContentsMargins(0, 0, 0, 0);
    QRadioButton* analogue = factory().option(type, kInputTypeGroup, input, "A", QStringLiteral("Analogue"),
                                              name + QLatin1String(": Analogue"));
    QRadioButton* digital = factory().option(type, kInputTypeGroup, input, "D", QStringLiteral("Digital"),
                                             name + QLatin1String(": Digital"));
    typeRow->addWidget(analogue);
    typeRow->addWidget(digital);
    typeRow->addStretch(1);
    grid->addWidget(type, 0, 1);

    QWidget* limits = NumberFrame(factory(), frame, controls::kInputLimits, input,
                                  {{"Upper limit:", &values.upperLimit}, {"Lower limit:", &values.lowerLimit}}, name);
    grid->addWidget(limits, 1, 0, Qt::AlignTop);
    QWidget* analogueValues = NumberFrame(factory(), frame, controls::kAnalogueValues, input,
                                          {{"Hysteresis:", &values.upperHysteresis},
                                           {"Hysteresis:", &values.lowerHysteresis},
                                           {"Scale:", &values.scale},
                                           {"Offset:", &values.offset}},
                                          name);
    grid->addWidget(analogueValues, 1, 1, Qt::AlignTop);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(2, 1);
    ShowWhatApplies(on, analogue, digital, type, limits, analogueValues);
    return frame;
}

QGroupBox* InputSleepPage::buildSleep() {
    QGroupBox* sleep = factory().group(content(), QStringLiteral("Sleep setup"), controls::kSleepSetup);
    auto* sleepRow = new QHBoxLayout(sleep);
    QCheckBox* sleepMode =
        factory().flag(sleep, factory().values().input.sleepOn, QStringLiteral("Enable sleep mode"));
    sleepRow->addWidget(sleepMode);
    QWidget* edge = factory().frame(sleep, controls::kSleepEdge);
    ShowWhenOn(sleepMode, edge);
    auto* edgeRow = new QHBoxLayout(edge);
    edgeRow->setContentsMargins(0, 0, 0, 0);
    edgeRow->addWidget(factory().option(edge, kSleepEdgeGroup, 0, "0", QStringLiteral("Sleep event on low")));
    edgeRow->addWidget(factory().option(edge, kSleepEdgeGroup, 0, "1", QStringLiteral("Sleep event on high")));
    sleepRow->addWidget(edge);
    sleepRow->addStretch(1);
    return sleep;
}

}  // namespace koru
