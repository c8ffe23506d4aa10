// RibWriter: the stream context that writes every request as RIB to a file,
// the standard output stream or a pipe into a renderer program.
#ifndef QUILLET_RIBWRITER_H
#define QUILLET_RIBWRITER_H

#include <cstddef>
#include <cstdio>
#include <functional>
#include <initializer_list>
#include <memory>
#include <unordered_set>

#include "quillet/ContextOverrides.h"
#include "quillet/RenderContext.h"

namespace quillet {

class ParamList;

class OutputBuffer;
class StreamTarget;
struct FloatEncoding;

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

class QUILLET_API RibWriter : public RenderContext {
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
    ~RibWriter() override;

    // False when the target could not be opened: the failure was reported
    // and the stream writes nothing.
    bool opened() const;

    RibWriter(const RibWriter &) = delete;
    RibWriter &operator=(const RibWriter &) = delete;

    QUILLET_RENDER_CONTEXT_OVERRIDES

    // Value encoders: floats follow binaryEncoding and floatPrecision,
    // integers and strings are text.
    void writeFloat(RtFloat value);
    void writeFloatArray(const RtFloat values[], RtInt count);
    void writeIntArray(const RtInt values[], RtInt count);
    void writeStringArray(const RtToken values[], RtInt count);

    // Parameter lists: every declared pair, then the newline ending the request.
    void writeParamList(const char *name, RtInt handle, RtInt n, RtToken tokens[], RtPointer values[]);
    void writeCountedParamList(RtInt vertexCount, RtInt varyingCount, RtInt uniformCount, RtInt n, RtToken tokens[],
                               RtPointer values[]);
    // The same with the count of facevarying and facevertex parameters, which
    // the form above takes to be the varying count.
    void writeCountedParamList(RtInt vertexCount, RtInt varyingCount, RtInt uniformCount, RtInt faceCount, RtInt n,
                               RtToken tokens[], RtPointer values[]);

    // Formatted text into the stream. Understands %d, %i, %ld, %g, %f, %s and
    // %%. "%g" and "%f" take floats (promoted to double) and write what
    // printf writes in the C locale, or the stream's precision when it has
    // one. %s writes its text as it stands (a null string writes nothing):
    // quoted RIB strings go through writeQuoted. A format that begins with a
    // capital letter begins a request.
    void writef(const char *format, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 2, 3)))
#endif
        ;
    // One string between double quotes, escaped as RIB strings are read; a
    // null string is written as "".
    void writeQuoted(const char *text);
    // Several strings as writeQuoted writes them, a blank between two.
    void writeQuotedList(std::initializer_list<const char *> texts);
    // Raw bytes; bytes that begin with a capital letter begin a request.
    void writeBytes(const char *bytes, size_t length);

    // Before a request with a parameter list: a Declare line for each token
    // of the list that a Declare request declared and this stream has not
    // written (it was declared while another stream was open).
    void declareForStream(RtInt n, RtToken tokens[]);

    // The encoding of floats in this stream.
    FloatEncoding floatEncoding() const;
    // A NaN or an infinity was written as text: reported once per request.
    void reportNonFinite();

    RtErrorHandler errorHandler = RiErrorPrint;
    // The open target, and the one buffer that every request writes into.
    std::unique_ptr<StreamTarget> target;
    std::unique_ptr<OutputBuffer> out;
    const char *targetName = nullptr;
    RtInt isPipe = 0;
    RtInt uStep = 3;
    RtInt vStep = 3;
    RtInt binaryEncoding = 0;
    RtInt compressed = 0;
    // Float text: kDefaultPrecision ("%g") or 0 to 9 (rib/FloatFormat.h).
    RtInt floatPrecision;
    // The gzip level of a compressed stream, and whether it is an archive file.
    RtInt gzipLevel;
    RtInt archiveFile = 0;
    RtInt nextLightHandle = 1;
    RtInt nextObjectHandle = 1;
    // The start of the request being written (its keyword is cut from it
    // when a report needs it), and whether a non-finite value in it has
    // been reported.
    char requestName[32] = {};
    size_t requestNameLength = 0;
    bool nonFiniteReported = false;

    // The user declarations whose Declare line this stream has written.
    std::unordered_set<const void *> writtenDeclarations;
    // Declare requests are echoed into the stream, except while the
    // standard declarations are made.
    bool echoDeclare = false;
    // The handles of named lights and objects: the pool's copies of their
    // names, written back as strings.
    std::unordered_set<const void *> namedHandles;

private:
    void writeDeclare(const char *name, const char *declaration);
    void applyOptions(const StreamOptions &options);
    void openTarget(const char *name);
    // Writes the header and declares the standard tokens.
    void begin();
    void beginRequest(const char *text, size_t length);

    // The number on the header's version line, and the length of its text.
    RtFloat headerVersion = 0;
    size_t headerVersionLength = 0;
};

// A stream of its own, current for no thread: a thread pool can write one
// archive per task through it. name as for RibWriter. Null when the target
// could not be opened and an error function took the report (without one,
// the process ends as a failed RiBegin ends it).
QUILLET_API std::unique_ptr<RenderContext> openStream(const char *name, const StreamOptions &options = {});

}  // namespace quillet

#endif
