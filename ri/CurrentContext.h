// The current context behind the entry points, one per thread.
#ifndef QUILLET_CURRENTCONTEXT_H
#define QUILLET_CURRENTCONTEXT_H

#include "quillet/RenderContext.h"

namespace quillet {

// The calling thread's current context. When there is none, reports
// RIE_NOTSTARTED as a severe error with entryName as the message (null for
// none) and returns null; by default the report ends the process, so callers
// only see null when a host's error function took it.
RenderContext *activeContext(const char *entryName);

// The stream writer's side of the entry points, defined in rib/: ri/ includes
// nothing of the writer, and reaches it through these two alone.
// A new stream writer for RiBegin(name), with the defaults that the "rib"
// options have set; null when it cannot be allocated or its target opened.
RenderContext *newStreamWriter(RtToken name);
// "rib"/"RIB" options: applied to the defaults of the next stream, returning
// true. Any other name changes nothing and returns false.
bool applyStreamDefaults(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]);

// The process's live contexts, kept by RenderContext's constructor and
// destructor. Retiring the current context leaves none current.
void registerLiveContext(const RenderContext *context);
void retireLiveContext(const RenderContext *context);
// True for the handle of a context that has not ended (false for null).
bool isLiveContext(RtContextHandle handle);

// Makes a context the calling thread's current one while the scope lasts,
// leaving the process's current context alone, then gives the thread back
// its previous choice: for bindings whose objects each write their own
// stream, one call at a time.
class ThreadContextScope {
public:
    explicit ThreadContextScope(RtContextHandle context);
    ~ThreadContextScope();
    ThreadContextScope(const ThreadContextScope &) = delete;
    ThreadContextScope &operator=(const ThreadContextScope &) = delete;

private:
    bool previousChosen;
    RenderContext *previousContext;
    unsigned long previousEndedWhenChecked;
};

}  // namespace quillet

#endif
