// The benchmarks' large mesh: 2,000,000 triangles of a 1000x1000 grid as one
// PointsPolygons request (P, N, st), made once and written through RiBegin
// or into a stream of the caller's.
#ifndef QUILLET_BENCH_TRIANGLEMESH_H
#define QUILLET_BENCH_TRIANGLEMESH_H

#include <vector>

#include "quillet/RenderContext.h"
#include "quillet/ri.h"

struct TriangleMesh {
    TriangleMesh();
    // One stream to target, ASCII or binary.
    void write(const char *target, bool binary) const;
    // The world with the mesh into an open stream.
    void write(quillet::RenderContext &rib) const;

    std::vector<RtInt> nvertices, vertices;
    std::vector<RtFloat> positions, normals, st;

private:
    struct Request;
};

#endif
