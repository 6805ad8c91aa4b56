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

namespace koru {

namespace {

// A grid of "Caption: field" rows for the number fields of one input.
QWidget* NumberFrame(FieldFactory& factory, QWidget* parent, std::string_view frameControl, int input,
                     std::initializer_list<std::pair<const char*, std::string_view>> rows, const QString& rowName) {
    QWidget* frame = factory.frame(parent, frameControl, input);
    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(0, 0, 0, 0);
    int row = 0;
    for (const auto& [caption, control] : rows) {
        const QString text = QString::fromLatin1(caption);
        QLineEdit* field = factory.text(frame, control, input, rowName + QLatin1String(": ") + text.chopped(1));
        field->setMaximumWidth(FieldWidth(field, 10));
        grid->addWidget(FieldFactory::caption(frame, text, field), row, 0);
        grid->addWidget(field, row++, 1);
    }
    grid->setRowStretch(row, 1);
    return frame;
}

QGroupBox* InputFrame(FieldFactory& factory, QWidget* parent, int input) {
    const QString name = QStringLiteral("Input %1").arg(input + 1);
    QGroupBox* frame = factory.group(parent, name, "fraInput", input);
    auto* grid = new QGridLayout(frame);
    grid->addWidget(factory.flag(frame, "chkOnOff", input, QStringLiteral("On / Off"), name + QLatin1String(": On / Off")),
                    0, 0);

    QWidget* type = factory.frame(frame, "fraInputType", input);
    auto* typeRow = new QHBoxLayout(type);
    typeRow->setContentsMargins(0, 0, 0, 0);
    typeRow->addWidget(factory.option(type, "opAnalogue", input, QStringLiteral("Analogue"),
                                      name + QLatin1String(": Analogue")));
    typeRow->addWidget(factory.option(type, "optDigital", input, QStringLiteral("Digital"),
                                      name + QLatin1String(": Digital")));
    typeRow->addStretch(1);
    grid->addWidget(type, 0, 1);

    grid->addWidget(NumberFrame(factory, frame, "fraInputLimit", input,
                                {{"Upper limit:", "txtLimit1"}, {"Lower limit:", "txtLimit2"}}, name),
                    1, 0, Qt::AlignTop);
    grid->addWidget(NumberFrame(factory, frame, "fraAnalogueValues", input,
                                {{"Hysteresis:", "txtHysteresis"},
                                 {"Hysteresis:", "txtHysteresisLow"},
                                 {"Scale:", "txtScale"},
                                 {"Offset:", "txtOffset"}},
                                name),
                    1, 1, Qt::AlignTop);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(2, 1);
    return frame;
}

}  // namespace

InputSleepPage::InputSleepPage(FieldFactory& factory, QWidget* parent) : TabPage(factory, {}, parent) {
    QWidget* page = content();
    auto* layout = new QVBoxLayout(page);

    QGroupBox* inputs = factory.group(page, QStringLiteral("Input setup"), "fraIO");
    layout->addWidget(inputs);
    auto* inputLayout = new QVBoxLayout(inputs);
    auto* range = new QHBoxLayout;
    inputLayout->addLayout(range);
    QRadioButton* base = factory.option(inputs, "optBaseVolt", -1, QStringLiteral("0 - 2.5 V"),
                                        QStringLiteral("Voltage range: 0 - 2.5 V"));
    range->addWidget(FieldFactory::caption(inputs, QStringLiteral("Voltage range:"), base));
    range->addWidget(base);
    range->addWidget(factory.option(inputs, "optStarterKitVolt", -1, QStringLiteral("0 - 30 V"),
                                    QStringLiteral("Voltage range: 0 - 30 V")));
    range->addWidget(factory.option(inputs, "optUserDefineVolt", -1, QString(),
                                    QStringLiteral("Voltage range: user defined")));
    QLineEdit* minimum = factory.text(inputs, "txtDefMinVolt", -1, QStringLiteral("User defined voltage minimum"));
    QLineEdit* maximum = factory.text(inputs, "txtDefMaxVolt", -1, QStringLiteral("User defined voltage maximum"));
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
        grid->addWidget(InputFrame(factory, inputs, input), input / kColumns, input % kColumns);
    }
    for (int column = 0; column < kColumns; ++column) grid->setColumnStretch(column, 1);

    QGroupBox* sleep = factory.group(page, QStringLiteral("Sleep setup"), "fraSleepSetup");
    layout->addWidget(sleep);
    auto* sleepRow = new QHBoxLayout(sleep);
    QCheckBox* sleepMode = factory.flag(sleep, "chkSleepModeOn", -1, QStringLiteral("Enable sleep mode"));
    sleepRow->addWidget(sleepMode);
    QWidget* edge = factory.frame(sleep, "fraSleepHighLow");
    ShowWhenOn(sleepMode, edge);
    auto* edgeRow = new QHBoxLayout(edge);
    edgeRow->setContentsMargins(0, 0, 0, 0);
    edgeRow->addWidget(factory.option(edge, "optSleepLow", -1, QStringLiteral("Sleep event on low")));
    edgeRow->addWidget(factory.option(edge, "optSleepHigh", -1, QStringLiteral("Sleep event on high")));
    sleepRow->addWidget(edge);
    sleepRow->addStretch(1);
    layout->addStretch(1);
}

}  // namespace koru
