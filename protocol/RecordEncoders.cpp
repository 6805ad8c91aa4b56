#include "protocol/RecordEncoders.h"

namespace koru {

EncoderSteps EncodeGroup(int record, const UnitConfiguration& config, EncodeContext& context) {
    switch (record) {
        case 1: return set_param1(config, context);
        case 2: return set_param2(config, context);
        case 3: return set_param3(config, context);
        case 4: return set_param4(config, context);
        case 5: return set_param5(config, context);
        case 6: return set_param6(config, context);
        case 7: return set_param7(config, context);
        case 8: return set_param8(config, context);
        case 10: return set_param10(config, context);
        case 11: return set_param11(config, context);
        case 12: return set_param12(config, context);
        case 13: return set_param13(config, context);
        case 14: return set_param14(config, context);
        case 15: return set_param15(config, context);
        default: return {};
    }
}

}  // namespace koru
