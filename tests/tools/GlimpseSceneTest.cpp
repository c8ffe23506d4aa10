// The previewer's scene and renderer driven through its RenderContext: each
// primitive kind in an orthographic view where its coverage is known, frames
// that share nothing, a watertight fan, and the stream caps.
#ifdef TOOLS_HAVE_PNG
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "quillet/GlobalNames.h"
#include "tools/glimpse/ImageOutput.h"
#include "tools/glimpse/PreviewContext.h"
#include "tools/glimpse/Renderer.h"
#include "tests/tools/ToolsSupport.h"

using namespace quillet::glimpse;

namespace {

const int kSize = 80;          // pixels per side
const double kPerUnit = 20.0;  // pixels per unit: the window is -2..2

struct Rendered {
    std::vector<Image> images;
    std::vector<std::string> drawn, skipped;
    std::string problems;
};

Rendered render(const std::function<void(RenderContext &)> &scene, Limits limits = Limits()) {
    Rendered out;
    PreviewContext context(
        [&](const Frame &frame, const Tally &drawn, const Tally &skipped) {
            out.images.push_back(renderFrame(frame, 2));
            out.drawn.push_back(drawn.text());
            out.skipped.push_back(skipped.text());
        },
        [&](const std::string &problem) { out.problems += problem + "\n"; }, limits, 2);
    scene(context);
    context.finish();
    return out;
}

// One sample per pixel, orthographic, white constant surfaces, the window
// -2..2 both ways; the scene's geometry goes between WorldBegin and WorldEnd.
void orthographic(RenderContext &c, const std::function<void()> &geometry) {
    c.Format(kSize, kSize, 1);
    c.PixelSamples(1, 1);
    c.ScreenWindow(-2, 2, -2, 2);
    c.Translate(0, 0, 5);
    c.WorldBegin();
    c.Surface("constant", RI_NULL);
    geometry();
    c.WorldEnd();
}

bool covered(const Image &image, int x, int y) {
    const float *p = &image.rgb[(size_t(y) * size_t(image.width) + size_t(x)) * 3];
    return p[0] > 0.5f;
}

// The pixel centre (x, y) in scene units.
double sceneX(int x) {
    return (x + 0.5) / kPerUnit - 2;
}
double sceneY(int y) {
    return 2 - (y + 0.5) / kPerUnit;
}

// Pixels that disagree with inside(), leaving out those within margin
// pixels of its boundary (by the signed distance that inside gives).
int wrongPixels(const Image &image, const std::function<double(double, double)> &distanceOutside, double margin) {
    int wrong = 0;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            double d = distanceOutside(sceneX(x), sceneY(y)) * kPerUnit;
            if (d < -margin && !covered(image, x, y)) ++wrong;
            if (d > margin && covered(image, x, y)) ++wrong;
        }
    return wrong;
}

double outsideSquare(double x, double y) {
    return std::max(std::fabs(x), std::fabs(y)) - 1;
}

int coveredCount(const Image &image) {
    int n = 0;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) n += covered(image, x, y);
    return n;
}

// A 4x4 grid of points in the plane z = 0 at the given coordinates.
std::vector<RtFloat> grid(const double at[4]) {
    std::vector<RtFloat> p;
    for (int j = 0; j < 4; ++j)
        for (int i = 0; i < 4; ++i) p.insert(p.end(), {RtFloat(at[i]), RtFloat(at[j]), 0});
    return p;
}

TEST(GlimpseScene, SurfacePatchesCoverTheirSquare) {
    const double bezier[4] = {-1, -1.0 / 3, 1.0 / 3, 1}, wide[4] = {-3, -1, 1, 3};
    RtFloat knots[8] = {0, 0, 0, 0, 1, 1, 1, 1};
    const struct {
        const char *name;
        std::function<void(RenderContext &)> draw;
    } cases[] = {
        {"bilinear patch",
         [](RenderContext &c) {
             RtFloat P[12] = {-1, -1, 0, 1, -1, 0, -1, 1, 0, 1, 1, 0};
             c.Patch(RI_BILINEAR, RI_P, P, RI_NULL);
         }},
        {"bezier patch",
         [&](RenderContext &c) {
             std::vector<RtFloat> P = grid(bezier);
             c.Patch(RI_BICUBIC, RI_P, P.data(), RI_NULL);
         }},
        {"b-spline patch",
         [&](RenderContext &c) {
             std::vector<RtFloat> P = grid(wide);
             c.Basis(RiBSplineBasis, 1, RiBSplineBasis, 1);
             c.Patch(RI_BICUBIC, RI_P, P.data(), RI_NULL);
         }},
        {"catmull-rom patch mesh, steps 1",
         [&](RenderContext &c) {
             std::vector<RtFloat> P = grid(wide);
             c.Basis(RiCatmullRomBasis, 1, RiCatmullRomBasis, 1);
             c.PatchMesh(RI_BICUBIC, 4, RI_NONPERIODIC, 4, RI_NONPERIODIC, RI_P, P.data(), RI_NULL);
         }},
        {"bilinear patch mesh 4x4",
         [&](RenderContext &c) {
             std::vector<RtFloat> P = grid(bezier);
             c.PatchMesh(RI_BILINEAR, 4, RI_NONPERIODIC, 4, RI_NONPERIODIC, RI_P, P.data(), RI_NULL);
         }},
        {"rational NURBS of order 4",
         [&](RenderContext &c) {
             std::vector<RtFloat> P = grid(bezier), Pw;
             for (size_t k = 0; k < P.size(); k += 3) Pw.insert(Pw.end(), {2 * P[k], 2 * P[k + 1], 0, 2});
             c.NuPatch(4, 4, knots, 0, 1, 4, 4, knots, 0, 1, RI_PW, Pw.data(), RI_NULL);
         }},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.name);
        Rendered r = render([&](RenderContext &c) { orthographic(c, [&] { k.draw(c); }); });
        ASSERT_EQ(r.images.size(), 1u);
        EXPECT_EQ(r.problems, "");
        EXPECT_EQ(wrongPixels(r.images[0], outsideSquare, 1.0), 0);
    }
}

TEST(GlimpseScene, ColoursFollowTheirStorageClass) {
    RtFloat P[12] = {-1, -1, 0, 1, -1, 0, -1, 1, 0, 1, 1, 0};
    RtFloat corners[12] = {1, 0, 0, 0, 1, 0, 0, 0, 1, 1, 1, 1}, one[3] = {0.25f, 0.5f, 0.75f},
            half[3] = {0.5f, 0.5f, 0.5f};
    const struct {
        const char *token;
        RtFloat *values;
        double expected[3];  // at the centre
    } cases[] = {
        {"varying color Cs", corners, {0.5, 0.5, 0.5}}, {"vertex color Cs", corners, {0.5, 0.5, 0.5}},
        {"uniform color Cs", one, {0.25, 0.5, 0.75}},   {"constant color Cs", one, {0.25, 0.5, 0.75}},
        {"vertex color Os", corners, {0.5, 0.5, 0.5}},  {"constant color Os", half, {0.5, 0.5, 0.5}},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.token);
        Rendered r = render([&](RenderContext &c) {
            orthographic(c, [&] { c.Patch(RI_BILINEAR, RI_P, P, k.token, k.values, RI_NULL); });
        });
        ASSERT_EQ(r.images.size(), 1u);
        EXPECT_EQ(r.problems, "");
        const float *centre = &r.images[0].rgb[(size_t(kSize / 2) * kSize + kSize / 2) * 3];
        for (int c = 0; c < 3; ++c) EXPECT_NEAR(centre[c], k.expected[c], 0.03);
    }
}

// Colours given per face corner (facevarying, facevertex), inline or
// declared, stay with their face: two faces that share an edge keep their
// own colours, a single loop interpolates its corners, and a polygon with a
// hole (an analytic shape) takes the mean of its outer loop.
TEST(GlimpseScene, FaceCornerColoursStayWithTheirFace) {
    RtFloat twoFaces[18] = {-1, -1, 0, 0, -1, 0, 1, -1, 0, -1, 1, 0, 0, 1, 0, 1, 1, 0};
    RtInt fours[2] = {4, 4}, quads[8] = {0, 1, 4, 3, 1, 2, 5, 4}, oneLoop[1] = {4};
    RtFloat square[12] = {-1, -1, 0, 1, -1, 0, 1, 1, 0, -1, 1, 0};
    RtFloat framed[24] = {-1,    -1,    0, 1,     -1,   0, 1,    1,    0, -1,   1,     0,
                          -0.5f, -0.5f, 0, -0.5f, 0.5f, 0, 0.5f, 0.5f, 0, 0.5f, -0.5f, 0};
    struct Sample {
        double x, y, ofX, ofY;  // expected: ofX * X + ofY * Y
    };
    const struct {
        const char *name;
        std::function<void(RenderContext &, RtToken, RtFloat *)> draw;
        int xCorners, yCorners;  // the corners take X, then Y
        std::vector<Sample> samples;
    } shapes[] = {
        {"PointsPolygons",
         [&](RenderContext &c, RtToken token, RtFloat *colours) {
             c.PointsPolygons(2, fours, quads, RI_P, twoFaces, token, colours, RI_NULL);
         },
         4,
         4,
         {{-0.5, 0, 1, 0}, {0.5, 0, 0, 1}}},
        {"SubdivisionMesh",
         [&](RenderContext &c, RtToken token, RtFloat *colours) {
             c.SubdivisionMesh("catmull-clark", 2, fours, quads, 0, nullptr, nullptr, nullptr, nullptr, RI_P, twoFaces,
                               token, colours, RI_NULL);
         },
         4,
         4,
         {{-0.5, 0, 1, 0}, {0.5, 0, 0, 1}}},
        {"GeneralPolygon, one loop",
         [&](RenderContext &c, RtToken token, RtFloat *colours) {
             c.GeneralPolygon(1, oneLoop, RI_P, square, token, colours, RI_NULL);
         },
         2,
         2,
         {{0, -0.9, 0.9625, 0.0375}, {0, 0.9, 0.0375, 0.9625}}},
        {"GeneralPolygon with a hole",
         [&](RenderContext &c, RtToken token, RtFloat *colours) {
             c.GeneralPolygon(2, fours, RI_P, framed, token, colours, RI_NULL);
         },
         4,
         4,
         {{0.75, 0, 1, 0}, {0, 0, 0, 0}}},
    };
    const struct {
        const char *token, *declaration;
        bool opacity;
    } forms[] = {
        {"facevarying color Cs", nullptr, false}, {"facevertex color Cs", nullptr, false},
        {"Cs", "facevarying color", false},       {"facevarying color Os", nullptr, true},
        {"Os", "facevertex color", true},
    };
    for (const auto &shape : shapes)
        for (const auto &form : forms) {
            SCOPED_TRACE(std::string(shape.name) + ", " + form.token);
            const double X[3] = {form.opacity ? 0.25 : 1, form.opacity ? 0.25 : 0, form.opacity ? 0.25 : 0};
            const double Y[3] = {form.opacity ? 0.75 : 0, form.opacity ? 0.75 : 1, form.opacity ? 0.75 : 0};
            std::vector<RtFloat> colours;
            for (int k = 0; k < shape.xCorners + shape.yCorners; ++k)
                for (int d = 0; d < 3; ++d) colours.push_back(RtFloat(k < shape.xCorners ? X[d] : Y[d]));
            Rendered r = render([&](RenderContext &c) {
                if (form.declaration) c.Declare(form.token, form.declaration);
                orthographic(c, [&] { shape.draw(c, form.token, colours.data()); });
            });
            ASSERT_EQ(r.images.size(), 1u);
            EXPECT_EQ(r.problems, "");
            for (const Sample &at : shape.samples) {
                const float *pixel =
                    &r.images[0].rgb[(size_t((2 - at.y) * kPerUnit) * kSize + size_t((at.x + 2) * kPerUnit)) * 3];
                for (int d = 0; d < 3; ++d)
                    EXPECT_NEAR(pixel[d], at.ofX * X[d] + at.ofY * Y[d], 0.03) << at.x << " " << at.y;
            }
        }
}

TEST(GlimpseScene, QuadricsInterpolateTheirCornerColours) {
    // A disk's u runs round it from +x, its v from the rim (0) to the centre (1).
    RtFloat corners[12] = {1, 0, 0, 0, 0, 1, 0, 1, 0, 0, 1, 0};
    Rendered r = render(
        [&](RenderContext &c) { orthographic(c, [&] { c.Disk(0, 1, 360, "varying color Cs", corners, RI_NULL); }); });
    ASSERT_EQ(r.images.size(), 1u);
    auto pixel = [&](double x, double y) {
        return &r.images[0].rgb[(size_t((2 - y) * kPerUnit) * kSize + size_t((x + 2) * kPerUnit)) * 3];
    };
    const float *centre = pixel(0, 0), *left = pixel(-0.95, 0);
    const double expectedCentre[3] = {0, 1, 0}, expectedLeft[3] = {0.475, 0.05, 0.475};  // u 1/2, v 1/20
    for (int k = 0; k < 3; ++k) {
        EXPECT_NEAR(centre[k], expectedCentre[k], 0.06);
        EXPECT_NEAR(left[k], expectedLeft[k], 0.04);
    }
}

TEST(GlimpseScene, InstancesTakeTheTransformAndColourWhereTheyArePlaced) {
    RtColor red = {1, 0, 0}, green = {0, 1, 0};
    Rendered r = render([&](RenderContext &c) {
        orthographic(c, [&] {
            RtObjectHandle disc = c.ObjectBegin();
            c.Disk(0, 0.5f, 360, RI_NULL);
            c.ObjectEnd();
            c.Translate(-1, 0, 0);
            c.Color(red);
            c.ObjectInstance(disc);
            c.MotionBegin(2, 0.0f, 1.0f);
            c.Translate(2, 0, 0);
            c.Translate(5, 0, 0);  // the second sample of a moving transform is not drawn
            c.MotionEnd();
            c.Color(green);
            c.ObjectInstance(disc);
        });
    });
    ASSERT_EQ(r.images.size(), 1u);
    EXPECT_EQ(r.drawn[0], "2 ObjectInstance");  // the definition is drawn where it is placed
    auto pixel = [&](double x) {
        const float *p = &r.images[0].rgb[(size_t(kSize / 2) * kSize + size_t((x + 2) * kPerUnit)) * 3];
        return std::vector<float>(p, p + 3);
    };
    EXPECT_EQ(pixel(-1), (std::vector<float>{1, 0, 0}));
    EXPECT_EQ(pixel(1), (std::vector<float>{0, 1, 0}));
    EXPECT_EQ(pixel(0), (std::vector<float>{0, 0, 0}));
}

TEST(GlimpseScene, SubdivisionCubeLiesBetweenItsCageAndASphereWithinIt) {
    RtFloat P[24];
    for (int k = 0; k < 8; ++k) P[k * 3] = k & 1 ? 1 : -1, P[k * 3 + 1] = k & 2 ? 1 : -1, P[k * 3 + 2] = k & 4 ? 1 : -1;
    RtInt nvertices[6] = {4, 4, 4, 4, 4, 4};
    RtInt vertices[24] = {0, 2, 3, 1, 4, 5, 7, 6, 0, 1, 5, 4, 2, 6, 7, 3, 0, 4, 6, 2, 1, 3, 7, 5};
    Rendered r = render([&](RenderContext &c) {
        orthographic(c, [&] {
            c.SubdivisionMesh("catmull-clark", 6, nvertices, vertices, 0, nullptr, nullptr, nullptr, nullptr, RI_P, P,
                              RI_NULL);
        });
    });
    ASSERT_EQ(r.images.size(), 1u);
    EXPECT_EQ(r.drawn[0], "1 SubdivisionMesh");
    // Seen along an axis the cage's outline is the square -1..1; the limit
    // surface's nearest approach to the centre (the face centres) is about
    // 0.83, so the sphere of radius 0.8 lies within it.
    int outsideCage = 0, openInside = 0;
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            bool on = covered(r.images[0], x, y);
            if (on && outsideSquare(sceneX(x), sceneY(y)) > 0) ++outsideCage;
            if (!on && std::hypot(sceneX(x), sceneY(y)) < 0.8) ++openInside;
        }
    EXPECT_EQ(outsideCage, 0);
    EXPECT_EQ(openInside, 0);
}

TEST(GlimpseScene, RibbonsAndDiscsCoverTheirArea) {
    RtFloat line[6] = {-1, 0, 0, 1, 0, 0};
    RtFloat cubic[12] = {-1, 0, 0, -1.0f / 3, 0, 0, 1.0f / 3, 0, 0, 1, 0, 0};
    RtFloat width = 0.5f, point[3] = {0, 0, 0}, size = 1;
    RtInt two = 2, four = 4;
    const struct {
        const char *name;
        std::function<void(RenderContext &)> draw;
        int pixels;
    } cases[] = {
        // 2 units long and 0.5 wide: 40 x 10 pixels.
        {"linear ribbon",
         [&](RenderContext &c) {
             c.Curves("linear", 1, &two, RI_NONPERIODIC, RI_P, line, RI_CONSTANTWIDTH, &width, RI_NULL);
         },
         400},
        {"cubic ribbon",
         [&](RenderContext &c) {
             c.Curves("cubic", 1, &four, RI_NONPERIODIC, RI_P, cubic, RI_CONSTANTWIDTH, &width, RI_NULL);
         },
         400},
        // Radius 0.5: the pixel centres within 10 pixels of the centre.
        {"point disc", [&](RenderContext &c) { c.Points(1, RI_P, point, RI_CONSTANTWIDTH, &size, RI_NULL); }, 316},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.name);
        Rendered r = render([&](RenderContext &c) { orthographic(c, [&] { k.draw(c); }); });
        ASSERT_EQ(r.images.size(), 1u);
        EXPECT_EQ(r.problems, "");
        EXPECT_EQ(coveredCount(r.images[0]), k.pixels);
    }
}

TEST(GlimpseScene, ABlobbyEllipsoidCoversItsSurfaceAtOneHalf) {
    // One leaf: the unit sphere scaled by 2, whose field (1 - r^2)^3 is one
    // half at r = sqrt(1 - 2^(-1/3)), about 0.454, twice that here.
    RtInt code[4] = {1001, 0, 1002, 0};  // the segment leaf is reported and left out
    RtFloat matrix[23] = {2, 0, 0, 0, 0, 2, 0, 0, 0, 0, 2, 0, 0, 0, 0, 1};
    const double radius = 2 * std::sqrt(1 - std::pow(2.0, -1.0 / 3));
    Rendered r = render(
        [&](RenderContext &c) { orthographic(c, [&] { c.Blobby(2, 4, code, 23, matrix, 0, nullptr, RI_NULL); }); });
    ASSERT_EQ(r.images.size(), 1u);
    EXPECT_EQ(r.problems, "Blobby: only ellipsoids under add are drawn\n");
    EXPECT_EQ(r.drawn[0], "1 Blobby");
    EXPECT_EQ(wrongPixels(
                  r.images[0], [&](double x, double y) { return std::hypot(x, y) - radius; }, 1.0),
              0);
}

TEST(GlimpseScene, AFanOfThinTrianglesHasNoHoles) {
    // 720 slivers around the centre of a pixel, so that rays meet the shared
    // vertex and run along shared edges.
    const int n = 720;
    std::vector<RtFloat> P{RtFloat(0.5 / kPerUnit), RtFloat(0.5 / kPerUnit), 0};
    std::vector<RtInt> nvertices(n, 3), vertices;
    for (int k = 0; k < n; ++k) {
        double a = 2 * M_PI * k / n;
        P.insert(P.end(), {RtFloat(P[0] + 1.5 * std::cos(a)), RtFloat(P[1] + 1.5 * std::sin(a)), 0});
        vertices.insert(vertices.end(), {0, 1 + k, 1 + (k + 1) % n});
    }
    Rendered r = render([&](RenderContext &c) {
        orthographic(c, [&] { c.PointsPolygons(n, nvertices.data(), vertices.data(), RI_P, P.data(), RI_NULL); });
    });
    ASSERT_EQ(r.images.size(), 1u);
    EXPECT_EQ(wrongPixels(
                  r.images[0], [](double x, double y) { return std::hypot(x - 0.025, y - 0.025) - 1.5; }, 1.0),
              0);
}

TEST(GlimpseScene, PolygonsCoverTheirAreaByTheEvenOddRule) {
    // A 100,000-sided convex polygon (a fan in the hierarchy), a triangle
    // alone, an L-shaped concave one (ear clipping), a 100,000-pointed star
    // and a square with a square hole (the even-odd shape, its edges sorted
    // into slabs).
    std::vector<RtFloat> circle;
    const int sides = 100000;
    for (int k = 0; k < sides; ++k)
        circle.insert(circle.end(),
                      {RtFloat(std::cos(2 * M_PI * k / sides)), RtFloat(std::sin(2 * M_PI * k / sides)), 0});
    std::vector<RtFloat> star;  // too many corners to clip: the even-odd shape
    for (int k = 0; k < sides; ++k) {
        double r = k % 2 ? 0.9 : 1;
        star.insert(star.end(),
                    {RtFloat(r * std::cos(2 * M_PI * k / sides)), RtFloat(r * std::sin(2 * M_PI * k / sides)), 0});
    }
    RtFloat ell[18] = {-1, -1, 0, 1, -1, 0, 1, 0, 0, 0, 0, 0, 0, 1, 0, -1, 1, 0};
    RtFloat triangle[9] = {-1, -1, 0, 1, -1, 0, -1, 1, 0};
    RtFloat framed[24] = {-1,    -1,    0, 1,     -1,   0, 1,    1,    0, -1,   1,     0,
                          -0.5f, -0.5f, 0, -0.5f, 0.5f, 0, 0.5f, 0.5f, 0, 0.5f, -0.5f, 0};
    RtInt loops[2] = {4, 4};
    const struct {
        const char *name;
        std::function<void(RenderContext &)> draw;
        std::function<double(double, double)> outside;
    } cases[] = {
        {"circle", [&](RenderContext &c) { c.Polygon(sides, RI_P, circle.data(), RI_NULL); },
         [](double x, double y) { return std::hypot(x, y) - 1; }},
        {"one triangle (the hierarchy holds triangles in pairs)",
         [&](RenderContext &c) { c.Polygon(3, RI_P, triangle, RI_NULL); },
         [](double x, double y) { return std::max(std::max(-1 - x, -1 - y), (x + y) / std::sqrt(2.0)); }},
        {"L shape", [&](RenderContext &c) { c.Polygon(6, RI_P, ell, RI_NULL); },
         [](double x, double y) { return x > 0 && y > 0 ? std::min(x, y) : outsideSquare(x, y); }},
        {"100,000-pointed star", [&](RenderContext &c) { c.Polygon(sides, RI_P, star.data(), RI_NULL); },
         [](double x, double y) {
             double r = std::hypot(x, y);
             return r < 0.9 ? r - 0.9 : r > 1 ? r - 1 : 0;
         }},
        {"square with a hole", [&](RenderContext &c) { c.GeneralPolygon(2, loops, RI_P, framed, RI_NULL); },
         [](double x, double y) { return std::max(outsideSquare(x, y), 0.5 - std::max(std::fabs(x), std::fabs(y))); }},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.name);
        Rendered r = render([&](RenderContext &c) { orthographic(c, [&] { k.draw(c); }); });
        ASSERT_EQ(r.images.size(), 1u);
        EXPECT_EQ(r.problems, "");
        EXPECT_EQ(wrongPixels(r.images[0], k.outside, 1.0), 0);
    }
}

TEST(GlimpseScene, NotANumberNeverReachesAnIntegerConversion) {
    RtColor nan = {NAN, NAN, NAN};
    Rendered r = render([&](RenderContext &c) {
        c.Format(8, 8, 1);
        c.PixelSamples(NAN, 1e30f);
        c.WorldBegin();
        c.Surface("constant", RI_NULL);
        c.Color(nan);
        c.Sphere(1, -1, 1, 360, RI_NULL);
        // Centres that span the float range, and centres a denormal apart:
        // neither may give the hierarchy a bin number that is not a number.
        RtFloat spread[18] = {3e38f, 0, 9, -3e38f, 0, 9, 0, 3e38f, 9, 0, 0, 9, 1e-44f, 0, 9, 0, 1e-44f, 9};
        RtFloat size = 1e-3f;
        c.Points(6, RI_P, spread, RI_CONSTANTWIDTH, &size, RI_NULL);
        c.Points(3, RI_P, spread + 9, RI_CONSTANTWIDTH, &size, RI_NULL);
        c.WorldEnd();
    });
    ASSERT_EQ(r.images.size(), 1u);
    ScratchDir dir;
    std::string problem;
    ASSERT_TRUE(writePng(r.images[0], dir.file("nan.png"), problem)) << problem;
    Picture picture;
    ASSERT_TRUE(readPicture(dir.file("nan.png"), picture));
    EXPECT_EQ(picture.rgb, std::vector<unsigned char>(8 * 8 * 3, 0));
}

TEST(GlimpseScene, FramesShareNeitherOptionsNorTheCamera) {
    RtFloat P[12] = {-1, -1, 0, 1, -1, 0, -1, 1, 0, 1, 1, 0};
    auto square = [&](RenderContext &c) {
        c.WorldBegin();
        c.Surface("constant", RI_NULL);
        c.Patch(RI_BILINEAR, RI_P, P, RI_NULL);
        c.WorldEnd();
    };
    auto setup = [&](RenderContext &c) {
        c.Format(kSize, kSize, 1);
        c.ScreenWindow(-2, 2, -2, 2);
    };
    Rendered alone = render([&](RenderContext &c) {
        setup(c);
        c.FrameBegin(2);
        c.Translate(0, 0, 5);
        square(c);
        c.FrameEnd();
    });
    Rendered both = render([&](RenderContext &c) {
        setup(c);
        c.FrameBegin(1);
        c.Format(20, 10, 1);
        c.PixelSamples(3, 3);
        c.Translate(1, 0, 5);
        square(c);
        c.FrameEnd();
        c.FrameBegin(2);
        c.Translate(0, 0, 5);
        square(c);
        c.FrameEnd();
    });
    ASSERT_EQ(both.images.size(), 2u);
    EXPECT_EQ(both.images[0].width, 20);
    EXPECT_EQ(both.images[1].width, kSize);
    EXPECT_EQ(both.images[1].rgb, alone.images[0].rgb);
}

// A scoped coordinate system hides the name only until its block ends: the
// scene draws as the same discs placed by plain translations, and a name
// made only inside a block is unknown after it.
TEST(GlimpseScene, ScopedCoordinateSystemsEndWithTheirBlock) {
    Rendered scoped = render([&](RenderContext &c) {
        orthographic(c, [&] {
            c.TransformBegin();
            c.Translate(-1, 0, 0);
            c.CoordinateSystem("s");
            c.TransformEnd();
            c.AttributeBegin();
            c.Translate(1, 0, 0);
            c.ScopedCoordinateSystem("s");
            c.AttributeBegin();
            c.ScopedCoordinateSystem("t");
            c.AttributeEnd();
            c.CoordSysTransform("s");
            c.Disk(0, 0.5f, 360, RI_NULL);
            c.AttributeEnd();
            c.CoordSysTransform("s");
            c.Disk(0, 0.5f, 360, RI_NULL);
            c.CoordSysTransform("t");
        });
    });
    Rendered placed = render([&](RenderContext &c) {
        orthographic(c, [&] {
            c.AttributeBegin();
            c.Translate(1, 0, 0);
            c.Disk(0, 0.5f, 360, RI_NULL);
            c.AttributeEnd();
            c.Translate(-1, 0, 0);
            c.Disk(0, 0.5f, 360, RI_NULL);
        });
    });
    ASSERT_EQ(scoped.images.size(), 1u);
    ASSERT_EQ(placed.images.size(), 1u);
    EXPECT_EQ(scoped.images[0].rgb, placed.images[0].rgb);
    EXPECT_EQ(scoped.drawn, placed.drawn);
    EXPECT_EQ(scoped.problems, "CoordSysTransform: no coordinate system \"t\"\n");
    EXPECT_EQ(placed.problems, "");
}

TEST(GlimpseScene, CapsStopTheGeometryAndKeepTheFrame) {
    // Each object instances the previous one twice: 2^40 spheres unbounded.
    Rendered r = render(
        [](RenderContext &c) {
            c.WorldBegin();
            RtObjectHandle previous = c.ObjectBegin();
            c.Sphere(1, -1, 1, 360, RI_NULL);
            c.ObjectEnd();
            for (int k = 0; k < 40; ++k) {
                RtObjectHandle next = c.ObjectBegin();
                c.ObjectInstance(previous);
                c.ObjectInstance(previous);
                c.WorldEnd();  // never ends the frame from inside an object
                c.ObjectEnd();
                previous = next;
            }
            c.ObjectInstance(previous);
            c.WorldEnd();
        },
        Limits{1000, 5000, 1000000, 16});
    ASSERT_EQ(r.images.size(), 1u);
    // The twelfth object would hold 2^12 spheres: the cap stops it there.
    std::string expected;
    for (int k = 0; k < 40; ++k) {
        expected += "WorldEnd inside an object definition: ignored\n";
        if (k == 10)
            expected += "the stream exceeds the previewer's limit of 5000 instanced parts: the rest of its geometry is "
                        "not drawn\n";
    }
    EXPECT_EQ(r.problems, expected);
    EXPECT_EQ(r.drawn[0], "none");  // the cap was reached while the objects were defined
}

// Millions of nested blocks each switching a light make a list that long; its
// release used to recurse once per entry and overflow the stack.
TEST(GlimpseLights, LongListIsReleasedWithoutRecursion) {
    LightList lights;
    for (int k = 0; k < 3000000; ++k) lights = std::make_shared<const LightSwitch>(LightSwitch{k, true, lights});
    lights.reset();
    EXPECT_EQ(lights, nullptr);
}

}  // namespace
#endif
