// Structure and block requests: frames, worlds, attribute, transform, solid,
// object and motion blocks, error-handler selection, archive records and
// archive inclusion.
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <vector>

#include "rib/FunctionNames.h"
#include "rib/OutputBuffer.h"
#include "rib/RequestText.h"
#include "rib/RibWriter.h"
#include "rib/StreamTarget.h"

namespace quillet {

namespace {

// Records that fit (terminating zero included) are formatted on the stack;
// longer ones go to the heap, so a record is never cut.
const int kRecordBufferSize = 10000;

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

}  // namespace

RtVoid RibWriter::FrameBegin(RtInt frame) {
    writef("FrameBegin %d\n", frame);
}
RtVoid RibWriter::FrameEnd() {
    writef("FrameEnd\n");
}
RtVoid RibWriter::WorldBegin() {
    writef("WorldBegin\n");
}

// The one request that flushes: a piped renderer gets the whole world here.
RtVoid RibWriter::WorldEnd() {
    writef("WorldEnd\n");
    out->flush();
    target->flush();
}

RtVoid RibWriter::AttributeBegin() {
    writef("AttributeBegin\n");
}
RtVoid RibWriter::AttributeEnd() {
    writef("AttributeEnd\n");
}
RtVoid RibWriter::TransformBegin() {
    writef("TransformBegin\n");
}
RtVoid RibWriter::TransformEnd() {
    writef("TransformEnd\n");
}
RtVoid RibWriter::SolidBegin(RtToken operation) {
    writeQuotedRequest(*this, "SolidBegin", operation);
}
RtVoid RibWriter::SolidEnd() {
    writef("SolidEnd\n");
}

RtObjectHandle RibWriter::ObjectBegin() {
    RtInt number = nextObjectHandle++;
    writef("ObjectBegin %d\n", number);
    return handleFromNumber(number);
}

RtVoid RibWriter::ObjectEnd() {
    writef("ObjectEnd\n");
}

RtVoid RibWriter::ObjectInstance(RtObjectHandle handle) {
    writef("ObjectInstance %ld\n", numberOfHandle(handle));
}

RtVoid RibWriter::MotionBeginV(RtInt n, RtFloat times[]) {
    writeFloatArrayRequest(*this, "MotionBegin", times, n);
}

RtVoid RibWriter::MotionEnd() {
    writef("MotionEnd\n");
}

// Names a standard handler in the stream; any other handler writes nothing.
// The handler is neither installed nor called.
RtVoid RibWriter::ErrorHandler(RtErrorHandler handler) {
    const char *name = errorHandlerName(handler);
    if (name) {
        writeQuotedRequest(*this, "ErrorHandler", name);
    }
}

// Archive records are raw text, never quoted strings: nothing is escaped.
RtVoid RibWriter::VArchiveRecord(RtToken type, const char *format, va_list args) {
    RecordKind kind = recordKind(type);
    if (kind == RecordKind::Unknown) {
        return;
    }

    char local[kRecordBufferSize];
    std::vector<char> large;
    const char *text = "";
    if (format) {
        va_list measured;
        va_copy(measured, args);
        int length = std::vsnprintf(local, sizeof local, format, measured);
        va_end(measured);
        if (length >= kRecordBufferSize) {
            large.resize(static_cast<size_t>(length) + 1);
            va_list again;
            va_copy(again, args);
            std::vsnprintf(large.data(), large.size(), format, again);
            va_end(again);
            text = large.data();
        } else if (length >= 0) {
            text = local;
        }
    }

    switch (kind) {
    case RecordKind::Comment: writef("# %s\n", text); break;
    case RecordKind::Structure: writef("##%s\n", text); break;
    case RecordKind::Verbatim: writeBytes(text, std::strlen(text)); break;
    case RecordKind::Unknown: break;
    }
}

// The callback is a reader's concern; a stream writer ignores it.
RtVoid RibWriter::ReadArchiveV(RtToken name, RtArchiveCallback, RtInt n, RtToken tokens[], RtPointer values[]) {
    writeNamedParamRequest(*this, "ReadArchive", name, 0, n, tokens, values);
}

}  // namespace quillet
