#include "tests/support/Files.h"

#include <stdlib.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace quillet_test {

std::string readFile(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const std::string &path, const std::string &data) {
    std::ofstream(path, std::ios::binary) << data;
}

ScratchDir::ScratchDir() {
    char name[] = "/tmp/quillet-test-XXXXXX";
    if (mkdtemp(name)) dir = name;
}

ScratchDir::~ScratchDir() {
    if (!dir.empty()) std::system(("rm -rf '" + dir + "'").c_str());
}

}  // namespace quillet_test
