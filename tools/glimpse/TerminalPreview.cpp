#include <algorithm>

#include "tools/glimpse/ImageOutput.h"

namespace quillet {
namespace glimpse {

namespace {

// The average colour of a block of pixels, as 0..255 components.
void average(const Image &image, int x0, int x1, int y0, int y1, int rgb[3]) {
    double sum[3] = {0, 0, 0};
    int count = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x, ++count)
            for (int c = 0; c < 3; ++c)
                sum[c] +=
                    image.rgb[(static_cast<size_t>(y) * static_cast<size_t>(image.width) + static_cast<size_t>(x)) * 3 +
                              c];
    for (int c = 0; c < 3; ++c) {
        double mean = count ? sum[c] / count : 0;
        rgb[c] = mean > 0 ? static_cast<int>(std::min(mean, 1.0) * 255 + 0.5) : 0;  // NaN gives 0
    }
}

}  // namespace

void printTerminalPreview(const Image &image, int maxColumns, std::FILE *out) {
    if (image.width <= 0 || image.height <= 0) return;
    int columns = std::min(maxColumns, image.width);
    double step = static_cast<double>(image.width) / columns;  // pixels per cell, both ways
    int pixelRows = std::max(1, static_cast<int>(image.height / step));
    for (int row = 0; row < pixelRows; row += 2) {
        for (int col = 0; col < columns; ++col) {
            int x0 = static_cast<int>(col * step), x1 = std::max(x0 + 1, static_cast<int>((col + 1) * step));
            int top[3], bottom[3] = {0, 0, 0};
            auto span = [&](int r, int &y0, int &y1) {
                y0 = std::min(image.height - 1, static_cast<int>(r * step));
                y1 = std::min(image.height, std::max(y0 + 1, static_cast<int>((r + 1) * step)));
            };
            int y0, y1;
            span(row, y0, y1);
            average(image, x0, x1, y0, y1, top);
            if (row + 1 < pixelRows) {
                span(row + 1, y0, y1);
                average(image, x0, x1, y0, y1, bottom);
            }
            // Upper half block: foreground is the top pixel, background the bottom one.
            std::fprintf(out, "\x1b[38;2;%d;%d;%dm\x1b[48;2;%d;%d;%dm\xe2\x96\x80", top[0], top[1], top[2], bottom[0],
                         bottom[1], bottom[2]);
        }
        std::fputs("\x1b[0m\n", out);
    }
}

}  // namespace glimpse
}  // namespace quillet
