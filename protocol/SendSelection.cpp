#include "protocol/SendSelection.h"

namespace koru {

int SendSelection::count() const {
    int selected = 0;
    for (int record : kSendOrder) selected += has(record) ? 1 : 0;
    return selected;
}

SendSelection SendSelection::fromBoxes(const Boxes& boxes) {
    SendSelection selection;
    auto& r = selection.records;
    r[1] = boxes.general;
    r[2] = r[15] = boxes.network;
    r[3] = boxes.radio;
    r[4] = boxes.serial;
    r[5] = boxes.input;
    r[6] = boxes.ioEvents;
    r[7] = boxes.messageEvents;
    r[8] = r[14] = boxes.tccEvents;
    r[10] = boxes.messageActions;
    r[11] = boxes.outputFlagActions;
    r[12] = r[13] = boxes.messageActions || boxes.outputFlagActions;
    return selection;
}

bool LogsStatusAfter(int record) {
    switch (record) {
        case 2: case 15: case 3: case 4: case 5: case 6: case 8: case 14: return true;
        default: return false;
    }
}

}  // namespace koru
