// The surfaces the previewer draws, each intersected in its own object
// space: the seven quadrics with their sweep and height limits, and planar
// polygons with any number of loops (inside by the even-odd rule).
#ifndef QUILLET_GLIMPSE_SHAPES_H
#define QUILLET_GLIMPSE_SHAPES_H

#include <memory>
#include <vector>

#include "tools/glimpse/Math.h"

namespace quillet {
namespace glimpse {

struct Hit {
    double t = 0;
    Vec3 normal;  // object space, not normalised
};

class Shape {
public:
    virtual ~Shape() = default;
    // Nearest intersection of o + t d with tmin < t < tmax.
    virtual bool intersect(const Vec3 &o, const Vec3 &d, double tmin, double tmax, Hit &hit) const = 0;
    virtual void bounds(Vec3 &lo, Vec3 &hi) const = 0;
    // The surface parameters (u, v), each 0..1, of a point on the surface:
    // what varying values are interpolated by. 0 for shapes without them.
    virtual void parameters(const Vec3 &, double &u, double &v) const { u = v = 0; }
};

std::unique_ptr<Shape> makeSphere(double radius, double zmin, double zmax, double thetamax);
std::unique_ptr<Shape> makeCylinder(double radius, double zmin, double zmax, double thetamax);
std::unique_ptr<Shape> makeCone(double height, double radius, double thetamax);
std::unique_ptr<Shape> makeDisk(double height, double radius, double thetamax);
std::unique_ptr<Shape> makeHyperboloid(const Vec3 &p1, const Vec3 &p2, double thetamax);
std::unique_ptr<Shape> makeParaboloid(double rmax, double zmin, double zmax, double thetamax);
std::unique_ptr<Shape> makeTorus(double major, double minor, double phimin, double phimax, double thetamax);
// The sum of the fields of ellipsoids (each the unit sphere through its
// matrix), seen where it reaches one half.
std::unique_ptr<Shape> makeBlobby(std::vector<Mat4> ellipsoids);
// loops[0] is the outer boundary; null when the points span no plane.
std::unique_ptr<Shape> makePolygon(std::vector<std::vector<Vec3>> loops);

}  // namespace glimpse
}  // namespace quillet

#endif
