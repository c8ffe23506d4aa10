// printf formatting into a std::string: measured first, then written whole.
#include "format/FormatString.h"

#include <locale.h>

#include <cstdio>

namespace quillet {

namespace {

// vsnprintf in the C locale whatever locale the process has set, so that
// numbers are written as a reader reads them.
int formatInCLocale(char *buffer, size_t size, const char *format, va_list args) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(0));
    const locale_t previous = cLocale ? uselocale(cLocale) : locale_t(0);
    const int length = std::vsnprintf(buffer, size, format, args);
    if (cLocale) uselocale(previous);
    return length;
}

}  // namespace

std::string vformatString(const char *format, va_list args) {
    va_list measured;
    va_copy(measured, args);
    const int length = formatInCLocale(nullptr, 0, format, measured);
    va_end(measured);
    if (length <= 0) return std::string();
    std::string text(size_t(length), '\0');
    va_list again;
    va_copy(again, args);
    formatInCLocale(&text[0], text.size() + 1, format, again);
    va_end(again);
    return text;
}

std::string formatString(const char *format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = vformatString(format, args);
    va_end(args);
    return text;
}

}  // namespace quillet
