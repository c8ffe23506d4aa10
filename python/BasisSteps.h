// The basis steps that PatchMesh and Curves count their vertices by, and the
// counts of a stepped request as Python errors.
#ifndef QUILLET_PYTHON_BASISSTEPS_H
#define QUILLET_PYTHON_BASISSTEPS_H

#include "format/GeometryCounts.h"
#include "python/Arguments.h"

namespace quillet {
namespace python {

struct BasisSteps {
    RtInt u;
    RtInt v;
};

// The steps of a stream, or the default steps when it is none or not a
// stream writer.
BasisSteps currentSteps(RtContextHandle stream);

// The counts of a patch or curves request; ValueError for an unknown patch
// type or a basis step below 1.
ClassCounts steppedCounts(const SteppedCounts &result, RtToken type);

}  // namespace python
}  // namespace quillet

#endif
