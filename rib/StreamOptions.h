// The rules of the stream option pairs, shared by the "rib" options of
// RiOption and by the option list of a new RibWriter.
#ifndef QUILLET_STREAMOPTIONS_H
#define QUILLET_STREAMOPTIONS_H

#include "ri/ri.h"

namespace quillet {

// "format" (string, "binary" selects binary), "binary" (RtInt), "compression"
// (string, "gzip" sets the flag) and, when acceptGzipFlag, "gzip" (RtInt).
// Other tokens, null tokens and null values change nothing.
void applyStreamOption(RtToken token, RtPointer value, RtInt &binary, RtInt &compressed, bool acceptGzipFlag);

}  // namespace quillet

#endif
