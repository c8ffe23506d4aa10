// The RIB reader: every request form that the library writes, binary and
// ASCII alike, the binary tokens, the escapes, and malformed input.
#include <gtest/gtest.h>

#include <cmath>

#include "RequestShapes.h"
#include "RibReader.h"
#include "RibText.h"
#include "ToolsSupport.h"

namespace {

// Everything the reader yields, one line per request, comment or error.
std::string transcript(const std::string &data) {
    std::string out;
    RibReader reader(data, [&](const RibError &e) {
        out += "error " + std::to_string(e.line) + ":" + std::to_string(e.offset) + ": " + e.message + "\n";
    });
    RibRequest request;
    while (reader.next(request)) out += formatRibRequest(request) + "\n";
    return out;
}

std::vector<RibRequest> readAll(const std::string &data, size_t &errors) {
    std::vector<RibRequest> requests;
    RibReader reader(data, nullptr);
    RibRequest request;
    while (reader.next(request)) requests.push_back(request);
    errors = reader.errorCount();
    return requests;
}

bool sameNumber(double a, double b) {
    return std::fabs(a - b) <= 5e-6 * std::max(std::fabs(a), std::fabs(b)) + 1e-30;
}

std::string binaryFloat(uint32_t bits) {
    return std::string{static_cast<char>(bits >> 24), static_cast<char>(bits >> 16), static_cast<char>(bits >> 8),
                       static_cast<char>(bits)};
}

TEST(LibraryStreams, EveryRequestFormReadsBackAndFitsItsShape) {
    size_t errors = 0;
    std::vector<RibRequest> requests = readAll(libraryStream(everyRequestScene, false), errors);
    EXPECT_EQ(errors, 0u);
    std::string keywords;
    for (const RibRequest &r : requests) {
        keywords += (r.kind == RibRequest::Kind::Comment ? "#" + r.keyword : r.keyword) + " ";
        if (r.kind == RibRequest::Kind::Comment) continue;
        const RequestShape *shape = findRequestShape(r.keyword);
        ASSERT_NE(shape, nullptr) << r.keyword;
        SplitRequest split;
        std::string problem;
        EXPECT_TRUE(splitRequest(r, *shape, split, problem)) << formatRibRequest(r) << ": " << problem;
    }
    EXPECT_EQ(keywords,
              "##RenderMan RIB-Structure 1.0 version FrameBegin Format FrameAspectRatio ScreenWindow CropWindow "
              "Projection Clipping DepthOfField Shutter PixelVariance PixelSamples PixelFilter Exposure Quantize "
              "RelativeDetail Display Hider Option Imager Declare ErrorHandler Translate Rotate Scale Skew "
              "Perspective ConcatTransform Transform Identity CoordinateSystem WorldBegin LightSource "
              "AreaLightSource Illuminate AttributeBegin Color Opacity TextureCoordinates ShadingRate "
              "ShadingInterpolation Matte Bound Detail DetailRange GeometricApproximation GeometricRepresentation "
              "Sides Orientation ReverseOrientation Attribute Surface Displacement Atmosphere Interior Exterior "
              "TransformBegin CoordSysTransform TransformEnd Sphere Cone Cylinder Hyperboloid Paraboloid Disk Torus "
              "Polygon GeneralPolygon PointsPolygons PointsGeneralPolygons Basis Patch Patch PatchMesh NuPatch "
              "TrimCurve Curves Points SubdivisionMesh Blobby Procedural Geometry SolidBegin Sphere SolidEnd "
              "ObjectBegin Disk ObjectEnd ObjectInstance MotionBegin Translate Translate MotionEnd # note 7 "
              "##Frame 1 ReadArchive AttributeEnd WorldEnd FrameEnd ");
}

TEST(LibraryStreams, BinaryStreamDecodesToTheSameRequestsAsAscii) {
    size_t asciiErrors = 0, binaryErrors = 0;
    std::vector<RibRequest> ascii = readAll(libraryStream(everyRequestScene, false), asciiErrors);
    std::vector<RibRequest> binary = readAll(libraryStream(everyRequestScene, true), binaryErrors);
    EXPECT_EQ(asciiErrors, 0u);
    EXPECT_EQ(binaryErrors, 0u);
    ASSERT_EQ(ascii.size(), binary.size());
    for (size_t i = 0; i < ascii.size(); ++i) {
        const RibRequest &a = ascii[i], &b = binary[i];
        SCOPED_TRACE(formatRibRequest(a));
        ASSERT_EQ(a.keyword, b.keyword);
        ASSERT_EQ(a.args.size(), b.args.size());
        for (size_t k = 0; k < a.args.size(); ++k) {
            const RibValue &x = a.args[k], &y = b.args[k];
            ASSERT_EQ(x.kind, y.kind);
            EXPECT_EQ(x.string, y.string);
            EXPECT_EQ(x.strings, y.strings);
            ASSERT_EQ(x.numbers.size(), y.numbers.size());
            EXPECT_TRUE(sameNumber(x.number, y.number)) << x.number << " " << y.number;
            for (size_t n = 0; n < x.numbers.size(); ++n)
                EXPECT_TRUE(sameNumber(x.numbers[n], y.numbers[n])) << x.numbers[n] << " " << y.numbers[n];
        }
    }
}

TEST(Reader, BinaryTokensDecode) {
    std::string stream;
    stream += "FrameBegin \x80\x05\n";                                                      // 1-byte integer
    stream += "Translate \x81\xFF\xFE \x85\x01\x80 \xA4" + binaryFloat(0x3F000000) + "\n";  // -2, fixed 1.5, 0.5
    stream += std::string("Surface \x97plastic\n");                                         // short string
    stream += std::string("Declare \xA0\x02Kd \x95") + "float\n";  // counted string, short string
    stream += "Color \xC8\x03" + binaryFloat(0x3F800000) + binaryFloat(0x40200000) + binaryFloat(0xC0400000) + "\n";
    stream += std::string("MotionBegin \xC9\x00\x02", 15) + binaryFloat(0) + binaryFloat(0x3F800000) + "\n";
    stream += std::string("Clipping \xA5\x3F\xD0\x00\x00\x00\x00\x00\x00 10\n", 21);
    stream += std::string("\xCC\x05\x96Sphere\xA6\x05 1 -1 1 360\n");  // encoded request
    stream += std::string("\xCD\x02\x95matte Surface \xCF\x02\n");     // encoded string
    EXPECT_EQ(transcript(stream), "FrameBegin 5\n"
                                  "Translate -2 1.5 0.5\n"
                                  "Surface \"plastic\"\n"
                                  "Declare \"Kd\" \"float\"\n"
                                  "Color [1 2.5 -3]\n"
                                  "MotionBegin [0 1]\n"
                                  "Clipping 0.25 10\n"
                                  "Sphere 1 -1 1 360\n"
                                  "Surface \"matte\"\n");
}

TEST(Reader, AsciiValuesEscapesAndComments) {
    const struct {
        const char *input;
        const char *expected;
    } cases[] = {
        {"Surface \"a\\\"b\\\\c\\nd\\te\\101\\\nf\"\n", "Surface \"a\\\"b\\\\c\\nd\\teAf\"\n"},
        {"Scale 1e2 -.5 +3\n", "Scale 100 -0.5 3\n"},
        {"Display \"x\" \"file\" \"rgb\" \"origin\" [10 20]\n", "Display \"x\" \"file\" \"rgb\" \"origin\" [10 20]\n"},
        {"Basis \"bezier\" 3 [1 0 0 0 0 1 0 0 0 0 1 0 0 0 0 1] 1\n",
         "Basis \"bezier\" 3 [1 0 0 0 0 1 0 0 0 0 1 0 0 0 0 1] 1\n"},
        {"SubdivisionMesh \"loop\" [3] [0 1 2] [\"hole\" \"crease\"] [] \"P\" []\n",
         "SubdivisionMesh \"loop\" [3] [0 1 2] [\"hole\" \"crease\"] [] \"P\" []\n"},
        {"# hello\nSphere 1 # inline\n -1 1 360\n", "# hello\nSphere 1 -1 1 360\n# inline\n"},
        {"Surface \"\\351t\\351\"", "Surface \"\\351t\\351\"\n"},
    };
    for (const auto &c : cases) EXPECT_EQ(transcript(c.input), c.expected) << c.input;
}

TEST(Reader, MalformedInputGivesOneErrorAndResynchronises) {
    const struct {
        std::string input;
        const char *expected;
    } cases[] = {
        {std::string("Translate 0 0 \xA4\x3F\x80", 17),
         "error 1:14: binary token 0xA4 truncated at the end of the stream\n"},
        {"Surface \"plastic\nSphere 1 -1 1 360\n", "error 1:8: unterminated string\n"},
        {"Color [1 0 0\nSphere 1 -1 1 360\n", "error 1:6: unterminated array\nSphere 1 -1 1 360\n"},
        {std::string("Color \xC8\x05", 8) + binaryFloat(0) + binaryFloat(0) + "\nWorldEnd\n",
         "error 1:6: float array of 5 values runs past the end of the stream\n"},
        {"WorldBegin\n\xB0\xB1\x01 7 ]\nWorldEnd\n", "error 2:11: unknown binary token 0xB0\nWorldEnd\n"},
        {"Sphere 1 -1 1 360 {\nDisk 0 1 360\n", "error 1:18: unexpected character 0x7B\nDisk 0 1 360\n"},
        {"Sphere 1 ] 2\nDisk 0 1 360\n", "error 1:9: unexpected ']'\nDisk 0 1 360\n"},
        {"1 2 3\nDisk 0 1 360\n", "error 1:0: value outside a request\nDisk 0 1 360\n"},
        {"Color [1 [2]]\nDisk 0 1 360\n", "error 1:9: array inside an array\nDisk 0 1 360\n"},
        {"Color [1 \"a\"]\nDisk 0 1 360\n", "error 1:6: array mixes numbers and strings\nDisk 0 1 360\n"},
        {"Sphere 1.2.3 -1 1 360\nDisk 0 1 360\n", "error 1:7: bad number \"1.2.3\"\nDisk 0 1 360\n"},
        {"\xA6\x09 1\nDisk 0 1 360\n", "error 1:0: undefined encoded request 9\nDisk 0 1 360\n"},
        // Bytes of binary numbers are no newlines; garbage drops the request in hand.
        {"Translate \xA4\x0A\x0A\x0A\x0A 0 0\n{\nDisk 0 1 360\n",
         "error 2:20: unexpected character 0x7B\nDisk 0 1 360\n"},
        {std::string("Color \xCB\xFF\xFF\xFF\xFF", 11),
         "error 1:6: float array of 4294967295 values runs past the end of the stream\n"},
        {"\xCC\x01 7\nDisk 0 1 360\n", "error 1:0: binary token 0xCC needs a string after it\nDisk 0 1 360\n"},
        // Definitions cannot nest, however many follow each other.
        {[] {
             std::string s;
             for (int i = 0; i < 200000; ++i) s += "\xCC\x01";
             return s;
         }(),
         "error 1:0: binary token 0xCC needs a string after it\n"},
    };
    for (const auto &c : cases) EXPECT_EQ(transcript(c.input), c.expected) << c.input;
}

}  // namespace
