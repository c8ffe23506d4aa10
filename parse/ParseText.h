// Message text of the parser and its users: printf-style formatting into a
// std::string.
#ifndef QUILLET_PARSE_PARSETEXT_H
#define QUILLET_PARSE_PARSETEXT_H

#include <string>

namespace quillet {

std::string formatMessage(const char *format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

}  // namespace quillet

#endif
