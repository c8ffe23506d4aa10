// Owned copies of token/value lists, for contexts that keep parameters beyond
// the request that passed them, with process-wide memory accounting.
//
// Sizes are counted in 4-byte words: byteSize is 4 x the word count given at
// construction, whatever the build. A string value counts one word per
// pointer; on a build with 8-byte pointers its copy is still large enough for
// the pointers themselves, only the accounting stays in words.
#ifndef QUILLET_PARAMVALUE_H
#define QUILLET_PARAMVALUE_H

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "quillet/ParamDecl.h"
#include "quillet/ri.h"

namespace quillet {

// One kept parameter. Items come from a pool of 32-slot blocks.
class QUILLET_API ParamValue {
public:
    static const int kSlotsPerBlock = 32;
    static const int kWordBytes = 4;

    // Copies `words` 4-byte words of values from source (for strings: the
    // first `count` pointers, replaced by their pool copies, then the rest).
    // Without a source the item holds no values.
    ParamValue(RtToken token, ParamType type, ParamClass paramClass, int16_t count, const void *source, int32_t words);
    ~ParamValue();
    ParamValue(const ParamValue &) = delete;
    ParamValue &operator=(const ParamValue &) = delete;

    static void *operator new(size_t size);
    static void operator delete(void *slot);

    // A deep copy, from the pool.
    ParamValue *clone() const;
    // Hands the values to the caller (no longer counted as outstanding) and
    // leaves the item without values.
    void *detachValues();

    ParamValue *next;
    RtToken token;  // not owned; items are matched by this pointer
    int32_t byteSize;
    ParamType type;
    ParamClass paramClass;
    int16_t count;
    void *values;  // owned, from std::malloc
};

// A list that owns its items and their values.
class QUILLET_API ParamValueList {
public:
    ParamValueList() : head(nullptr) {}
    ParamValueList(const ParamValueList &other);
    ParamValueList &operator=(const ParamValueList &other);
    ~ParamValueList();

    ParamValue *findItem(RtToken token) const;
    void *valueOf(RtToken token) const;
    // Unlinks the item and hands its values to the caller (free them with
    // std::free); null when no item has this token pointer.
    void *remove(RtToken token);
    void append(ParamValue *item);
    void clear();
    void copyTo(ParamValueList &destination) const;
    void moveTo(ParamValueList &destination);
    void dump(FILE *stream = stdout) const;

    ParamValue *head;
};

struct ParamValueCounters {
    int32_t entriesRequested;
    int32_t entriesOutstanding;
    int32_t entriesPeak;
    int32_t bytesRequested;
    int32_t bytesOutstanding;
    int32_t bytesPeak;
};

QUILLET_API const ParamValueCounters &paramValueCounters();
QUILLET_API void clearParamValueCounters();
// Pool blocks made so far (never returned to the system).
QUILLET_API int paramValueBlockCount();
QUILLET_API void printParamValueStats(FILE *stream);

}  // namespace quillet

#endif
