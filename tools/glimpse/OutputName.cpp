#include "tools/glimpse/OutputName.h"

namespace quillet {
namespace glimpse {

const char kDefaultOutput[] = "glimpse.png";

bool isSafeDisplayName(const std::string &name) {
    const std::string extension = ".png";
    if (name.size() <= extension.size() ||
        name.compare(name.size() - extension.size(), extension.size(), extension) != 0)
        return false;
    if (name == ".." || name.find("..") == 0) return false;
    for (unsigned char c : name)
        if (c == '/' || c == '\\' || c < 0x20 || c >= 0x7F) return false;
    return true;
}

std::string uniqueName(const std::string &name, int frame, std::set<std::string> &written) {
    std::string result = name;
    if (written.count(result)) {
        size_t dot = name.find_last_of('.');
        size_t slash = name.find_last_of('/');
        if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) dot = name.size();
        result = name.substr(0, dot) + "-" + std::to_string(frame) + name.substr(dot);
    }
    written.insert(result);
    return result;
}

}  // namespace glimpse
}  // namespace quillet
