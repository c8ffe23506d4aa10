// "__handleid": the string parameter that names a light or a retained object
// in ObjectBeginV, LightSourceV and AreaLightSourceV, given plain or as an
// inline string declaration ("string __handleid", "uniform string __handleid").
#ifndef QUILLET_HANDLEID_H
#define QUILLET_HANDLEID_H

#include "quillet/ri.h"

namespace quillet {

extern const char kHandleIdToken[];

// The position of the handle's name in the list, or -1.
RtInt handleIdIndex(RtInt n, const RtToken tokens[]);
// The name it gives, or null.
const char *handleIdName(RtInt n, const RtToken tokens[], const RtPointer values[]);

}  // namespace quillet

#endif
