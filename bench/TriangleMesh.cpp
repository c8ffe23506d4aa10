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

void TriangleMesh::write(const char *target, bool binary) const {
    const char *format = binary ? "binary" : "ascii";
    RiOption("rib", "format", &format, RI_NULL);
    RiBegin(target);
    RiWorldBegin();
    RtToken tokens[] = {RI_P, RI_N, RI_ST};
    RtPointer values[] = {const_cast<RtFloat *>(positions.data()), const_cast<RtFloat *>(normals.data()),
                          const_cast<RtFloat *>(st.data())};
    RiPointsPolygonsV(RtInt(nvertices.size()), const_cast<RtInt *>(nvertices.data()),
                      const_cast<RtInt *>(vertices.data()), 3, tokens, values);
    RiWorldEnd();
    RiEnd();
}
