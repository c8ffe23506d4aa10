// Test helpers: run requests against a writer on a temporary file and get
// the whole stream back as bytes; build expected binary float tokens.
#ifndef QUILLET_TESTS_STREAMCAPTURE_H
#define QUILLET_TESTS_STREAMCAPTURE_H

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <string>

#include "quillet/GlobalNames.h"
#include "quillet/RibWriter.h"
#include "rib/RibStream.h"
#include "tests/support/Files.h"

namespace quillet_test {

// The two text lines that open every stream.
inline const std::string kStreamHeader = "##RenderMan RIB-Structure 1.0\nversion 3.03\n";

// The whole stream for the given requests: header, requests, final newline.
inline std::string wholeStream(const std::string &requests) {
    return kStreamHeader + requests + "\n";
}

// A new, empty file under the test temporary directory; returns its path.
inline std::string makeTempPath() {
    std::string pattern = ::testing::TempDir() + "quillet-XXXXXX";
    int fd = mkstemp(pattern.data());
    if (fd >= 0) {
        close(fd);
    }
    return pattern;
}

// Runs body against a fresh writer on a temporary file (binary float
// encoding when binary is set), ends the stream and returns every byte.
inline std::string captureStream(const std::function<void(RibWriter &)> &body, bool binary = false) {
    std::string path = makeTempPath();
    RtInt encoding = binary ? 1 : 0;
    auto *writer = new RibWriter(path.c_str(), "binary", &encoding, RI_NULL);
    body(*writer);
    delete writer;
    std::string bytes = readFile(path);
    std::remove(path.c_str());
    return bytes;
}

// The same against the stream itself, for its encoders and list writers.
inline std::string captureStream(const std::function<void(quillet::RibStream &)> &body, bool binary = false) {
    std::string path = makeTempPath();
    quillet::StreamOptions options;
    options.binary = binary;
    auto *stream = new quillet::RibStream(path.c_str(), options);
    body(*stream);
    delete stream;
    std::string bytes = readFile(path);
    std::remove(path.c_str());
    return bytes;
}

struct Captured {
    std::string stream;
    std::string diagnostics;
};

// captureStream, also returning what was written to the standard error stream.
// body takes a RibWriter or a RibStream.
template <class Body>
Captured captureStreamAndErrors(const Body &body, bool binary = false) {
    ::testing::internal::CaptureStderr();
    std::string stream = captureStream(body, binary);
    return {stream, ::testing::internal::GetCapturedStderr()};
}

// The four bytes of a float, most significant first.
inline std::string floatBytes(float value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    std::string bytes;
    for (int shift = 24; shift >= 0; shift -= 8) {
        bytes += static_cast<char>((bits >> shift) & 0xFF);
    }
    return bytes;
}

// One binary float token: 0xA4 and the float's bytes.
inline std::string binaryFloat(float value) {
    return "\xA4" + floatBytes(value);
}

// One binary float array of fewer than 256 values: 0xC8, the count, the floats.
inline std::string binaryFloatArray(std::initializer_list<float> values) {
    std::string bytes = "\xC8";
    bytes += static_cast<char>(values.size());
    for (float value : values) {
        bytes += floatBytes(value);
    }
    return bytes;
}

}  // namespace quillet_test

#endif
