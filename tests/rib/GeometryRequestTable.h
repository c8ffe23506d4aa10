// Table rows for the geometric request tests: a call and the request text it
// must produce, written for either float encoding, and a parameter list of
// one vertex, one varying and one uniform float, so that each count shows
// in the number of values written.
#ifndef QUILLET_TESTS_GEOMETRYREQUESTTABLE_H
#define QUILLET_TESTS_GEOMETRYREQUESTTABLE_H

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "quillet/GlobalNames.h"
#include "tests/rib/StreamCapture.h"

namespace quillet_test {

// 0, 1, 2, ...: values for every array a request reads.
inline RtFloat *rampData() {
    static RtFloat data[512];
    for (int i = 0; i < 512; ++i) data[i] = static_cast<RtFloat>(i);
    return data;
}
inline RtFloat *const kRamp = rampData();
inline RtFloat (*rampMatrix())[4] {
    return reinterpret_cast<RtFloat(*)[4]>(kRamp);
}

// The expected form of float arrays in one encoding.
struct Enc {
    bool binary;

    std::string floats(const RtFloat *values, int count) const {
        std::string text;
        if (binary) {
            text = count < 256 ? std::string("\xC8") + char(count)
                               : std::string("\xC9") + char(count >> 8) + char(count & 0xFF);
            for (int i = 0; i < count; ++i) text += floatBytes(values[i]);
            return text;
        }
        text = "[";
        for (int i = 0; i < count; ++i) {
            char number[32];
            std::snprintf(number, sizeof number, i + 1 < count ? "%g " : "%g", values[i]);
            text += number;
        }
        return text + "]";
    }
    std::string ramp(int count) const { return floats(kRamp, count); }
};

// "Pz" vertex float, "s" varying float, "Kd" uniform float, all from kRamp.
inline RtToken *threeClasses() {
    static RtToken tokens[] = {"Pz", "s", "Kd"};
    return tokens;
}
inline RtPointer *rampValues() {
    static RtPointer values[] = {kRamp, kRamp, kRamp};
    return values;
}
inline std::string params(const Enc &e, int vertex, int varying, int uniform) {
    return " \"Pz\" " + e.ramp(vertex) + " \"s\" " + e.ramp(varying) + " \"Kd\" " + e.ramp(uniform);
}

struct GeometryCase {
    const char *label;
    std::function<void(RibWriter &)> call;
    std::function<std::string(const Enc &)> expected;
};

// Every row in a stream of its own, in ASCII and in binary.
inline void expectGeometry(const std::vector<GeometryCase> &cases) {
    for (bool binary : {false, true}) {
        for (const GeometryCase &row : cases) {
            EXPECT_EQ(captureStream(row.call, binary), wholeStream(row.expected(Enc{binary})))
                << row.label << (binary ? " (binary)" : " (ASCII)");
        }
    }
}

struct DiagnosticCase {
    const char *label;
    std::function<void(RibWriter &)> call;
    std::string requests;
    std::string diagnostics;
};

// Every row in an ASCII stream of its own; the standard error text too.
inline void expectGeometryErrors(const std::vector<DiagnosticCase> &cases) {
    for (const DiagnosticCase &row : cases) {
        Captured captured = captureStreamAndErrors(row.call);
        EXPECT_EQ(captured.stream, wholeStream(row.requests)) << row.label;
        EXPECT_EQ(captured.diagnostics, row.diagnostics) << row.label;
    }
}

}  // namespace quillet_test

#endif
