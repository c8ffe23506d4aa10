// Compressed streams and archive files: which target names compress, the
// members a long stream is cut into, every level read back whole, and the
// archive header.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#ifdef QUILLET_HAVE_ZLIB
#include <zlib.h>
#endif

#include "quillet/RibParser.h"
#include "quillet/RibWriter.h"
#include "rib/GzipPieces.h"
#include "tests/rib/StreamCapture.h"

using namespace quillet;

namespace {

using quillet_test::kStreamHeader;
using quillet_test::makeTempPath;
using quillet_test::readFile;

const char kArchiveHeader[] = "##RenderMan RIB-Structure 1.1 Entity\n";
const char kRequests[] = "Sphere 1 -1 1 360\n";

// The requests of the stream to name, with the "rib" options given first
// (and put back after).
void writeStream(const std::string &name, RtToken option = nullptr, RtPointer value = nullptr, int spheres = 1) {
    if (option) RiOption("rib", option, value, RI_NULL);
    RiBegin(name.c_str());
    for (int i = 0; i < spheres; ++i) RiSphere(1, -1, 1, 360, RI_NULL);
    RiEnd();
    RtInt zero = 0, level = GzipPieces::kDefaultLevel;
    const char *none = "none";
    RiOption("rib", "archive", &zero, "gziplevel", &level, "compression", &none, RI_NULL);
}

#ifdef QUILLET_HAVE_ZLIB
// The bytes of every gzip member in turn; members counts them. Empty when
// the data is not gzip or a member is cut short.
std::string gunzip(const std::string &data, int &members) {
    std::string out;
    members = 0;
    z_stream z;
    std::memset(&z, 0, sizeof z);
    inflateInit2(&z, 16 + MAX_WBITS);
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.data()));
    z.avail_in = static_cast<uInt>(data.size());
    std::vector<char> buffer(1 << 16);
    while (z.avail_in > 0) {
        z.next_out = reinterpret_cast<Bytef *>(buffer.data());
        z.avail_out = static_cast<uInt>(buffer.size());
        const int status = inflate(&z, Z_NO_FLUSH);
        out.append(buffer.data(), buffer.size() - z.avail_out);
        if (status == Z_STREAM_END) {
            ++members;
            inflateReset(&z);
        } else if (status != Z_OK) {
            out.clear();
            break;
        }
    }
    inflateEnd(&z);
    return out;
}

// The whole file through zlib's gzread.
std::string gzreadFile(const std::string &path) {
    std::string out;
    gzFile file = gzopen(path.c_str(), "rb");
    if (!file) return out;
    char buffer[1 << 16];
    int n;
    while ((n = gzread(file, buffer, sizeof buffer)) > 0) out.append(buffer, static_cast<size_t>(n));
    gzclose(file);
    return out;
}
#endif

// What the library's parser reads from the file, written again.
std::string reparsed(const std::string &path) {
    const std::string copy = makeTempPath();
    {
        RibWriter writer(copy.c_str(), RI_NULL);
        RibDiagnostics diagnostics;
        parseRib(path.c_str(), writer, diagnostics);
    }
    std::string bytes = readFile(copy);
    std::remove(copy.c_str());
    return bytes;
}

TEST(CompressedStream, OnlyANameEndingInGzCompresses) {
    if (!GzipPieces::available()) GTEST_SKIP() << "built without libdeflate";
    const std::string plain = kStreamHeader + kRequests + "\n";
    const char *gzip = "gzip";
    RtInt one = 1;
    const struct {
        const char *suffix;
        RtToken option;
        RtPointer value;
        bool compressed;
        std::string stream;
    } cases[] = {
        {".rib", nullptr, nullptr, false, plain},
        {".rib.gzip", nullptr, nullptr, false, plain},
        {".gz.rib", nullptr, nullptr, false, plain},
        {".rib", "compression", &gzip, false, plain},
        {".rib.gz", nullptr, nullptr, true, plain},
        {".rib", "archive", &one, false, std::string(kArchiveHeader) + kRequests + "\n"},
        {".rib.gz", "archive", &one, true, std::string(kArchiveHeader) + kRequests + "\n"},
    };
    for (const auto &c : cases) {
        const std::string path = makeTempPath() + c.suffix;
        writeStream(path, c.option, c.value);
        const std::string bytes = readFile(path);
        EXPECT_EQ(bytes.compare(0, 2, "\x1F\x8B") == 0, c.compressed) << c.suffix;
#ifdef QUILLET_HAVE_ZLIB
        int members = 0;
        EXPECT_EQ(c.compressed ? gunzip(bytes, members) : bytes, c.stream) << c.suffix;
#endif
        std::remove(path.c_str());
    }
}

#ifdef QUILLET_HAVE_ZLIB
TEST(CompressedStream, EveryLevelReadsBackWholeInMembersOfOneMegabyte) {
    if (!GzipPieces::available()) GTEST_SKIP() << "built without libdeflate";
    const int spheres = 200000;  // 3.6 MB: four members
    const std::string plainPath = makeTempPath();
    writeStream(plainPath, nullptr, nullptr, spheres);
    const std::string plain = readFile(plainPath);
    std::remove(plainPath.c_str());
    ASSERT_EQ(plain.size(), kStreamHeader.size() + spheres * (sizeof kRequests - 1) + 1);

    std::string defaultBytes;
    for (RtInt level : {1, 0, 6, 12, 13, -1}) {
        const std::string path = makeTempPath() + ".rib.gz";
        writeStream(path, "gziplevel", &level, spheres);
        const std::string bytes = readFile(path);
        int members = 0;
        EXPECT_EQ(gunzip(bytes, members), plain) << level;
        EXPECT_EQ(members, 4) << level;
        EXPECT_EQ(gzreadFile(path), plain) << level;
        EXPECT_EQ(reparsed(path), plain) << level;
        // A level outside 0 to 12 is ignored.
        if (level == 1) defaultBytes = bytes;
        if (level == 13 || level == -1) {
            EXPECT_EQ(bytes, defaultBytes) << level;
        }
        std::remove(path.c_str());
    }
}
#endif

}  // namespace
