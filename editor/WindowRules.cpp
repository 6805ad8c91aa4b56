#include "editor/WindowRules.h"

#include <QLabel>

#include "editor/ChoiceBox.h"
#include "editor/FieldText.h"
#include "editor/ListBox.h"
#include "editor/ListItems.h"
#include "editor/MainWindow.h"
#include "editor/SettingBinder.h"
#include "model/FieldChecks.h"
#include "platform/widgets/WidgetText.h"

namespace koru {

WindowRules::WindowRules(const WindowControls& controls, const UnitConfiguration& config, const SettingBinder& binder,
                         QObject* parent)
    : QObject(parent), controls_(controls), config_(config), channelSeen_(config.radio.channel) {
    connect(&binder, &SettingBinder::edited, this, &WindowRules::applyAll);
}

void WindowRules::followPage(WindowTab tab) {
    if (tab != WindowTab::CommSetup) return;
    connect(controls_.channel, &QComboBox::currentTextChanged, this, [this] {
        channelChanged_ = true;
        showFrequency();
    });
    if (channelChanged_) showFrequency();
}

void WindowRules::showFrequency() {
    controls_.frequency->setText(ToWidgetText(ChannelFrequencyText(FieldText(controls_.channel))));
}

void WindowRules::applyAll() {
    const OverviewControls& copies = controls_.overview;
    if (copies.alias != nullptr) {
        copies.alias->setText(ToWidgetText(config_.unit.alias));
        copies.type->setText(ToWidgetText(config_.unit.type));
        copies.upperUnit->setText(ToWidgetText(config_.network.upperUnit));
        copies.lowerUnits->setTexts(WidgetTexts(config_.network.lowerUnits));
        copies.remotes->setTexts(WidgetTexts(config_.network.remotes));
    }
    if (config_.radio.channel != channelSeen_) {
        channelSeen_ = config_.radio.channel;
        channelChanged_ = true;
    }
}

}  // namespace koru
