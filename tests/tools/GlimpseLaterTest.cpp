// The previewer and the requests of the later interface versions: inline
// archives, conditional blocks over "user" values, clipping planes, volumes,
// named objects and lights, Procedural2 archives, and what it skips.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/tools/ToolsSupport.h"

namespace {

// A 32x24 orthographic view of the world's origin from 5 units away, under
// one ambient light: a constant surface shows its colour as it is.
std::string scene(const std::string &world, const std::string &before = "") {
    return "Format 32 24 1\nPixelSamples 1 1\nProjection \"orthographic\"\n" + before +
           "Translate 0 0 5\nWorldBegin\nSurface \"constant\"\n" + world + "WorldEnd\n";
}

const char kSphere[] = "Sphere 1 -1 1 360\n";

struct Pixel {
    int x, y;
    unsigned char rgb[3];
};

struct LaterCase {
    const char *label;
    std::string stream;
    const char *summary;  // between "drawn: " and "; wrote"
    const char *errors;
    std::vector<Pixel> pixels;
};

class GlimpseLater : public ::testing::Test {
protected:
    void SetUp() override {
        if (!programExists("glimpse")) GTEST_SKIP() << "glimpse was not built (no libpng)";
    }
    void expectCases(const std::vector<LaterCase> &cases) {
        for (const LaterCase &c : cases) {
            RunResult run = runProgram("glimpse", "-o out.png", c.stream, dir.path());
            EXPECT_EQ(run.status, *c.errors ? 1 : 0) << c.label;
            EXPECT_EQ(run.err, c.errors) << c.label;
            EXPECT_EQ(run.out, std::string("glimpse: 32x24, drawn: ") + c.summary + "; wrote out.png\n") << c.label;
            Picture picture;
            ASSERT_TRUE(readPicture(dir.file("out.png"), picture)) << c.label;
            for (const Pixel &p : c.pixels) {
                const unsigned char *at = picture.at(p.x, p.y);
                for (int k = 0; k < 3; ++k)
                    EXPECT_LE(std::abs(at[k] - p.rgb[k]), 1) << c.label << " at " << p.x << "," << p.y;
            }
        }
    }
    ScratchDir dir;
};

TEST_F(GlimpseLater, InlineArchivesAreDrawnWhereReadArchiveNamesThem) {
    expectCases({
        {"read twice",
         scene("ArchiveBegin \"red\"\nColor [1 0 0]\nSphere 0.5 -0.5 0.5 360\nArchiveEnd\n"
               "Translate -1 0 0\nReadArchive \"red\"\nTranslate 2 0 0\nReadArchive \"red\"\n"),
         "2 ReadArchive; skipped: none",
         "",
         {{8, 12, {255, 0, 0}}, {16, 12, {0, 0, 0}}, {24, 12, {255, 0, 0}}}},
        {"defined, never read",
         scene("ArchiveBegin \"red\"\n" + std::string(kSphere) + "ArchiveEnd\n"),
         "none; skipped: none",
         "",
         {{16, 12, {0, 0, 0}}}},
    });
}

TEST_F(GlimpseLater, ConditionalsFollowTheUserValues) {
    auto colours = [](const std::string &condition, const std::string &elseIf) {
        return "IfBegin \"" + condition + "\"\nColor [1 0 0]\nElseIf \"" + elseIf +
               "\"\nColor [0 1 0]\nElse\nColor [0 0 1]\nIfEnd\n" + kSphere;
    };
    const std::string beauty = "Option \"user\" \"string pass\" [\"beauty\"]\n";
    expectCases({
        {"the first branch",
         scene(colours("$user:pass == 'beauty'", "1"), beauty),
         "1 Sphere; skipped: 1 Option",
         "",
         {{16, 12, {255, 0, 0}}}},
        {"the second branch",
         scene("Attribute \"user\" \"float level\" [2]\n" +
                   colours("$user:level > 3", "$user:level >= 2 && !($user:level == 5)"),
               beauty),
         "1 Sphere; skipped: 1 Option, 1 Attribute",
         "",
         {{16, 12, {0, 255, 0}}}},
        {"the Else branch",
         scene(colours("$user:pass != \\\"beauty\\\"", "${user:pass} < 'a' || 0"), beauty),
         "1 Sphere; skipped: 1 Option",
         "",
         {{16, 12, {0, 0, 255}}}},
        {"an attribute value ends with its block",
         scene("AttributeBegin\nAttribute \"user\" \"integer n\" [1]\nAttributeEnd\n" + colours("$user:n == 1", "0"),
               ""),
         "1 Sphere; skipped: 1 Attribute",
         "glimpse: <stdin>: IfBegin: cannot evaluate \"$user:n == 1\": taken as true\n",
         {{16, 12, {255, 0, 0}}}},
        {"nested Ifs in a branch not taken, and one report per expression",
         scene("IfBegin \"0\"\nIfBegin \"1\"\nColor [1 0 0]\nIfEnd\nElse\nIfBegin \"$x\"\nIfEnd\nIfBegin \"$x\"\n"
               "IfEnd\nIfEnd\n" +
               std::string(kSphere)),
         "1 Sphere; skipped: none",
         "glimpse: <stdin>: IfBegin: cannot evaluate \"$x\": taken as true\n",
         {{16, 12, {255, 255, 255}}}},
    });
}

TEST_F(GlimpseLater, ClippingPlanesHideTheSideTheirNormalPointsTo) {
    expectCases({
        {"behind the sphere",
         scene("ClippingPlane 0 0 2 0 0 1\n" + std::string(kSphere)),
         "1 Sphere; skipped: none",
         "",
         {{16, 12, {255, 255, 255}}}},
        {"in front of it",
         scene("ClippingPlane 0 0 -2 0 0 1\n" + std::string(kSphere)),
         "1 Sphere; skipped: none",
         "",
         {{16, 12, {0, 0, 0}}}},
        {"through it, fixed when given",
         scene("ClippingPlane 0 0 0 1 0 0\nTranslate 0.5 0 0\n" + std::string(kSphere)),
         "1 Sphere; skipped: none",
         "",
         {{10, 12, {255, 255, 255}}, {22, 12, {0, 0, 0}}}},
        {"given before the world, in camera space",
         scene(kSphere, "ClippingPlane 0 0 5 0 0 -1\n"),
         "1 Sphere; skipped: none",
         "",
         {{16, 12, {255, 255, 255}}}},
    });
}

TEST_F(GlimpseLater, VolumesAreTheirBoxShadedWithTheMeanDensity) {
    expectCases({
        {"varying density",
         scene("Volume \"box\" [-1 1 -1 1 -1 1] [2 1 1] \"varying float density\" [0 0.5]\n"),
         "1 Volume; skipped: none",
         "",
         {{16, 12, {64, 64, 64}}, {1, 1, {0, 0, 0}}}},
        {"no density",
         scene("Color [0 1 0]\nVolume \"box\" [-0.5 0.5 -0.5 0.5 -0.5 0.5] [1 1 1]\n"),
         "1 Volume; skipped: none",
         "",
         {{16, 12, {0, 255, 0}}, {6, 12, {0, 0, 0}}}},
    });
}

TEST_F(GlimpseLater, NamedObjectsAndLightsWorkLikeNumberedOnes) {
    expectCases({
        {"named and numbered objects",
         scene("ObjectBegin \"tree\"\nColor [1 0 0]\nSphere 0.5 -0.5 0.5 360\nObjectEnd\nObjectBegin 7\nColor [0 0 1]\n"
               "Sphere 0.5 -0.5 0.5 360\nObjectEnd\nTranslate -1 0 0\nObjectInstance \"tree\"\nTranslate 2 0 0\n"
               "ObjectInstance 7\n"),
         "2 ObjectInstance; skipped: none",
         "",
         {{8, 12, {255, 0, 0}}, {24, 12, {0, 0, 255}}}},
        {"a named light switched off",
         scene(
             "Surface \"matte\"\nLightSource \"ambientlight\" \"amb\" \"float intensity\" [1]\nIlluminate \"amb\" 0\n" +
             std::string(kSphere)),
         "1 Sphere; skipped: none",
         "",
         {{16, 12, {0, 0, 0}}}},
    });
}

TEST_F(GlimpseLater, Procedural2ArchivesAreReadAndTheRestSkipped) {
    writeFile(dir.file("green.rib"), "Color [0 1 0]\nSphere 1 -1 1 360\n");
    expectCases({
        {"ReadArchive2",
         scene("Procedural2 \"ReadArchive2\" \"SimpleBound\" \"string filename\" [\"green.rib\"]\n"),
         "1 Sphere; skipped: none; archives read: green.rib",
         "",
         {{16, 12, {0, 255, 0}}}},
        {"DelayedReadArchive2 keeps its attributes to itself",
         scene("Procedural2 \"DelayedReadArchive2\" \"SimpleBound\" \"string filename\" [\"green.rib\"] "
               "\"float[6] bound\" [-1 1 -1 1 -1 1]\nTranslate 0 0 -3\nSphere 0.2 -0.2 0.2 360\n"),
         "2 Sphere; skipped: none; archives read: green.rib",
         "",
         {{16, 12, {255, 255, 255}}}},
        {"the other kinds, Camera, Resource and unknown requests",
         scene("Procedural2 \"DynamicLoad2\" \"DelayedBound\"\nCamera \"main\"\nResource \"r\" \"attributes\"\n"
               "Bake 1\nBake 2\n"),
         "none; skipped: 1 Procedural2, 1 Camera, 1 Resource, 2 Bake",
         "",
         {{16, 12, {0, 0, 0}}}},
    });
}

}  // namespace
