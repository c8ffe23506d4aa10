// RibWriter: the stream context that writes every request as RIB to a file,
// the standard output stream or a pipe into a renderer program.
#ifndef QUILLET_RIBWRITER_H
#define QUILLET_RIBWRITER_H

#include <cstddef>
#include <cstdio>
#include <functional>
#include <memory>

#include "quillet/ForwardingContext.h"
#include "quillet/RenderContext.h"

namespace quillet {

// The options of one stream.
struct StreamOptions {
    // Float arrays and numbers as binary tokens instead of text.
    bool binary = false;
    // Recorded only, as the "compression" option: a file name ending in
    // ".gz" is what makes a compressed stream.
    bool gzip = false;
    // Float text: -1 what printf's "%g" writes, 0 the shortest text that
    // reads back as the same float, 1 to 9 that many significant digits.
    int precision = -1;
    // The level of a compressed stream's gzip members, 0 to 12.
    static constexpr int kDefaultGzipLevel = 1;
    int gzipLevel = kDefaultGzipLevel;
    // An archive file, whose one header line is
    // "##RenderMan RIB-Structure 1.1 Entity".
    bool archive = false;
    // When set, the stream's bytes go to this function in pieces of up to
    // 256 KB instead of to a named target, and the name only labels reports.
    // It returns false when the bytes could not be taken; the stream then
    // writes nothing more and reports the loss when it ends.
    std::function<bool(const char *bytes, size_t length)> sink;
};

// The u and v steps of a stream's last Basis request, which the vertex counts
// of PatchMesh and Curves follow.
struct BasisSteps {
    RtInt u = RI_BEZIERSTEP;
    RtInt v = RI_BEZIERSTEP;
};

class RibStream;

// A stream as a context of its own: every operation goes into the stream.
// A class derived from it can change operations and pass them on through
// RibWriter's own, as any ForwardingContext does.
class QUILLET_API RibWriter : public ForwardingContext {
public:
    // name: null for the standard output stream, "raylume", "glimpse" or
    // "prman" for a pipe into that program, "|command" for a pipe into any
    // command, anything else a file name; a file name ending in ".gz" is
    // written gzip-compressed. The option list ("format", "binary",
    // "compression", "gzip", "precision", "gziplevel", "archive" with
    // pointers to their values) ends with RI_NULL. "compression" and "gzip"
    // are recorded only; "gziplevel" (0 to 12, default 1) is the level of a
    // compressed stream; "archive" 1 makes the stream an archive file, whose
    // one header line is "##RenderMan RIB-Structure 1.1 Entity".
    explicit RibWriter(const char *name, ...);

    // A stream that the caller opened: the writer writes the header, the
    // requests and the final newline into it and flushes it at the end, but
    // never closes it. name only labels reports; gzip compresses what goes
    // into the stream. Options as above.
    struct OpenStream {
        FILE *stream;
        const char *name;
        bool gzip = false;
    };
    explicit RibWriter(OpenStream stream, ...);
    // name as above, with the options given as fields.
    RibWriter(const char *name, const StreamOptions &options);
    // Ends the stream: the final newline, then the target is flushed and closed.
    ~RibWriter() override;

    RibWriter(const RibWriter &) = delete;
    RibWriter &operator=(const RibWriter &) = delete;

    // False when the target could not be opened: the failure was reported
    // and the stream writes nothing.
    bool opened() const;

    // Raw bytes into the stream between two requests, such as the blanks of
    // an indenting filter; bytes that begin with a capital letter begin a
    // request.
    void writeBytes(const char *bytes, size_t length);

private:
    friend BasisSteps basisSteps(const RenderContext &context);

    std::unique_ptr<RibStream> stream;
};

// The basis steps of a stream context: a RibWriter, or a stream made by
// openStream or RiBegin. Any other context has the default steps.
QUILLET_API BasisSteps basisSteps(const RenderContext &context);

// A stream of its own, current for no thread: a thread pool can write one
// archive per task through it. name as for RibWriter. Null when the target
// could not be opened and an error function took the report (without one,
// the process ends as a failed RiBegin ends it).
QUILLET_API std::unique_ptr<RenderContext> openStream(const char *name, const StreamOptions &options = {});

}  // namespace quillet

#endif
