// The bound on what ribcat writes: a multiple of the uncompressed input read
// so far, plus a fixed allowance, so that no small input (a string defined
// once and used many times, deep nesting) can make it write gigabytes.
// It counts the bytes the writer makes, before any compression. Bytes past
// the bound are dropped and the parse is ended at the next request.
#ifndef QUILLET_RIBCAT_OUTPUTBOUND_H
#define QUILLET_RIBCAT_OUTPUTBOUND_H

#include <sys/types.h>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <utility>

class OutputBound {
public:
    static const uint64_t kDefaultRatio = 100;
    static const uint64_t kAllowance = uint64_t(1) << 20;

    // Where the bytes within the bound go; false when they could not be taken.
    using Sink = std::function<bool(const char *bytes, size_t length)>;

    OutputBound(uint64_t ratio, Sink sink) : ratio(ratio), sink(std::move(sink)) {}
    OutputBound(const OutputBound &) = delete;
    OutputBound &operator=(const OutputBound &) = delete;

    // A stream that passes what is written to the sink while it is within
    // the bound. Null when it cannot be made.
    FILE *open();

    // Input of the stream being read, and of the streams read before it.
    void reached(uint64_t bytesRead) { inputNow = bytesRead; }
    void streamDone() {
        inputDone += inputNow;
        inputNow = 0;
    }
    bool exceeded() const { return over; }
    uint64_t ratioUsed() const { return ratio; }

private:
    static ssize_t write(void *cookie, const char *bytes, size_t size);

    uint64_t allowed() const;

    uint64_t ratio;
    Sink sink;
    uint64_t inputDone = 0, inputNow = 0;
    uint64_t written = 0;
    bool over = false;
};

#endif
