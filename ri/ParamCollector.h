// Collection of variable-length token/value lists and motion times, shared by
// the entry points and by the variable-argument operations of RibWriter.
#ifndef QUILLET_PARAMCOLLECTOR_H
#define QUILLET_PARAMCOLLECTOR_H

#include <cstdarg>
#include <vector>

#include "ri/ri.h"

namespace quillet {

// Most pairs that one call passes on; further pairs are dropped unread.
const int kMaxParams = 512;

// Reads token/value pairs up to RI_NULL or kMaxParams pairs; returns the count.
RtInt collectParams(va_list args, RtToken tokens[], RtPointer values[]);

// Declares tokens, values and n in the calling function, filled from the
// variable arguments that follow the parameter `last`.
#define QUILLET_COLLECT_PARAMS(last)                                                                                   \
    RtToken tokens[quillet::kMaxParams];                                                                               \
    RtPointer values[quillet::kMaxParams];                                                                             \
    RtInt n;                                                                                                           \
    do {                                                                                                               \
        va_list collectArgs;                                                                                           \
        va_start(collectArgs, last);                                                                                   \
        n = quillet::collectParams(collectArgs, tokens, values);                                                       \
        va_end(collectArgs);                                                                                           \
    } while (0)

// The times of a motion block, read as doubles and narrowed to RtFloat. Up to
// kLocalTimes live on the stack; more are kept on the heap, never dropped.
class MotionTimes {
public:
    static const int kLocalTimes = 100;
    MotionTimes(RtInt count, va_list args);
    RtFloat *data();

private:
    RtFloat local[kLocalTimes];
    std::vector<RtFloat> extra;
};

}  // namespace quillet

#endif
