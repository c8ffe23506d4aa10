#include "ToolsSupport.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#ifdef TOOLS_HAVE_PNG
#include <png.h>
#endif

#include "ri/ri.h"

ScratchDir::ScratchDir() {
    char name[] = "/tmp/quillet-tools-XXXXXX";
    if (mkdtemp(name)) dir = name;
}

ScratchDir::~ScratchDir() {
    if (!dir.empty()) std::system(("rm -rf '" + dir + "'").c_str());
}

std::string programDir() {
    const char *bin = std::getenv("QUILLET_BIN");
    return bin ? bin : "bin";
}

bool programExists(const std::string &name) {
    return access((programDir() + "/" + name).c_str(), X_OK) == 0;
}

std::string readFile(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeFile(const std::string &path, const std::string &data) {
    std::ofstream(path, std::ios::binary) << data;
}

RunResult runProgram(const std::string &program, const std::string &arguments, const std::string &input,
                     const std::string &dir) {
    ScratchDir io;
    writeFile(io.file("in"), input);
    std::string command = "cd '" + dir + "' && PATH='" + programDir() + "':\"$PATH\" '" + programDir() + "/" + program +
                          "' " + arguments + " < '" + io.file("in") + "' > '" + io.file("out") + "' 2> '" +
                          io.file("err") + "'";
    RunResult result;
    int raw = std::system(command.c_str());
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.out = readFile(io.file("out"));
    result.err = readFile(io.file("err"));
    return result;
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
