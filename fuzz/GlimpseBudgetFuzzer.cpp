// Fuzz target for the previewer with the budgets glimpse itself runs with:
// every frame is rendered at its own resolution and sampling, as glimpse
// would draw it (without writing the picture). The budgets are what keeps a
// stream's time bounded, so an input that runs past libFuzzer's -timeout is
// a finding.
#include <cstddef>
#include <cstdint>

#include "fuzz/ParsedStreams.h"
#include "tools/glimpse/PreviewContext.h"
#include "tools/glimpse/Renderer.h"

using namespace quillet;
using namespace quillet::glimpse;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    TraceBudget budget;
    PreviewContext context(
        [&budget](const Frame &frame, const Tally &, const Tally &) { renderFrame(frame, 1, &budget); },
        [](const std::string &) {}, Limits(), 1);
    fuzzing::Quiet quiet;
    parseRib(data, size, "fuzz", context, quiet);
    context.finish();
    return 0;
}
