// The current context, the entry points that manage it and the "rib" options
// that the next RiBegin hands to its writer: the one file of ri/ that knows
// the stream writer.
#include "ri/CurrentContext.h"

#include <new>

#include "rib/RibWriter.h"
#include "rib/StreamOptions.h"

namespace {

RenderContext *current = nullptr;

const char *const kEndWithoutContext = "RiEnd called at inappropriate level";

}  // namespace

namespace quillet {

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
    current = new (std::nothrow) RibWriter(name, "binary", &quillet::ribBinaryDefault, RI_NULL);
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

RtVoid RiContext(RtContextHandle handle) {
    current = static_cast<RenderContext *>(handle);
}

RtContextHandle RiGetContext(void) {
    return current;
}
