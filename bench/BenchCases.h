// The workloads of the stream benchmark: each writes whole streams through
// the entry points, to the target it is given.
#ifndef QUILLET_BENCH_BENCHCASES_H
#define QUILLET_BENCH_BENCHCASES_H

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "quillet/ri.h"

// One float array that a request carries, as the caller passes it.
struct FloatArray {
    const RtFloat *values;
    size_t count;
};

// What a case's whole request must reach in one encoding; 0: no target.
struct Goal {
    double speedup;  // times the reference method
    double ofLimit;  // fraction of the speed of memcpy
};

struct BenchCase {
    std::string name;
    // Streams written per measurement; run writes one.
    int repeats;
    // Writes one whole stream to target, in the encoding that the "rib"
    // options have set.
    std::function<void(const char *target)> run;
    // The float arrays of the case's parameter lists (empty for cases that
    // are not float data), measured alone beside the whole request.
    std::vector<FloatArray> floatArrays;
    Goal ascii;
    Goal binary;
};

// Points (1,000,000), a 1000x1000 PointsPolygons grid, 1,000,000 small
// requests, 250,000 small attribute blocks (AttributeBegin, Translate, Color,
// Sphere, AttributeEnd) and the lathe scene (repeated).
std::vector<BenchCase> makeBenchCases();

// The 1000x1000 PointsPolygons grid (P, N, st; 1,996,002 triangles) with a
// 320x240 camera and a light in front of it: its data is made once.
std::function<void(const char *target)> framedGridWriter();

// One Points request of npoints points ("P" and "width") into target.
void writePointsStream(const char *target, int npoints);

#endif
