// The entry points in one form: each finds the current context (reporting
// when there is none) and passes its arguments to the operation of the same
// name. `parameters` is a parenthesised parameter list and `arguments` the
// same names without their types.
#ifndef QUILLET_ENTRYPOINTS_H
#define QUILLET_ENTRYPOINTS_H

#include "ri/CurrentContext.h"
#include "ri/ParamList.h"

#define QUILLET_UNPARENTHESISED(...) __VA_ARGS__

// An operation without a parameter list.
#define QUILLET_ENTRY(Name, parameters, arguments)                                                                     \
    RtVoid Ri##Name parameters {                                                                                       \
        if (quillet::RenderContext *c = quillet::activeContext(__func__)) c->Name arguments;                           \
    }

// An operation that returns a value (a handle, a token, points): null when
// there is no context, whose report then carries no message.
#define QUILLET_RESULT_ENTRY(Result, Name, parameters, arguments)                                                      \
    Result Ri##Name parameters {                                                                                       \
        quillet::RenderContext *c = quillet::activeContext(nullptr);                                                   \
        return c ? c->Name arguments : nullptr;                                                                        \
    }

// An operation that ends in a parameter list: Ri<Name>(parameters, ...)
// collects the token/value pairs that follow the parameter `last`,
// Ri<Name>V(parameters, n, tokens, values) takes them as arrays, and both
// pass them to the current context's <Name>V.

#define QUILLET_LIST_ENTRIES(Name, parameters, arguments, last)                                                        \
    RtVoid Ri##Name(QUILLET_UNPARENTHESISED parameters, ...) {                                                         \
        QUILLET_PARAM_LIST(params, last);                                                                              \
        if (quillet::RenderContext *c = quillet::activeContext(__func__))                                              \
            c->Name##V(QUILLET_UNPARENTHESISED arguments, params.count(), params.tokens(), params.values());           \
    }                                                                                                                  \
    RtVoid Ri##Name##V(QUILLET_UNPARENTHESISED parameters, RtInt n, RtToken tokens[], RtPointer values[]) {            \
        if (quillet::RenderContext *c = quillet::activeContext(__func__))                                              \
            c->Name##V(QUILLET_UNPARENTHESISED arguments, n, tokens, values);                                          \
    }

// An operation whose one parameter before the list is a token.
#define QUILLET_NAMED_LIST_ENTRIES(Name, first) QUILLET_LIST_ENTRIES(Name, (RtToken first), (first), first)

// The same two entry points of an operation that takes a name and a
// parameter list and returns a handle.
#define QUILLET_RESULT_NAMED_LIST_ENTRIES(Result, Name)                                                                \
    Result Ri##Name(RtToken name, ...) {                                                                               \
        QUILLET_PARAM_LIST(params, name);                                                                              \
        quillet::RenderContext *c = quillet::activeContext(nullptr);                                                   \
        return c ? c->Name##V(name, params.count(), params.tokens(), params.values()) : nullptr;                       \
    }                                                                                                                  \
    QUILLET_RESULT_ENTRY(Result, Name##V, (RtToken name, RtInt n, RtToken tokens[], RtPointer values[]),               \
                         (name, n, tokens, values))

#endif
