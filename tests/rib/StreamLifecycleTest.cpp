// A stream from construction to end: targets, header, final newline, the
// failure messages, the report of a lost stream and the stream options.
#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "rib/GzipPieces.h"
#include "rib/OutputBuffer.h"
#include "tests/rib/CompressedPieces.h"
#include "tests/rib/StreamCapture.h"
#include "tests/support/ChildProcess.h"
#include "rib/StreamOptions.h"

using namespace quillet;

namespace {

using quillet_test::ChildResult;
using quillet_test::kStreamHeader;
using quillet_test::makeTempPath;
using quillet_test::readFile;
using quillet_test::runChild;

const std::string kEmptyStream = kStreamHeader + "\n";

std::string lossReport(const std::string &target, const std::string &cause) {
    return "ERROR: System error\n    --> RIB stream to \"" + target + "\" was not written whole: " + cause + "\n";
}

// A run longer than the output buffer goes straight to the target, after
// the bytes held before it: written first, the file began with the string,
// not the header.
TEST(StreamLifecycle, RunsLongerThanTheBufferKeepTheirPlace) {
    const std::string name(300 * 1024, 'n'), value(OutputBuffer::kSize, 'v');
    const std::string shaded = "Surface \"" + name + "\"\n";
    const struct {
        const char *label;
        std::function<void(RibWriter &)> calls;
        std::string requests;
    } cases[] = {
        {"a request's name", [&](RibWriter &w) { w.Surface(name.c_str(), RI_NULL); }, shaded},
        {"a name between requests",
         [&](RibWriter &w) {
             w.WorldBegin();
             w.Surface(name.c_str(), RI_NULL);
             w.WorldEnd();
         },
         "WorldBegin\n" + shaded + "WorldEnd\n"},
        {"a string value of exactly the buffer's size",
         [&](RibWriter &w) {
             RtString values[] = {const_cast<char *>(value.c_str())};
             w.Attribute("identifier", "name", values, RI_NULL);
         },
         "Attribute \"identifier\" \"name\" [\"" + value + "\"]\n"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(quillet_test::captureStream(c.calls), quillet_test::wholeStream(c.requests)) << c.label;
}

TEST(StreamLifecycle, FileGetsHeaderAndFinalNewline) {
    const std::string path = makeTempPath();
    ::testing::internal::CaptureStderr();
    auto *writer = new RibStream(path.c_str(), StreamOptions{});
    EXPECT_EQ(writer->uStep, 3);
    EXPECT_EQ(writer->vStep, 3);
    EXPECT_EQ(writer->isPipe, 0);
    EXPECT_EQ(writer->binaryEncoding, 0);
    EXPECT_EQ(writer->nextLightHandle, 1);
    EXPECT_EQ(writer->nextObjectHandle, 1);
    EXPECT_STREQ(writer->targetName, path.c_str());
    EXPECT_TRUE(writer->echoDeclare);
    delete writer;
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(readFile(path), kEmptyStream);
    std::remove(path.c_str());
}

TEST(StreamLifecycle, NullNameWritesToStandardOutput) {
    const ChildResult result = runChild([] {
        auto *writer = new RibWriter(nullptr, RI_NULL);
        writer->writeBytes("Sphere\n", 7);
        delete writer;
        std::fputs("still open\n", stdout);
    });
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.standardOutput, kStreamHeader + "Sphere\n\nstill open\n");
    EXPECT_EQ(result.standardError, "");
}

TEST(StreamLifecycle, FailureToOpenEndsTheProcess) {
    const struct {
        const char *name;
        const char *message;
    } cases[] = {
        {"", "Error making RIB file: bad filename\n"},
        {"/nonexistent-dir/x.rib", "Error making RIB file: bad filename\n"},
    };
    for (const auto &row : cases) {
        const ChildResult result = runChild([&] { new RibWriter(row.name, RI_NULL); });
        EXPECT_EQ(result.status, 1) << row.name;
        EXPECT_EQ(result.standardError, row.message) << row.name;
        EXPECT_EQ(result.standardOutput, "") << row.name;
    }
}

TEST(StreamLifecycle, BarredCommandReceivesTheStream) {
    const std::string path = makeTempPath();
    const std::string name = "|cat > " + path;
    ::testing::internal::CaptureStderr();
    auto *writer = new RibStream(name.c_str(), StreamOptions{});
    EXPECT_EQ(writer->isPipe, 1);
    EXPECT_EQ(std::string(writer->targetName), name.substr(1));
    writer->writeBytes("WorldBegin\n", 11);
    delete writer;
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(readFile(path), kStreamHeader + "WorldBegin\n\n");
    std::remove(path.c_str());
}

// Each case in a child of its own: the reporter remembers its last report.
// Streams of several buffers fail at the first write and are reported once;
// a pipe whose reader has gone fails there too when SIGPIPE is ignored. A
// compressed stream of several pieces fails while its helper threads run.
TEST(StreamLifecycle, LostStreamIsReportedOnce) {
    const size_t kBuffers = 3 * OutputBuffer::kSize / 18 + 1;
    const size_t kPieces = 5 * GzipPieces::kPieceSize / 18 + 1;
    const std::string fullGz = makeTempPath() + ".rib.gz", nullGz = makeTempPath() + ".rib.gz";
    ASSERT_EQ(symlink("/dev/full", fullGz.c_str()), 0);
    ASSERT_EQ(symlink("/dev/null", nullGz.c_str()), 0);
    const bool compresses = GzipPieces::available();
    const struct {
        const char *name;
        size_t requests;
        std::string standardError;
    } cases[] = {
        {"/dev/full", 1, lossReport("/dev/full", "write error (No space left on device)")},
        {"/dev/full", kBuffers, lossReport("/dev/full", "write error (No space left on device)")},
        {"|true", kBuffers, lossReport("true", "write error (Broken pipe)")},
        {"|sh -c 'cat >/dev/null; exit 3'", 1,
         lossReport("sh -c 'cat >/dev/null; exit 3'", "program exited with status 3")},
        {"|cat >/dev/null; kill -9 $$", 1, lossReport("cat >/dev/null; kill -9 $$", "program ended by signal 9")},
        {"|cat >/dev/null", kBuffers, ""},
        {"/dev/null", kBuffers, ""},
        {fullGz.c_str(), 1, lossReport(fullGz, "write error (No space left on device)")},
        {fullGz.c_str(), kPieces, lossReport(fullGz, "write error (No space left on device)")},
        {nullGz.c_str(), kPieces, ""},
    };
    for (const auto &row : cases) {
        if (!compresses && std::strstr(row.name, ".gz")) continue;
        const ChildResult result = runChild([&] {
            std::signal(SIGPIPE, SIG_IGN);
            auto *writer = new RibWriter(row.name, RI_NULL);
            for (size_t i = 0; i < row.requests; ++i) writer->writeBytes("Sphere 1 -1 1 360\n", 18);
            delete writer;
            std::fputs("went on\n", stdout);
        });
        EXPECT_EQ(result.status, 0) << row.name;
        EXPECT_EQ(result.standardError, row.standardError) << row.name;
        EXPECT_EQ(result.standardOutput, "went on\n") << row.name;
    }
    std::remove(fullGz.c_str());
    std::remove(nullGz.c_str());
}

// The library's stream and the caller's own text on the standard output stream
// meet in call order at WorldEnd and RiEnd; in between, the stream waits in
// its buffer.
TEST(StreamLifecycle, StandardOutputKeepsCallOrderAtFlushPoints) {
    const ChildResult result = runChild([] {
        std::fputs("caller, before RiBegin\n", stdout);
        auto *writer = new RibWriter(nullptr, RI_NULL);
        writer->WorldBegin();
        std::fputs("caller, inside the world\n", stdout);
        writer->WorldEnd();
        std::fputs("caller, after WorldEnd\n", stdout);
        writer->FrameEnd();
        delete writer;
        std::fputs("caller, after RiEnd\n", stdout);
    });
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.standardOutput, "caller, before RiBegin\ncaller, inside the world\n" + kStreamHeader +
                                         "WorldBegin\nWorldEnd\ncaller, after WorldEnd\nFrameEnd\n\n"
                                         "caller, after RiEnd\n");
    EXPECT_EQ(result.standardError, "");
}

// WorldEnd hands everything so far to the target; the rest waits for RiEnd.
TEST(StreamLifecycle, WorldEndFlushes) {
    const std::string path = makeTempPath();
    auto *writer = new RibWriter(path.c_str(), RI_NULL);
    writer->WorldBegin();
    writer->WorldEnd();
    writer->FrameEnd();
    EXPECT_EQ(readFile(path), kStreamHeader + "WorldBegin\nWorldEnd\n");
    delete writer;
    EXPECT_EQ(readFile(path), kStreamHeader + "WorldBegin\nWorldEnd\nFrameEnd\n\n");
    std::remove(path.c_str());
}

// A process that exits without ending its stream still delivers what it wrote
// (without the final newline), to a file or the standard output stream; a
// compressed stream of several pieces, with its helper threads at work,
// arrives as whole gzip members.
TEST(StreamLifecycle, StreamNeverEndedArrivesAtExit) {
    const std::string path = makeTempPath(), compressedPath = makeTempPath() + ".rib.gz";
    const size_t spheres = 4 * GzipPieces::kPieceSize / 18;
    std::string many = kStreamHeader + "WorldBegin\n";
    for (size_t i = 0; i < spheres; ++i) many += "Sphere 1 -1 1 360\n";
    const struct {
        const char *name;
        size_t spheres;
        std::string written;
    } cases[] = {
        {path.c_str(), 0, kStreamHeader + "WorldBegin\n"},
        {nullptr, 0, kStreamHeader + "WorldBegin\n"},
        {compressedPath.c_str(), spheres, quillet_test::compressPieces(many, GzipPieces::kDefaultLevel).bytes},
    };
    for (const auto &c : cases) {
        if (c.spheres > 0 && !GzipPieces::available()) continue;
        const ChildResult result = runChild([&] {
            auto *writer = new RibWriter(c.name, RI_NULL);
            writer->WorldBegin();
            for (size_t i = 0; i < c.spheres; ++i) writer->writeBytes("Sphere 1 -1 1 360\n", 18);
        });
        EXPECT_EQ(result.status, 0);
        EXPECT_TRUE((c.name ? readFile(c.name) : result.standardOutput) == c.written) << (c.name ? c.name : "stdout");
        EXPECT_EQ(result.standardError, "");
    }
    std::remove(path.c_str());
    std::remove(compressedPath.c_str());
}

// A child made by fork that exits does not write its parent's waiting bytes.
TEST(StreamLifecycle, ForkedChildLeavesTheParentsStream) {
    const std::string path = makeTempPath();
    auto *writer = new RibWriter(path.c_str(), RI_NULL);
    writer->WorldBegin();
    EXPECT_EQ(runChild([] {}).status, 0);
    delete writer;
    EXPECT_EQ(readFile(path), kStreamHeader + "WorldBegin\n\n");
    std::remove(path.c_str());
}

TEST(StreamLifecycle, FailedStandardOutputIsReported) {
    const ChildResult result = runChild([] {
        std::freopen("/dev/full", "w", stdout);
        std::setvbuf(stdout, nullptr, _IONBF, 0);
        delete new RibWriter(nullptr, RI_NULL);
    });
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.standardError, lossReport("standard output", "write error"));
}

TEST(StreamLifecycle, WriterOptionList) {
    const char *binaryFormat = "binary";
    const char *textFormat = "ascii";
    const char *gzip = "gzip";
    const char *other = "zip";
    const RtInt one = 1, zero = 0, seven = 7;
    const struct {
        const char *label;
        std::vector<const void *> pairs;  // token, value, ...
        RtInt binary;
        RtInt compressed;
    } cases[] = {
        {"none", {}, 0, 0},
        {"format binary", {"format", &binaryFormat}, 1, 0},
        {"format other", {"binary", &one, "format", &textFormat}, 0, 0},
        {"binary int", {"binary", &seven}, 1, 0},
        {"compression gzip", {"compression", &gzip}, 0, 1},
        {"compression other", {"gzip", &one, "compression", &other}, 0, 0},
        {"gzip int", {"gzip", &seven, "binary", &zero}, 0, 1},
        {"unknown and null value", {"colour", &one, "binary", nullptr}, 0, 0},
    };
    for (const auto &row : cases) {
        const std::string path = makeTempPath();
        std::vector<const void *> p = row.pairs;
        p.resize(6, nullptr);
        auto *writer = new RibWriter(path.c_str(), p[0], p[1], p[2], p[3], p[4], p[5], RI_NULL);
        delete writer;
        RtToken tokens[] = {static_cast<RtToken>(p[0]), static_cast<RtToken>(p[2]), static_cast<RtToken>(p[4])};
        RtPointer values[] = {const_cast<void *>(p[1]), const_cast<void *>(p[3]), const_cast<void *>(p[5])};
        const StreamOptions options = streamOptionsFromList(RtInt(row.pairs.size() / 2), tokens, values);
        EXPECT_EQ(options.binary, row.binary != 0) << row.label;
        EXPECT_EQ(options.gzip, row.compressed != 0) << row.label;
        EXPECT_EQ(readFile(path), kEmptyStream) << row.label;
        std::remove(path.c_str());
    }
}

TEST(StreamLifecycle, RibOptionDefaults) {
    const char *binaryFormat = "binary";
    const char *textFormat = "text";
    const char *gzip = "gzip";
    RtInt two = 2;
    RtToken tokens[] = {"format", "compression", "binary", "gzip", nullptr};
    RtPointer values[] = {&binaryFormat, &gzip, nullptr, &two, &two};

    setNextStreamOptions({});
    applyRibOptions("Rib", 2, tokens, values);
    applyRibOptions(nullptr, 2, tokens, values);
    applyRibOptions("rib", 2, nullptr, values);
    EXPECT_FALSE(nextStreamOptions().binary);
    EXPECT_FALSE(nextStreamOptions().gzip);

    applyRibOptions("RIB", 5, tokens, values);  // null value, ignored token, null token
    EXPECT_TRUE(nextStreamOptions().binary);
    EXPECT_TRUE(nextStreamOptions().gzip);

    RtToken later[] = {"format", "binary"};
    RtPointer laterValues[] = {&textFormat, &two};
    applyRibOptions("rib", 1, later, laterValues);
    EXPECT_FALSE(nextStreamOptions().binary);
    applyRibOptions("rib", 2, later, laterValues);
    EXPECT_TRUE(nextStreamOptions().binary);
    applyRibOptions("rib", 0, tokens, values);
    applyRibOptions("rib", -1, tokens, values);
    EXPECT_TRUE(nextStreamOptions().binary);

    EXPECT_TRUE(isRibOptionName("rib"));
    EXPECT_TRUE(isRibOptionName("RIB"));
    EXPECT_FALSE(isRibOptionName("Rib"));
    EXPECT_FALSE(isRibOptionName("rib "));
    EXPECT_FALSE(isRibOptionName(nullptr));
    setNextStreamOptions({});
}

// Through the entry points: an option given before RiBegin sets up the next
// stream; one given while it is open changes nothing in it.
TEST(StreamLifecycle, RibOptionsBeforeAndAfterBegin) {
    const std::string first = makeTempPath();
    const std::string second = makeTempPath();
    const char *binaryFormat = "binary";
    const char *textFormat = "ascii";
    RtFloat half = 0.5f;
    RiOption("rib", "format", &binaryFormat, RI_NULL);
    RiBegin(first.c_str());
    RiOption("RIB", "format", &textFormat, RI_NULL);
    dynamic_cast<RibStream *>(static_cast<RenderContext *>(RiGetContext()))->writeFloat(half);
    RiEnd();
    RiBegin(second.c_str());
    dynamic_cast<RibStream *>(static_cast<RenderContext *>(RiGetContext()))->writeFloat(half);
    RiEnd();
    EXPECT_EQ(readFile(first), kStreamHeader + "\xA4" + quillet_test::floatBytes(half) + "\n");
    EXPECT_EQ(readFile(second), kStreamHeader + "0.5 \n");
    EXPECT_FALSE(nextStreamOptions().binary);
    std::remove(first.c_str());
    std::remove(second.c_str());
}

}  // namespace
