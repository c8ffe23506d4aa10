// The one output buffer of a stream. The encoders and request writers put
// their text and bytes straight into it, and it goes to the stream's target
// in writes of up to kSize bytes: when it fills, when its owner flushes it,
// and at process exit for a stream that was never ended. Its size is fixed,
// whatever the amount of data.
#ifndef QUILLET_OUTPUTBUFFER_H
#define QUILLET_OUTPUTBUFFER_H

#include <sys/types.h>

#include <cstddef>
#include <cstring>
#include <memory>

namespace quillet {

class StreamTarget;

class OutputBuffer {
public:
    // Large enough that the system calls of a large request cost little
    // beside the formatting, small enough to stay in the processor's cache.
    static constexpr size_t kSize = size_t(256) * 1024;

    // Bytes go to target; with none they are dropped.
    explicit OutputBuffer(StreamTarget *target);
    // Does not flush: the owner flushes before it ends the target.
    ~OutputBuffer();
    OutputBuffer(const OutputBuffer &) = delete;
    OutputBuffer &operator=(const OutputBuffer &) = delete;

    void put(char c) {
        if (next == limit) flush();
        *next++ = c;
    }
    void put(const char *bytes, size_t length) {
        if (length <= room()) {
            std::memcpy(next, bytes, length);
            next += length;
        } else {
            putLong(bytes, length);
        }
    }
    // Room for n bytes (n <= kSize) at the returned address; commit what was used.
    char *reserve(size_t n) {
        if (room() < n) flush();
        return next;
    }
    void commit(size_t n) { next += n; }
    // Bytes that fit before the buffer must be flushed.
    size_t room() const { return size_t(limit - next); }

    // The characters of a string as RIB reads them between double quotes:
    // '"' becomes \", '\' becomes \\ and a newline \n. Null writes nothing.
    void putEscaped(const char *text);
    // A string between double quotes, escaped; null gives "".
    void putQuoted(const char *text);
    // printf's "%g" of the value.
    void putGeneral(float value);
    void putGeneral(double value);
    void putInt(long value);

    // Hands the gathered bytes to the target.
    void flush();

    // Replaces length bytes at offset from the start of the stream with
    // text, while no byte has gone to the target yet and the result fits;
    // false (nothing changed) otherwise.
    bool replaceAtStart(size_t offset, size_t length, const char *text, size_t textLength);

private:
    void putLong(const char *bytes, size_t length);
    static void flushAtExit();

    std::unique_ptr<char[]> data;
    char *next;
    char *limit;
    StreamTarget *target;
    // Live buffers of this process, for the flush at exit.
    OutputBuffer *older;
    OutputBuffer *newer;
    pid_t owner;
    bool sent = false;
};

}  // namespace quillet

#endif
