// The bound on what ribcat writes: a multiple of the uncompressed input read
// so far, plus a fixed allowance, so that no small input (a string defined
// once and used many times, deep nesting) can make it write gigabytes.
// Bytes past the bound are dropped and the parse is ended at the next
// request.
#ifndef QUILLET_RIBCAT_OUTPUTBOUND_H
#define QUILLET_RIBCAT_OUTPUTBOUND_H

#include <sys/types.h>

#include <cstdint>
#include <cstdio>

class OutputBound {
public:
    static const uint64_t kDefaultRatio = 100;
    static const uint64_t kAllowance = uint64_t(1) << 20;

    explicit OutputBound(uint64_t ratio) : ratio(ratio) {}
    OutputBound(const OutputBound &) = delete;
    OutputBound &operator=(const OutputBound &) = delete;

    // A stream that passes what is written to out while it is within the
    // bound; fclose on it leaves out open. Null when it cannot be made.
    FILE *open(FILE *out);

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
    static int close(void *cookie);

    uint64_t allowed() const;

    uint64_t ratio;
    FILE *target = nullptr;
    uint64_t inputDone = 0, inputNow = 0;
    uint64_t written = 0;
    bool over = false;
};

#endif
