#include "protocol/RecordEncoders.h"

namespace koru {

EncoderSteps EncodeGroup(Record record, const UnitConfiguration& config, EncodeContext& context) {
    switch (record) {
        case Record::General: return set_param1(config, context);
        case Record::Network: return set_param2(config, context);
        case Record::Radio: return set_param3(config, context);
        case Record::Serial: return set_param4(config, context);
        case Record::Inputs: return set_param5(config, context);
        case Record::IoMasks: return set_param6(config, context);
        case Record::ReceivedMessages: return set_param7(config, context);
        case Record::Timers: return set_param8(config, context);
        case Record::SentMessages: return set_param10(config, context);
        case Record::OutputFlagPatterns: return set_param11(config, context);
        case Record::Actions: return set_param12(config, context);
        case Record::EventActions: return set_param13(config, context);
        case Record::Counters: return set_param14(config, context);
        case Record::Peers: return set_param15(config, context);
    }
    return {};
}

}  // namespace koru
