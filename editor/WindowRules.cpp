#include "editor/WindowRules.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include <array>
#include <string_view>

#include "editor/ChoiceBox.h"
#include "editor/ControlSet.h"
#include "editor/ListItems.h"
#include "editor/SettingBinder.h"
#include "model/FieldChecks.h"
#include "model/UnitConfiguration.h"
#include "platform/widgets/WidgetText.h"

namespace koru {

namespace {

// An "On" box (a control array of `count` boxes, or one box when `count` is 0) and the frames it shows.
struct ShowWhenOn {
    std::string_view box;
    std::string_view frame;
    int count;
    int frameIndex = -1;  // for a single box: the index of its frame in the frame array
};

constexpr std::array<ShowWhenOn, 18> kShowWhenOn{{
    {"chkMessageOn", "fraMessageOnOff", kMessageCount + 2},
    {"chkTypeOfMessageOn", "fraTypeOfMessOnOff", kMessageTypeCount},
    {"chkBitMaskOn", "fraMask", kMaskCount},
    {"chkTimerOn", "fraTimerOnOff", kTimerCount},
    {"chkCounterOn", "fraCounterOnOff", kCounterCount},
    {"chkRemoteAction", "fraRemote", kRemoteEventCount},
    {"chkNoReceipt", "fraCommOnOff", 0, 0},
    {"chkUnitOnline", "fraCommOnOff", 0, 1},
    {"chkUnitOffline", "fraCommOnOff", 0, 2},
    {"chkRadioMessage", "fraCommOnOff", 0, 3},
    {"chkSerialMessage", "fraCommOnOff", 0, 4},
    {"chkRadioACK", "fraCommOnOff", 0, 5},
    {"chkRadioNAK", "fraCommOnOff", 0, 6},
    {"chkRadioError", "fraCommOnOff", 0, 7},
    {"chkSerialError", "fraCommOnOff", 0, 8},
    {"chkSleepOn", "fraSleepActions", 0},
    {"chkSleepModeOn", "fraSleepHighLow", 0},
    {"chkUnitBootingOn", "fraUnitBoootingOnOff", 0},
}};

template <class Visit>
void ForEachShowWhenOn(const ControlSet& controls, Visit visit) {
    for (const ShowWhenOn& rule : kShowWhenOn) {
        if (rule.count == 0) {
            visit(controls.get<QCheckBox>(rule.box, -1), controls.find(rule.frame, rule.frameIndex));
            continue;
        }
        for (int i = 0; i < rule.count; ++i) visit(controls.get<QCheckBox>(rule.box, i), controls.find(rule.frame, i));
    }
}

}  // namespace

WindowRules::WindowRules(const ControlSet& controls, const SettingBinder& binder, QObject* parent)
    : QObject(parent), controls_(controls) {
    connectFrames();
    connectInputs();
    connectMirrors(binder);
}

void WindowRules::connectFrames() {
    ForEachShowWhenOn(controls_, [this](QCheckBox* box, QWidget* frame) {
        connect(box, &QCheckBox::toggled, frame, &QWidget::setVisible);
    });
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
    ForEachShowWhenOn(controls_, [](QCheckBox* box, QWidget* frame) { frame->setVisible(box->isChecked()); });
    for (int input = 0; input < kInputCount; ++input) showInput(input);
    controls_.get<QLabel>("lblAlias", -1)->setText(controls_.get<QLineEdit>("txtAlias", -1)->text());
    controls_.get<QLabel>("lblType", -1)->setText(controls_.get<ChoiceBox>("cmbTypeOfUnit", -1)->value());
    controls_.get<QLabel>("lblMasterUnit", -1)->setText(controls_.get<QLabel>("lblSelectedMaster", -1)->text());
    SetListItems(controls_.get<QListWidget>("lstLowerUnits", -1),
                 ListItems(controls_.get<QListWidget>("lstSlaveUnits", -1)));
    SetListItems(controls_.get<QListWidget>("lstRemotes", -1), ListItems(controls_.get<QListWidget>("lstRemote", -1)));
}

}  // namespace koru
