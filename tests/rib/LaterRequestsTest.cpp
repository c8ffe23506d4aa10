// The requests of the later interface versions and named handles, as the
// writer writes them in both encodings; unnamed handles keep their numbers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "quillet/GlobalNames.h"
#include "tests/rib/RequestCase.h"

using namespace quillet;
using namespace quillet_test;

namespace {

RtBound unitBound = {-1, 1, -1, 1, -1, 1};
RtInt grid[3] = {2, 1, 1};
RtFloat density[2] = {0, 0.5f};
RtToken saveOperation = "save";
RtToken archiveFile = "a.rib";
RtToken keyName = "key";
RtToken treeName = "tree";
RtFloat intensity = 2;

void ownProcedural(RtContextHandle, RtFloat, RtInt, RtToken[], RtPointer[]) {}

// Each row's calls and its text in ASCII, and the same in binary where the
// request holds a float array.
struct LaterCase {
    const char *label;
    std::function<void(RibWriter &)> call;
    std::string ascii, binary;
};

const std::vector<LaterCase> &laterCases() {
    static const std::vector<LaterCase> cases = {
        {"ArchiveBegin", [](RibWriter &w) { w.ArchiveBegin("box", RI_NULL); }, "ArchiveBegin \"box\"\n", ""},
        {"ArchiveBegin with a list",
         [](RibWriter &w) { w.ArchiveBegin("box", "float intensity", &intensity, RI_NULL); },
         "ArchiveBegin \"box\" \"float intensity\" [2]\n",
         "ArchiveBegin \"box\" \"float intensity\" " + binaryFloatArray({2}) + "\n"},
        {"ArchiveEnd", [](RibWriter &w) { w.ArchiveEnd(); }, "ArchiveEnd\n", ""},
        {"IfBegin", [](RibWriter &w) { w.IfBegin("$user:pass == 'beauty'"); }, "IfBegin \"$user:pass == 'beauty'\"\n",
         ""},
        {"ElseIf escaped", [](RibWriter &w) { w.ElseIf("$a == \"b\\\""); }, "ElseIf \"$a == \\\"b\\\\\\\"\"\n", ""},
        {"Else", [](RibWriter &w) { w.Else(); }, "Else\n", ""},
        {"IfEnd", [](RibWriter &w) { w.IfEnd(); }, "IfEnd\n", ""},
        {"Resource", [](RibWriter &w) { w.Resource("r", "attributes", "string operation", &saveOperation, RI_NULL); },
         "Resource \"r\" \"attributes\" \"string operation\" [\"save\"]\n", ""},
        {"ResourceBegin", [](RibWriter &w) { w.ResourceBegin(); }, "ResourceBegin\n", ""},
        {"ResourceEnd", [](RibWriter &w) { w.ResourceEnd(); }, "ResourceEnd\n", ""},
        {"ClippingPlane", [](RibWriter &w) { w.ClippingPlane(0, 0, 1, 0, 0, -0.5f); }, "ClippingPlane 0 0 1 0 0 -0.5\n",
         ""},
        {"Camera", [](RibWriter &w) { w.Camera("main", RI_NULL); }, "Camera \"main\"\n", ""},
        {"ScopedCoordinateSystem", [](RibWriter &w) { w.ScopedCoordinateSystem("lamp"); },
         "ScopedCoordinateSystem \"lamp\"\n", ""},
        {"System", [](RibWriter &w) { w.System("echo \"hi\""); }, "System \"echo \\\"hi\\\"\"\n", ""},
        {"Volume: a varying value per grid point",
         [](RibWriter &w) { w.Volume("box", unitBound, grid, "varying float density", density, RI_NULL); },
         "Volume \"box\" [-1 1 -1 1 -1 1] [2 1 1 ] \"varying float density\" [0 0.5]\n",
         "Volume \"box\" " + binaryFloatArray({-1, 1, -1, 1, -1, 1}) + " [2 1 1 ] \"varying float density\" " +
             binaryFloatArray({0, 0.5f}) + "\n"},
        {"Procedural2",
         [](RibWriter &w) {
             w.Procedural2(RiProc2DelayedReadArchive, RiSimpleBound, "string filename", &archiveFile, "float[6] bound",
                           unitBound, RI_NULL);
         },
         "Procedural2 \"DelayedReadArchive2\" \"SimpleBound\" \"string filename\" [\"a.rib\"] \"float[6] bound\" "
         "[-1 1 -1 1 -1 1]\n",
         "Procedural2 \"DelayedReadArchive2\" \"SimpleBound\" \"string filename\" [\"a.rib\"] \"float[6] bound\" " +
             binaryFloatArray({-1, 1, -1, 1, -1, 1}) + "\n"},
        {"Procedural2 of the other kinds",
         [](RibWriter &w) {
             w.Procedural2(RiProc2ReadArchive, RiDelayedBound, RI_NULL);
             w.Procedural2(RiProc2DynamicLoad, RiSimpleBound, RI_NULL);
         },
         "Procedural2 \"ReadArchive2\" \"DelayedBound\"\nProcedural2 \"DynamicLoad2\" \"SimpleBound\"\n", ""},
        {"Procedural2 of a function of the caller's own writes nothing",
         [](RibWriter &w) { w.Procedural2(ownProcedural, RiSimpleBound, RI_NULL); }, "", ""},
        {"named object",
         [](RibWriter &w) {
             RtToken tokens[] = {"__handleid"};
             RtPointer values[] = {&treeName};
             RtObjectHandle tree = w.ObjectBeginV(1, tokens, values);
             w.ObjectEnd();
             w.ObjectInstance(tree);
         },
         "ObjectBegin \"tree\"\nObjectEnd\nObjectInstance \"tree\"\n", ""},
        {"unnamed objects keep their numbers beside named ones",
         [](RibWriter &w) {
             RtObjectHandle one = w.ObjectBeginV(0, nullptr, nullptr);
             RtToken tokens[] = {"string __handleid"};
             RtPointer values[] = {&treeName};
             w.ObjectBeginV(1, tokens, values);
             RtObjectHandle two = w.ObjectBegin();
             w.ObjectInstance(one);
             w.ObjectInstance(two);
         },
         "ObjectBegin 1\nObjectBegin \"tree\"\nObjectBegin 2\nObjectInstance 1\nObjectInstance 2\n", ""},
        {"named light",
         [](RibWriter &w) {
             RtLightHandle key =
                 w.LightSource("pointlight", "float intensity", &intensity, "__handleid", &keyName, RI_NULL);
             RtLightHandle fill = w.AreaLightSource("arealight", RI_NULL);
             w.Illuminate(key, 1);
             w.Illuminate(fill, 0);
         },
         "LightSource \"pointlight\" \"key\" \"float intensity\" [2]\nAreaLightSource \"arealight\" 1\n"
         "Illuminate \"key\" 1\nIlluminate 1 0\n",
         "LightSource \"pointlight\" \"key\" \"float intensity\" " + binaryFloatArray({2}) +
             "\nAreaLightSource \"arealight\" 1\nIlluminate \"key\" 1\nIlluminate 1 0\n"},
    };
    return cases;
}

TEST(LaterRequests, EveryRequestInBothEncodings) {
    for (const LaterCase &row : laterCases()) {
        EXPECT_EQ(captureStream(row.call), wholeStream(row.ascii)) << row.label;
        const std::string &binary = row.binary.empty() ? row.ascii : row.binary;
        EXPECT_EQ(captureStream(row.call, true), wholeStream(binary)) << row.label << " (binary)";
    }
}

TEST(LaterRequests, ArchiveHandleIsTheNameThatReadArchiveTakes) {
    std::string stream = captureStream([](RibWriter &w) {
        RtArchiveHandle box = w.ArchiveBegin("box", RI_NULL);
        w.ArchiveEnd();
        w.ReadArchive(static_cast<RtToken>(box), nullptr, RI_NULL);
    });
    EXPECT_EQ(stream, wholeStream("ArchiveBegin \"box\"\nArchiveEnd\nReadArchive \"box\"\n"));
}

TEST(LaterRequests, UnknownRequestsAreWrittenAsTheyStood) {
    static const RtInt ints[] = {1, 2};
    static const RtFloat floats[] = {2.5f, -1};
    static const RtToken strings[] = {"a", "b\"c"};
    static RtToken tokens[] = {"string mode"};
    const RequestValue args[] = {
        {RequestValue::Type::Integer, false, 1, ints},   {RequestValue::Type::Float, false, 1, floats},
        {RequestValue::Type::String, false, 1, strings}, {RequestValue::Type::Integer, true, 2, ints},
        {RequestValue::Type::Float, true, 2, floats},    {RequestValue::Type::String, true, 2, strings},
        {RequestValue::Type::Float, true, 0, floats},
    };
    const RequestValue values[] = {{RequestValue::Type::String, false, 1, strings}};
    auto call = [&](RibWriter &w) {
        w.UnknownRequestV("Frobnicate", 7, args, 1, tokens, values);
        w.UnknownRequestV("Bare", 0, nullptr, 0, nullptr, nullptr);
    };
    EXPECT_EQ(captureStream(call), wholeStream("Frobnicate 1 2.5 \"a\" [1 2 ] [2.5 -1] [\"a\" \"b\\\"c\"] [] "
                                               "\"string mode\" \"a\"\nBare\n"));
    EXPECT_EQ(captureStream(call, true),
              wholeStream("Frobnicate 1 2.5 \"a\" [1 2 ] " + binaryFloatArray({2.5f, -1}) + " [\"a\" \"b\\\"c\"] " +
                          binaryFloatArray({}) + " \"string mode\" \"a\"\nBare\n"));
}

// The header's version rises to a later stream's; an earlier or equal one,
// or one that comes after the header has gone out, leaves it.
TEST(LaterRequests, VersionLineRisesToALaterStream) {
    const std::string header = "##RenderMan RIB-Structure 1.0\nversion ";
    struct Row {
        RtFloat version;
        const char *written;
    } rows[] = {{3.04f, "3.04"}, {3.1f, "3.1"}, {3.03f, "3.03"}, {3.0f, "3.03"}, {10.125f, "10.125"}};
    for (const Row &row : rows) {
        std::string stream = captureStream([&](RibWriter &w) {
            w.Version(row.version);
            w.WorldBegin();
        });
        EXPECT_EQ(stream, header + row.written + "\nWorldBegin\n\n") << row.version;
    }
    std::string late = captureStream([](RibWriter &w) {
        w.WorldBegin();
        w.WorldEnd();
        w.Version(3.5f);
    });
    EXPECT_EQ(late, wholeStream("WorldBegin\nWorldEnd\n"));
}

// Several version numbers before the header goes out: the header carries
// the highest, whatever the length of the text it replaces.
TEST(LaterRequests, VersionLineCarriesTheHighestOfSeveral) {
    const struct {
        std::vector<RtFloat> versions;
        const char *written;
    } rows[] = {
        {{31.0f, 6.03f}, "31"},
        {{3.5f, 10.25f}, "10.25"},
        {{10.25f, 12.0f, 3.1f}, "12"},
        {{3.0f, 3.04f, 100.125f, 4.0f}, "100.125"},
    };
    for (const auto &row : rows) {
        std::string stream = captureStream([&](RibWriter &w) {
            for (RtFloat version : row.versions) w.Version(version);
            w.WorldBegin();
        });
        EXPECT_EQ(stream, std::string("##RenderMan RIB-Structure 1.0\nversion ") + row.written + "\nWorldBegin\n\n")
            << row.written;
    }
}

}  // namespace
