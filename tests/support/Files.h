// Files for tests: whole-file reads and writes, and scratch directories.
#ifndef QUILLET_TESTS_FILES_H
#define QUILLET_TESTS_FILES_H

#include <string>

namespace quillet_test {

// The whole content of a file ("" when it cannot be read).
std::string readFile(const std::string &path);
void writeFile(const std::string &path, const std::string &data);

// A new directory under /tmp, removed with everything in it at the end.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir &) = delete;
    ScratchDir &operator=(const ScratchDir &) = delete;

    const std::string &path() const { return dir; }
    std::string file(const std::string &name) const { return dir + "/" + name; }

private:
    std::string dir;
};

}  // namespace quillet_test

#endif
