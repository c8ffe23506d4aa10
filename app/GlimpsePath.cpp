#include "app/GlimpsePath.h"

#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <sstream>

namespace {

const char kGlimpse[] = "glimpse";
const char kOwnProgram[] = "/proc/self/exe";

bool isProgram(const std::string &path) {
    return access(path.c_str(), X_OK) == 0;
}

std::string folderOfRunningProgram() {
    char path[PATH_MAX];
    const ssize_t length = readlink(kOwnProgram, path, sizeof path - 1);
    if (length <= 0) return std::string();
    const std::string program(path, static_cast<size_t>(length));
    return program.substr(0, program.rfind('/'));
}

}  // namespace

std::string findGlimpse() {
    const std::string beside = folderOfRunningProgram() + "/" + kGlimpse;
    if (isProgram(beside)) return beside;
    const char *searchPath = std::getenv("PATH");
    std::istringstream folders(searchPath ? searchPath : "");
    for (std::string folder; std::getline(folders, folder, ':');) {
        const std::string candidate = (folder.empty() ? "." : folder) + "/" + kGlimpse;
        if (isProgram(candidate)) return candidate;
    }
    return std::string();
}

// Single quotes keep every byte as it is; a quote itself is closed,
// escaped and reopened.
std::string pipeTarget(const std::string &path) {
    std::string target = "|'";
    for (char c : path) target += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return target + "'";
}
