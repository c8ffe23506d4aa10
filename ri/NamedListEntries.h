// The two entry points of an operation that takes one token and a parameter
// list: Ri<Name>(first, ...) collects the pairs, Ri<Name>V takes them as
// arrays, and both pass them to the current context's <Name>V.
#ifndef QUILLET_NAMEDLISTENTRIES_H
#define QUILLET_NAMEDLISTENTRIES_H

#include "ri/CurrentContext.h"
#include "ri/ParamList.h"

#define QUILLET_NAMED_LIST_ENTRIES(Name, first)                                                                        \
    RtVoid Ri##Name(RtToken first, ...) {                                                                              \
        QUILLET_PARAM_LIST(params, first);                                                                             \
        if (quillet::RenderContext *c = quillet::activeContext(__func__))                                              \
            c->Name##V(first, params.count(), params.tokens(), params.values());                                       \
    }                                                                                                                  \
    RtVoid Ri##Name##V(RtToken first, RtInt n, RtToken tokens[], RtPointer values[]) {                                 \
        if (quillet::RenderContext *c = quillet::activeContext(__func__)) c->Name##V(first, n, tokens, values);        \
    }

#endif
