// What the entry points ask of the stream writer: a new stream for RiBegin,
// and the "rib" options of RiOption, which set the next stream's defaults.
#include <new>

#include "quillet/RibWriter.h"
#include "ri/CurrentContext.h"
#include "rib/StreamOptions.h"

namespace quillet {

RenderContext *newStreamWriter(RtToken name) {
    return new (std::nothrow) RibWriter(name, "binary", &ribBinaryDefault, "precision", &ribPrecisionDefault,
                                        "gziplevel", &ribGzipLevelDefault, "archive", &ribArchiveDefault, RI_NULL);
}

bool applyStreamDefaults(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) {
    if (!isRibOptionName(name)) return false;
    applyRibOptions(name, n, tokens, values);
    return true;
}

}  // namespace quillet
