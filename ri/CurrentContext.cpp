// The current context, the entry points that manage it and the "rib" options
// that the next RiBegin hands to its writer: the one file of ri/ that knows
// the stream writer.
#include "ri/CurrentContext.h"

#include <new>
#include <unordered_set>

#include "quillet/RibWriter.h"
#include "rib/StreamOptions.h"

using quillet::RenderContext;
using quillet::RibWriter;

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

bool applyStreamDefaults(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) {
    if (!isRibOptionName(name)) return false;
    applyRibOptions(name, n, tokens, values);
    return true;
}

}  // namespace quillet

RtVoid RiBegin(RtToken name) {
    // Any context that is current stays open; the new writer replaces it.
    current = new (std::nothrow)
        RibWriter(name, "binary", &quillet::ribBinaryDefault, "precision", &quillet::ribPrecisionDefault, "gziplevel",
                  &quillet::ribGzipLevelDefault, "archive", &quillet::ribArchiveDefault, RI_NULL);
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
