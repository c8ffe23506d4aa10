// Structure and block requests: frames, worlds, attribute, transform, solid,
// object and motion blocks, error-handler selection, archive records and
// archive inclusion; inline archives, conditional blocks, resources and
// system commands.
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>

#include "format/FormatString.h"
#include "format/FunctionNames.h"
#include "format/GeometryCounts.h"
#include "decl/HandleId.h"
#include "decl/StringPool.h"
#include "rib/OutputBuffer.h"
#include "rib/RequestText.h"
#include "rib/RibStream.h"
#include "rib/StreamTarget.h"

namespace quillet {

namespace {

enum class RecordKind { Comment, Structure, Verbatim, Unknown };

RecordKind recordKind(RtToken type) {
    if (!type) {
        return RecordKind::Unknown;
    }
    if (std::strcmp(type, "comment") == 0) {
        return RecordKind::Comment;
    }
    if (std::strcmp(type, "structure") == 0) {
        return RecordKind::Structure;
    }
    if (std::strcmp(type, "verbatim") == 0) {
        return RecordKind::Verbatim;
    }
    return RecordKind::Unknown;
}

// The prefixes of comment and structure records, repeated on each line.
const char kCommentPrefix[] = "# ";
const char kStructurePrefix[] = "##";

}  // namespace

RtVoid RibStream::FrameBegin(RtInt frame) {
    writef("FrameBegin %d\n", frame);
}
RtVoid RibStream::FrameEnd() {
    writef("FrameEnd\n");
}
RtVoid RibStream::WorldBegin() {
    writef("WorldBegin\n");
}

// The one request that flushes: a piped renderer gets the whole world here.
RtVoid RibStream::WorldEnd() {
    writef("WorldEnd\n");
    out->flush();
    target->flush();
}

RtVoid RibStream::AttributeBegin() {
    writef("AttributeBegin\n");
}
RtVoid RibStream::AttributeEnd() {
    writef("AttributeEnd\n");
}
RtVoid RibStream::TransformBegin() {
    writef("TransformBegin\n");
}
RtVoid RibStream::TransformEnd() {
    writef("TransformEnd\n");
}
RtVoid RibStream::SolidBegin(RtToken operation) {
    writeQuotedRequest(*this, "SolidBegin", operation);
}
RtVoid RibStream::SolidEnd() {
    writef("SolidEnd\n");
}

RtObjectHandle RibStream::ObjectBegin() {
    RtInt number = nextObjectHandle++;
    writef("ObjectBegin %d\n", number);
    return handleFromNumber(number);
}

RtVoid RibStream::ObjectEnd() {
    writef("ObjectEnd\n");
}

RtVoid RibStream::ObjectInstance(RtObjectHandle handle) {
    writef("ObjectInstance ");
    writeHandle(*this, handle);
    endRequest(*this);
}

// Named by "__handleid", the only parameter an object block takes; unnamed,
// the numbered form.
RtObjectHandle RibStream::ObjectBeginV(RtInt n, RtToken tokens[], RtPointer values[]) {
    const char *name = handleIdName(n, tokens, values);
    if (!name) return ObjectBegin();
    RtPointer handle = nameHandle(*this, name);
    writeQuotedRequest(*this, "ObjectBegin", name);
    return handle;
}

RtVoid RibStream::MotionBeginV(RtInt n, RtFloat times[]) {
    writeFloatArrayRequest(*this, "MotionBegin", times, n);
}

RtVoid RibStream::MotionEnd() {
    writef("MotionEnd\n");
}

// Names a standard handler in the stream; any other handler writes nothing.
// The handler is neither installed nor called.
RtVoid RibStream::ErrorHandler(RtErrorHandler handler) {
    const char *name = errorHandlerName(handler);
    if (name) {
        writeQuotedRequest(*this, "ErrorHandler", name);
    }
}

// Archive records are raw text, never quoted strings: nothing is escaped. In
// comment and structure records each newline starts a new line with the
// record's prefix, so that no line of a record is read as a request;
// verbatim records are written as they are.
RtVoid RibStream::VArchiveRecord(RtToken type, const char *format, va_list args) {
    RecordKind kind = recordKind(type);
    if (kind == RecordKind::Unknown) {
        return;
    }

    // Never cut, however long.
    const std::string record = format ? vformatString(format, args) : std::string();
    const char *text = record.c_str();

    if (kind == RecordKind::Verbatim) {
        writeBytes(text, std::strlen(text));
        return;
    }
    const char *prefix = kind == RecordKind::Comment ? kCommentPrefix : kStructurePrefix;
    out->put(prefix, std::strlen(prefix));
    for (const char *line = text;;) {
        const char *end = std::strchr(line, '\n');
        if (!end) {
            out->put(line, std::strlen(line));
            break;
        }
        out->put(line, size_t(end - line));
        out->put('\n');
        out->put(prefix, std::strlen(prefix));
        line = end + 1;
    }
    out->put('\n');
}

// The callback is a reader's concern; a stream writer ignores it.
RtVoid RibStream::ReadArchiveV(RtToken name, RtArchiveCallback, RtInt n, RtToken tokens[], RtPointer values[]) {
    declareForStream(n, tokens);
    writeNamedParamRequest(*this, "ReadArchive", name, 0, n, tokens, values);
}

// The handle is the archive's name: ReadArchive takes it.
RtArchiveHandle RibStream::ArchiveBeginV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) {
    declareForStream(n, tokens);
    writeNamedParamRequest(*this, "ArchiveBegin", name, 0, n, tokens, values);
    return const_cast<char *>(StringPool::intern(name ? name : ""));
}

RtVoid RibStream::ArchiveEnd() {
    writef("ArchiveEnd\n");
}

RtVoid RibStream::IfBegin(RtString condition) {
    writeQuotedRequest(*this, "IfBegin", condition);
}
RtVoid RibStream::ElseIf(RtString condition) {
    writeQuotedRequest(*this, "ElseIf", condition);
}
RtVoid RibStream::Else() {
    writef("Else\n");
}
RtVoid RibStream::IfEnd() {
    writef("IfEnd\n");
}

RtVoid RibStream::ResourceV(RtToken handle, RtToken type, RtInt n, RtToken tokens[], RtPointer values[]) {
    declareForStream(n, tokens);
    writef("Resource ");
    writeQuotedList({handle, type});
    const ClassCounts counts = uncountedCounts();
    writeCountedParamList(counts.vertex, counts.varying, counts.uniform, counts.face, n, tokens, values);
}

RtVoid RibStream::ResourceBegin() {
    writef("ResourceBegin\n");
}
RtVoid RibStream::ResourceEnd() {
    writef("ResourceEnd\n");
}

RtVoid RibStream::System(RtString command) {
    writeQuotedRequest(*this, "System", command);
}

}  // namespace quillet
