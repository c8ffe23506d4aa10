// Where a frame's picture goes: the -o name, or the Display name when it
// names a PNG file in the working directory, else glimpse.png; a name that
// an earlier frame wrote gets the frame number before its extension.
#ifndef QUILLET_GLIMPSE_OUTPUTNAME_H
#define QUILLET_GLIMPSE_OUTPUTNAME_H

#include <set>
#include <string>

namespace quillet {
namespace glimpse {

extern const char kDefaultOutput[];

// True for a plain file name of printable characters ending in ".png": no
// directory part, no "..", nothing absolute.
bool isSafeDisplayName(const std::string &name);

// "picture.png" for the first frame that writes it, "picture-2.png" for the
// second frame, and so on.
std::string uniqueName(const std::string &name, int frame, std::set<std::string> &written);

}  // namespace glimpse
}  // namespace quillet

#endif
