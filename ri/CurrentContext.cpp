// The current context and the entry points that manage it.
#include "ri/CurrentContext.h"

#include <unordered_set>

using quillet::RenderContext;

namespace {

RenderContext *current = nullptr;

const char *const kEndWithoutContext = "RiEnd called at inappropriate level";
const char *const kContextEntry = "RiContext";

// Never destroyed: contexts with static storage may outlive every other
// static object.
std::unordered_set<const void *> &liveContexts() {
    static auto *live = new std::unordered_set<const void *>;
    return *live;
}

}  // namespace

namespace quillet {

void registerLiveContext(const RenderContext *context) {
    liveContexts().insert(context);
}

void retireLiveContext(const RenderContext *context) {
    liveContexts().erase(context);
    if (current == context) current = nullptr;
}

bool isLiveContext(RtContextHandle handle) {
    return handle != nullptr && liveContexts().count(handle) != 0;
}

RenderContext *activeContext(const char *entryName) {
    if (current == nullptr) RiErrorPrint(RIE_NOTSTARTED, RIE_SEVERE, entryName);
    return current;
}

}  // namespace quillet

RtVoid RiBegin(RtToken name) {
    // Any context that is current stays open; the new writer replaces it.
    current = quillet::newStreamWriter(name);
}

RtVoid RiEnd(void) {
    if (current == nullptr) {
        RiErrorPrint(RIE_NESTING, RIE_SEVERE, kEndWithoutContext);
        return;
    }
    RenderContext *ending = current;
    current = nullptr;
    delete ending;
}

// A handle is compared with the live contexts before it is used as one:
// anything else is reported and leaves the current context as it is.
RtVoid RiContext(RtContextHandle handle) {
    if (handle != nullptr && !quillet::isLiveContext(handle)) {
        RiErrorPrint(RIE_BADHANDLE, RIE_ERROR, kContextEntry);
        return;
    }
    current = static_cast<RenderContext *>(handle);
}

RtContextHandle RiGetContext(void) {
    return current;
}
