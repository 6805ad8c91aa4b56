#pragma once

// The rules that keep the window's views in step with the unit, whoever changed it (the user, a command or a
// load): the overview mirrors the alias, the type and the network, and the channel's frequency follows the
// channel. They hold for a tab whose page is built later as well. (An event's frame follows its switch, an
// input's frames its switch and type, from the moment the tab makes them.)

#include <QObject>

#include <string>

namespace koru {

class SettingBinder;
enum class WindowTab;
struct UnitConfiguration;
struct WindowControls;

class WindowRules : public QObject {
    Q_OBJECT

public:
    WindowRules(const WindowControls& controls, const UnitConfiguration& config, const SettingBinder& binder,
                QObject* parent);

    // The page of `tab` has been made: its rules start before the binder shows the unit in it, and after the
    // field checks, so a rule sees a field's checked value.
    void followPage(WindowTab tab);

    // Brings every view of the pages built so far in line with the configuration (after it changed as a
    // whole, and when a page has been built).
    void applyAll();

private:
    void showFrequency();

    const WindowControls& controls_;
    const UnitConfiguration& config_;
    // The frequency text waits for the first change of the channel, in its field or in the unit (before the
    // channel's page was built).
    std::string channelSeen_;
    bool channelChanged_ = false;
};

}  // namespace koru
