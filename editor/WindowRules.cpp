#include "editor/WindowRules.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include "editor/ChoiceBox.h"
#include "editor/ControlSet.h"
#include "editor/ListItems.h"
#include "editor/SettingBinder.h"
#include "model/FieldChecks.h"
#include "model/UnitConfiguration.h"
#include "platform/widgets/WidgetText.h"

namespace koru {

WindowRules::WindowRules(const ControlSet& controls, const SettingBinder& binder, QObject* parent)
    : QObject(parent), controls_(controls) {
    connectInputs();
    connectMirrors(binder);
}

void WindowRules::connectInputs() {
    for (int input = 0; input < kInputCount; ++input) {
        const auto show = [this, input] { showInput(input); };
        connect(controls_.get<QCheckBox>("chkOnOff", input), &QCheckBox::toggled, this, show);
        connect(controls_.get<QRadioButton>("opAnalogue", input), &QRadioButton::toggled, this, show);
        connect(controls_.get<QRadioButton>("optDigital", input), &QRadioButton::toggled, this, show);
    }
}

void WindowRules::showInput(int input) {
    const bool on = controls_.get<QCheckBox>("chkOnOff", input)->isChecked();
    const bool analogue = controls_.get<QRadioButton>("opAnalogue", input)->isChecked();
    controls_.find("fraInputType", input)->setVisible(on);
    controls_.find("fraInputLimit", input)->setVisible(on);
    controls_.find("fraAnalogueValues", input)->setVisible(on && analogue);
}

void WindowRules::connectMirrors(const SettingBinder& binder) {
    auto* alias = controls_.get<QLineEdit>("txtAlias", -1);
    auto* aliasMirror = controls_.get<QLabel>("lblAlias", -1);
    connect(alias, &QLineEdit::textChanged, aliasMirror, &QLabel::setText);
    auto* type = controls_.get<ChoiceBox>("cmbTypeOfUnit", -1);
    auto* typeMirror = controls_.get<QLabel>("lblType", -1);
    connect(type, &QComboBox::currentTextChanged, typeMirror, [type, typeMirror] { typeMirror->setText(type->value()); });

    auto* upper = controls_.get<QLabel>("lblSelectedMaster", -1);
    auto* upperMirror = controls_.get<QLabel>("lblMasterUnit", -1);
    auto* lower = controls_.get<QListWidget>("lstSlaveUnits", -1);
    auto* lowerMirror = controls_.get<QListWidget>("lstLowerUnits", -1);
    auto* remotes = controls_.get<QListWidget>("lstRemote", -1);
    auto* remotesMirror = controls_.get<QListWidget>("lstRemotes", -1);
    connect(&binder, &SettingBinder::programSet, this, [=](QWidget* control) {
        if (control == upper) upperMirror->setText(upper->text());
        if (control == lower) SetListItems(lowerMirror, ListItems(lower));
        if (control == remotes) SetListItems(remotesMirror, ListItems(remotes));
    });

    connect(controls_.get<ChoiceBox>("cmbRadioFreq", -1), &QComboBox::currentTextChanged, this,
            &WindowRules::showFrequency);
}

void WindowRules::showFrequency() {
    const auto channel = FromWidgetText(controls_.get<ChoiceBox>("cmbRadioFreq", -1)->value());
    controls_.get<QLabel>("lblFreq", -1)->setText(ToWidgetText(ChannelFrequencyText(channel.value_or(""))));
}

void WindowRules::applyAll() {
    for (int input = 0; input < kInputCount; ++input) showInput(input);
    controls_.get<QLabel>("lblAlias", -1)->setText(controls_.get<QLineEdit>("txtAlias", -1)->text());
    controls_.get<QLabel>("lblType", -1)->setText(controls_.get<ChoiceBox>("cmbTypeOfUnit", -1)->value());
    controls_.get<QLabel>("lblMasterUnit", -1)->setText(controls_.get<QLabel>("lblSelectedMaster", -1)->text());
    SetListItems(controls_.get<QListWidget>("lstLowerUnits", -1),
                 ListItems(controls_.get<QListWidget>("lstSlaveUnits", -1)));
    SetListItems(controls_.get<QListWidget>("lstRemotes", -1), ListItems(controls_.get<QListWidget>("lstRemote", -1)));
}

}  // namespace koru
