#include "python/BasisSteps.h"

namespace quillet {
namespace python {

BasisSteps currentSteps() {
    const RenderContext *context = static_cast<RenderContext *>(RiGetContext());
    return context ? basisSteps(*context) : BasisSteps{};
}

ClassCounts steppedCounts(const SteppedCounts &result, RtToken type) {
    static const char kUnknownPatchType[] = "unknown patch type \"%s\"";
    static const char kBadBasisStep[] = "bad basis step %d: set a basis with a step of 1 or more";
    if (result.status == CountStatus::unknownPatchType)
        throw py::value_error(formatString(kUnknownPatchType, type != nullptr ? type : ""));
    if (result.status == CountStatus::badBasisStep) throw py::value_error(formatString(kBadBasisStep, result.badStep));
    return result.counts;
}

}  // namespace python
}  // namespace quillet
