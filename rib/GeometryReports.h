// Diagnostics of the geometric request writers; the offending request or item
// is dropped by the caller.
#ifndef QUILLET_GEOMETRYREPORTS_H
#define QUILLET_GEOMETRYREPORTS_H

#include "format/GeometryCounts.h"

namespace quillet {

// Reports a PatchMesh or Curves request whose counts could not be worked out
// (unknown patch type or a basis step of 0 or less).
void reportCountFailure(RtToken type, const SteppedCounts &result);

// Reports each of the caller's blobby counts that differs from the code scan.
void reportBlobbyMismatches(RtInt nleaf, RtInt nflt, RtInt nstr, const BlobbyScan &scan);

// Reports a Procedural request whose subdivide function is not a standard one.
void reportUnknownProcedural();

}  // namespace quillet

#endif
