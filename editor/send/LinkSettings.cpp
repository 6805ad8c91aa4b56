#include "editor/send/LinkSettings.h"

#include <chrono>
#include <cmath>

#include "platform/PortDevices.h"
#include "protocol/link/StoredLinkSettings.h"

namespace koru {

namespace {

bool IsPortNumber(int number) {
    return number >= 1 && number <= 3;
}

std::string DeviceKey(int number) {
    return "ComDevice" + std::to_string(number);
}

}  // namespace

LinkSettings::LinkSettings(SerialLink& link, SettingsStore& store) : link_(link), store_(store) {
    connect(&link_, &SerialLink::connectFailed, this, &LinkSettings::showRequested);
    // However the link was closed (the button, the end of a send, a lost device), the dialog shows the
    // port it used.
    connect(&link_, &SerialLink::connectionChanged, this, [this](bool connected) {
        if (!connected) selectedPortOption_ = link_.portNumber();
    });
    usePort(1);
}

bool LinkSettings::portOptionEnabled(int number) const {
    return IsPortNumber(number) && portOptionEnabled_[static_cast<std::size_t>(number)];
}

std::string LinkSettings::portDevice(int number) const {
    return DeviceForPort(number, store_);
}

void LinkSettings::setPortDevice(int number, const std::string& device) {
    if (!IsPortNumber(number)) return;
    store_.setValue(kLinkSection, DeviceKey(number), device);
    // While the link is closed the new device is tried at once, so that its option shows whether it opens
    // (a port whose old device was missing at load gets its option back).
    if (!link_.isPortOpen()) {
        const int current = link_.portNumber();
        usePort(number);
        PortError error;
        const bool opens = link_.probe(error);
        if (!opens) logPortError(error);
        portOptionEnabled_[static_cast<std::size_t>(number)] = opens;
        usePort(current);
    }
    emit portsChanged();
}

void LinkSettings::usePort(int number) {
    link_.setPort(number, portDevice(number));
}

void LinkSettings::logPortError(const PortError& error) {
    link_.log("Error: " + std::to_string(error.number) + "  " + error.description + "  " + error.source +
              "  " + (link_.isPortOpen() ? "True" : "False"));
}

// A port that cannot be opened only takes its option away; the load goes on.
void LinkSettings::loadFailure(const PortError& error) {
    logPortError(error);
    const int number = link_.portNumber();
    if (IsPortNumber(number)) {
        portOptionEnabled_[static_cast<std::size_t>(number)] = false;
        selectedPortOption_ = number - 1;
    }
}

bool LinkSettings::probe(int number) {
    usePort(number);
    PortError error;
    if (!link_.probe(error)) {
        loadFailure(error);
        return false;
    }
    return true;
}

void LinkSettings::load() {
    link_.clearLog();
    link_.clearReceiveBuffer();
    portOptionEnabled_ = {false, true, true, true};
    selectedPortOption_ = link_.portNumber();

    const int storedPort = StoredPortNumber(store_);
    probe(storedPort);
    std::array<bool, 4> opened{};
    for (int number = 3; number >= 1; --number) opened[static_cast<std::size_t>(number)] = probe(number);

    // The stored port is kept when it could be opened, else the lowest one that could.
    int chosen = opened[static_cast<std::size_t>(storedPort)] ? storedPort : 0;
    for (int number = 1; number <= 3 && chosen == 0; ++number) {
        if (opened[static_cast<std::size_t>(number)]) chosen = number;
    }
    usePort(chosen == 0 ? storedPort : chosen);
    if (chosen != 0) selectedPortOption_ = chosen;

    PortError error;
    if (!link_.setLineSettings(StoredLineSettings(store_), error)) {
        logPortError(error);
    }
    options_ = LinkOptions::fromSettings(link_.lineSettings());

    link_.setReplyTimeout(StoredReplyTimeout(store_));
    // The slider shows the time-out in whole seconds.
    slider_ = static_cast<int>(std::nearbyint(static_cast<double>(link_.replyTimeout().count()) / 1000.0));
    emit portsChanged();
}

void LinkSettings::activate() {
    disconnectPort();
    load();
}

void LinkSettings::save() {
    if (IsPortNumber(selectedPortOption_) && selectedPortOption_ != link_.portNumber()) {
        // An open port keeps its device: the number changes only while the port is closed.
        if (link_.isPortOpen()) {
            link_.log("Error in serialSave(): Port already open");
        } else {
            usePort(selectedPortOption_);
        }
    }
    const std::string settings = options_.settingsString();
    // The port opens with its old line settings; the new ones follow.
    connectPort();
    PortError error;
    if (!link_.setLineSettings(settings, error)) link_.log("Error in serialSave(): " + error.description);
    link_.log("new setting: " + link_.lineSettings());
    emit hideRequested();
}

void LinkSettings::unload() {
    store_.setValue(kLinkSection, "ComPortP", std::to_string(link_.portNumber()));
    store_.setValue(kLinkSection, "ComPortS", link_.lineSettings());
    store_.setValue(kLinkSection, "TOslider", std::to_string(static_cast<long long>(slider_) * 1000));
    if (link_.isPortOpen()) link_.disconnectPort();
}

void LinkSettings::connectPort() {
    link_.connectPort();
}

void LinkSettings::disconnectPort() {
    link_.disconnectPort();
}

}  // namespace koru
