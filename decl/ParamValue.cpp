// Kept parameters: the item pool, the value copies and their accounting.
#include "quillet/ParamValue.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

#include "decl/StringPool.h"

namespace quillet {

static_assert(sizeof(void *) != 4 || sizeof(ParamValue) == 20, "a 32-bit item slot is 20 bytes");

namespace {

// Zero-initialised before any code runs; cleared again at start-up.
ParamValueCounters counters;

union Slot {
    Slot *nextFree;
    alignas(ParamValue) unsigned char item[sizeof(ParamValue)];
};

Slot *freeSlots;
int blockCount;

// Bytes that the copy of the values needs: 4 per word, except that string
// pointers take their real size.
size_t storageBytes(ParamType type, int16_t count, int32_t words) {
    size_t pointers = type == ParamType::String && count > 0 ? static_cast<size_t>(count) : 0;
    size_t otherWords = static_cast<size_t>(std::max<int32_t>(words - static_cast<int32_t>(pointers), 0));
    return pointers * sizeof(char *) + otherWords * ParamValue::kWordBytes;
}

}  // namespace

const ParamValueCounters &paramValueCounters() {
    return counters;
}

void clearParamValueCounters() {
    counters = ParamValueCounters{};
}

int paramValueBlockCount() {
    return blockCount;
}

void printParamValueStats(FILE *stream) {
    std::fprintf(stream, "Param/value list stats:\n");
    std::fprintf(stream, "    param/value entries: %ld requested, %ld outstanding, %ld peak (%ld kb)\n",
                 static_cast<long>(counters.entriesRequested), static_cast<long>(counters.entriesOutstanding),
                 static_cast<long>(counters.entriesPeak),
                 (static_cast<long>(counters.entriesPeak) * static_cast<long>(sizeof(ParamValue))) >> 10);
    std::fprintf(stream, "    param/value data memory: %ldk requested, %ldk outstanding,  %ldk peak\n",
                 static_cast<long>(counters.bytesRequested / 1024), static_cast<long>(counters.bytesOutstanding / 1024),
                 static_cast<long>(counters.bytesPeak / 1024));
    std::fflush(stream);
}

void *ParamValue::operator new(size_t) {
    if (!freeSlots) {
        Slot *block = static_cast<Slot *>(::operator new(sizeof(Slot) * kSlotsPerBlock));
        ++blockCount;
        // Slot 0 serves this request; the rest go to the free list in address order.
        for (int i = 1; i < kSlotsPerBlock - 1; ++i) block[i].nextFree = &block[i + 1];
        block[kSlotsPerBlock - 1].nextFree = nullptr;
        block[0].nextFree = &block[1];
        freeSlots = block;
    }
    Slot *slot = freeSlots;
    freeSlots = slot->nextFree;
    ++counters.entriesRequested;
    counters.entriesPeak = std::max(counters.entriesPeak, ++counters.entriesOutstanding);
    return slot;
}

void ParamValue::operator delete(void *p) {
    if (!p) return;
    Slot *slot = static_cast<Slot *>(p);
    slot->nextFree = freeSlots;
    freeSlots = slot;
    --counters.entriesOutstanding;
}

ParamValue::ParamValue(RtToken token, ParamType type, ParamClass paramClass, int16_t count, const void *source,
                       int32_t words)
    : next(nullptr), token(token), byteSize(0), type(type), paramClass(paramClass), count(count), values(nullptr) {
    if (!source) return;
    size_t bytes = storageBytes(type, count, words);
    values = std::malloc(bytes ? bytes : 1);
    std::memcpy(values, source, bytes);
    byteSize = std::max<int32_t>(words, 0) * kWordBytes;
    counters.bytesRequested += byteSize;
    counters.bytesOutstanding += byteSize;
    counters.bytesPeak = std::max(counters.bytesPeak, counters.bytesOutstanding);
    if (type == ParamType::String) {
        const char **strings = static_cast<const char **>(values);
        for (int i = 0; i < count; ++i) strings[i] = StringPool::intern(strings[i]);
    }
}

ParamValue::~ParamValue() {
    if (!values) return;
    counters.bytesOutstanding -= byteSize;
    std::free(values);
}

ParamValue *ParamValue::clone() const {
    return new ParamValue(token, type, paramClass, count, values, byteSize / kWordBytes);
}

void *ParamValue::detachValues() {
    void *detached = values;
    counters.bytesOutstanding -= byteSize;
    values = nullptr;
    byteSize = 0;
    return detached;
}

}  // namespace quillet
