#include "tools/glimpse/ClipPlanes.h"

namespace quillet {
namespace glimpse {

// Kept: dot(origin + t direction - point, normal) <= 0.
bool clipRange(const std::vector<ClipPlane> &planes, const Vec3 &origin, const Vec3 &direction, float &tmin,
               float &tmax) {
    for (const ClipPlane &plane : planes) {
        const double start = dot(origin - plane.point, plane.normal);
        const double rate = dot(direction, plane.normal);
        if (rate == 0) {
            if (start > 0) return false;
            continue;
        }
        const double t = -start / rate;
        if (rate > 0 && t < tmax) tmax = static_cast<float>(t);
        if (rate < 0 && t > tmin) tmin = static_cast<float>(t);
    }
    return tmin < tmax;
}

}  // namespace glimpse
}  // namespace quillet
