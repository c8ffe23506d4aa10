// Clipping planes: a point and a normal in camera space each; what lies on
// the side a normal points to is not drawn. Together they keep a convex
// region, so a ray keeps one interval of t.
#ifndef QUILLET_GLIMPSE_CLIPPLANES_H
#define QUILLET_GLIMPSE_CLIPPLANES_H

#include <vector>

#include "tools/glimpse/Math.h"

namespace quillet {
namespace glimpse {

struct ClipPlane {
    Vec3 point, normal;
};

// Narrows [tmin, tmax] to the part of the ray origin + t direction that every
// plane keeps; false when nothing is left.
bool clipRange(const std::vector<ClipPlane> &planes, const Vec3 &origin, const Vec3 &direction, float &tmin,
               float &tmax);

}  // namespace glimpse
}  // namespace quillet

#endif
