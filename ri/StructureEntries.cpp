// Entry points of frames, the world block, attribute, transform, solid,
// object and motion blocks, declarations, archives and the error handler
// request; inline archives, conditional and resource blocks, system commands.
#include "ri/CurrentContext.h"
#include "ri/EntryPoints.h"
#include "ri/ParamList.h"

using quillet::activeContext;
using quillet::MotionTimes;
using quillet::RenderContext;

QUILLET_ENTRY(FrameBegin, (RtInt frame), (frame))

QUILLET_ENTRY(FrameEnd, (void), ())

QUILLET_ENTRY(WorldBegin, (void), ())

QUILLET_ENTRY(WorldEnd, (void), ())

QUILLET_ENTRY(AttributeBegin, (void), ())

QUILLET_ENTRY(AttributeEnd, (void), ())

QUILLET_ENTRY(TransformBegin, (void), ())

QUILLET_ENTRY(TransformEnd, (void), ())

QUILLET_ENTRY(SolidBegin, (RtToken operation), (operation))

QUILLET_ENTRY(SolidEnd, (void), ())

QUILLET_RESULT_ENTRY(RtObjectHandle, ObjectBegin, (void), ())

QUILLET_ENTRY(ObjectEnd, (void), ())

QUILLET_ENTRY(ObjectInstance, (RtObjectHandle handle), (handle))

RtVoid RiMotionBegin(RtInt n, ...) {
    RenderContext *c = activeContext(__func__);
    if (!c) return;
    va_list args;
    va_start(args, n);
    MotionTimes times(n, args);
    va_end(args);
    c->MotionBeginV(n, times.data());
}

QUILLET_ENTRY(MotionBeginV, (RtInt n, RtFloat times[]), (n, times))

QUILLET_ENTRY(MotionEnd, (void), ())

QUILLET_ENTRY(ErrorHandler, (RtErrorHandler handler), (handler))

RtVoid RiArchiveRecord(RtToken type, const char *format, ...) {
    RenderContext *c = activeContext(__func__);
    if (!c) return;
    va_list args;
    va_start(args, format);
    c->VArchiveRecord(type, format, args);
    va_end(args);
}

QUILLET_ENTRY(VArchiveRecord, (RtToken type, const char *format, va_list args), (type, format, args))

QUILLET_LIST_ENTRIES(ReadArchive, (RtToken name, RtArchiveCallback callback), (name, callback), callback)

QUILLET_RESULT_ENTRY(RtToken, Declare, (const char *name, const char *declaration), (name, declaration))

QUILLET_RESULT_ENTRY(RtObjectHandle, ObjectBeginV, (RtInt n, RtToken tokens[], RtPointer values[]), (n, tokens, values))

QUILLET_RESULT_NAMED_LIST_ENTRIES(RtArchiveHandle, ArchiveBegin)

QUILLET_ENTRY(ArchiveEnd, (void), ())

QUILLET_ENTRY(IfBegin, (RtString condition), (condition))

QUILLET_ENTRY(ElseIf, (RtString condition), (condition))

QUILLET_ENTRY(Else, (void), ())

QUILLET_ENTRY(IfEnd, (void), ())

QUILLET_LIST_ENTRIES(Resource, (RtToken handle, RtToken type), (handle, type), type)

QUILLET_ENTRY(ResourceBegin, (void), ())

QUILLET_ENTRY(ResourceEnd, (void), ())

QUILLET_ENTRY(System, (RtString command), (command))
