// Reading token/value pairs and motion times from variable arguments.
#include "ri/ParamCollector.h"

#include <cstddef>

namespace quillet {

RtInt collectParams(va_list args, RtToken tokens[], RtPointer values[]) {
    RtInt n = 0;
    while (n < kMaxParams) {
        tokens[n] = va_arg(args, RtToken);
        if (tokens[n] == RI_NULL) break;
        values[n] = va_arg(args, RtPointer);
        ++n;
    }
    return n;
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
