// Finding and opening archive files: the search path with its "@" and "&"
// entries, the places a name is looked for, and opening regular files only.
#ifndef QUILLET_PARSE_ARCHIVEFILES_H
#define QUILLET_PARSE_ARCHIVEFILES_H

#include <cstdio>
#include <string>
#include <vector>

namespace quillet {

// ":"-separated folders. A new value's "@" entry stands for the value before
// it, "&" for the default; empty entries are left out.
class ArchiveSearchPath {
public:
    explicit ArchiveSearchPath(const std::string &defaultValue);
    void set(const std::string &value);
    const std::vector<std::string> &folders() const { return current; }

private:
    std::vector<std::string> defaults, current;
};

// The folder part of a file name, with its final '/'; empty for a name
// without one.
std::string folderOf(const std::string &fileName);

// Where a name is looked for, in order: an absolute name as it is; a relative
// one in readerFolder, then in each search folder, then as given.
std::vector<std::string> archivePlaces(const std::string &name, const std::string &readerFolder,
                                       const ArchiveSearchPath &searchPath);

// The first place that exists, opened for reading when it is a regular file
// outside /proc and /sys. Null with the problem (a whole message about name)
// otherwise; path is the place found.
FILE *openArchive(const std::string &name, const std::vector<std::string> &places, std::string &path,
                  std::string &problem);

// The file's canonical name, or empty when it has none (standard input,
// memory).
std::string canonicalName(const std::string &path);

}  // namespace quillet

#endif
