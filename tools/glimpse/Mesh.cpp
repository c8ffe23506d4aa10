#include "tools/glimpse/Mesh.h"

#include <algorithm>
#include <cmath>

namespace quillet {
namespace glimpse {

namespace {

Vec3 vertex(const std::vector<float> &p, uint32_t i) {
    size_t k = static_cast<size_t>(i) * 3;
    return {p[k], p[k + 1], p[k + 2]};
}

Vec3 entry(const std::vector<float> &values, size_t i) {
    return {values[i * 3], values[i * 3 + 1], values[i * 3 + 2]};
}

// The edge function of the sheared triangle, in double precision when the
// single-precision result is exactly 0 and the sign is in doubt.
inline float edge(float ax, float ay, float bx, float by) {
    float e = ax * by - ay * bx;
    if (e == 0.0f) e = static_cast<float>(static_cast<double>(ax) * by - static_cast<double>(ay) * bx);
    return e;
}

// The watertight ray-triangle test: the vertices are moved to the ray's
// origin and sheared so that the ray runs along +z, and the three edge
// functions decide; a point on an edge gives 0 and counts as inside for
// both triangles that share the edge.
bool hitTriangle(const Ray &r, const float *a, const float *b, const float *c, float tmin, float &tmax, float &u,
                 float &v) {
    const float A[3] = {a[0] - r.o[0], a[1] - r.o[1], a[2] - r.o[2]};
    const float B[3] = {b[0] - r.o[0], b[1] - r.o[1], b[2] - r.o[2]};
    const float C[3] = {c[0] - r.o[0], c[1] - r.o[1], c[2] - r.o[2]};
    const float ax = A[r.kx] - r.sx * A[r.kz], ay = A[r.ky] - r.sy * A[r.kz];
    const float bx = B[r.kx] - r.sx * B[r.kz], by = B[r.ky] - r.sy * B[r.kz];
    const float cx = C[r.kx] - r.sx * C[r.kz], cy = C[r.ky] - r.sy * C[r.kz];
    const float U = edge(cx, cy, bx, by), V = edge(ax, ay, cx, cy), W = edge(bx, by, ax, ay);
    if ((U < 0 || V < 0 || W < 0) && (U > 0 || V > 0 || W > 0)) return false;
    const float det = U + V + W;
    if (det == 0.0f) return false;
    const float T = r.sz * (U * A[r.kz] + V * B[r.kz] + W * C[r.kz]);
    const float t = T / det;
    if (!(t > tmin && t < tmax)) return false;
    tmax = t;
    u = V / det;
    v = W / det;
    return true;
}

// Triangles per entry of the hierarchy, consecutive ones: a polygon's
// triangles are made one after the other, so that a pair is mostly one quad,
// and the hierarchy has half as many entries to build and to pass through.
const uint32_t kTrianglesPerEntry = 2;

}  // namespace

bool ColorChannel::at(uint32_t tri, const uint32_t corner[3], float u, float v, Vec3 &out) const {
    float w = 1 - u - v;
    switch (binding) {
    case Binding::None: return false;
    case Binding::Vertex:
        out = entry(values, corner[0]) * w + entry(values, corner[1]) * u + entry(values, corner[2]) * v;
        return true;
    case Binding::Triangle: out = entry(values, tri); return true;
    case Binding::Corner: {
        size_t k = static_cast<size_t>(tri) * 3;
        out = entry(values, k) * w + entry(values, k + 1) * u + entry(values, k + 2) * v;
        return true;
    }
    }
    return false;
}

uint32_t MeshData::addVertex(const Vec3 &p) {
    uint32_t index = static_cast<uint32_t>(vertexCount());
    P.push_back(static_cast<float>(p.x));
    P.push_back(static_cast<float>(p.y));
    P.push_back(static_cast<float>(p.z));
    return index;
}

void MeshData::addTriangle(uint32_t a, uint32_t b, uint32_t c) {
    triangles.push_back(a);
    triangles.push_back(b);
    triangles.push_back(c);
}

void MeshData::finish(unsigned threads) {
    if (N.size() != P.size()) N.clear();
    const size_t count = triangleCount();
    bvh.build((count + kTrianglesPerEntry - 1) / kTrianglesPerEntry,
              [&](uint32_t entry) {
                  Box box;
                  const size_t first = size_t(entry) * kTrianglesPerEntry;
                  const size_t last = std::min(first + kTrianglesPerEntry, count);
                  for (size_t t = first; t < last; ++t)
                      for (int k = 0; k < 3; ++k) {
                          const float *p = &P[static_cast<size_t>(triangles[t * 3 + size_t(k)]) * 3];
                          box.grow(p[0], p[1], p[2]);
                      }
                  return box;
              },
              threads);
}

bool MeshData::intersect(const Ray &ray, float tmin, float &tmax, SurfaceHit &hit) const {
    const uint32_t count = static_cast<uint32_t>(triangleCount());
    return bvh.traverse(ray, tmin, tmax, [&](uint32_t entry, float &limit) {
        bool found = false;
        const uint32_t first = entry * kTrianglesPerEntry;
        for (uint32_t t = first; t < first + kTrianglesPerEntry && t < count; ++t) {
            const uint32_t *v = &triangles[static_cast<size_t>(t) * 3];
            float u, w;
            if (!hitTriangle(ray, &P[size_t(v[0]) * 3], &P[size_t(v[1]) * 3], &P[size_t(v[2]) * 3], tmin, limit, u, w))
                continue;
            hit.element = t;
            hit.u = u;
            hit.v = w;
            found = true;
        }
        return found;
    });
}

Vec3 MeshData::geometricNormal(uint32_t tri) const {
    const uint32_t *v = &triangles[static_cast<size_t>(tri) * 3];
    Vec3 a = vertex(P, v[0]), b = vertex(P, v[1]), c = vertex(P, v[2]);
    return cross(b - a, c - a);
}

Vec3 MeshData::normal(const SurfaceHit &hit) const {
    if (N.empty()) return geometricNormal(hit.element);
    const uint32_t *v = &triangles[static_cast<size_t>(hit.element) * 3];
    Vec3 n = vertex(N, v[0]) * (1 - hit.u - hit.v) + vertex(N, v[1]) * hit.u + vertex(N, v[2]) * hit.v;
    return dot(n, n) > 0 ? n : geometricNormal(hit.element);
}

bool MeshData::color(const ColorChannel &channel, const SurfaceHit &hit, Vec3 &out) const {
    return channel.at(hit.element, &triangles[static_cast<size_t>(hit.element) * 3], hit.u, hit.v, out);
}

void DiscSet::finish(unsigned threads) {
    bvh.build(
        radii.size(),
        [&](uint32_t k) {
            Box box;
            float r = radii[k];
            const float *c = &centres[size_t(k) * 3];
            box.grow(c[0] - r, c[1] - r, c[2] - r);
            box.grow(c[0] + r, c[1] + r, c[2] + r);
            return box;
        },
        threads);
}

bool DiscSet::intersect(const Ray &ray, float tmin, float &tmax, SurfaceHit &hit) const {
    return bvh.traverse(ray, tmin, tmax, [&](uint32_t k, float &limit) {
        Vec3 c = entry(centres, k), n = normal(SurfaceHit{k, 0, 0});
        double denom = dot(n, ray.direction);
        if (denom == 0) return false;
        double t = dot(c - ray.origin, n) / denom;
        if (!(t > tmin && t < limit)) return false;
        Vec3 offset = ray.origin + ray.direction * t - c;
        double r = radii[k];
        if (dot(offset, offset) > r * r) return false;
        limit = static_cast<float>(t);
        hit.element = k;
        return true;
    });
}

Vec3 DiscSet::normal(const SurfaceHit &hit) const {
    if (!towardOrigin) return {0, 0, -1};
    Vec3 c = entry(centres, hit.element) * -1;
    return dot(c, c) > 0 ? c : Vec3(0, 0, -1);
}

}  // namespace glimpse
}  // namespace quillet
