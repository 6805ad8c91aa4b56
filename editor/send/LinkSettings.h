#pragma once

// The state of the serial settings dialog: the port options with the ports found when it loads, the
// line-setting options, the time-out slider, the connect and disconnect buttons, the device each of
// COM1 to COM3 names, and the stored settings. It works on the one serial link; SerialSetupDialog shows
// it and a send never needs it.

#include <QObject>

#include <array>
#include <string>

#include "editor/send/LinkOptions.h"
#include "platform/SettingsStore.h"
#include "protocol/link/SerialLink.h"

namespace koru {

class LinkSettings : public QObject {
    Q_OBJECT

public:
    LinkSettings(SerialLink& link, SettingsStore& store);

    // Dialog life cycle.
    void load();
    void activate();  // showing the dialog again: disconnect, then load
    // OK: takes the chosen port and line settings and connects.
    void save();
    void unload();

    // The connect and disconnect buttons.
    void connectPort();
    void disconnectPort();
    bool connectEnabled() const { return !link_.connected(); }
    bool disconnectEnabled() const { return link_.connected(); }

    bool portOptionEnabled(int number) const;
    int selectedPortOption() const { return selectedPortOption_; }  // 0: none
    void selectPortOption(int number) { selectedPortOption_ = number; }
    const LinkOptions& options() const { return options_; }
    void setOptions(const LinkOptions& options) { options_ = options; }
    int sliderValue() const { return slider_; }  // whole seconds
    void setSliderValue(int seconds) { slider_ = seconds; }

    // The device port `number` (1 to 3) names: the stored "ComDevice1" to "ComDevice3", or the system's
    // own serial port of that number. Choosing one stores it at once; an empty device goes back to the
    // system's. While the link is closed the device is tried at once and its option follows; the open link
    // keeps its device until it is closed.
    std::string portDevice(int number) const;
    void setPortDevice(int number, const std::string& device);

signals:
    void showRequested();  // a connect failure shows the dialog
    void hideRequested();
    void portsChanged();  // the port options or their devices changed (a load, a device chosen)

private:
    void usePort(int number);
    bool probe(int number);
    void loadFailure(const PortError& error);
    void logPortError(const PortError& error);

    SerialLink& link_;
    SettingsStore& store_;
    std::array<bool, 4> portOptionEnabled_{false, true, true, true};  // index 0 unused
    int selectedPortOption_ = 1;
    LinkOptions options_;
    int slider_ = 3;
};

}  // namespace koru
