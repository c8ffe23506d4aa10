// The two entry points of an operation that ends in a parameter list:
// Ri<Name>(parameters, ...) collects the token/value pairs that follow the
// parameter `last`, Ri<Name>V(parameters, n, tokens, values) takes them as
// arrays, and both pass them to the current context's <Name>V.
// `parameters` is the parenthesised parameter list and `arguments` the same
// names without their types.
#ifndef QUILLET_LISTENTRIES_H
#define QUILLET_LISTENTRIES_H

#include "ri/CurrentContext.h"
#include "ri/ParamList.h"

#define QUILLET_UNPARENTHESISED(...) __VA_ARGS__

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

#endif
