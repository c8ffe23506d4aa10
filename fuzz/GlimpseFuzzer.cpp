// Fuzz target for the previewer: arbitrary bytes are parsed into its
// RenderContext with small caps, and every frame is rendered at 12x12.
// Archive names resolve in the small tree of fuzz/archives (the input is
// named as a stream in that folder).
#include <cstddef>
#include <cstdint>

#include "tools/glimpse/PreviewContext.h"
#include "tools/glimpse/Renderer.h"
#include "quillet/ArchiveFollower.h"
#include "quillet/RibParser.h"

using namespace quillet;
using namespace quillet::glimpse;

namespace {

class Quiet : public RibDiagnostics {
public:
    void error(const RibParseError &) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    Limits limits;
    limits.primitives = 20000;
    limits.instances = 2000;
    limits.work = 200000;
    limits.lights = 16;
    PreviewContext context(
        [](const Frame &frame, const Tally &, const Tally &) {
            Frame small = frame;
            small.camera.width = small.camera.height = 12;
            renderFrame(small, 1);
        },
        [](const std::string &) {}, limits, 1);
    Quiet quiet;
    ArchiveOptions archiveOptions;
    archiveOptions.depth = 4;
    archiveOptions.reads = 64;
    archiveOptions.bytes = 1 << 16;
    ArchiveFollower follower(context, quiet, archiveOptions);
    follower.parse(data, size, QUILLET_FUZZ_ARCHIVES "/fuzz.rib");
    context.finish();
    return 0;
}
