// A RenderContext that passes every operation on to another context
// unchanged, or drops it when there is none. A filter derives from it and
// overrides the operations it changes; forwarding() sees every operation go
// by with its place in the block structure.
#ifndef QUILLET_FORWARDINGCONTEXT_H
#define QUILLET_FORWARDINGCONTEXT_H

#include "quillet/ContextOverrides.h"
#include "quillet/RenderContext.h"

namespace quillet {

class QUILLET_API ForwardingContext : public RenderContext {
public:
    // next: where the operations go, or null to drop them (results are null).
    explicit ForwardingContext(RenderContext *next = nullptr) : next(next) {}

    // Frame, World, Attribute, Transform, Solid, Object, Motion, Archive,
    // Resource and If blocks; Continues ends one branch of an If block and
    // begins the next (ElseIf, Else).
    enum class Nesting { Inside, Opens, Closes, Continues };

    QUILLET_RENDER_CONTEXT_OVERRIDES

protected:
    // Called by every operation before it is passed on (or dropped).
    virtual void forwarding(Nesting) {}

    RenderContext *next;
};

}  // namespace quillet

#endif
