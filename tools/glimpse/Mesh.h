// Triangle meshes and disc sets, the surfaces that every tessellated
// primitive becomes, each with its own hierarchy for ray casting. A ray
// meets a triangle by the watertight test: on an edge or vertex shared by
// two triangles it hits at least one of them.
#ifndef QUILLET_GLIMPSE_MESH_H
#define QUILLET_GLIMPSE_MESH_H

#include <cstdint>
#include <vector>

#include "tools/glimpse/Bvh.h"
#include "tools/glimpse/Math.h"

namespace quillet {
namespace glimpse {

// A colour over a surface: none (the material's), one per vertex, one per
// triangle, or one per triangle corner.
struct ColorChannel {
    enum class Binding { None, Vertex, Triangle, Corner };
    Binding binding = Binding::None;
    std::vector<float> values;  // 3 per entry

    // The colour at barycentric (u, v) of triangle tri with the given
    // vertices; false for no binding.
    bool at(uint32_t tri, const uint32_t corner[3], float u, float v, Vec3 &out) const;
};

struct SurfaceHit {
    uint32_t element = 0;
    float u = 0, v = 0;
};

struct MeshData {
    std::vector<float> P;             // 3 per vertex
    std::vector<float> N;             // 3 per vertex, or none
    std::vector<uint32_t> triangles;  // 3 vertex indices each
    ColorChannel cs, os;
    Bvh bvh;

    size_t vertexCount() const { return P.size() / 3; }
    size_t triangleCount() const { return triangles.size() / 3; }
    uint32_t addVertex(const Vec3 &p);
    void addTriangle(uint32_t a, uint32_t b, uint32_t c);
    // Drops the shading normals when they are not one per vertex, builds the
    // hierarchy; the mesh is not changed after this.
    void finish(unsigned threads);
    bool intersect(const Ray &ray, float tmin, float &tmax, SurfaceHit &hit) const;
    // The shading normal at the hit, in the mesh's space, not normalised.
    Vec3 normal(const SurfaceHit &hit) const;
    Vec3 geometricNormal(uint32_t tri) const;
    bool color(const ColorChannel &channel, const SurfaceHit &hit, Vec3 &out) const;
};

// Discs that face the viewer: toward the origin (a perspective camera) or
// toward -z.
struct DiscSet {
    std::vector<float> centres;  // 3 per disc
    std::vector<float> radii;
    bool towardOrigin = false;
    ColorChannel cs, os;  // Vertex binding: one per disc
    Bvh bvh;

    void finish(unsigned threads);
    bool intersect(const Ray &ray, float tmin, float &tmax, SurfaceHit &hit) const;
    Vec3 normal(const SurfaceHit &hit) const;
};

}  // namespace glimpse
}  // namespace quillet

#endif
