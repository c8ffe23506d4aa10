// Parameter lists byte for byte: counts by declaration, class and type, the
// quoting of tokens and strings, and the pairs that are reported and dropped.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "quillet/DeclTable.h"
#include "quillet/GlobalNames.h"
#include "tests/rib/StreamCapture.h"

using namespace quillet;

namespace {

using quillet_test::binaryFloatArray;
using quillet_test::captureStreamAndErrors;
using quillet_test::floatBytes;
using quillet_test::wholeStream;

// The parameters these tests declare themselves, once per process.
void declareTestParameters() {
    static bool done = false;
    if (done) return;
    done = true;
    DeclTable::declare("plt_ints", "uniform integer[2]", nullptr, false);
    DeclTable::declare("plt_names", "uniform string[2]", nullptr, false);
    DeclTable::declare("plt_name", "string", nullptr, false);
    DeclTable::declare("plt_empty", "float[]", nullptr, false);
    DeclTable::declare("plt_negative", "vertex float[-1]", nullptr, false);
    DeclTable::declare("plt_mpoint", "vertex mpoint", nullptr, false);
    DeclTable::declare("plt_bare", "varying", nullptr, false);
    DeclTable::declare("plt_vertex", "vertex float", nullptr, false);
    DeclTable::declare("plt \"odd\\ \ntoken", "float", nullptr, false);
}

struct ListCase {
    const char *label;
    std::function<void(RibStream &)> call;
    std::string ascii;
    std::string binary;
    std::string standardError;
};

// A binary float array of no elements.
const std::string kEmptyBinary("\xC8\x00", 2);

std::string asciiFloats(const std::vector<float> &values) {
    std::string text = "[";
    char number[32];
    for (size_t i = 0; i < values.size(); ++i) {
        std::snprintf(number, sizeof number, i ? " %g" : "%g", double(values[i]));
        text += number;
    }
    return text + "]";
}

std::string binaryFloats(const std::vector<float> &values) {
    std::string bytes = "\xC8";
    bytes += char(values.size());
    for (float v : values) bytes += floatBytes(v);
    return bytes;
}

std::vector<float> sequence(size_t count) {
    std::vector<float> values(count);
    for (size_t i = 0; i < count; ++i) values[i] = 0.25f * float(i) - 3.0f;
    return values;
}

TEST(ParamList, BytesInBothEncodings) {
    declareTestParameters();
    static const std::vector<float> colours = sequence(12);
    static const std::vector<float> hpoints = sequence(64);
    static RtFloat kd = 0.5f, one = 1.0f, two = 2.0f;
    static RtInt ints[] = {7, -8};
    static RtToken names[] = {"a\"b", "c"};
    static RtToken name[] = {"map.tx"};

    const std::vector<ListCase> cases = {
        {"varying colour on a quadric",
         [](RibStream &w) {
             RtToken t[] = {"Cs"};
             RtPointer v[] = {const_cast<float *>(colours.data())};
             w.writeCountedParamList(4, 4, 1, 1, t, v);
         },
         " \"Cs\" " + asciiFloats(colours) + "\n", " \"Cs\" " + binaryFloats(colours) + "\n", ""},
        {"uniform float on a shader",
         [](RibStream &w) {
             RtToken t[] = {"Kd"};
             RtPointer v[] = {&kd};
             w.writeParamList("plastic", 0, 1, t, v);
         },
         " \"plastic\" \"Kd\" [0.5]\n", " \"plastic\" \"Kd\" " + binaryFloatArray({0.5f}) + "\n", ""},
        {"handle, no pairs", [](RibStream &w) { w.writeParamList("distantlight", 1, 0, nullptr, nullptr); },
         " \"distantlight\" 1\n", " \"distantlight\" 1\n", ""},
        {"no name, no list", [](RibStream &w) { w.writeCountedParamList(4, 4, 1, 0, nullptr, nullptr); }, "\n", "\n",
         ""},
        {"vertex hpoint, 16 vertices",
         [](RibStream &w) {
             RtToken t[] = {"Pw"};
             RtPointer v[] = {const_cast<float *>(hpoints.data())};
             w.writeCountedParamList(16, 4, 1, 1, t, v);
         },
         " \"Pw\" " + asciiFloats(hpoints) + "\n", " \"Pw\" " + binaryFloats(hpoints) + "\n", ""},
        {"inline declaration written whole",
         [](RibStream &w) {
             RtToken t[] = {"uniform float[2] plt_inline"};
             RtFloat v6[] = {1, 2, 3, 4, 5, 6};
             RtPointer v[] = {v6};
             w.writeCountedParamList(4, 4, 3, 1, t, v);
         },
         " \"uniform float[2] plt_inline\" [1 2 3 4 5 6]\n",
         " \"uniform float[2] plt_inline\" " + binaryFloatArray({1, 2, 3, 4, 5, 6}) + "\n", ""},
        {"undeclared between declared",
         [](RibStream &w) {
             RtToken t[] = {"Kd", "plt_unknown", "Ks"};
             RtPointer v[] = {&kd, &one, &two};
             w.writeParamList("plastic", 0, 3, t, v);
         },
         " \"plastic\" \"Kd\" [0.5] \"Ks\" [2]\n",
         " \"plastic\" \"Kd\" " + binaryFloatArray({0.5f}) + " \"Ks\" " + binaryFloatArray({2}) + "\n",
         "quillet error: undeclared parameter \"plt_unknown\": declare it, or write its type inline: \"uniform float "
         "plt_unknown\"\n"},
        {"empty array length",
         [](RibStream &w) {
             RtToken t[] = {"plt_empty"};
             RtPointer v[] = {&one};
             w.writeCountedParamList(1, 1, 1, 1, t, v);
         },
         " \"plt_empty\" []\n", " \"plt_empty\" " + kEmptyBinary + "\n", ""},
        {"integer and string forms",
         [](RibStream &w) {
             RtToken t[] = {"plt_ints", "plt_names", "plt_name"};
             RtPointer v[] = {ints, names, name};
             w.writeParamList("plt", 0, 3, t, v);
         },
         " \"plt\" \"plt_ints\" [7 -8 ] \"plt_names\" [\"a\\\"b\" \"c\"] \"plt_name\" [\"map.tx\"]\n",
         " \"plt\" \"plt_ints\" [7 -8 ] \"plt_names\" [\"a\\\"b\" \"c\"] \"plt_name\" [\"map.tx\"]\n", ""},
        {"quoted token and name",
         [](RibStream &w) {
             RtToken t[] = {"plt \"odd\\ \ntoken"};
             RtPointer v[] = {&one};
             w.writeParamList("sh\"ader", 0, 1, t, v);
         },
         " \"sh\\\"ader\" \"plt \\\"odd\\\\ \\ntoken\" [1]\n",
         " \"sh\\\"ader\" \"plt \\\"odd\\\\ \\ntoken\" " + binaryFloatArray({1}) + "\n", ""},
        {"null token and null value",
         [](RibStream &w) {
             RtToken t[] = {nullptr, "Kd", "plt_empty", "plt_bare", "Ks"};
             RtPointer v[] = {&one, nullptr, nullptr, nullptr, &two};
             w.writeCountedParamList(1, 1, 1, 5, t, v);
         },
         " \"plt_empty\" [] \"Ks\" [2]\n", " \"plt_empty\" " + kEmptyBinary + " \"Ks\" " + binaryFloatArray({2}) + "\n",
         "quillet error: null parameter token\nquillet error: no value for parameter \"Kd\"\n"},
        {"negative length and class count",
         [](RibStream &w) {
             RtToken t[] = {"plt_negative", "plt_vertex", "Cs"};
             RtPointer v[] = {&one, &one, nullptr};
             w.writeCountedParamList(-2, -1, 1, 3, t, v);
         },
         " \"plt_negative\" [] \"plt_vertex\" [] \"Cs\" []\n",
         " \"plt_negative\" " + kEmptyBinary + " \"plt_vertex\" " + kEmptyBinary + " \"Cs\" " + kEmptyBinary + "\n",
         ""},
        {"mpoint writes its token only",
         [](RibStream &w) {
             RtToken t[] = {"plt_mpoint", "Kd"};
             RtPointer v[] = {nullptr, &kd};
             w.writeCountedParamList(4, 4, 1, 2, t, v);
         },
         " \"plt_mpoint\"  \"Kd\" [0.5]\n", " \"plt_mpoint\"  \"Kd\" " + binaryFloatArray({0.5f}) + "\n", ""},
    };
    for (const ListCase &row : cases) {
        for (bool binary : {false, true}) {
            const auto captured = captureStreamAndErrors(row.call, binary);
            EXPECT_EQ(captured.stream, wholeStream(binary ? row.binary : row.ascii))
                << row.label << (binary ? " (binary)" : "");
            EXPECT_EQ(captured.diagnostics, row.standardError) << row.label;
        }
    }
}

}  // namespace
