#include "editor/WindowRules.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "editor/ChoiceBox.h"
#include "editor/FieldText.h"
#include "editor/ListItems.h"
#include "editor/MainWindow.h"
#include "editor/SettingBinder.h"
#include "model/FieldChecks.h"
#include "platform/widgets/WidgetText.h"

namespace koru {

WindowRules::WindowRules(const WindowControls& controls, const SettingBinder& binder, QObject* parent)
    : QObject(parent), controls_(controls) {
    const OverviewControls& copies = controls.overview;
    const NetworkControls& network = controls.network;
    connect(network.alias, &QLineEdit::textChanged, copies.alias, &QLabel::setText);
    connect(network.type, &QComboBox::currentTextChanged, copies.type,
            [type = network.type, copy = copies.type] { copy->setText(type->value()); });
    connect(&binder, &SettingBinder::programSet, this, [copies, network](QWidget* control) {
        if (control == network.upperUnit) copies.upperUnit->setText(network.upperUnit->text());
        if (control == network.lowerUnits) SetListItems(copies.lowerUnits, ListItems(network.lowerUnits));
        if (control == network.remotes) SetListItems(copies.remotes, ListItems(network.remotes));
    });
    connect(controls.channel, &QComboBox::currentTextChanged, this, &WindowRules::showFrequency);
}

void WindowRules::showFrequency() {
    controls_.frequency->setText(ToWidgetText(ChannelFrequencyText(FieldText(controls_.channel))));
}

void WindowRules::applyAll() {
    const OverviewControls& copies = controls_.overview;
    const NetworkControls& network = controls_.network;
    copies.alias->setText(network.alias->text());
    copies.type->setText(network.type->value());
    copies.upperUnit->setText(network.upperUnit->text());
    SetListItems(copies.lowerUnits, ListItems(network.lowerUnits));
    SetListItems(copies.remotes, ListItems(network.remotes));
}

}  // namespace koru
