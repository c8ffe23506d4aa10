#include "tools/glimpse/Shapes.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace quillet {
namespace glimpse {

namespace {

constexpr double kTwoPi = 2 * kPi;

// Is the angle of (x, y) inside a sweep of thetamax degrees from +x?
// A negative sweep turns the other way.
bool inSweep(double x, double y, double thetamax) {
    if (std::fabs(thetamax) >= 360) return true;
    double phi = std::atan2(y, x);
    if (phi < 0) phi += kTwoPi;
    if (thetamax >= 0) return phi <= radians(thetamax);
    return phi == 0 || kTwoPi - phi <= radians(-thetamax);
}

// How far round the sweep the angle of (x, y) lies, 0..1.
double sweepFraction(double x, double y, double thetamax) {
    double phi = std::atan2(y, x);
    if (phi < 0) phi += kTwoPi;
    if (thetamax < 0) phi = phi == 0 ? 0 : kTwoPi - phi;
    double sweep = radians(std::min(std::fabs(thetamax), 360.0));
    return sweep > 0 ? std::clamp(phi / sweep, 0.0, 1.0) : 0;
}

double fraction(double value, double from, double to) {
    return to != from ? std::clamp((value - from) / (to - from), 0.0, 1.0) : 0;
}

// Roots of a t^2 + b t + c in ascending order; returns how many.
int solveQuadratic(double a, double b, double c, double roots[2]) {
    if (std::fabs(a) < 1e-14) {
        if (std::fabs(b) < 1e-14) return 0;
        roots[0] = -c / b;
        return 1;
    }
    double disc = b * b - 4 * a * c;
    if (disc < 0) return 0;
    double s = std::sqrt(disc);
    double q = b < 0 ? -0.5 * (b - s) : -0.5 * (b + s);
    roots[0] = q / a;
    roots[1] = q != 0 ? c / q : roots[0];
    if (roots[0] > roots[1]) std::swap(roots[0], roots[1]);
    return 2;
}

// A surface given by a quadratic in t and a test of the hit point.
class Quadric : public Shape {
public:
    bool intersect(const Vec3 &o, const Vec3 &d, double tmin, double tmax, Hit &hit) const override {
        double coef[3], roots[2];
        coefficients(o, d, coef);
        int n = solveQuadratic(coef[0], coef[1], coef[2], roots);
        for (int i = 0; i < n; ++i) {
            double t = roots[i];
            if (t <= tmin || t >= tmax) continue;
            Vec3 p = o + d * t;
            if (!accept(p)) continue;
            hit.t = t;
            hit.normal = normal(p);
            return true;
        }
        return false;
    }

protected:
    virtual void coefficients(const Vec3 &o, const Vec3 &d, double coef[3]) const = 0;
    virtual bool accept(const Vec3 &p) const = 0;
    virtual Vec3 normal(const Vec3 &p) const = 0;
};

// A quadric about the z axis within a radius of it, cut to z in [zlo, zhi]
// and to the sweep.
class BandQuadric : public Quadric {
public:
    void bounds(Vec3 &lo, Vec3 &hi) const override {
        lo = {-radius, -radius, zlo};
        hi = {radius, radius, zhi};
    }

protected:
    BandQuadric(double radius, double zlo, double zhi, double thetamax)
        : radius(radius), zlo(zlo), zhi(zhi), thetamax(thetamax) {}
    bool accept(const Vec3 &p) const override { return p.z >= zlo && p.z <= zhi && inSweep(p.x, p.y, thetamax); }

    double radius, zlo, zhi, thetamax;
};

class Sphere : public BandQuadric {
public:
    Sphere(double r, double zmin, double zmax, double sweep)
        : BandQuadric(std::fabs(r), std::max(std::min(zmin, zmax), -std::fabs(r)),
                      std::min(std::max(zmin, zmax), std::fabs(r)), sweep) {}

protected:
    void coefficients(const Vec3 &o, const Vec3 &d, double c[3]) const override {
        c[0] = dot(d, d);
        c[1] = 2 * dot(o, d);
        c[2] = dot(o, o) - radius * radius;
    }
    Vec3 normal(const Vec3 &p) const override { return p; }
    void parameters(const Vec3 &p, double &u, double &v) const override {
        auto latitude = [&](double z) { return radius > 0 ? std::asin(std::clamp(z / radius, -1.0, 1.0)) : 0; };
        u = sweepFraction(p.x, p.y, thetamax);
        v = fraction(latitude(p.z), latitude(zlo), latitude(zhi));
    }
};

class Cylinder : public BandQuadric {
public:
    Cylinder(double r, double zmin, double zmax, double sweep)
        : BandQuadric(std::fabs(r), std::min(zmin, zmax), std::max(zmin, zmax), sweep) {}

protected:
    void coefficients(const Vec3 &o, const Vec3 &d, double c[3]) const override {
        c[0] = d.x * d.x + d.y * d.y;
        c[1] = 2 * (o.x * d.x + o.y * d.y);
        c[2] = o.x * o.x + o.y * o.y - radius * radius;
    }
    Vec3 normal(const Vec3 &p) const override { return {p.x, p.y, 0}; }
    void parameters(const Vec3 &p, double &u, double &v) const override {
        u = sweepFraction(p.x, p.y, thetamax);
        v = fraction(p.z, zlo, zhi);
    }
};

// Apex at z = height, base circle of the radius at z = 0.
class Cone : public Quadric {
public:
    Cone(double h, double r, double sweep) : height(h), radius(r), slope(h != 0 ? r / h : 0), thetamax(sweep) {}
    void bounds(Vec3 &lo, Vec3 &hi) const override {
        double r = std::fabs(radius);
        lo = {-r, -r, std::min(0.0, height)};
        hi = {r, r, std::max(0.0, height)};
    }

protected:
    void coefficients(const Vec3 &o, const Vec3 &d, double c[3]) const override {
        double r0 = radius - slope * o.z;
        c[0] = d.x * d.x + d.y * d.y - slope * slope * d.z * d.z;
        c[1] = 2 * (o.x * d.x + o.y * d.y + r0 * slope * d.z);
        c[2] = o.x * o.x + o.y * o.y - r0 * r0;
    }
    bool accept(const Vec3 &p) const override {
        return p.z >= std::min(0.0, height) && p.z <= std::max(0.0, height) && inSweep(p.x, p.y, thetamax);
    }
    Vec3 normal(const Vec3 &p) const override { return {p.x, p.y, slope * (radius - slope * p.z)}; }
    void parameters(const Vec3 &p, double &u, double &v) const override {
        u = sweepFraction(p.x, p.y, thetamax);
        v = fraction(p.z, 0, height);
    }

private:
    double height, radius, slope, thetamax;
};

// x^2 + y^2 = rmax^2 z / zmax between zmin and zmax.
class Paraboloid : public BandQuadric {
public:
    Paraboloid(double rmax, double zmin, double zmax, double sweep)
        : BandQuadric(std::fabs(rmax), std::min(zmin, zmax), std::max(zmin, zmax), sweep),
          k(zmax != 0 ? rmax * rmax / zmax : 0) {}

protected:
    void coefficients(const Vec3 &o, const Vec3 &d, double c[3]) const override {
        c[0] = d.x * d.x + d.y * d.y;
        c[1] = 2 * (o.x * d.x + o.y * d.y) - k * d.z;
        c[2] = o.x * o.x + o.y * o.y - k * o.z;
    }
    Vec3 normal(const Vec3 &p) const override { return {2 * p.x, 2 * p.y, -k}; }
    void parameters(const Vec3 &p, double &u, double &v) const override {
        u = sweepFraction(p.x, p.y, thetamax);
        v = fraction(p.z, zlo, zhi);
    }

private:
    double k;
};

// The line from p1 to p2 swept around the z axis.
class Hyperboloid : public Quadric {
public:
    Hyperboloid(const Vec3 &a, const Vec3 &b, double sweep) : p1(a), delta(b - a), thetamax(sweep) {}
    void bounds(Vec3 &lo, Vec3 &hi) const override {
        Vec3 p2 = p1 + delta;
        double r = std::max(std::hypot(p1.x, p1.y), std::hypot(p2.x, p2.y));
        lo = {-r, -r, std::min(p1.z, p2.z)};
        hi = {r, r, std::max(p1.z, p2.z)};
    }

protected:
    // v(t) = a + b t along the line; the point's radius must match the
    // line's radius at that height.
    void coefficients(const Vec3 &o, const Vec3 &d, double c[3]) const override {
        double a = (o.z - p1.z) / delta.z, b = d.z / delta.z;
        double x0 = p1.x + a * delta.x, x1 = b * delta.x;
        double y0 = p1.y + a * delta.y, y1 = b * delta.y;
        c[0] = d.x * d.x + d.y * d.y - x1 * x1 - y1 * y1;
        c[1] = 2 * (o.x * d.x + o.y * d.y - x0 * x1 - y0 * y1);
        c[2] = o.x * o.x + o.y * o.y - x0 * x0 - y0 * y0;
    }
    bool accept(const Vec3 &p) const override {
        double v = (p.z - p1.z) / delta.z;
        if (v < 0 || v > 1) return false;
        if (std::fabs(thetamax) >= 360) return true;
        Vec3 line = p1 + delta * v;
        double start = std::atan2(line.y, line.x);
        double c = std::cos(-start), s = std::sin(-start);
        return inSweep(p.x * c - p.y * s, p.x * s + p.y * c, thetamax);
    }
    Vec3 normal(const Vec3 &p) const override {
        double v = (p.z - p1.z) / delta.z;
        Vec3 line = p1 + delta * v;
        return {p.x, p.y, -(line.x * delta.x + line.y * delta.y) / delta.z};
    }
    void parameters(const Vec3 &p, double &u, double &v) const override {
        v = fraction(p.z, p1.z, p1.z + delta.z);
        Vec3 line = p1 + delta * v;
        double start = std::atan2(line.y, line.x);
        double c = std::cos(-start), s = std::sin(-start);
        u = sweepFraction(p.x * c - p.y * s, p.x * s + p.y * c, thetamax);
    }

private:
    Vec3 p1, delta;
    double thetamax;
};

// A flat ring at height z between two radii (a disk when inner is 0).
class Ring : public Shape {
public:
    Ring(double z, double inner, double outer, double sweep) : height(z), rin(inner), rout(outer), thetamax(sweep) {}
    bool intersect(const Vec3 &o, const Vec3 &d, double tmin, double tmax, Hit &hit) const override {
        if (std::fabs(d.z) < 1e-14) return false;
        double t = (height - o.z) / d.z;
        if (t <= tmin || t >= tmax) return false;
        Vec3 p = o + d * t;
        double r2 = p.x * p.x + p.y * p.y;
        if (r2 > rout * rout || r2 < rin * rin || !inSweep(p.x, p.y, thetamax)) return false;
        hit.t = t;
        hit.normal = {0, 0, 1};
        return true;
    }
    void parameters(const Vec3 &p, double &u, double &v) const override {
        u = sweepFraction(p.x, p.y, thetamax);
        v = fraction(std::hypot(p.x, p.y), rout, rin);  // 0 at the outer edge
    }
    void bounds(Vec3 &lo, Vec3 &hi) const override {
        lo = {-rout, -rout, height};
        hi = {rout, rout, height};
    }

private:
    double height, rin, rout, thetamax;
};

class Torus : public Shape {
public:
    Torus(double major, double minor, double phimin, double phimax, double sweep)
        : big(major), small(std::fabs(minor)), phiStart(phimin), phiSpan(phimax - phimin), thetamax(sweep) {}
    bool intersect(const Vec3 &o, const Vec3 &d, double tmin, double tmax, Hit &hit) const override {
        // Search only where the ray is inside the bounding sphere.
        double reach = std::fabs(big) + small, roots[2];
        if (solveQuadratic(dot(d, d), 2 * dot(o, d), dot(o, o) - reach * reach, roots) < 2) return false;
        double lo = std::max(tmin, roots[0]), hi = std::min(tmax, roots[1]);
        if (lo >= hi) return false;
        const int steps = 64;
        double step = (hi - lo) / steps, t0 = lo, f0 = value(o + d * lo);
        for (int i = 1; i <= steps; ++i) {
            double t1 = lo + step * i, f1 = value(o + d * t1);
            if ((f0 <= 0) != (f1 <= 0)) {
                double a = t0, b = t1, fa = f0;
                for (int k = 0; k < 40; ++k) {
                    double m = 0.5 * (a + b), fm = value(o + d * m);
                    if ((fa <= 0) == (fm <= 0)) {
                        a = m;
                        fa = fm;
                    } else {
                        b = m;
                    }
                }
                double t = 0.5 * (a + b);
                Vec3 p = o + d * t;
                if (accept(p)) {
                    hit.t = t;
                    hit.normal = normal(p);
                    return true;
                }
            }
            t0 = t1;
            f0 = f1;
        }
        return false;
    }
    void parameters(const Vec3 &p, double &u, double &v) const override {
        u = sweepFraction(p.x, p.y, thetamax);
        double phi = std::atan2(p.z, std::hypot(p.x, p.y) - big) * 180 / kPi - phiStart;
        phi = std::fmod(phi, 360.0);
        if (phi < 0) phi += 360;
        v = fraction(phiSpan >= 0 ? phi : 360 - phi, 0, std::fabs(phiSpan));
    }
    void bounds(Vec3 &lo, Vec3 &hi) const override {
        double r = std::fabs(big) + small;
        lo = {-r, -r, -small};
        hi = {r, r, small};
    }

private:
    double value(const Vec3 &p) const {
        double s = dot(p, p) + big * big - small * small;
        return s * s - 4 * big * big * (p.x * p.x + p.y * p.y);
    }
    bool accept(const Vec3 &p) const {
        if (!inSweep(p.x, p.y, thetamax)) return false;
        if (std::fabs(phiSpan) >= 360) return true;
        double phi = std::atan2(p.z, std::hypot(p.x, p.y) - big) * 180 / kPi - phiStart;
        phi = std::fmod(phi, 360.0);
        if (phi < 0) phi += 360;
        return phiSpan >= 0 ? phi <= phiSpan : 360 - phi <= -phiSpan || phi == 0;
    }
    Vec3 normal(const Vec3 &p) const {
        double r = std::hypot(p.x, p.y);
        Vec3 centre = r > 0 ? Vec3(p.x / r * big, p.y / r * big, 0) : Vec3();
        return p - centre;
    }

    double big, small, phiStart, phiSpan, thetamax;
};

// The edges of a polygon in its plane (the axis of largest normal
// component dropped), sorted into horizontal slabs so that a point is tested
// only against the edges whose height range can hold it.
class Polygon : public Shape {
public:
    Polygon(std::vector<std::vector<Vec3>> points, const Vec3 &n) : loops(std::move(points)), planeNormal(n) {
        double ax = std::fabs(n.x), ay = std::fabs(n.y), az = std::fabs(n.z);
        int drop = ax >= ay && ax >= az ? 0 : ay >= az ? 1 : 2;
        u = drop == 0 ? 1 : 0;
        v = drop == 2 ? 1 : 2;
        for (const auto &loop : loops)
            for (size_t i = 0, j = loop.size() - 1; i < loop.size(); j = i++)
                edges.push_back({loop[i][u], loop[i][v], loop[j][u], loop[j][v]});
        vlo = vhi = edges.empty() ? 0 : edges[0].vi;
        for (const Edge &e : edges) vlo = std::min({vlo, e.vi, e.vj}), vhi = std::max({vhi, e.vi, e.vj});
        // A slab for every four edges, fewer when long edges would fill them
        // beyond 32 entries per edge.
        size_t slabs = edges.size() / 4 + 1;
        while (slabs > 1 && !fill(slabs)) slabs /= 2;
        if (slabs <= 1) fill(1);
    }
    bool intersect(const Vec3 &o, const Vec3 &d, double tmin, double tmax, Hit &hit) const override {
        double denom = dot(planeNormal, d);
        if (std::fabs(denom) < 1e-14) return false;
        double t = dot(planeNormal, loops[0][0] - o) / denom;
        if (t <= tmin || t >= tmax) return false;
        Vec3 p = o + d * t;
        double pu = p[u], pv = p[v];
        if (!(pv >= vlo && pv <= vhi)) return false;
        bool inside = false;
        size_t s = slabOf(pv);
        for (uint32_t k = slabStart[s]; k < slabStart[s + 1]; ++k) {
            const Edge &e = edges[slabEdges[k]];
            if ((e.vi > pv) != (e.vj > pv) && pu < (e.uj - e.ui) * (pv - e.vi) / (e.vj - e.vi) + e.ui) inside = !inside;
        }
        if (!inside) return false;
        hit.t = t;
        hit.normal = planeNormal;
        return true;
    }
    void bounds(Vec3 &lo, Vec3 &hi) const override {
        lo = hi = loops[0][0];
        for (const auto &loop : loops)
            for (const Vec3 &p : loop) {
                lo = {std::min(lo.x, p.x), std::min(lo.y, p.y), std::min(lo.z, p.z)};
                hi = {std::max(hi.x, p.x), std::max(hi.y, p.y), std::max(hi.z, p.z)};
            }
    }

private:
    struct Edge {
        double ui, vi, uj, vj;
    };

    size_t slabOf(double value) const {
        size_t slabs = slabStart.size() - 1;
        double f = vhi > vlo ? (value - vlo) / (vhi - vlo) * static_cast<double>(slabs) : 0;
        if (!(f >= 1)) return 0;  // NaN too
        return f >= static_cast<double>(slabs) ? slabs - 1 : static_cast<size_t>(f);
    }
    // Sorts the edges into the slabs; false when they would take more than
    // 32 entries per edge.
    bool fill(size_t slabs) {
        slabStart.assign(slabs + 1, 0);
        size_t entries = 0;
        for (const Edge &e : edges) entries += slabOf(std::max(e.vi, e.vj)) - slabOf(std::min(e.vi, e.vj)) + 1;
        if (slabs > 1 && entries > 32 * edges.size()) return false;
        for (const Edge &e : edges)
            for (size_t s = slabOf(std::min(e.vi, e.vj)); s <= slabOf(std::max(e.vi, e.vj)); ++s) ++slabStart[s + 1];
        for (size_t s = 0; s < slabs; ++s) slabStart[s + 1] += slabStart[s];
        slabEdges.assign(entries, 0);
        std::vector<uint32_t> next(slabStart.begin(), slabStart.end() - 1);
        for (uint32_t k = 0; k < edges.size(); ++k) {
            const Edge &e = edges[k];
            for (size_t s = slabOf(std::min(e.vi, e.vj)); s <= slabOf(std::max(e.vi, e.vj)); ++s)
                slabEdges[next[s]++] = k;
        }
        return true;
    }

    std::vector<std::vector<Vec3>> loops;
    Vec3 planeNormal;
    int u, v;
    std::vector<Edge> edges;
    double vlo = 0, vhi = 0;
    std::vector<uint32_t> slabStart;  // per slab, into slabEdges; one more at the end
    std::vector<uint32_t> slabEdges;
};

// Blobby ellipsoids under add: each contributes (1 - r^2)^3 within its unit
// sphere, and the surface is where the sum is one half. The ray is marched
// through the spans where it is inside some ellipsoid's sphere.
class Blobby : public Shape {
public:
    explicit Blobby(std::vector<Mat4> m) : toBlob(std::move(m)) {
        for (const Mat4 &e : toBlob) {
            Mat4 inverse;
            if (e.inverse(inverse)) fromBlob.push_back(inverse);
        }
    }
    bool intersect(const Vec3 &o, const Vec3 &d, double tmin, double tmax, Hit &hit) const override {
        // Only the ellipsoids whose spheres the ray passes through count
        // along it.
        std::vector<const Mat4 *> near;
        double lo = tmax, hi = tmin;
        for (const Mat4 &m : fromBlob) {
            Vec3 lo3 = m.point(o), ld = m.vector(d);
            double roots[2];
            if (solveQuadratic(dot(ld, ld), 2 * dot(lo3, ld), dot(lo3, lo3) - 1, roots) < 2) continue;
            if (roots[1] <= tmin || roots[0] >= tmax) continue;
            near.push_back(&m);
            lo = std::min(lo, roots[0]);
            hi = std::max(hi, roots[1]);
        }
        lo = std::max(lo, tmin);
        hi = std::min(hi, tmax);
        if (near.empty() || !(lo < hi)) return false;
        auto at = [&](double t) { return field(o + d * t, near) - 0.5; };
        const int steps = 128;
        double step = (hi - lo) / steps, t0 = lo, f0 = at(lo);
        for (int i = 1; i <= steps; ++i) {
            double t1 = lo + step * i, f1 = at(t1);
            if (f0 < 0 && f1 >= 0) {
                double a = t0, b = t1;
                for (int k = 0; k < 40; ++k) {
                    double m = 0.5 * (a + b);
                    (at(m) < 0 ? a : b) = m;
                }
                hit.t = 0.5 * (a + b);
                Vec3 p = o + d * hit.t;
                const double e = 1e-4;
                hit.normal = Vec3(field(p - Vec3(e, 0, 0), near) - field(p + Vec3(e, 0, 0), near),
                                  field(p - Vec3(0, e, 0), near) - field(p + Vec3(0, e, 0), near),
                                  field(p - Vec3(0, 0, e), near) - field(p + Vec3(0, 0, e), near));
                return true;
            }
            t0 = t1;
            f0 = f1;
        }
        return false;
    }
    void bounds(Vec3 &lo, Vec3 &hi) const override {
        lo = {1e300, 1e300, 1e300};
        hi = {-1e300, -1e300, -1e300};
        for (const Mat4 &m : toBlob)
            for (int k = 0; k < 8; ++k) {
                Vec3 p = m.point(Vec3(k & 1 ? 1 : -1, k & 2 ? 1 : -1, k & 4 ? 1 : -1));
                lo = {std::min(lo.x, p.x), std::min(lo.y, p.y), std::min(lo.z, p.z)};
                hi = {std::max(hi.x, p.x), std::max(hi.y, p.y), std::max(hi.z, p.z)};
            }
    }

private:
    static double field(const Vec3 &p, const std::vector<const Mat4 *> &ellipsoids) {
        double sum = 0;
        for (const Mat4 *m : ellipsoids) {
            Vec3 q = m->point(p);
            double r2 = dot(q, q);
            if (r2 < 1) sum += (1 - r2) * (1 - r2) * (1 - r2);
        }
        return sum;
    }

    std::vector<Mat4> toBlob, fromBlob;
};

}  // namespace

std::unique_ptr<Shape> makeBlobby(std::vector<Mat4> ellipsoids) {
    if (ellipsoids.empty()) return nullptr;
    return std::make_unique<Blobby>(std::move(ellipsoids));
}

std::unique_ptr<Shape> makeSphere(double radius, double zmin, double zmax, double thetamax) {
    return std::make_unique<Sphere>(radius, zmin, zmax, thetamax);
}

std::unique_ptr<Shape> makeCylinder(double radius, double zmin, double zmax, double thetamax) {
    return std::make_unique<Cylinder>(radius, zmin, zmax, thetamax);
}

std::unique_ptr<Shape> makeCone(double height, double radius, double thetamax) {
    return std::make_unique<Cone>(height, radius, thetamax);
}

std::unique_ptr<Shape> makeDisk(double height, double radius, double thetamax) {
    return std::make_unique<Ring>(height, 0, std::fabs(radius), thetamax);
}

std::unique_ptr<Shape> makeHyperboloid(const Vec3 &p1, const Vec3 &p2, double thetamax) {
    if (std::fabs(p2.z - p1.z) > 1e-12) return std::make_unique<Hyperboloid>(p1, p2, thetamax);
    // A line at constant height sweeps a flat ring; its inner radius is the
    // line's closest approach to the axis.
    Vec3 a(p1.x, p1.y, 0), b(p2.x, p2.y, 0), ab = b - a;
    double len2 = dot(ab, ab);
    double s = len2 > 0 ? std::clamp(-dot(a, ab) / len2, 0.0, 1.0) : 0;
    double inner = length(a + ab * s), outer = std::max(length(a), length(b));
    return std::make_unique<Ring>(p1.z, inner, outer, thetamax);
}

std::unique_ptr<Shape> makeParaboloid(double rmax, double zmin, double zmax, double thetamax) {
    return std::make_unique<Paraboloid>(rmax, zmin, zmax, thetamax);
}

std::unique_ptr<Shape> makeTorus(double major, double minor, double phimin, double phimax, double thetamax) {
    return std::make_unique<Torus>(major, minor, phimin, phimax, thetamax);
}

std::unique_ptr<Shape> makePolygon(std::vector<std::vector<Vec3>> loops) {
    // Newell's normal of the outer loop.
    if (loops.empty() || loops[0].size() < 3) return nullptr;
    Vec3 n;
    const auto &outer = loops[0];
    for (size_t i = 0; i < outer.size(); ++i) {
        const Vec3 &a = outer[i], &b = outer[(i + 1) % outer.size()];
        n += Vec3((a.y - b.y) * (a.z + b.z), (a.z - b.z) * (a.x + b.x), (a.x - b.x) * (a.y + b.y));
    }
    if (length(n) < 1e-14) return nullptr;
    loops.erase(std::remove_if(loops.begin(), loops.end(), [](const std::vector<Vec3> &l) { return l.size() < 3; }),
                loops.end());
    return std::make_unique<Polygon>(std::move(loops), normalize(n));
}

}  // namespace glimpse
}  // namespace quillet
