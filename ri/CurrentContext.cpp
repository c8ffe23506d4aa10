// The current context and the entry points that manage it.
#include "ri/CurrentContext.h"

#include <new>

#include "rib/RibWriter.h"

namespace {

RenderContext *current = nullptr;

const char *const kEndWithoutContext = "RiEnd called at inappropriate level";

}  // namespace

namespace quillet {

RenderContext *activeContext(const char *entryName) {
    if (current == nullptr) RiErrorPrint(RIE_NOTSTARTED, RIE_SEVERE, entryName);
    return current;
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
