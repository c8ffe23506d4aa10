// Reading token/value pairs and motion times from variable arguments.
#include "ri/ParamList.h"

#include <cstddef>

namespace quillet {

ParamList::ParamList(va_list args) : pairCount(0) {
    while (pairCount < kMaxPairs) {
        tokenArray[pairCount] = va_arg(args, RtToken);
        if (tokenArray[pairCount] == RI_NULL) break;
        valueArray[pairCount] = va_arg(args, RtPointer);
        ++pairCount;
    }
}

MotionTimes::MotionTimes(RtInt count, va_list args) {
    RtFloat *times = local;
    if (count > kLocalTimes) {
        extra.resize(static_cast<std::size_t>(count));
        times = extra.data();
    }
    for (RtInt i = 0; i < count; ++i) times[i] = static_cast<RtFloat>(va_arg(args, double));
}

RtFloat *MotionTimes::data() {
    return extra.empty() ? local : extra.data();
}

}  // namespace quillet
