// Ray casts a frame into an RGB image: PixelSamples rays per pixel on a
// regular grid, averaged; the nearest hit within the clipping range is
// shaded by its material and lights, the background is black. The rows
// are shared among the given number of threads.
#ifndef QUILLET_GLIMPSE_RENDERER_H
#define QUILLET_GLIMPSE_RENDERER_H

#include <vector>

#include "tools/glimpse/Frame.h"

namespace quillet {
namespace glimpse {

struct Image {
    int width = 0, height = 0;
    std::vector<float> rgb;  // row by row from the top, 3 per pixel, 0..1
};

Image renderFrame(const Frame &frame, unsigned threads);

// The number of threads to render and build with: every core.
unsigned renderThreads();

}  // namespace glimpse
}  // namespace quillet

#endif
