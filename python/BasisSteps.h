// The basis steps that PatchMesh and Curves count their vertices by, and the
// counts of a stepped request as Python errors.
#ifndef QUILLET_PYTHON_BASISSTEPS_H
#define QUILLET_PYTHON_BASISSTEPS_H

#include "format/GeometryCounts.h"
#include "python/Arguments.h"
#include "quillet/RibWriter.h"

namespace quillet {
namespace python {

// The steps of the stream of the request being made on the calling thread,
// or the default steps outside one.
BasisSteps currentSteps();

// The counts of a patch or curves request; ValueError for an unknown patch
// type or a basis step below 1.
ClassCounts steppedCounts(const SteppedCounts &result, RtToken type);

}  // namespace python
}  // namespace quillet

#endif
