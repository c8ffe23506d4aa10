// Entry points of frames, the world block, attribute, transform, solid,
// object and motion blocks, declarations, archives and the error handler
// request.
#include "ri/CurrentContext.h"
#include "ri/ParamList.h"

using quillet::activeContext;
using quillet::MotionTimes;
using quillet::RenderContext;

RtVoid RiFrameBegin(RtInt frame) {
    if (RenderContext *c = activeContext(__func__)) c->FrameBegin(frame);
}

RtVoid RiFrameEnd(void) {
    if (RenderContext *c = activeContext(__func__)) c->FrameEnd();
}

RtVoid RiWorldBegin(void) {
    if (RenderContext *c = activeContext(__func__)) c->WorldBegin();
}

RtVoid RiWorldEnd(void) {
    if (RenderContext *c = activeContext(__func__)) c->WorldEnd();
}

RtVoid RiAttributeBegin(void) {
    if (RenderContext *c = activeContext(__func__)) c->AttributeBegin();
}

RtVoid RiAttributeEnd(void) {
    if (RenderContext *c = activeContext(__func__)) c->AttributeEnd();
}

RtVoid RiTransformBegin(void) {
    if (RenderContext *c = activeContext(__func__)) c->TransformBegin();
}

RtVoid RiTransformEnd(void) {
    if (RenderContext *c = activeContext(__func__)) c->TransformEnd();
}

RtVoid RiSolidBegin(RtToken operation) {
    if (RenderContext *c = activeContext(__func__)) c->SolidBegin(operation);
}

RtVoid RiSolidEnd(void) {
    if (RenderContext *c = activeContext(__func__)) c->SolidEnd();
}

// Returns a value: the not-started report carries no message.
RtObjectHandle RiObjectBegin(void) {
    RenderContext *c = activeContext(nullptr);
    return c ? c->ObjectBegin() : nullptr;
}

RtVoid RiObjectEnd(void) {
    if (RenderContext *c = activeContext(__func__)) c->ObjectEnd();
}

RtVoid RiObjectInstance(RtObjectHandle handle) {
    if (RenderContext *c = activeContext(__func__)) c->ObjectInstance(handle);
}

RtVoid RiMotionBegin(RtInt n, ...) {
    RenderContext *c = activeContext(__func__);
    if (!c) return;
    va_list args;
    va_start(args, n);
    MotionTimes times(n, args);
    va_end(args);
    c->MotionBeginV(n, times.data());
}

RtVoid RiMotionBeginV(RtInt n, RtFloat times[]) {
    if (RenderContext *c = activeContext(__func__)) c->MotionBeginV(n, times);
}

RtVoid RiMotionEnd(void) {
    if (RenderContext *c = activeContext(__func__)) c->MotionEnd();
}

RtVoid RiErrorHandler(RtErrorHandler handler) {
    if (RenderContext *c = activeContext(__func__)) c->ErrorHandler(handler);
}

RtVoid RiArchiveRecord(RtToken type, const char *format, ...) {
    RenderContext *c = activeContext(__func__);
    if (!c) return;
    va_list args;
    va_start(args, format);
    c->VArchiveRecord(type, format, args);
    va_end(args);
}

RtVoid RiVArchiveRecord(RtToken type, const char *format, va_list args) {
    if (RenderContext *c = activeContext(__func__)) c->VArchiveRecord(type, format, args);
}

RtVoid RiReadArchive(RtToken name, RtArchiveCallback callback, ...) {
    QUILLET_PARAM_LIST(params, callback);
    if (RenderContext *c = activeContext(__func__))
        c->ReadArchiveV(name, callback, params.count(), params.tokens(), params.values());
}

RtVoid RiReadArchiveV(RtToken name, RtArchiveCallback callback, RtInt n, RtToken tokens[], RtPointer values[]) {
    if (RenderContext *c = activeContext(__func__)) c->ReadArchiveV(name, callback, n, tokens, values);
}

// Returns a value: the not-started report carries no message.
RtToken RiDeclare(const char *name, const char *declaration) {
    RenderContext *c = activeContext(nullptr);
    return c ? c->Declare(name, declaration) : nullptr;
}
