// Entry points of solids, retained objects, declarations, archives and the
// error handler request.
#include "ri/CurrentContext.h"
#include "ri/ParamList.h"

using quillet::activeContext;
using quillet::RenderContext;

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

// Returns a value: the not-started report carries no message.
RtToken RiDeclare(const char *name, const char *declaration) {
    RenderContext *c = activeContext(nullptr);
    return c ? c->Declare(name, declaration) : nullptr;
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

RtVoid RiErrorHandler(RtErrorHandler handler) {
    if (RenderContext *c = activeContext(__func__)) c->ErrorHandler(handler);
}
