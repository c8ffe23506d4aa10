// Ray casts a frame into an RGB image: PixelSamples rays per pixel on a
// regular grid, averaged; the nearest hit within the clipping range is
// shaded by its material and lights, the background is black. The rows
// are shared among the given number of threads.
#ifndef QUILLET_GLIMPSE_RENDERER_H
#define QUILLET_GLIMPSE_RENDERER_H

#include <cstdint>
#include <vector>

#include "parse/Budget.h"
#include "tools/glimpse/Frame.h"

namespace quillet {
namespace glimpse {

struct Image {
    int width = 0, height = 0;
    std::vector<float> rgb;  // row by row from the top, 3 per pixel, 0..1
};

// What the pictures of one stream may cost: rays (pixels times samples) a
// frame, and tests of a ray against an object a frame and for the whole
// stream. Past a limit the rest of the frame (the rows not reached, or the
// pixels after the tests ran out) stays black.
struct TraceLimits {
    uint64_t raysPerFrame = uint64_t(1) << 25;
    uint64_t testsPerFrame = 40000000;
    uint64_t testsPerStream = 80000000;
};

class TraceBudget {
public:
    explicit TraceBudget(const TraceLimits &limits = TraceLimits())
        : limits(limits), streamTests(limits.testsPerStream) {}

    const TraceLimits limits;
    Budget streamTests;
    // What cut the frame drawn last short, if anything.
    enum class Cut { Nothing, Rays, FrameTests, StreamTests };
    Cut lastCut = Cut::Nothing;
};

// Unbounded without a budget.
Image renderFrame(const Frame &frame, unsigned threads, TraceBudget *budget = nullptr);

// The number of threads to render and build with: every core.
unsigned renderThreads();

}  // namespace glimpse
}  // namespace quillet

#endif
