// Polygon loops into triangles: a fan when the loop is convex, ear
// clipping when it is not, in the plane that the loop spans.
#include <cmath>

#include "tools/glimpse/Tessellate.h"

namespace quillet {
namespace glimpse {

namespace {

const size_t kMaxClippedVertices = 256;  // ear clipping takes time growing with the cube

// Twice the signed area of the triangle in the plane of axes (x, y).
double area2(const Vec3 &a, const Vec3 &b, const Vec3 &c, int x, int y) {
    return (b[x] - a[x]) * (c[y] - a[y]) - (b[y] - a[y]) * (c[x] - a[x]);
}

bool insideTriangle(const Vec3 &p, const Vec3 &a, const Vec3 &b, const Vec3 &c, int x, int y) {
    return area2(a, b, p, x, y) >= 0 && area2(b, c, p, x, y) >= 0 && area2(c, a, p, x, y) >= 0;
}

}  // namespace

bool triangulateLoop(const std::vector<Vec3> &loop, const std::vector<uint32_t> &indices, MeshData &mesh) {
    const size_t n = loop.size();
    if (n < 3) return true;
    // Newell's normal picks the plane to work in and the loop's turning sense.
    Vec3 normal;
    for (size_t i = 0; i < n; ++i) {
        const Vec3 &a = loop[i], &b = loop[(i + 1) % n];
        normal += Vec3((a.y - b.y) * (a.z + b.z), (a.z - b.z) * (a.x + b.x), (a.x - b.x) * (a.y + b.y));
    }
    double ax = std::fabs(normal.x), ay = std::fabs(normal.y), az = std::fabs(normal.z);
    if (!(ax + ay + az > 0)) return true;  // spans no plane: nothing to draw
    int drop = ax >= ay && ax >= az ? 0 : ay >= az ? 1 : 2;
    int x = drop == 0 ? 1 : 0, y = drop == 2 ? 1 : 2;
    double sense = normal[drop] > 0 ? 1 : -1;
    if (drop == 1) sense = -sense;  // dropping y swaps the handedness of (x, z)

    bool convex = true;
    for (size_t i = 0; i < n && convex; ++i)
        convex = sense * area2(loop[i], loop[(i + 1) % n], loop[(i + 2) % n], x, y) >= 0;
    if (convex) {
        for (size_t i = 1; i + 1 < n; ++i) mesh.addTriangle(indices[0], indices[i], indices[i + 1]);
        return true;
    }
    if (n > kMaxClippedVertices) return false;
    std::vector<size_t> ring(n);
    for (size_t i = 0; i < n; ++i) ring[i] = i;
    const size_t before = mesh.triangles.size();
    while (ring.size() > 3) {
        bool clipped = false;
        for (size_t k = 0; k < ring.size() && !clipped; ++k) {
            size_t a = ring[(k + ring.size() - 1) % ring.size()], b = ring[k], c = ring[(k + 1) % ring.size()];
            Vec3 pa = loop[a], pb = loop[b], pc = loop[c];
            if (sense < 0) std::swap(pa, pc);
            if (area2(pa, pb, pc, x, y) <= 0) continue;
            bool ear = true;
            for (size_t other : ring)
                if (other != a && other != b && other != c && insideTriangle(loop[other], pa, pb, pc, x, y)) {
                    ear = false;
                    break;
                }
            if (!ear) continue;
            mesh.addTriangle(indices[a], indices[b], indices[c]);
            ring.erase(ring.begin() + static_cast<long>(k));
            clipped = true;
        }
        if (!clipped) {  // self-intersecting: left to the even-odd shape
            mesh.triangles.resize(before);
            return false;
        }
    }
    if (ring.size() == 3) mesh.addTriangle(indices[ring[0]], indices[ring[1]], indices[ring[2]]);
    return true;
}

void smoothNormals(MeshData &mesh) {
    mesh.N.assign(mesh.P.size(), 0.0f);
    for (size_t t = 0; t < mesh.triangleCount(); ++t) {
        Vec3 n = mesh.geometricNormal(static_cast<uint32_t>(t));
        for (int k = 0; k < 3; ++k) {
            float *out = &mesh.N[size_t(mesh.triangles[t * 3 + size_t(k)]) * 3];
            out[0] += static_cast<float>(n.x), out[1] += static_cast<float>(n.y), out[2] += static_cast<float>(n.z);
        }
    }
}

}  // namespace glimpse
}  // namespace quillet
