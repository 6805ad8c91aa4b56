#pragma once

#include "editor/tabs/TabPage.h"

class QBoxLayout;
class QGroupBox;
class QLabel;

namespace koru {

class ChoiceBox;

// Tab 2, "Timer, counter, comm. setup": radio and serial interface, timers and counters.
class CommSetupPage : public TabPage {
public:
    CommSetupPage(FieldFactory& factory, QWidget* parent = nullptr);

    // The channel and the frequency it stands for.
    ChoiceBox* channel() const { return channel_; }
    QLabel* frequency() const { return frequency_; }

private:
    void buildRadio(QGroupBox* radio);
    void buildSerial(QGroupBox* serial);
    void buildTimersAndCounters(QBoxLayout* column);

    ChoiceBox* channel_ = nullptr;
    QLabel* frequency_ = nullptr;
};

}  // namespace koru
