// The stream's output buffer, the flush at exit and the escaping rule of
// quoted strings.
#include "rib/OutputBuffer.h"

#include <unistd.h>

#include <charconv>
#include <cstdlib>
#include <mutex>

#include "format/FloatFormat.h"
#include "rib/StreamTarget.h"

namespace quillet {

namespace {

// The newest live buffer; the list runs through older. Streams of several
// threads come and go at once: the list has its lock.
OutputBuffer *newestBuffer = nullptr;
std::mutex liveBuffersLock;

inline bool needsEscape(char c) {
    return c == '"' || c == '\\' || c == '\n';
}

}  // namespace

OutputBuffer::OutputBuffer(StreamTarget *target)
    : data(new char[kSize]), next(data.get()), limit(data.get() + kSize), target(target), older(nullptr),
      newer(nullptr), owner(getpid()) {
    static const bool registered = std::atexit(flushAtExit) == 0;
    (void)registered;
    std::lock_guard<std::mutex> hold(liveBuffersLock);
    older = newestBuffer;
    if (older) older->newer = this;
    newestBuffer = this;
}

OutputBuffer::~OutputBuffer() {
    std::lock_guard<std::mutex> hold(liveBuffersLock);
    if (older) older->newer = newer;
    if (newer)
        newer->older = older;
    else
        newestBuffer = older;
}

// A stream that was never ended keeps what it has written, as a stdio stream
// would; the target hands on what it holds too, so that a compressed stream
// is a whole gzip file. A child process made by fork leaves its parent's
// bytes alone.
void OutputBuffer::flushAtExit() {
    const pid_t self = getpid();
    std::lock_guard<std::mutex> hold(liveBuffersLock);
    for (OutputBuffer *buffer = newestBuffer; buffer; buffer = buffer->older)
        if (buffer->owner == self) {
            buffer->flush();
            if (buffer->target) buffer->target->flush();
        }
}

void OutputBuffer::flush() {
    char *const start = data.get();
    if (next != start && target) target->write(start, size_t(next - start));
    if (next != start) sent = true;
    next = start;
}

bool OutputBuffer::replaceAtStart(size_t offset, size_t length, const char *text, size_t textLength) {
    char *const start = data.get();
    const size_t used = size_t(next - start);
    if (sent || offset + length > used || used - length + textLength > kSize) return false;
    std::memmove(start + offset + textLength, start + offset + length, used - offset - length);
    std::memcpy(start + offset, text, textLength);
    next = start + used - length + textLength;
    return true;
}

void OutputBuffer::putLong(const char *bytes, size_t length) {
    flush();
    if (length >= kSize) {
        if (target) target->write(bytes, length);
        sent = true;
        return;
    }
    std::memcpy(next, bytes, length);
    next += length;
}

void OutputBuffer::putEscaped(const char *text) {
    if (!text) return;
    const char *run = text;
    for (const char *p = text;; ++p) {
        const char c = *p;
        if (c == '\0') {
            put(run, size_t(p - run));
            return;
        }
        if (needsEscape(c)) {
            put(run, size_t(p - run));
            put('\\');
            put(c == '\n' ? 'n' : c);
            run = p + 1;
        }
    }
}

void OutputBuffer::putQuoted(const char *text) {
    put('"');
    putEscaped(text);
    put('"');
}

void OutputBuffer::putGeneral(float value) {
    char *p = reserve(kGeneralTextMax);
    commit(formatGeneral(p, value));
}

void OutputBuffer::putGeneral(double value) {
    char *p = reserve(kGeneralTextMax);
    commit(formatGeneral(p, value));
}

void OutputBuffer::putInt(long value) {
    const size_t room = 24;
    char *p = reserve(room);
    commit(size_t(std::to_chars(p, p + room, value).ptr - p));
}

}  // namespace quillet
