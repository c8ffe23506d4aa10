// Variable arguments collected into arrays: the token/value pairs of one call
// and the times of a motion block, as the list forms take them.
#ifndef QUILLET_PARAMLIST_H
#define QUILLET_PARAMLIST_H

#include <cstdarg>
#include <vector>

#include "quillet/ri.h"

// va_start for the standard signatures. Several of them end their named
// parameters with an RtFloat, and clang warns (-Wvarargs) that va_start after
// a parameter of a promoted type is undefined; the compilers' builtin
// va_start finds the variable arguments from the actual call, so the warning
// is silenced here, for these calls only.
#if defined(__clang__)
#define QUILLET_VA_START(args, last)                                                                                   \
    _Pragma("clang diagnostic push") _Pragma("clang diagnostic ignored \"-Wvarargs\"") va_start(args, last)            \
        _Pragma("clang diagnostic pop")
#else
#define QUILLET_VA_START(args, last) va_start(args, last)
#endif

// Declares the ParamList `params`, filled from the variable arguments that
// follow the parameter `last` of the calling function.
#define QUILLET_PARAM_LIST(params, last)                                                                               \
    va_list params##Arguments;                                                                                         \
    QUILLET_VA_START(params##Arguments, last);                                                                         \
    quillet::ParamList params(params##Arguments);                                                                      \
    va_end(params##Arguments)

namespace quillet {

// The token/value pairs read from variable arguments up to RI_NULL. Pairs
// beyond kMaxPairs are dropped unread.
class ParamList {
public:
    static const int kMaxPairs = 512;

    explicit ParamList(va_list args);
    ParamList(const ParamList &) = delete;
    ParamList &operator=(const ParamList &) = delete;

    RtInt count() const { return pairCount; }
    RtToken *tokens() { return tokenArray; }
    RtPointer *values() { return valueArray; }

private:
    RtToken tokenArray[kMaxPairs];
    RtPointer valueArray[kMaxPairs];
    RtInt pairCount;
};

// The times of a motion block, read as doubles and narrowed to RtFloat. Up to
// kLocalTimes live in the object; more are kept on the heap, never dropped.
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
