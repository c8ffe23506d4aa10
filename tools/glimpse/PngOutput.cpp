#include <png.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include "tools/common/ReplacingFile.h"
#include "tools/glimpse/ImageOutput.h"

namespace quillet {
namespace glimpse {

namespace {

// NaN, like anything not above 0, gives 0: it never reaches the conversion.
unsigned char toByte(float value) {
    if (!(value > 0.0f)) return 0;
    return static_cast<unsigned char>(std::min(value, 1.0f) * 255.0f + 0.5f);
}

// Writes the header and rows; libpng reports failures by longjmp, so this
// function holds no object with a destructor.
bool writeRows(png_structp png, png_infop info, std::FILE *file, const Image &image, unsigned char *row) {
    if (setjmp(png_jmpbuf(png)) != 0) return false;
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(image.width), static_cast<png_uint_32>(image.height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    size_t rowSize = static_cast<size_t>(image.width) * 3;
    for (int y = 0; y < image.height; ++y) {
        const float *src = &image.rgb[static_cast<size_t>(y) * rowSize];
        for (size_t k = 0; k < rowSize; ++k) row[k] = toByte(src[k]);
        png_write_row(png, row);
    }
    png_write_end(png, nullptr);
    return true;
}

}  // namespace

// The picture replaces the file only once it is written whole.
bool writePng(const Image &image, const std::string &path, std::string &error) {
    tools::ReplacingFile replacing(path);
    std::FILE *file = replacing.open();
    if (!file) {
        error = path + ": " + std::strerror(errno);
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    std::vector<unsigned char> row(static_cast<size_t>(image.width) * 3);
    bool ok = png && info && writeRows(png, info, file, image, row.data());
    png_destroy_write_struct(png ? &png : nullptr, info ? &info : nullptr);
    if (!replacing.commit()) ok = false;
    if (!ok) error = path + ": cannot write the PNG image";
    return ok;
}

}  // namespace glimpse
}  // namespace quillet
