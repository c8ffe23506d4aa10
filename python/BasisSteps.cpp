#include "python/BasisSteps.h"

#include "quillet/RibWriter.h"

namespace quillet {
namespace python {

namespace {

const char kUnknownPatchType[] = "unknown patch type \"%s\"";
const char kBadBasisStep[] = "bad basis step %d: set a basis with a step of 1 or more";

}  // namespace

BasisSteps currentSteps(RtContextHandle stream) {
    const RibWriter *writer = dynamic_cast<const RibWriter *>(static_cast<RenderContext *>(stream));
    if (writer == nullptr) return BasisSteps{RI_BEZIERSTEP, RI_BEZIERSTEP};
    return BasisSteps{writer->uStep, writer->vStep};
}

ClassCounts steppedCounts(const SteppedCounts &result, RtToken type) {
    if (result.status == CountStatus::unknownPatchType)
        throw py::value_error(formatString(kUnknownPatchType, type != nullptr ? type : ""));
    if (result.status == CountStatus::badBasisStep) throw py::value_error(formatString(kBadBasisStep, result.badStep));
    return result.counts;
}

}  // namespace python
}  // namespace quillet
