#include "protocol/link/LinkSettings.h"

#include <charconv>
#include <chrono>
#include <cmath>
#include <optional>

#include "model/FileSyntax.h"
#include "platform/PortDevices.h"
#include "platform/PortSettings.h"
#include "protocol/link/LinkTimings.h"

namespace koru {

namespace {

std::optional<long> wholeNumber(const std::string& text) {
    long value = 0;
    const std::string_view trimmed = TrimBlanks(text);
    if (trimmed.empty()) return std::nullopt;
    const char* end = trimmed.data() + trimmed.size();
    auto [ptr, ec] = std::from_chars(trimmed.data(), end, value);
    if (ec != std::errc() || ptr != end) return std::nullopt;
    return value;
}

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
    if (number == link_.portNumber() && !link_.isPortOpen()) usePort(number);
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

    const auto stored = wholeNumber(store_.value(kLinkSection, "ComPortP", "1"));
    const int storedPort = stored && IsPortNumber(static_cast<int>(*stored)) ? static_cast<int>(*stored) : 1;
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
    if (!link_.setLineSettings(store_.value(kLinkSection, "ComPortS", kDefaultPortSettings), error)) {
        logPortError(error);
    }
    options_ = LinkOptions::fromSettings(link_.lineSettings());

    const auto timeout = wholeNumber(store_.value(kLinkSection, "TOslider", "3000"));
    link_.setReplyTimeout(std::chrono::milliseconds(timeout.value_or(timing::kDefaultReplyTimeout.count())));
    // The slider shows the time-out in whole seconds.
    slider_ = static_cast<int>(std::nearbyint(static_cast<double>(link_.replyTimeout().count()) / 1000.0));
}

void LinkSettings::activate() {
    PortDisconnect_Click();
    load();
}

void LinkSettings::serialSave() {
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
    PortConnect_Click();
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

void LinkSettings::PortConnect_Click() {
    link_.connectPort();
}

void LinkSettings::PortDisconnect_Click() {
    link_.disconnectPort();
}

}  // namespace koru
