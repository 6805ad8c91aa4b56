#pragma once

// The rules that keep the window's views in step with its fields, whoever changed them (the user or a load):
// the overview mirrors the alias, the type and the network, and the channel's frequency follows the channel.
// (An event's frame follows its switch, an input's frames its switch and type, from the moment the tab makes
// them.)

#include <QObject>

namespace koru {

class SettingBinder;
struct WindowControls;

class WindowRules : public QObject {
    Q_OBJECT

public:
    // Connect after the binder and the field checks, so a rule sees a field's checked value.
    WindowRules(const WindowControls& controls, const SettingBinder& binder, QObject* parent);

    // Brings every mirror in line with its field (at start-up, when nothing has changed yet).
    void applyAll();

private:
    void showFrequency();

    const WindowControls& controls_;
};

}  // namespace koru
