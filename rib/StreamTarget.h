// The target of a RIB stream: a file, the standard output stream or a pipe
// into a program. It receives the stream's output buffer in large writes,
// keeps the first failure and reports every cause of a lost stream once, when
// the stream ends.
#ifndef QUILLET_STREAMTARGET_H
#define QUILLET_STREAMTARGET_H

#include <cstddef>
#include <cstdio>
#include <memory>

#include "quillet/ri.h"

namespace quillet {

class GzipPieces;

// True when name selects a file (neither the standard output stream nor a pipe).
bool isFileTarget(const char *name);

class StreamTarget {
public:
    StreamTarget();
    ~StreamTarget();
    StreamTarget(const StreamTarget &) = delete;
    StreamTarget &operator=(const StreamTarget &) = delete;

    // Opens the target that name selects: null is the standard output stream;
    // "raylume", "glimpse" and "prman" are piped into; "|command" pipes into
    // the command (name is moved past the bar); anything else is a file. When
    // the target cannot be opened, a message goes to the standard error
    // stream and the process exits with status 1.
    void open(const char *&name, RtInt &isPipe);

    // Writes into a stream that the caller opened and closes: it is written
    // through stdio and flushed at the end, never closed.
    void adopt(FILE *callers);

    // From now on the bytes are written gzip-compressed at level (in
    // members of their own, GzipPieces). Without libdeflate a warning goes
    // through RiErrorPrint and the stream is written plain.
    void compress(int level);

    // Writes the bytes whole. The first failure is kept for the report; from
    // then on nothing more is written.
    void write(const char *bytes, size_t length);

    // Hands on what stdio holds for the standard output stream, and what a
    // compressed stream holds, as a member of its own; files and pipes hold
    // nothing outside the kernel.
    void flush();

    // Ends the stream: the standard output stream is only checked, any other
    // target is closed (a pipe waits for its program). A write error, a
    // failed close or a program that did not succeed is reported once through
    // RiErrorPrint, naming the target (name, or the standard output when
    // null); the process goes on.
    void end(const char *name);

private:
    void writePlain(const char *bytes, size_t length);

    std::unique_ptr<GzipPieces> gzip;
    FILE *stream = nullptr;
    bool pipe = false;
    bool borrowed = false;  // through stdio, like the standard output stream
    bool writeFailed = false;
    int writeError = 0;  // errno of the failed write; 0 when not known
};

}  // namespace quillet

#endif
