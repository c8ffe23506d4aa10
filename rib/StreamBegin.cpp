// What the entry points ask of the stream writer: a new stream for RiBegin,
// and the "rib" options of RiOption, which set the next stream's defaults.
#include <new>

#include "rib/RibStream.h"
#include "ri/CurrentContext.h"
#include "rib/StreamOptions.h"

namespace quillet {

RenderContext *newStreamWriter(RtToken name) {
    auto *writer = new (std::nothrow) RibStream(name, nextStreamOptions());
    if (writer && !writer->opened()) {
        delete writer;
        return nullptr;
    }
    return writer;
}

bool applyStreamDefaults(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) {
    if (!isRibOptionName(name)) return false;
    applyRibOptions(name, n, tokens, values);
    return true;
}

}  // namespace quillet
