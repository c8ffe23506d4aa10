// Boxes, rays and a bounding volume hierarchy: built by binned surface-area
// heuristic over any set of boxes, traversed nearest child first. The
// primitives themselves stay with the caller, who tests them by index.
#ifndef QUILLET_GLIMPSE_BVH_H
#define QUILLET_GLIMPSE_BVH_H

#include <algorithm>
#include <cstdint>
#include <functional>
#include <limits>
#include <vector>

#include "tools/glimpse/Math.h"

namespace quillet {
namespace glimpse {

constexpr float kInfinity = std::numeric_limits<float>::infinity();

struct Box {
    float lo[3] = {kInfinity, kInfinity, kInfinity};
    float hi[3] = {-kInfinity, -kInfinity, -kInfinity};

    void grow(float x, float y, float z) {
        lo[0] = std::min(lo[0], x), lo[1] = std::min(lo[1], y), lo[2] = std::min(lo[2], z);
        hi[0] = std::max(hi[0], x), hi[1] = std::max(hi[1], y), hi[2] = std::max(hi[2], z);
    }
    void grow(const Vec3 &p) { grow(static_cast<float>(p.x), static_cast<float>(p.y), static_cast<float>(p.z)); }
    void grow(const Box &b) {
        for (int k = 0; k < 3; ++k) lo[k] = std::min(lo[k], b.lo[k]), hi[k] = std::max(hi[k], b.hi[k]);
    }
    // Empty, or not finite: such a box holds nothing a ray can meet.
    bool usable() const {
        for (int k = 0; k < 3; ++k)
            if (!(lo[k] <= hi[k]) || !(hi[k] - lo[k] < kInfinity)) return false;
        return true;
    }
    float area() const {
        float x = hi[0] - lo[0], y = hi[1] - lo[1], z = hi[2] - lo[2];
        return x * y + y * z + z * x;
    }
    // The box of this one's eight corners taken through the matrix.
    Box transformed(const Mat4 &m) const;
};

// A ray o + t d with what the box and watertight triangle tests need.
struct Ray {
    float o[3], d[3], inv[3];
    int kx, ky, kz;  // the axis of largest |d| is kz
    float sx, sy, sz;
    Vec3 origin, direction;  // double precision, for the analytic shapes

    Ray(const Vec3 &from, const Vec3 &dir);
};

inline bool hitsBox(const Box &b, const Ray &r, float tmin, float tmax, float &entry) {
    for (int k = 0; k < 3; ++k) {
        float t0 = (b.lo[k] - r.o[k]) * r.inv[k], t1 = (b.hi[k] - r.o[k]) * r.inv[k];
        if (t0 > t1) std::swap(t0, t1);
        // NaN (a zero direction on the box's face) keeps the previous bound.
        tmin = t0 > tmin ? t0 : tmin;
        tmax = t1 < tmax ? t1 : tmax;
    }
    entry = tmin;
    return tmin <= tmax;
}

class Bvh {
public:
    struct Node {
        Box box;
        uint32_t index;  // leaf: first entry of order; interior: right child (left is the next node)
        uint32_t count;  // 0 for an interior node
    };

    // Over count primitives with the boxes that boxOf gives; boxes that are
    // not usable are left out.
    void build(size_t count, const std::function<Box(uint32_t)> &boxOf, unsigned threads);
    bool empty() const { return nodes.empty(); }
    const Box &bounds() const { return nodes.front().box; }
    size_t bytes() const { return nodes.capacity() * sizeof(Node) + order.capacity() * sizeof(uint32_t); }

    // Calls test(primitive, tmax) for the primitives whose boxes the ray
    // meets nearer than tmax; test returns true when it found a nearer hit
    // and lowered tmax.
    template <typename Test>
    bool traverse(const Ray &ray, float tmin, float &tmax, Test &&test) const {
        if (nodes.empty()) return false;
        uint32_t stack[128];
        int top = 0;
        uint32_t current = 0;
        bool found = false;
        float entry;
        if (!hitsBox(nodes[0].box, ray, tmin, tmax, entry)) return false;
        for (;;) {
            const Node &node = nodes[current];
            if (node.count > 0) {
                for (uint32_t k = 0; k < node.count; ++k)
                    if (test(order[node.index + k], tmax)) found = true;
            } else {
                uint32_t left = current + 1, right = node.index;
                float el, er;
                bool hl = hitsBox(nodes[left].box, ray, tmin, tmax, el);
                bool hr = hitsBox(nodes[right].box, ray, tmin, tmax, er);
                if (hl && hr) {
                    if (er < el) std::swap(left, right);
                    if (top < 128) stack[top++] = right;
                    current = left;
                    continue;
                }
                if (hl || hr) {
                    current = hl ? left : right;
                    continue;
                }
            }
            // Pop, skipping nodes that the shortened ray no longer reaches.
            for (;;) {
                if (top == 0) return found;
                current = stack[--top];
                if (hitsBox(nodes[current].box, ray, tmin, tmax, entry)) break;
            }
        }
    }

    std::vector<Node> nodes;
    std::vector<uint32_t> order;
};

}  // namespace glimpse
}  // namespace quillet

#endif
