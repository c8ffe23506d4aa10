// printf formatting into a std::string, for the tools' messages.
#ifndef QUILLET_TOOLS_FORMATTEXT_H
#define QUILLET_TOOLS_FORMATTEXT_H

#include <cstdio>
#include <string>

template <typename... Args>
std::string formatText(const char *fmt, Args... args) {
    int size = std::snprintf(nullptr, 0, fmt, args...);
    std::string out(static_cast<size_t>(size > 0 ? size : 0) + 1, '\0');
    std::snprintf(&out[0], out.size(), fmt, args...);
    out.resize(static_cast<size_t>(size > 0 ? size : 0));
    return out;
}

#endif
