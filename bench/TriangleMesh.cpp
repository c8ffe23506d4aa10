#include "bench/TriangleMesh.h"

namespace {

const int kSide = 1000;

}  // namespace

TriangleMesh::TriangleMesh() {
    unsigned seed = 12345;
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return float((seed >> 8) & 0xFFFF) / 65535.0f * 2 - 1;
    };
    for (int j = 0; j < kSide; ++j)
        for (int i = 0; i < kSide; ++i) {
            positions.insert(positions.end(), {i * 0.01f, j * 0.01f, 0.001f * float((i * j) % 997)});
            normals.insert(normals.end(), {next(), next(), next()});
            st.insert(st.end(), {i / float(kSide - 1), j / float(kSide - 1)});
        }
    for (int j = 0; j + 1 < kSide; ++j)
        for (int i = 0; i + 1 < kSide; ++i) {
            const int v = j * kSide + i;
            nvertices.insert(nvertices.end(), {3, 3});
            vertices.insert(vertices.end(), {v, v + 1, v + kSide + 1, v, v + kSide + 1, v + kSide});
        }
}

// The arguments of the mesh's one request.
struct TriangleMesh::Request {
    explicit Request(const TriangleMesh &mesh)
        : npolys(RtInt(mesh.nvertices.size())), nvertices(const_cast<RtInt *>(mesh.nvertices.data())),
          vertices(const_cast<RtInt *>(mesh.vertices.data())), values{const_cast<RtFloat *>(mesh.positions.data()),
                                                                      const_cast<RtFloat *>(mesh.normals.data()),
                                                                      const_cast<RtFloat *>(mesh.st.data())} {}
    RtInt npolys;
    RtInt *nvertices, *vertices;
    RtToken tokens[3] = {RI_P, RI_N, RI_ST};
    RtPointer values[3];
};

void TriangleMesh::write(const char *target, bool binary) const {
    const char *format = binary ? "binary" : "ascii";
    RiOption("rib", "format", &format, RI_NULL);
    RiBegin(target);
    RiWorldBegin();
    Request r(*this);
    RiPointsPolygonsV(r.npolys, r.nvertices, r.vertices, 3, r.tokens, r.values);
    RiWorldEnd();
    RiEnd();
}

void TriangleMesh::write(quillet::RenderContext &rib) const {
    rib.WorldBegin();
    Request r(*this);
    rib.PointsPolygonsV(r.npolys, r.nvertices, r.vertices, 3, r.tokens, r.values);
    rib.WorldEnd();
}
