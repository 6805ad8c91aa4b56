#include "model/EventActionLists.h"

#include <array>

#include "model/SettingCatalog.h"

namespace koru {

namespace {

constexpr std::array<EventListButton, 17> kButtons{{
    {"cmdAddActionMessage", "lstMessage",
     kMessageCount + 2},  // the 20 texts, no match radio, no match serial
    {"cmdAddActionsTypeOfMessage", "lstTypeOfMessActions", kMessageTypeCount},
    {"cmdAddActionBitMask", "lstBitMask", kMaskCount},
    {"cmdAddActionSleep", "lstSleepActions", 0},
    {"cmdAddActionTimer", "lstTimer", kTimerCount},
    {"cmdAddActionCounter", "lstCounter", kCounterCount},
    {"cmdAddActionsCounterZero", "lstCounterZero", kCounterCount},
    {"cmdAddActionUnitOnline", "lstUnitOnlineActions", 0},
    {"cmdAddActionUnitOffline", "lstUnitOfflineActions", 0},
    {"cmdAddActionOnRadio", "lstRadioMessActions", 0},
    {"cmdAddActionRadioError", "lstRadioErrorAction", 0},
    {"cmdAddActionRadioAck", "lstRadioAckActions", 0},
    {"cmdAddActionRadioNak", "lstRadioNakActions", 0},
    {"cmdAddActionNoReciept", "lstNoReceiptActions", 0},
    {"cmdAddActionOnSerial", "lstSerialMessActions", 0},
    {"cmdAddActionSerialError", "lstSerialErrorAction", 0},
    {"cmdAddActionsUnitBooting", "lstUnitBooting", 0},
}};

}  // namespace

std::span<const EventListButton> EventListButtons() {
    return kButtons;
}

TextList* EventActionList(UnitConfiguration& config, std::string_view listControl, int index) {
    int within = 0;
    const Setting* setting = FindSettingByControl(listControl, index, &within);
    if (setting == nullptr || setting->kind != FieldKind::List) return nullptr;
    return &setting->list(config, within);
}

}  // namespace koru
