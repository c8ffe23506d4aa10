#include "parse/ArchiveFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#ifdef __linux__
#include <linux/magic.h>
#include <sys/vfs.h>
#endif

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "format/FormatString.h"
#include "quillet/RibParser.h"

namespace quillet {

namespace {

const char kSeparator = ':';
const char kPrevious[] = "@";
const char kDefault[] = "&";
const char kNotFound[] = "archive \"%s\" not found";
const char kNotRegular[] = "archive \"%s\" is not a regular file: %s";
const char kCannotOpen[] = "archive \"%s\" cannot be opened: %s: %s";

std::vector<std::string> split(const std::string &value) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        size_t end = value.find(kSeparator, start);
        std::string part = value.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!part.empty()) parts.push_back(part);
        if (end == std::string::npos) return parts;
        start = end + 1;
    }
}

std::string printable(const std::string &text) {
    return printableText(text.data(), text.size());
}

// Pseudo-file systems: their entries call themselves regular files but are
// made as they are read, without end.
bool onPseudoFileSystem(int descriptor) {
#ifdef __linux__
    struct statfs about;
    if (fstatfs(descriptor, &about) != 0) return false;
    return about.f_type == PROC_SUPER_MAGIC || about.f_type == SYSFS_MAGIC;
#else
    (void)descriptor;
    return false;
#endif
}

}  // namespace

ArchiveSearchPath::ArchiveSearchPath(const std::string &defaultValue) : defaults(split(defaultValue)) {
    current = defaults;
}

void ArchiveSearchPath::set(const std::string &value) {
    std::vector<std::string> next;
    for (const std::string &entry : split(value)) {
        const std::vector<std::string> *expansion = entry == kPrevious  ? &current
                                                    : entry == kDefault ? &defaults
                                                                        : nullptr;
        if (expansion)
            next.insert(next.end(), expansion->begin(), expansion->end());
        else
            next.push_back(entry);
    }
    current.swap(next);
}

std::string folderOf(const std::string &fileName) {
    size_t slash = fileName.rfind('/');
    return slash == std::string::npos ? std::string() : fileName.substr(0, slash + 1);
}

std::vector<std::string> archivePlaces(const std::string &name, const std::string &readerFolder,
                                       const ArchiveSearchPath &searchPath) {
    if (!name.empty() && name[0] == '/') return {name};
    std::vector<std::string> places;
    if (!readerFolder.empty()) places.push_back(readerFolder + name);
    for (const std::string &folder : searchPath.folders())
        places.push_back(folder.back() == '/' ? folder + name : folder + "/" + name);
    places.push_back(name);
    return places;
}

FILE *openArchive(const std::string &name, const std::vector<std::string> &places, std::string &path,
                  std::string &problem) {
    const std::string shown = printable(name);
    for (const std::string &place : places) {
        // Not blocking: opening a FIFO would otherwise wait for a writer.
        int descriptor = ::open(place.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (descriptor < 0) {
            if (errno == ENOENT || errno == ENOTDIR || errno == ENAMETOOLONG) continue;
            problem = formatString(kCannotOpen, shown.c_str(), printable(place).c_str(), std::strerror(errno));
            return nullptr;
        }
        path = place;
        struct stat about;
        if (fstat(descriptor, &about) != 0 || !S_ISREG(about.st_mode) || onPseudoFileSystem(descriptor)) {
            ::close(descriptor);
            problem = formatString(kNotRegular, shown.c_str(), printable(place).c_str());
            return nullptr;
        }
        fcntl(descriptor, F_SETFL, fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
        FILE *file = fdopen(descriptor, "rb");
        if (!file) {
            problem = formatString(kCannotOpen, shown.c_str(), printable(place).c_str(), std::strerror(errno));
            ::close(descriptor);
        }
        return file;
    }
    problem = formatString(kNotFound, shown.c_str());
    return nullptr;
}

std::string canonicalName(const std::string &path) {
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) ? std::string(resolved) : std::string();
}

}  // namespace quillet
