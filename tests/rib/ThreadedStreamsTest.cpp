// Streams written by several threads at once: each archive is byte for byte
// the archive that the same calls write alone, through the C interface with a
// current context per thread and through explicit streams with none. The
// ThreadSanitizer build runs these to find the races that equal bytes hide.
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "quillet/RibWriter.h"
#include "quillet/ri.h"
#include "ri/CurrentContext.h"
#include "rib/StreamOptions.h"
#include "tests/support/Files.h"

using quillet_test::readFile;
using quillet_test::ScratchDir;

namespace {

const int kThreads = 8;
const int kSide = 12;

// A small mesh whose values depend on the archive's index, with a user
// declaration and a light handle, so that every part of a stream's own state
// is used.
struct Scene {
    std::vector<RtInt> nvertices, vertices;
    std::vector<RtFloat> positions, weights;
    explicit Scene(int index) {
        for (int j = 0; j < kSide; ++j)
            for (int i = 0; i < kSide; ++i) {
                positions.insert(positions.end(), {i * 0.25f, j * 0.5f, float(index) + 0.001f * float(i * j)});
                weights.push_back(float(index) / float(i + j + 1));
            }
        for (int j = 0; j + 1 < kSide; ++j)
            for (int i = 0; i + 1 < kSide; ++i) {
                nvertices.push_back(4);
                const int v = j * kSide + i;
                vertices.insert(vertices.end(), {v, v + 1, v + kSide + 1, v + kSide});
            }
    }
    void write(quillet::RenderContext &context) {
        RtToken weight = context.Declare("weight", "varying float");
        context.WorldBegin();
        RtFloat intensity = 0.75f;
        RtToken lightTokens[] = {"intensity"};
        RtPointer lightValues[] = {&intensity};
        context.LightSourceV("pointlight", 1, lightTokens, lightValues);
        RtToken tokens[] = {RI_P, weight};
        RtPointer values[] = {positions.data(), weights.data()};
        context.PointsPolygonsV(RtInt(nvertices.size()), nvertices.data(), vertices.data(), 2, tokens, values);
        context.WorldEnd();
    }
};

// Even archives in text, odd ones in binary, at precisions 4, 0 and 9 in turn.
quillet::StreamOptions optionsOf(int index) {
    quillet::StreamOptions options;
    options.binary = index % 2 == 1;
    options.precision = index % 3 == 0 ? 4 : index % 3 == 1 ? 0 : 9;
    return options;
}

// The C interface: options before RiBegin, then the requests through the
// thread's current context.
void writeThroughInterface(int index, const std::string &path) {
    const quillet::StreamOptions options = optionsOf(index);
    const char *format = options.binary ? "binary" : "ascii";
    RtInt precision = options.precision;
    RiOption("rib", "format", &format, "precision", &precision, RI_NULL);
    RiBegin(path.c_str());
    Scene(index).write(*static_cast<quillet::RenderContext *>(RiGetContext()));
    RiEnd();
}

void writeExplicitStream(int index, const std::string &path) {
    std::unique_ptr<quillet::RenderContext> stream = quillet::openStream(path.c_str(), optionsOf(index));
    Scene(index).write(*stream);
}

// Writes archive i of kThreads with write, first one at a time, then all at
// once, and compares each pair.
void expectSameBytesAtOnce(void (*write)(int, const std::string &)) {
    ScratchDir dir;
    std::vector<std::string> alone;
    for (int i = 0; i < kThreads; ++i) {
        write(i, dir.file("alone.rib"));
        alone.push_back(readFile(dir.file("alone.rib")));
    }
    std::vector<std::thread> threads;
    for (int i = 0; i < kThreads; ++i)
        threads.emplace_back([&dir, write, i] { write(i, dir.file("thread" + std::to_string(i) + ".rib")); });
    for (std::thread &thread : threads) thread.join();
    for (int i = 0; i < kThreads; ++i)
        EXPECT_EQ(readFile(dir.file("thread" + std::to_string(i) + ".rib")), alone[size_t(i)]) << "archive " << i;
}

TEST(ThreadedStreams, InterfaceStreamsAtOnceMatchEachAlone) {
    expectSameBytesAtOnce(writeThroughInterface);
    quillet::setNextStreamOptions({});
}

TEST(ThreadedStreams, ExplicitStreamsAtOnceMatchEachAlone) {
    expectSameBytesAtOnce(writeExplicitStream);
}

// A stream begun in one thread and written by others in turn, under the
// program's own lock: threads that never chose a context follow it.
TEST(ThreadedStreams, OneStreamSharedUnderTheProgramsLock) {
    ScratchDir dir;
    const auto writeSpheres = [](int count) {
        for (int i = 0; i < count; ++i) RiSphere(1, -1, 1, 360, RI_NULL);
    };
    RiBegin(dir.file("alone.rib").c_str());
    writeSpheres(kThreads * 4);
    RiEnd();
    RiBegin(dir.file("shared.rib").c_str());
    std::mutex turn;
    std::vector<std::thread> threads;
    for (int i = 0; i < kThreads; ++i)
        threads.emplace_back([&] {
            for (int k = 0; k < 4; ++k) {
                std::lock_guard<std::mutex> hold(turn);
                writeSpheres(1);
            }
        });
    for (std::thread &thread : threads) thread.join();
    RiEnd();
    EXPECT_EQ(readFile(dir.file("shared.rib")), readFile(dir.file("alone.rib")));
}

// An explicit stream into a function: the bytes arrive in order, whole.
TEST(ThreadedStreams, ExplicitStreamIntoAFunction) {
    ScratchDir dir;
    writeExplicitStream(1, dir.file("file.rib"));
    std::string received;
    quillet::StreamOptions options = optionsOf(1);
    options.sink = [&received](const char *bytes, size_t length) {
        received.append(bytes, length);
        return true;
    };
    Scene(1).write(*quillet::openStream("memory", options));
    EXPECT_EQ(received, readFile(dir.file("file.rib")));
}

// A context chosen for a scope is the thread's alone: the process's current
// context stays, and once the scope ends the thread, which never chose one,
// follows the process's again.
TEST(ThreadedStreams, ScopedContextIsTheThreadsAlone) {
    ScratchDir dir;
    RiBegin(dir.file("alone.rib").c_str());
    RiSphere(1, -1, 1, 360, RI_NULL);
    RiEnd();
    RiBegin(dir.file("process.rib").c_str());
    const RtContextHandle process = RiGetContext();
    std::unique_ptr<quillet::RenderContext> scoped = quillet::openStream(dir.file("scoped.rib").c_str());
    const RtContextHandle scopedHandle = scoped.get();
    std::vector<RtContextHandle> seen;
    std::thread([&] {
        {
            quillet::ThreadContextScope scope(scoped.get());
            seen.push_back(RiGetContext());
            RiSphere(1, -1, 1, 360, RI_NULL);
        }
        seen.push_back(RiGetContext());
    }).join();
    seen.push_back(RiGetContext());
    RiEnd();
    scoped.reset();
    EXPECT_EQ(seen, (std::vector<RtContextHandle>{scopedHandle, process, process}));
    EXPECT_EQ(readFile(dir.file("scoped.rib")), readFile(dir.file("alone.rib")));
    EXPECT_EQ(readFile(dir.file("process.rib")), "##RenderMan RIB-Structure 1.0\nversion 3.03\n\n");
}

}  // namespace
