#pragma once

// The rules that keep the window's views in step with its fields, whoever changed them (the user or a
// load): an input shows its settings only while it is on (and its analogue values only while it is
// analogue), the overview mirrors the alias, the type and the network, and the channel's frequency follows
// the channel. (An event's frame follows its switch from the moment the event's row is made.)

#include <QObject>

namespace koru {

class ControlSet;
class SettingBinder;

class WindowRules : public QObject {
    Q_OBJECT

public:
    // Connect after the binder and the field checks, so a rule sees a field's checked value.
    WindowRules(const ControlSet& controls, const SettingBinder& binder, QObject* parent);

    // Brings every input frame and mirror in line with its field (at start-up, when nothing has changed yet).
    void applyAll();

private:
    void connectInputs();
    void connectMirrors(const SettingBinder& binder);
    void showInput(int input);
    void showFrequency();

    const ControlSet& controls_;
};

}  // namespace koru
