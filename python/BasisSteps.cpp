#include "python/BasisSteps.h"

#include "python/Request.h"

namespace quillet {
namespace python {

// Read under the stream's lock: another thread may be writing it.
BasisSteps currentSteps() {
    const Request *request = Request::innermost();
    if (request == nullptr) return BasisSteps{};
    StreamHold hold(request->streamRef(), request->name());
    return basisSteps(*static_cast<const RenderContext *>(request->stream()));
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
