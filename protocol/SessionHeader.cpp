#include "protocol/SessionHeader.h"

#include "protocol/UnitNumber.h"

namespace koru {

SessionHeader BuildSessionHeader(const UnitConfiguration& config) {
    UnitNumber number = UnitNumberHex(config.unit.id, config.network.upperUnit);
    return {"ORVEN_AB_KORU_SETUP;" + number.text + ";", std::move(number.steps)};
}

}  // namespace koru
