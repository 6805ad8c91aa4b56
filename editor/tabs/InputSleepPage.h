#pragma once

#include "editor/tabs/TabPage.h"

class QGroupBox;

namespace koru {

// Tab 3, "Input, sleep setup": the voltage range, the six inputs and the sleep mode. An input shows its
// settings only while it is on, its analogue values only while it is analogue; the sleep mode shows its edge
// only while it is enabled, whoever changes them (the user or a load).
class InputSleepPage : public TabPage {
public:
    InputSleepPage(FieldFactory& factory, QWidget* parent = nullptr);

private:
    QGroupBox* buildInputs();
    QGroupBox* buildInput(QWidget* parent, int input);
    QGroupBox* buildSleep();
};

}  // namespace koru
