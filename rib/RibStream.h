// RibStream: the stream context that writes every request as RIB to its
// target. RiBegin and openStream make one directly; the installed RibWriter
// passes its operations on to one. The encoders, the parameter-list writers
// and the state of the stream are here, for the request writers of rib/.
#ifndef QUILLET_RIB_RIBSTREAM_H
#define QUILLET_RIB_RIBSTREAM_H

#include <cstddef>
#include <cstdio>
#include <initializer_list>
#include <memory>
#include <unordered_set>

#include "quillet/ContextOverrides.h"
#include "quillet/RenderContext.h"
#include "quillet/RibWriter.h"

namespace quillet {

class OutputBuffer;
class StreamTarget;
struct FloatEncoding;

class RibStream : public RenderContext {
public:
    // name and options as for RibWriter.
    RibStream(const char *name, const StreamOptions &options);
    // A stream that the caller opened, as for RibWriter.
    RibStream(RibWriter::OpenStream stream, const StreamOptions &options);
    ~RibStream() override;

    // False when the target could not be opened: the failure was reported
    // and the stream writes nothing.
    bool opened() const;

    RibStream(const RibStream &) = delete;
    RibStream &operator=(const RibStream &) = delete;

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

}  // namespace quillet

#endif
