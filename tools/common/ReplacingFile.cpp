#include "tools/common/ReplacingFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <utility>
#include <vector>

namespace quillet {
namespace tools {

namespace {

const char kTemporarySuffix[] = ".XXXXXX";
const mode_t kNewFileMode = 0666;

// The folder part of a path, "." for a bare name.
std::string folderOf(const std::string &path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string baseOf(const std::string &path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The mode the target has, or what a new file gets under the umask.
mode_t targetMode(const std::string &target) {
    struct stat existing;
    if (stat(target.c_str(), &existing) == 0) return existing.st_mode & 0777;
    const mode_t mask = umask(0);
    umask(mask);
    return kNewFileMode & ~mask;
}

}  // namespace

ReplacingFile::ReplacingFile(std::string target) : target(std::move(target)) {}

ReplacingFile::~ReplacingFile() {
    if (file) std::fclose(file);
    if (!temporary.empty()) unlink(temporary.c_str());
}

std::FILE *ReplacingFile::open() {
    // A device or a pipe is written in place: there is nothing to truncate,
    // and renaming over it would replace the node itself. A link is followed
    // so that the file it names is replaced, not the link.
    struct stat existing;
    if (stat(target.c_str(), &existing) == 0) {
        if (!S_ISREG(existing.st_mode)) return file = std::fopen(target.c_str(), "wb");
        if (char *resolved = realpath(target.c_str(), nullptr)) {
            target = resolved;
            std::free(resolved);
        }
    }
    std::string pattern = folderOf(target) + "/." + baseOf(target) + kTemporarySuffix;
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int descriptor = mkstemp(name.data());
    if (descriptor < 0) return nullptr;
    temporary = name.data();
    if (fchmod(descriptor, targetMode(target)) != 0 || !(file = fdopen(descriptor, "wb"))) {
        const int error = errno;
        close(descriptor);
        errno = error;
        return nullptr;
    }
    return file;
}

bool ReplacingFile::commit() {
    if (!file) return false;
    const bool written = std::ferror(file) == 0;
    const bool closed = std::fclose(file) == 0;
    file = nullptr;
    if (!written || !closed) return false;
    if (temporary.empty()) return true;  // written in place
    if (std::rename(temporary.c_str(), target.c_str()) != 0) return false;
    temporary.clear();
    return true;
}

bool sameFile(const std::string &a, const std::string &b) {
    struct stat first, second;
    return stat(a.c_str(), &first) == 0 && stat(b.c_str(), &second) == 0 && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
}

}  // namespace tools
}  // namespace quillet
