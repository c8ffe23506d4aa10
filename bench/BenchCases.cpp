// The benchmark's workloads and their data, built once.
#include "bench/BenchCases.h"

#include <memory>
#include <random>

#include "app/Lathe.h"
#include "quillet/ri.h"

namespace {

std::vector<RtFloat> randomFloats(size_t count, float low, float high, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> value(low, high);
    std::vector<RtFloat> values(count);
    for (RtFloat &v : values) v = value(random);
    return values;
}

struct PointsData {
    int count;
    std::vector<RtFloat> positions, widths;
    explicit PointsData(int n)
        : count(n), positions(randomFloats(size_t(n) * 3, -10, 10, 1)),
          widths(randomFloats(size_t(n), 0.01f, 0.1f, 2)) {}
    void write(const char *target) {
        RiBegin(target);
        RiWorldBegin();
        RtToken tokens[] = {RI_P, RI_WIDTH};
        RtPointer values[] = {positions.data(), widths.data()};
        RiPointsV(count, 2, tokens, values);
        RiWorldEnd();
        RiEnd();
    }
};

struct GridData {
    static const int kSide = 1000;
    std::vector<RtInt> nvertices, vertices;
    std::vector<RtFloat> positions, normals, st;
    GridData() : normals(randomFloats(size_t(kSide) * kSide * 3, -1, 1, 3)) {
        for (int j = 0; j < kSide; ++j)
            for (int i = 0; i < kSide; ++i) {
                positions.insert(positions.end(), {i * 0.01f, j * 0.01f, 0.001f * float((i * j) % 997)});
                st.insert(st.end(), {i / float(kSide - 1), j / float(kSide - 1)});
            }
        for (int j = 0; j + 1 < kSide; ++j)
            for (int i = 0; i + 1 < kSide; ++i) {
                nvertices.push_back(4);
                const int v = j * kSide + i;
                vertices.insert(vertices.end(), {v, v + 1, v + kSide + 1, v + kSide});
            }
    }
    // framed: a 320x240 picture with a camera that sees the whole grid.
    void write(const char *target, bool framed = false) {
        RiBegin(target);
        if (framed) {
            RtFloat fov = 60;
            RiFormat(320, 240, 1);
            RiProjection(RI_PERSPECTIVE, RI_FOV, &fov, RI_NULL);
            RiTranslate(-5, -5, 12);
        }
        RiWorldBegin();
        if (framed) RiLightSource(RI_DISTANTLIGHT, RI_NULL);
        RtToken tokens[] = {RI_P, RI_N, RI_ST};
        RtPointer values[] = {positions.data(), normals.data(), st.data()};
        RiPointsPolygonsV(RtInt(nvertices.size()), nvertices.data(), vertices.data(), 3, tokens, values);
        RiWorldEnd();
        RiEnd();
    }
};

struct SmallRequestData {
    static const int kGroups = 250000;  // four requests each
    std::vector<RtFloat> numbers = randomFloats(size_t(kGroups) * 16, 0, 1, 4);
    void write(const char *target) {
        RiBegin(target);
        RiWorldBegin();
        for (int g = 0; g < kGroups; ++g) {
            RtFloat *v = &numbers[size_t(g) * 16];
            RiTranslate(v[0], v[1], v[2]);
            RiAttributeBegin();
            RiSphere(v[3], -v[3], v[3], 360, RI_CS, v + 4, RI_NULL);
            RiAttributeEnd();
        }
        RiWorldEnd();
        RiEnd();
    }
};

struct AttributeBlockData {
    static const int kBlocks = 250000;  // five requests each
    static const size_t kPerBlock = 7;  // translation, colour, radius
    std::vector<RtFloat> numbers = randomFloats(size_t(kBlocks) * kPerBlock, 0, 1, 5);
    void write(const char *target) {
        RiBegin(target);
        RiWorldBegin();
        for (int b = 0; b < kBlocks; ++b) {
            RtFloat *v = &numbers[size_t(b) * kPerBlock];
            RiAttributeBegin();
            RiTranslate(v[0], v[1], v[2]);
            RiColor(v + 3);
            RiSphere(v[6], -v[6], v[6], 360, RI_NULL);
            RiAttributeEnd();
        }
        RiWorldEnd();
        RiEnd();
    }
};

const int kLatheRepeats = 2000;

}  // namespace

void writePointsStream(const char *target, int npoints) {
    PointsData(npoints).write(target);
}

std::function<void(const char *target)> framedGridWriter() {
    auto grid = std::make_shared<GridData>();
    return [grid](const char *target) { grid->write(target, true); };
}

std::vector<BenchCase> makeBenchCases() {
    auto points = std::make_shared<PointsData>(1000000);
    auto grid = std::make_shared<GridData>();
    auto small = std::make_shared<SmallRequestData>();
    auto blocks = std::make_shared<AttributeBlockData>();
    return {
        {"Points 1M (P, width)",
         1,
         [points](const char *t) { points->write(t); },
         {{points->positions.data(), points->positions.size()}, {points->widths.data(), points->widths.size()}},
         {10, 0},
         {15, 0.5}},
        {"PointsPolygons 1000x1000 (P, N, st)",
         1,
         [grid](const char *t) { grid->write(t); },
         {{grid->positions.data(), grid->positions.size()},
          {grid->normals.data(), grid->normals.size()},
          {grid->st.data(), grid->st.size()}},
         {0, 0},
         {10, 0}},
        {"1M small requests", 1, [small](const char *t) { small->write(t); }, {}, {0, 0}, {0, 0}},
        {"250,000 attribute blocks", 1, [blocks](const char *t) { blocks->write(t); }, {}, {5, 0}, {0, 0}},
        {"lathe scene x2000",
         kLatheRepeats,
         [](const char *t) {
             RiBegin(t);
             describeLatheScene();
             RiEnd();
         },
         {},
         {0, 0},
         {0, 0}},
    };
}
