// Compressed streams and archive files: which target names compress, the
// members a long stream is cut into, every level read back whole, and the
// archive header. The pieces compressed by helper threads: the same members
// as on the writing thread alone, a refused member, and a fork while the
// helpers run.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#ifdef QUILLET_HAVE_ZLIB
#include <zlib.h>
#endif

#include "quillet/RibParser.h"
#include "quillet/RibWriter.h"
#include "rib/GzipPieces.h"
#include "tests/rib/CompressedPieces.h"
#include "tests/rib/StreamCapture.h"

using namespace quillet;

namespace {

using quillet_test::Compressed;
using quillet_test::compressPieces;
using quillet_test::kStreamHeader;
using quillet_test::makeTempPath;
using quillet_test::readFile;

const char kArchiveHeader[] = "##RenderMan RIB-Structure 1.1 Entity\n";
const char kRequests[] = "Sphere 1 -1 1 360\n";

// The requests of the stream to name, with the "rib" options given first
// (and put back after).
void writeStream(const std::string &name, RtToken option = nullptr, RtPointer value = nullptr, int spheres = 1,
                 const char *format = "ascii") {
    if (option) RiOption("rib", option, value, RI_NULL);
    RiOption("rib", "format", &format, RI_NULL);
    RiBegin(name.c_str());
    for (int i = 0; i < spheres; ++i) RiSphere(1, -1, 1, 360, RI_NULL);
    RiEnd();
    RtInt zero = 0, level = GzipPieces::kDefaultLevel;
    const char *none = "none", *ascii = "ascii";
    RiOption("rib", "archive", &zero, "gziplevel", &level, "compression", &none, "format", &ascii, RI_NULL);
}

// Stream-like contents of several pieces: RIB text, and the float tokens and
// raw values of a binary stream.
std::string textContent() {
    std::string text;
    for (int i = 0; text.size() < 3 * GzipPieces::kPieceSize + 12345; ++i)
        text += "Sphere 1 -1 1 " + std::to_string(i % 3600) + "\nTranslate 0 " + std::to_string(i) + " 0\n";
    return text;
}

std::string binaryContent() {
    std::string bytes;
    unsigned seed = 7;
    while (bytes.size() < 4 * GzipPieces::kPieceSize + 777) {
        seed = seed * 1103515245u + 12345u;
        const float value = float(seed >> 16) / 4096.0f;
        bytes += '\xA2';
        bytes.append(reinterpret_cast<const char *>(&value), sizeof value);
    }
    return bytes;
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
// The library's stream, compressed by helper threads, has the members the
// writing thread alone makes of the plain stream.
TEST(CompressedStream, EveryLevelReadsBackWholeInMembersOfOneMegabyte) {
    if (!GzipPieces::available()) GTEST_SKIP() << "built without libdeflate";
    const int spheres = 200000;  // several members in either format
    const struct {
        const char *format;
        std::vector<RtInt> levels;
    } cases[] = {{"ascii", {1, 0, 6, 12, 13, -1}}, {"binary", {1, 0, 6}}};
    for (const auto &c : cases) {
        const char *format = c.format;
        const std::string plainPath = makeTempPath();
        writeStream(plainPath, nullptr, nullptr, spheres, format);
        const std::string plain = readFile(plainPath);
        std::remove(plainPath.c_str());
        ASSERT_GT(plain.size(), 3 * GzipPieces::kPieceSize) << format;

        std::string defaultBytes;
        for (RtInt level : c.levels) {
            const std::string path = makeTempPath() + ".rib.gz";
            writeStream(path, "gziplevel", &level, spheres, format);
            const std::string bytes = readFile(path);
            const Compressed alone = compressPieces(plain, level);
            EXPECT_EQ(bytes, alone.bytes) << format << " " << level;
            int members = 0;
            EXPECT_EQ(gunzip(bytes, members), plain) << format << " " << level;
            EXPECT_EQ(size_t(members), (plain.size() + GzipPieces::kPieceSize - 1) / GzipPieces::kPieceSize)
                << format << " " << level;
            EXPECT_EQ(gzreadFile(path), plain) << format << " " << level;
            EXPECT_EQ(reparsed(path), plain) << format << " " << level;
            // A level outside 0 to 12 is ignored.
            if (level == 1) defaultBytes = bytes;
            if (level == 13 || level == -1) {
                EXPECT_EQ(bytes, defaultBytes) << format << " " << level;
            }
            std::remove(path.c_str());
        }
    }
}

// Any number of helpers, any cut of the writes and a flush inside a piece
// give the members of the writing thread alone, in stream order.
TEST(CompressedPieces, HelpersGiveTheMembersOfTheWritingThreadAlone) {
    if (!GzipPieces::available()) GTEST_SKIP() << "built without libdeflate";
    const struct {
        const char *name;
        std::string content;
    } contents[] = {{"text", textContent()}, {"binary", binaryContent()}, {"empty", ""}};
    const struct {
        size_t chunk, flushAt;
    } writes[] = {{size_t(-1), size_t(-1)}, {100003, GzipPieces::kPieceSize * 3 / 2}, {GzipPieces::kPieceSize, 1}};
    for (const auto &content : contents)
        for (const auto &cut : writes) {
            const Compressed alone = compressPieces(content.content, 1, 0, cut.chunk, cut.flushAt);
            int members = 0;
            EXPECT_EQ(gunzip(alone.bytes, members), content.content) << content.name;
            for (unsigned helpers : {1u, 2u, 5u}) {
                const Compressed helped = compressPieces(content.content, 1, helpers, cut.chunk, cut.flushAt);
                EXPECT_EQ(helped.members, alone.members) << content.name << " " << cut.chunk << " " << helpers;
                EXPECT_EQ(helped.bytes, alone.bytes) << content.name << " " << cut.chunk << " " << helpers;
            }
        }
}
#endif

// A sink that refuses a member is asked for no more: the members before it
// arrived in order, on the writing thread, and every later call fails.
TEST(CompressedPieces, RefusedMemberEndsTheOutput) {
    if (!GzipPieces::available()) GTEST_SKIP() << "built without libdeflate";
    const std::string content = binaryContent();
    const Compressed alone = compressPieces(content, 1);
    ASSERT_EQ(alone.members.size(), 5u);
    for (size_t refused : {1u, 3u, 5u})
        for (unsigned helpers : {0u, 1u, 3u}) {
            std::string taken;
            size_t calls = 0;
            bool elsewhere = false;
            const std::thread::id writing = std::this_thread::get_id();
            GzipPieces pieces(
                1,
                [&](const char *member, size_t length) {
                    elsewhere = elsewhere || std::this_thread::get_id() != writing;
                    if (++calls == refused) return false;
                    taken.append(member, length);
                    return true;
                },
                helpers);
            for (size_t at = 0; at < content.size(); at += 65536)
                pieces.write(content.data() + at, std::min<size_t>(65536, content.size() - at));
            const bool flushed = pieces.flush(), wrote = pieces.write("x", 1), finished = pieces.finish();
            size_t before = 0;
            for (size_t i = 0; i + 1 < refused; ++i) before += alone.members[i];
            EXPECT_EQ(calls, refused) << refused << " " << helpers;
            EXPECT_EQ(taken, alone.bytes.substr(0, before)) << refused << " " << helpers;
            EXPECT_FALSE(elsewhere) << refused << " " << helpers;
            EXPECT_FALSE(flushed || wrote || finished) << refused << " " << helpers;
        }
}

// A process that forks while helpers compress (from the sink, at the first
// member, when the helpers are at the next pieces): the child, where only
// the forking thread lives, finishes its copy of the output alone, and the
// parent its own with its helpers.
TEST(CompressedPieces, ForkWhileHelpersCompress) {
    if (!GzipPieces::available()) GTEST_SKIP() << "built without libdeflate";
    const int level = 6;
    const std::string content = binaryContent();
    const std::string expected = compressPieces(content, level).bytes;
    std::string out;
    pid_t child = -1;
    GzipPieces pieces(
        level,
        [&](const char *member, size_t length) {
            out.append(member, length);
            if (child < 0) child = fork();
            return true;
        },
        2);
    const bool whole = pieces.write(content.data(), content.size()) && pieces.finish() && out == expected;
    if (child == 0) _exit(whole ? 0 : 1);
    int status = -1;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_TRUE(whole);
}

}  // namespace
