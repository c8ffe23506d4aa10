#include "tests/tools/ToolsSupport.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <utility>

#ifdef TOOLS_HAVE_PNG
#include <png.h>
#endif

#include <gtest/gtest.h>

#include "quillet/ri.h"
#include "tests/support/ChildProcess.h"

std::string programDir() {
    const char *bin = std::getenv("QUILLET_BIN");
    return bin ? bin : "bin";
}

bool programExists(const std::string &name) {
    return access((programDir() + "/" + name).c_str(), X_OK) == 0;
}

RunResult runProgram(const std::string &program, const std::string &arguments, const std::string &input,
                     const std::string &dir) {
    std::string command =
        "cd '" + dir + "' && PATH='" + programDir() + "':\"$PATH\" '" + programDir() + "/" + program + "' " + arguments;
    quillet_test::ChildResult child = quillet_test::runCommand(command, input);
    RunResult result;
    result.status = child.status;
    result.out = std::move(child.standardOutput);
    result.err = std::move(child.standardError);
    return result;
}

bool operator==(const RunResult &a, const RunResult &b) {
    return a.status == b.status && a.out == b.out && a.err == b.err;
}

void PrintTo(const RunResult &run, std::ostream *os) {
    *os << "status " << run.status << ", out " << ::testing::PrintToString(run.out) << ", err "
        << ::testing::PrintToString(run.err);
}

std::string libraryStream(void (*scene)(), bool binary) {
    ScratchDir dir;
    std::string path = dir.file("stream.rib");
    RtInt encoding = binary ? 1 : 0, ascii = 0;
    RiOption("rib", "binary", &encoding, RI_NULL);
    RiBegin(path.c_str());
    scene();
    RiEnd();
    RiOption("rib", "binary", &ascii, RI_NULL);
    return readFile(path);
}

#ifdef TOOLS_HAVE_PNG
bool readPicture(const std::string &path, Picture &picture) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return false;
    image.format = PNG_FORMAT_RGB;
    picture.width = static_cast<int>(image.width);
    picture.height = static_cast<int>(image.height);
    picture.rgb.assign(PNG_IMAGE_SIZE(image), 0);
    bool ok = png_image_finish_read(&image, nullptr, picture.rgb.data(), 0, nullptr) != 0;
    png_image_free(&image);
    return ok;
}
#else
bool readPicture(const std::string &, Picture &) {
    return false;
}
#endif
