#include <gtest/gtest.h>

#include <string>

#include "quillet/GlobalNames.h"
#include "tests/rib/RequestCase.h"

using namespace quillet;

using namespace quillet_test;

namespace {

void ownHandler(RtInt, RtInt, const char *) {}

TEST(StructureRequests, BlockAndHandlerRequests) {
    expectRequests({
        {"FrameBegin", [](RibWriter &w) { w.FrameBegin(1); }, "FrameBegin 1\n"},
        {"FrameEnd", [](RibWriter &w) { w.FrameEnd(); }, "FrameEnd\n"},
        {"WorldBegin", [](RibWriter &w) { w.WorldBegin(); }, "WorldBegin\n"},
        {"WorldEnd", [](RibWriter &w) { w.WorldEnd(); }, "WorldEnd\n"},
        {"AttributeBegin", [](RibWriter &w) { w.AttributeBegin(); }, "AttributeBegin\n"},
        {"AttributeEnd", [](RibWriter &w) { w.AttributeEnd(); }, "AttributeEnd\n"},
        {"TransformBegin", [](RibWriter &w) { w.TransformBegin(); }, "TransformBegin\n"},
        {"TransformEnd", [](RibWriter &w) { w.TransformEnd(); }, "TransformEnd\n"},
        {"SolidBegin", [](RibWriter &w) { w.SolidBegin("primitive"); }, "SolidBegin \"primitive\"\n"},
        {"SolidBegin escaped", [](RibWriter &w) { w.SolidBegin("a\"b\\c"); }, "SolidBegin \"a\\\"b\\\\c\"\n"},
        {"SolidBegin null", [](RibWriter &w) { w.SolidBegin(nullptr); }, "SolidBegin \"\"\n"},
        {"SolidEnd", [](RibWriter &w) { w.SolidEnd(); }, "SolidEnd\n"},
        {"ObjectEnd", [](RibWriter &w) { w.ObjectEnd(); }, "ObjectEnd\n"},
        {"MotionEnd", [](RibWriter &w) { w.MotionEnd(); }, "MotionEnd\n"},
        {"ErrorHandler ignore", [](RibWriter &w) { w.ErrorHandler(RiErrorIgnore); }, "ErrorHandler \"ignore\"\n"},
        {"ErrorHandler print", [](RibWriter &w) { w.ErrorHandler(RiErrorPrint); }, "ErrorHandler \"print\"\n"},
        {"ErrorHandler abort", [](RibWriter &w) { w.ErrorHandler(RiErrorAbort); }, "ErrorHandler \"abort\"\n"},
        {"ErrorHandler own", [](RibWriter &w) { w.ErrorHandler(ownHandler); }, ""},
        {"ErrorHandler null", [](RibWriter &w) { w.ErrorHandler(nullptr); }, ""},
        {"ReadArchiveV", [](RibWriter &w) { w.ReadArchiveV("scene.rib", nullptr, 0, nullptr, nullptr); },
         "ReadArchive \"scene.rib\"\n"},
        {"ReadArchive", [](RibWriter &w) { w.ReadArchive("scene.rib", nullptr, RI_NULL); },
         "ReadArchive \"scene.rib\"\n"},
    });
}

TEST(StructureRequests, ObjectHandlesCountFromOne) {
    RtObjectHandle handles[3] = {};
    std::string stream = captureStream([&](RibWriter &w) {
        for (RtObjectHandle &handle : handles) {
            handle = w.ObjectBegin();
        }
        w.ObjectInstance(handles[1]);
    });
    EXPECT_EQ(stream, wholeStream("ObjectBegin 1\nObjectBegin 2\nObjectBegin 3\nObjectInstance 2\n"));
    EXPECT_EQ(handles[0], reinterpret_cast<RtObjectHandle>(1));
    EXPECT_EQ(handles[2], reinterpret_cast<RtObjectHandle>(3));
}

TEST(StructureRequests, MotionBeginInBothEncodings) {
    static RtFloat times[] = {0, 1};
    expectRequests({
        {"list", [](RibWriter &w) { w.MotionBeginV(2, times); }, "MotionBegin [0 1]\n"},
        {"empty", [](RibWriter &w) { w.MotionBeginV(0, times); }, "MotionBegin []\n"},
        {"variable", [](RibWriter &w) { w.MotionBegin(3, 0.0, 0.25, 0.5); }, "MotionBegin [0 0.25 0.5]\n"},
    });
    expectRequests(
        {
            {"list", [](RibWriter &w) { w.MotionBeginV(2, times); }, "MotionBegin " + binaryFloatArray({0, 1}) + "\n"},
            {"empty", [](RibWriter &w) { w.MotionBeginV(0, times); }, "MotionBegin " + binaryFloatArray({}) + "\n"},
        },
        true);
}

// The variable form keeps every time, even past the first hundred.
TEST(StructureRequests, MotionBeginKeepsMoreThanAHundredTimes) {
    std::string expected = "MotionBegin [";
    for (int i = 0; i < 101; ++i) {
        expected += std::to_string(i) + (i < 100 ? " " : "]\n");
    }
    std::string stream = captureStream([](RibWriter &w) {
        w.MotionBegin(101, 0., 1., 2., 3., 4., 5., 6., 7., 8., 9., 10., 11., 12., 13., 14., 15., 16., 17., 18., 19.,
                      20., 21., 22., 23., 24., 25., 26., 27., 28., 29., 30., 31., 32., 33., 34., 35., 36., 37., 38.,
                      39., 40., 41., 42., 43., 44., 45., 46., 47., 48., 49., 50., 51., 52., 53., 54., 55., 56., 57.,
                      58., 59., 60., 61., 62., 63., 64., 65., 66., 67., 68., 69., 70., 71., 72., 73., 74., 75., 76.,
                      77., 78., 79., 80., 81., 82., 83., 84., 85., 86., 87., 88., 89., 90., 91., 92., 93., 94., 95.,
                      96., 97., 98., 99., 100.);
    });
    EXPECT_EQ(stream, wholeStream(expected));
}

TEST(StructureRequests, ArchiveRecordsByType) {
    expectRequests({
        {"comment", [](RibWriter &w) { w.ArchiveRecord("comment", "frame %d", 7); }, "# frame 7\n"},
        {"structure", [](RibWriter &w) { w.ArchiveRecord("structure", "frame %d", 7); }, "##frame 7\n"},
        {"verbatim", [](RibWriter &w) { w.ArchiveRecord("verbatim", "frame %s", "7"); }, "frame 7"},
        {"unknown type", [](RibWriter &w) { w.ArchiveRecord("remark", "frame %d", 7); }, ""},
        {"type compared by text", [](RibWriter &w) { w.ArchiveRecord(std::string("comment").c_str(), "x"); }, "# x\n"},
        {"null type", [](RibWriter &w) { w.ArchiveRecord(nullptr, "frame %d", 7); }, ""},
        {"not escaped", [](RibWriter &w) { w.ArchiveRecord("comment", "say \"%s\"\\", "hi"); }, "# say \"hi\"\\\n"},
        {"comment lines", [](RibWriter &w) { w.ArchiveRecord("comment", "one\n%s\n\nfour", "Sphere 1 -1 1 360"); },
         "# one\n# Sphere 1 -1 1 360\n# \n# four\n"},
        {"structure lines", [](RibWriter &w) { w.ArchiveRecord("structure", "Frame %d\nWorldBegin\n", 2); },
         "##Frame 2\n##WorldBegin\n##\n"},
        {"verbatim lines stay raw", [](RibWriter &w) { w.ArchiveRecord("verbatim", "Sphere 1 -1 1 360\nWorldEnd\n"); },
         "Sphere 1 -1 1 360\nWorldEnd\n"},
    });
}

// A record far beyond the stack buffer is written whole.
TEST(StructureRequests, LongArchiveRecordIsWrittenWhole) {
    const std::string record(25000, 'r');
    std::string stream =
        captureStream([&](RibWriter &w) { w.ArchiveRecord("structure", "%s|%d", record.c_str(), 42); });
    EXPECT_EQ(stream, wholeStream("##" + record + "|42\n"));
}

// WorldEnd pushes the stream out: the file holds it before the stream ends.
TEST(StructureRequests, WorldEndFlushesTheStream) {
    std::string path = makeTempPath();
    auto *writer = new RibWriter(path.c_str(), RI_NULL);
    writer->WorldBegin();
    writer->WorldEnd();
    EXPECT_EQ(readFile(path), kStreamHeader + "WorldBegin\nWorldEnd\n");
    delete writer;
    std::remove(path.c_str());
}

}  // namespace
