// The scene bound: every primitive's points, or the corners of its own box,
// carried into the space where the requests started.
#include "quillet/BoundingContext.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <unordered_map>
#include <vector>

#include "format/GeometryCounts.h"
#include "format/Matrix.h"
#include "quillet/DeclTable.h"

namespace quillet {

namespace {

const char kPosition[] = "P";
const char kHomogeneous[] = "Pw";
const char kHeight[] = "Pz";
const char kWidth[] = "width";
const char kConstantWidth[] = "constantwidth";

struct Box {
    Vec3 low{std::numeric_limits<double>::infinity(), std::numeric_limits<double>::infinity(),
             std::numeric_limits<double>::infinity()};
    Vec3 high{-std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
              -std::numeric_limits<double>::infinity()};

    bool empty() const { return !(low.x <= high.x); }
    void add(const Vec3 &p) {
        if (!(std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z))) return;
        low = {std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z)};
        high = {std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z)};
    }
    // The eight corners of [a, b], through the matrix.
    void addCorners(const Mat4 &m, const Vec3 &a, const Vec3 &b) {
        for (int corner = 0; corner < 8; ++corner)
            add(m.point({corner & 1 ? b.x : a.x, corner & 2 ? b.y : a.y, corner & 4 ? b.z : a.z}));
    }
};

// The floats of the parameter called name (an inline declaration allowed).
const RtFloat *findParameter(RtInt n, RtToken tokens[], RtPointer values[], const char *name) {
    if (!tokens || !values) return nullptr;
    for (RtInt i = 0; i < n; ++i)
        if (tokens[i] && std::strcmp(tokens[i] + inlinePrefixLength(tokens[i]), name) == 0)
            return static_cast<const RtFloat *>(values[i]);
    return nullptr;
}

}  // namespace

struct BoundingContext::State {
    Mat4 ctm;
    std::vector<Mat4> saved;
    std::unordered_map<std::string, Mat4> spaces;
    Box scene;
    // The object being defined: its box in its own space, and the transform
    // it put aside.
    bool inObject = false;
    RtObjectHandle objectHandle = nullptr;
    Box objectBox;
    Mat4 ctmOutsideObject;
    std::unordered_map<RtObjectHandle, Box> objects;
    intptr_t nextHandle = 1;
    int motionDepth = 0;
    bool motionTaken = false;
    RtInt uStep = 3, vStep = 3;

    Box &box() { return inObject ? objectBox : scene; }
    // Inside a motion block only the first request counts.
    bool counts() {
        if (motionDepth == 0) return true;
        if (motionTaken) return false;
        motionTaken = true;
        return true;
    }
    void transform(const Mat4 &m) {
        if (counts()) ctm = ctm * m;
    }
    void quadric(const Vec3 &a, const Vec3 &b) {
        if (counts()) box().addCorners(ctm, a, b);
    }
    // The control points of a primitive with vertices points: "P", "Pw" or
    // "Pz", then pad added on every side.
    void points(RtInt vertices, RtInt n, RtToken tokens[], RtPointer values[], double pad = 0) {
        if (!counts() || vertices <= 0) return;
        Box local;
        if (const RtFloat *p = findParameter(n, tokens, values, kPosition)) {
            for (RtInt i = 0; i < vertices; ++i) local.add({p[3 * i], p[3 * i + 1], p[3 * i + 2]});
        } else if (const RtFloat *pw = findParameter(n, tokens, values, kHomogeneous)) {
            for (RtInt i = 0; i < vertices; ++i) {
                const double w = pw[4 * i + 3] != 0 ? pw[4 * i + 3] : 1;
                local.add({pw[4 * i] / w, pw[4 * i + 1] / w, pw[4 * i + 2] / w});
            }
        } else if (const RtFloat *pz = findParameter(n, tokens, values, kHeight)) {
            for (RtInt i = 0; i < vertices; ++i) local.add({0, 0, pz[i]});
            if (!local.empty()) local.add({1, 1, local.high.z});
        }
        if (local.empty()) return;
        // Each point widened by pad is within the box widened by pad.
        const Vec3 margin{pad, pad, pad};
        box().addCorners(ctm, local.low - margin, local.high + margin);
    }
    void push() { saved.push_back(ctm); }
    void pop() {
        if (saved.empty()) return;
        ctm = saved.back();
        saved.pop_back();
    }
    // Half the largest width of a primitive with widths values of "width",
    // or its "constantwidth".
    static double halfWidth(RtInt widths, RtInt n, RtToken tokens[], RtPointer values[]) {
        double largest = 0;
        if (const RtFloat *w = findParameter(n, tokens, values, kWidth))
            for (RtInt i = 0; i < widths; ++i) largest = std::max(largest, double(w[i]));
        if (const RtFloat *w = findParameter(n, tokens, values, kConstantWidth))
            largest = std::max(largest, double(*w));
        return largest / 2;
    }
};

BoundingContext::BoundingContext(RenderContext *next) : ForwardingContext(next), state(new State) {}

BoundingContext::~BoundingContext() = default;

bool BoundingContext::measured() const {
    return !state->scene.empty();
}

// Rounded outward to floats, so that the box still holds every point.
void BoundingContext::bound(RtBound out) const {
    const Box &b = state->scene;
    const double values[6] = {b.low.x, b.high.x, b.low.y, b.high.y, b.low.z, b.high.z};
    for (int i = 0; i < 6; ++i) {
        RtFloat value = b.empty() ? 0 : static_cast<RtFloat>(values[i]);
        const bool isLow = i % 2 == 0;
        if (!b.empty() && (isLow ? value > values[i] : value < values[i]))
            value = std::nextafter(value, isLow ? -HUGE_VALF : HUGE_VALF);
        out[i] = value;
    }
}

RtVoid BoundingContext::WorldBegin() {
    state->push();
    state->ctm = Mat4();
    ForwardingContext::WorldBegin();
}
RtVoid BoundingContext::WorldEnd() {
    state->pop();
    ForwardingContext::WorldEnd();
}
RtVoid BoundingContext::AttributeBegin() {
    state->push();
    ForwardingContext::AttributeBegin();
}
RtVoid BoundingContext::AttributeEnd() {
    state->pop();
    ForwardingContext::AttributeEnd();
}
RtVoid BoundingContext::TransformBegin() {
    state->push();
    ForwardingContext::TransformBegin();
}
RtVoid BoundingContext::TransformEnd() {
    state->pop();
    ForwardingContext::TransformEnd();
}

// ---- Transforms ----

RtVoid BoundingContext::Identity() {
    if (state->counts()) state->ctm = Mat4();
    ForwardingContext::Identity();
}
RtVoid BoundingContext::ConcatTransform(RtMatrix transform) {
    double values[16];
    for (int i = 0; i < 16; ++i) values[i] = transform[i / 4][i % 4];
    state->transform(Mat4::fromRib(values));
    ForwardingContext::ConcatTransform(transform);
}
RtVoid BoundingContext::Transform(RtMatrix transform) {
    double values[16];
    for (int i = 0; i < 16; ++i) values[i] = transform[i / 4][i % 4];
    if (state->counts()) state->ctm = Mat4::fromRib(values);
    ForwardingContext::Transform(transform);
}
RtVoid BoundingContext::Translate(RtFloat dx, RtFloat dy, RtFloat dz) {
    state->transform(Mat4::translate(dx, dy, dz));
    ForwardingContext::Translate(dx, dy, dz);
}
RtVoid BoundingContext::Rotate(RtFloat angle, RtFloat dx, RtFloat dy, RtFloat dz) {
    state->transform(Mat4::rotate(angle, {dx, dy, dz}));
    ForwardingContext::Rotate(angle, dx, dy, dz);
}
RtVoid BoundingContext::Scale(RtFloat sx, RtFloat sy, RtFloat sz) {
    state->transform(Mat4::scale(sx, sy, sz));
    ForwardingContext::Scale(sx, sy, sz);
}
RtVoid BoundingContext::Skew(RtFloat angle, RtFloat dx1, RtFloat dy1, RtFloat dz1, RtFloat dx2, RtFloat dy2,
                             RtFloat dz2) {
    state->transform(Mat4::skew(angle, {dx1, dy1, dz1}, {dx2, dy2, dz2}));
    ForwardingContext::Skew(angle, dx1, dy1, dz1, dx2, dy2, dz2);
}
RtVoid BoundingContext::CoordinateSystem(RtToken space) {
    if (space) state->spaces[space] = state->ctm;
    ForwardingContext::CoordinateSystem(space);
}
RtVoid BoundingContext::CoordSysTransform(RtToken space) {
    auto found = space ? state->spaces.find(space) : state->spaces.end();
    if (found != state->spaces.end() && state->counts()) state->ctm = found->second;
    ForwardingContext::CoordSysTransform(space);
}
RtVoid BoundingContext::MotionBeginV(RtInt n, RtFloat times[]) {
    if (state->motionDepth++ == 0) state->motionTaken = false;
    ForwardingContext::MotionBeginV(n, times);
}
RtVoid BoundingContext::MotionEnd() {
    if (state->motionDepth > 0) --state->motionDepth;
    ForwardingContext::MotionEnd();
}
RtVoid BoundingContext::Basis(RtBasis ubasis, RtInt ustep, RtBasis vbasis, RtInt vstep) {
    state->uStep = ustep;
    state->vStep = vstep;
    ForwardingContext::Basis(ubasis, ustep, vbasis, vstep);
}

// ---- Quadrics: the box of the whole sweep ----

RtVoid BoundingContext::ConeV(RtFloat height, RtFloat radius, RtFloat thetamax, RtInt n, RtToken tokens[],
                              RtPointer values[]) {
    state->quadric({-radius, -radius, std::min(0.f, height)}, {radius, radius, std::max(0.f, height)});
    ForwardingContext::ConeV(height, radius, thetamax, n, tokens, values);
}
RtVoid BoundingContext::CylinderV(RtFloat radius, RtFloat zmin, RtFloat zmax, RtFloat thetamax, RtInt n,
                                  RtToken tokens[], RtPointer values[]) {
    state->quadric({-radius, -radius, std::min(zmin, zmax)}, {radius, radius, std::max(zmin, zmax)});
    ForwardingContext::CylinderV(radius, zmin, zmax, thetamax, n, tokens, values);
}
RtVoid BoundingContext::DiskV(RtFloat height, RtFloat radius, RtFloat thetamax, RtInt n, RtToken tokens[],
                              RtPointer values[]) {
    state->quadric({-radius, -radius, height}, {radius, radius, height});
    ForwardingContext::DiskV(height, radius, thetamax, n, tokens, values);
}
RtVoid BoundingContext::HyperboloidV(RtPoint point1, RtPoint point2, RtFloat thetamax, RtInt n, RtToken tokens[],
                                     RtPointer values[]) {
    const double r = std::max(std::hypot(point1[0], point1[1]), std::hypot(point2[0], point2[1]));
    state->quadric({-r, -r, std::min(point1[2], point2[2])}, {r, r, std::max(point1[2], point2[2])});
    ForwardingContext::HyperboloidV(point1, point2, thetamax, n, tokens, values);
}
RtVoid BoundingContext::ParaboloidV(RtFloat rmax, RtFloat zmin, RtFloat zmax, RtFloat thetamax, RtInt n,
                                    RtToken tokens[], RtPointer values[]) {
    state->quadric({-rmax, -rmax, std::min(zmin, zmax)}, {rmax, rmax, std::max(zmin, zmax)});
    ForwardingContext::ParaboloidV(rmax, zmin, zmax, thetamax, n, tokens, values);
}
RtVoid BoundingContext::SphereV(RtFloat radius, RtFloat zmin, RtFloat zmax, RtFloat thetamax, RtInt n, RtToken tokens[],
                                RtPointer values[]) {
    const double r = std::fabs(radius);
    const double low = std::max(-r, double(std::min(zmin, zmax))), high = std::min(r, double(std::max(zmin, zmax)));
    state->quadric({-r, -r, low}, {r, r, high});
    ForwardingContext::SphereV(radius, zmin, zmax, thetamax, n, tokens, values);
}
RtVoid BoundingContext::TorusV(RtFloat majorradius, RtFloat minorradius, RtFloat phimin, RtFloat phimax,
                               RtFloat thetamax, RtInt n, RtToken tokens[], RtPointer values[]) {
    const double r = std::fabs(minorradius), outer = std::fabs(majorradius) + r;
    state->quadric({-outer, -outer, -r}, {outer, outer, r});
    ForwardingContext::TorusV(majorradius, minorradius, phimin, phimax, thetamax, n, tokens, values);
}

// ---- Primitives with control points ----

RtVoid BoundingContext::PolygonV(RtInt nvertices, RtInt n, RtToken tokens[], RtPointer values[]) {
    state->points(polygonCounts(nvertices).vertex, n, tokens, values);
    ForwardingContext::PolygonV(nvertices, n, tokens, values);
}
RtVoid BoundingContext::GeneralPolygonV(RtInt nloops, RtInt nvertices[], RtInt n, RtToken tokens[],
                                        RtPointer values[]) {
    state->points(generalPolygonCounts(nloops, nvertices).vertex, n, tokens, values);
    ForwardingContext::GeneralPolygonV(nloops, nvertices, n, tokens, values);
}
RtVoid BoundingContext::PointsPolygonsV(RtInt npolys, RtInt nvertices[], RtInt vertices[], RtInt n, RtToken tokens[],
                                        RtPointer values[]) {
    state->points(pointsPolygonsShape(npolys, nvertices, vertices).counts.vertex, n, tokens, values);
    ForwardingContext::PointsPolygonsV(npolys, nvertices, vertices, n, tokens, values);
}
RtVoid BoundingContext::PointsGeneralPolygonsV(RtInt npolys, RtInt nloops[], RtInt nvertices[], RtInt vertices[],
                                               RtInt n, RtToken tokens[], RtPointer values[]) {
    state->points(pointsGeneralPolygonsShape(npolys, nloops, nvertices, vertices).counts.vertex, n, tokens, values);
    ForwardingContext::PointsGeneralPolygonsV(npolys, nloops, nvertices, vertices, n, tokens, values);
}
RtVoid BoundingContext::PatchV(RtToken type, RtInt n, RtToken tokens[], RtPointer values[]) {
    const SteppedCounts counts = patchCounts(type);
    if (counts.status == CountStatus::ok) state->points(counts.counts.vertex, n, tokens, values);
    ForwardingContext::PatchV(type, n, tokens, values);
}
RtVoid BoundingContext::PatchMeshV(RtToken type, RtInt nu, RtToken uwrap, RtInt nv, RtToken vwrap, RtInt n,
                                   RtToken tokens[], RtPointer values[]) {
    const SteppedCounts counts = patchMeshCounts(type, nu, uwrap, nv, vwrap, state->uStep, state->vStep);
    if (counts.status == CountStatus::ok) state->points(counts.counts.vertex, n, tokens, values);
    ForwardingContext::PatchMeshV(type, nu, uwrap, nv, vwrap, n, tokens, values);
}
RtVoid BoundingContext::NuPatchV(RtInt nu, RtInt uorder, RtFloat uknot[], RtFloat umin, RtFloat umax, RtInt nv,
                                 RtInt vorder, RtFloat vknot[], RtFloat vmin, RtFloat vmax, RtInt n, RtToken tokens[],
                                 RtPointer values[]) {
    state->points(nuPatchCounts(nu, uorder, nv, vorder).vertex, n, tokens, values);
    ForwardingContext::NuPatchV(nu, uorder, uknot, umin, umax, nv, vorder, vknot, vmin, vmax, n, tokens, values);
}
RtVoid BoundingContext::CurvesV(RtToken type, RtInt ncurves, RtInt nvertices[], RtToken wrap, RtInt n, RtToken tokens[],
                                RtPointer values[]) {
    const SteppedCounts counts = curvesCounts(type, ncurves, nvertices, wrap, state->vStep);
    if (counts.status == CountStatus::ok)
        state->points(counts.counts.vertex, n, tokens, values,
                      State::halfWidth(counts.counts.varying, n, tokens, values));
    ForwardingContext::CurvesV(type, ncurves, nvertices, wrap, n, tokens, values);
}
RtVoid BoundingContext::PointsV(RtInt npoints, RtInt n, RtToken tokens[], RtPointer values[]) {
    const ClassCounts counts = pointsCounts(npoints);
    state->points(counts.vertex, n, tokens, values, State::halfWidth(counts.varying, n, tokens, values));
    ForwardingContext::PointsV(npoints, n, tokens, values);
}
RtVoid BoundingContext::SubdivisionMeshV(RtToken scheme, RtInt nfaces, RtInt nvertices[], RtInt vertices[], RtInt ntags,
                                         RtToken tags[], RtInt nargs[], RtInt intargs[], RtFloat floatargs[], RtInt n,
                                         RtToken tokens[], RtPointer values[]) {
    state->points(subdivisionMeshShape(nfaces, nvertices, vertices).counts.vertex, n, tokens, values);
    ForwardingContext::SubdivisionMeshV(scheme, nfaces, nvertices, vertices, ntags, tags, nargs, intargs, floatargs, n,
                                        tokens, values);
}
RtVoid BoundingContext::Procedural(RtPointer data, RtBound bound, RtProcSubdivFunc subdivfunc,
                                   RtProcFreeFunc freefunc) {
    if (bound) state->quadric({bound[0], bound[2], bound[4]}, {bound[1], bound[3], bound[5]});
    ForwardingContext::Procedural(data, bound, subdivfunc, freefunc);
}

// ---- Retained objects: a box in the object's space, placed by each instance ----

RtObjectHandle BoundingContext::ObjectBegin() {
    RtObjectHandle handle = ForwardingContext::ObjectBegin();
    if (!handle) handle = reinterpret_cast<RtObjectHandle>(state->nextHandle++);
    state->inObject = true;
    state->objectHandle = handle;
    state->objectBox = Box();
    state->ctmOutsideObject = state->ctm;
    state->ctm = Mat4();
    return handle;
}
RtVoid BoundingContext::ObjectEnd() {
    if (state->inObject) {
        state->objects[state->objectHandle] = state->objectBox;
        state->ctm = state->ctmOutsideObject;
        state->inObject = false;
    }
    ForwardingContext::ObjectEnd();
}
RtVoid BoundingContext::ObjectInstance(RtObjectHandle handle) {
    auto found = state->objects.find(handle);
    if (found != state->objects.end() && !found->second.empty() && state->counts())
        state->box().addCorners(state->ctm, found->second.low, found->second.high);
    ForwardingContext::ObjectInstance(handle);
}

}  // namespace quillet
