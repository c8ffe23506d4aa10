// printf formatting into a std::string, whatever the length of the result.
#ifndef QUILLET_FORMATSTRING_H
#define QUILLET_FORMATSTRING_H

#include <cstdarg>
#include <string>

namespace quillet {

// The formatted text, in the C locale whatever locale the process has set;
// empty when the format cannot be applied.
std::string vformatString(const char *format, va_list args);
std::string formatString(const char *format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

}  // namespace quillet

#endif
