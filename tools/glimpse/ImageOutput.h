// Writing a rendered image: a PNG file, and a 24-bit colour preview in the
// terminal made of half-block characters.
#ifndef QUILLET_GLIMPSE_IMAGEOUTPUT_H
#define QUILLET_GLIMPSE_IMAGEOUTPUT_H

#include <cstdio>
#include <string>

#include "tools/glimpse/Renderer.h"

namespace quillet {
namespace glimpse {

// False with a message in error when the file cannot be written.
bool writePng(const Image &image, const std::string &path, std::string &error);
// At most maxColumns characters wide; two pixel rows per text line.
void printTerminalPreview(const Image &image, int maxColumns, std::FILE *out);

}  // namespace glimpse
}  // namespace quillet

#endif
