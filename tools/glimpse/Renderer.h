// Ray casts a frame into an RGB image: one ray per pixel through the
// screen window, nearest hit within the clipping range, shaded by the
// surface's material and lights, black background.
#ifndef GLIMPSE_RENDERER_H
#define GLIMPSE_RENDERER_H

#include <vector>

#include "Frame.h"

struct Image {
    int width = 0, height = 0;
    std::vector<float> rgb;  // row by row from the top, 3 per pixel, 0..1
};

Image renderFrame(const Frame &frame);

#endif
