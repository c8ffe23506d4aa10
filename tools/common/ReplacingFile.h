// Writing a file without ever truncating what is there: the bytes go to a
// new file in the target's folder, which replaces the target by rename only
// once everything is written. A reader of the old file keeps reading it
// whole, and a failed or interrupted write leaves the target as it was.
#ifndef TOOLS_COMMON_REPLACINGFILE_H
#define TOOLS_COMMON_REPLACINGFILE_H

#include <cstdio>
#include <string>

namespace quillet {
namespace tools {

class ReplacingFile {
public:
    explicit ReplacingFile(std::string target);
    // An uncommitted file is removed.
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile &) = delete;
    ReplacingFile &operator=(const ReplacingFile &) = delete;

    // The temporary file, open for writing; null (with errno) when it cannot
    // be made.
    std::FILE *open();
    // Closes the file and renames it over the target; false (with errno)
    // when a write, the close or the rename failed, the target untouched.
    bool commit();

private:
    std::string target, temporary;
    std::FILE *file = nullptr;
};

// Whether the two paths name one existing file (one device and inode).
bool sameFile(const std::string &a, const std::string &b);

}  // namespace tools
}  // namespace quillet

#endif
