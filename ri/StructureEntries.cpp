// Entry points of frames, the world block, attribute, transform, solid,
// object and motion blocks, declarations, archives and the error handler
// request; inline archives, conditional and resource blocks, system commands.
#include "ri/CurrentContext.h"
#include "ri/ListEntries.h"
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

QUILLET_LIST_ENTRIES(ReadArchive, (RtToken name, RtArchiveCallback callback), (name, callback), callback)

// Returns a value: the not-started report carries no message.
RtToken RiDeclare(const char *name, const char *declaration) {
    RenderContext *c = activeContext(nullptr);
    return c ? c->Declare(name, declaration) : nullptr;
}

// Returns a value: the not-started report carries no message.
RtObjectHandle RiObjectBeginV(RtInt n, RtToken tokens[], RtPointer values[]) {
    RenderContext *c = activeContext(nullptr);
    return c ? c->ObjectBeginV(n, tokens, values) : nullptr;
}

// Returns a value: the not-started report carries no message.
RtArchiveHandle RiArchiveBegin(RtToken name, ...) {
    QUILLET_PARAM_LIST(params, name);
    RenderContext *c = activeContext(nullptr);
    return c ? c->ArchiveBeginV(name, params.count(), params.tokens(), params.values()) : nullptr;
}

RtArchiveHandle RiArchiveBeginV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) {
    RenderContext *c = activeContext(nullptr);
    return c ? c->ArchiveBeginV(name, n, tokens, values) : nullptr;
}

RtVoid RiArchiveEnd(void) {
    if (RenderContext *c = activeContext(__func__)) c->ArchiveEnd();
}

RtVoid RiIfBegin(RtString condition) {
    if (RenderContext *c = activeContext(__func__)) c->IfBegin(condition);
}

RtVoid RiElseIf(RtString condition) {
    if (RenderContext *c = activeContext(__func__)) c->ElseIf(condition);
}

RtVoid RiElse(void) {
    if (RenderContext *c = activeContext(__func__)) c->Else();
}

RtVoid RiIfEnd(void) {
    if (RenderContext *c = activeContext(__func__)) c->IfEnd();
}

QUILLET_LIST_ENTRIES(Resource, (RtToken handle, RtToken type), (handle, type), type)

RtVoid RiResourceBegin(void) {
    if (RenderContext *c = activeContext(__func__)) c->ResourceBegin();
}

RtVoid RiResourceEnd(void) {
    if (RenderContext *c = activeContext(__func__)) c->ResourceEnd();
}

RtVoid RiSystem(RtString command) {
    if (RenderContext *c = activeContext(__func__)) c->System(command);
}
