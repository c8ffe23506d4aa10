// The previewer's geometric requests: each becomes meshes, discs or
// analytic shapes in the current object space, within the stream's caps.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "tools/glimpse/PreviewContext.h"
#include "format/FormatString.h"
#include "format/GeometryCounts.h"

namespace quillet {
namespace glimpse {

namespace {

const char kOutsideWorld[] = "%s: geometry outside the world block";
const char kOverLimit[] = "the stream exceeds the previewer's limit of %zu %s: the rest of its geometry is not drawn";
const char kNoPositions[] = "%s: no \"P\" or \"Pw\" parameter";
const char kBadIndex[] = "%s: vertex index %ld has no point";
const char kNotDrawn[] = "%s: %s: not drawn";
const char kIgnoredTags[] = "SubdivisionMesh: tags not drawn: %s";
const char kBlobbyParts[] = "Blobby: only ellipsoids under add are drawn";

const int kMostPatchSegments = 16;
const int kMostCurveSegments = 16;
const int kMostSubdivisionLevels = 5;
const size_t kMostSubdivisionFaces = 2000000;
const size_t kMostBlobbyLeaves = 256;

size_t count(RtInt n) {
    return n > 0 ? static_cast<size_t>(n) : 0;
}

}  // namespace

bool PreviewContext::motionSample() {
    if (motionDepth == 0) return true;
    return motionPosition++ == motionChosen;
}

bool PreviewContext::canDraw(const char *request) {
    if (!motionSample()) return false;
    if (!inWorld && !recording) {
        report(formatString(kOutsideWorld, request));
        return false;
    }
    return !overLimit;
}

bool PreviewContext::spend(size_t primitives, size_t work) {
    if (overLimit) return false;
    primitivesUsed += primitives;
    workUsed += work;
    if (primitivesUsed <= limits.primitives && workUsed <= limits.work) return true;
    overLimit = true;
    report(primitivesUsed > limits.primitives ? formatString(kOverLimit, limits.primitives, "primitives")
                                              : formatString(kOverLimit, limits.work, "units of work"));
    return false;
}

bool PreviewContext::spendInstance() {
    if (overLimit) return false;
    if (++instancesUsed <= limits.instances) return true;
    overLimit = true;
    report(formatString(kOverLimit, limits.instances, "instanced parts"));
    return false;
}

std::shared_ptr<const Material> PreviewContext::materialFor(const ParamLookup &params) const {
    FloatParam cs = params.find("Cs", 3), os = params.find("Os", 3);
    bool constantCs = cs && (cs.storage == ParamClass::Constant || cs.storage == ParamClass::None);
    bool constantOs = os && (os.storage == ParamClass::Constant || os.storage == ParamClass::None);
    if (!constantCs && !constantOs) return state.material;
    auto m = std::make_shared<Material>(*state.material);
    if (constantCs) m->color = cs.vec3(0);
    if (constantOs) m->opacity = os.vec3(0);
    return m;
}

void PreviewContext::place(SceneObject object, bool ownMaterial) {
    if (recording) {
        recording->push_back(ObjectPart{std::move(object), ownMaterial});
        return;
    }
    object.lights = state.lights;
    frame.objects.push_back(std::move(object));
}

void PreviewContext::addMesh(MeshData mesh, std::shared_ptr<const Material> material) {
    if (mesh.triangles.empty() || !spend(mesh.triangleCount(), mesh.vertexCount())) return;
    Mat4 inverse;
    if (!state.ctm.inverse(inverse)) return;  // flattened to nothing
    for (size_t k = 0; k < mesh.P.size(); k += 3) {
        Vec3 p = state.ctm.point({mesh.P[k], mesh.P[k + 1], mesh.P[k + 2]});
        mesh.P[k] = static_cast<float>(p.x), mesh.P[k + 1] = static_cast<float>(p.y),
        mesh.P[k + 2] = static_cast<float>(p.z);
    }
    for (size_t k = 0; k + 2 < mesh.N.size(); k += 3) {
        Vec3 n = inverse.transposedVector({mesh.N[k], mesh.N[k + 1], mesh.N[k + 2]});
        mesh.N[k] = static_cast<float>(n.x), mesh.N[k + 1] = static_cast<float>(n.y),
        mesh.N[k + 2] = static_cast<float>(n.z);
    }
    mesh.finish(threads);
    if (mesh.bvh.empty()) return;
    SceneObject object;
    object.bounds = mesh.bvh.bounds();
    object.mesh = std::make_shared<MeshData>(std::move(mesh));
    object.material = std::move(material);
    place(std::move(object), state.materialInObject);
}

void PreviewContext::addShape(std::unique_ptr<Shape> shape, std::shared_ptr<const Material> material) {
    if (!shape || !spend(1, 1)) return;
    SceneObject object;
    object.toCamera = state.ctm;
    if (!state.ctm.inverse(object.fromCamera)) return;
    object.moved = true;
    Vec3 lo, hi;
    shape->bounds(lo, hi);
    Box box;
    box.grow(lo);
    box.grow(hi);
    object.bounds = box.transformed(state.ctm);
    object.shape = std::move(shape);
    object.material = std::move(material);
    place(std::move(object), state.materialInObject);
}

Viewer PreviewContext::viewer() const {
    Mat4 inverse;
    if (!state.ctm.inverse(inverse)) return {false, {0, 0, -1}};
    if (!recording && options.perspective) return {true, inverse.point(Vec3())};
    return {false, normalize(inverse.vector({0, 0, -1}))};
}

int PreviewContext::segmentsFor(const FloatParam &P, size_t npoints, size_t pieces, int fewest, int most) const {
    if (recording || npoints == 0) return std::max(fewest, most / 2);
    double window[4];
    frame.camera.window(window);
    double tanHalf = std::tan(radians(std::clamp(frame.camera.fov, 1e-3, 179.999)) / 2);
    double lo[2] = {1e300, 1e300}, hi[2] = {-1e300, -1e300};
    size_t stride = std::max<size_t>(1, npoints / 4096);
    for (size_t i = 0; i < npoints; i += stride) {
        Vec3 p = state.ctm.point(P.point(i));
        if (frame.camera.perspective) {
            if (!(p.z > frame.camera.nearPlane)) return most;
            p = Vec3(p.x / (p.z * tanHalf), p.y / (p.z * tanHalf), 0);
        }
        lo[0] = std::min(lo[0], p.x), lo[1] = std::min(lo[1], p.y);
        hi[0] = std::max(hi[0], p.x), hi[1] = std::max(hi[1], p.y);
    }
    double perUnit = frame.camera.width / std::fabs(window[1] - window[0]);
    double pixels = std::max(hi[0] - lo[0], hi[1] - lo[1]) * perUnit / std::sqrt(double(std::max<size_t>(pieces, 1)));
    if (!(pixels < 1e9)) return most;
    return std::clamp(static_cast<int>(std::ceil(pixels / 6)), fewest, most);
}

namespace {

// How a colour of each storage class lies on a polygon mesh: constant ones
// are the material's.
ColorChannel::Binding polygonBinding(ParamClass storage) {
    switch (storage) {
    case ParamClass::Vertex:
    case ParamClass::Varying: return ColorChannel::Binding::Vertex;
    case ParamClass::Uniform: return ColorChannel::Binding::Triangle;
    case ParamClass::FaceVarying:
    case ParamClass::FaceVertex: return ColorChannel::Binding::Corner;
    default: return ColorChannel::Binding::None;
    }
}

void appendColor(const FloatParam &p, size_t element, std::vector<float> &out) {
    const RtFloat *v = p.values + element * 3;
    out.insert(out.end(), v, v + 3);
}

// The material of a polygon drawn as one analytic shape: its colours given
// per vertex or per corner are averaged over its outer loop.
std::shared_ptr<const Material> flatMaterial(const std::shared_ptr<const Material> &material,
                                             const FloatParam *const given[2], size_t polygon, size_t firstCorner,
                                             const std::vector<uint32_t> &outer) {
    Vec3 mean[2];
    bool any = false;
    for (int c = 0; c < 2; ++c) {
        const ColorChannel::Binding binding =
            *given[c] ? polygonBinding(given[c]->storage) : ColorChannel::Binding::None;
        if (binding == ColorChannel::Binding::None || outer.empty()) continue;
        any = true;
        if (binding == ColorChannel::Binding::Triangle) {
            mean[c] = given[c]->vec3(polygon);
            continue;
        }
        for (size_t k = 0; k < outer.size(); ++k)
            mean[c] += given[c]->vec3(binding == ColorChannel::Binding::Vertex ? outer[k] : firstCorner + k);
        mean[c] = mean[c] * (1.0 / double(outer.size()));
    }
    if (!any) return material;
    auto flat = std::make_shared<Material>(*material);
    if (*given[0] && polygonBinding(given[0]->storage) != ColorChannel::Binding::None) flat->color = mean[0];
    if (*given[1] && polygonBinding(given[1]->storage) != ColorChannel::Binding::None) flat->opacity = mean[1];
    return flat;
}

}  // namespace

SurfaceParams PreviewContext::surfaceParams(const char *request, const ParamLookup &params) {
    SurfaceParams s;
    s.P = params.find(RI_P, 3);
    if (!s.P) s.P = params.find(RI_PW, 4);
    if (!s.P) report(formatString(kNoPositions, request));
    s.cs = params.find(RI_CS, 3);
    s.os = params.find(RI_OS, 3);
    return s;
}

// ---- Quadrics ----

void PreviewContext::quadric(const char *request, std::unique_ptr<Shape> shape, const ParamLookup &params) {
    if (!canDraw(request)) return;
    size_t before = frame.objects.size() + (recording ? recording->size() : 0);
    addShape(std::move(shape), materialFor(params));
    drawn(request);
    if (frame.objects.size() + (recording ? recording->size() : 0) == before) return;
    SceneObject &object = recording ? recording->back().object : frame.objects.back();
    // Uniform values are one per quadric; varying and vertex ones sit on its
    // four parametric corners.
    for (auto channel : {std::make_pair(RI_CS, &object.cornerCs), std::make_pair(RI_OS, &object.cornerOs)}) {
        FloatParam p = params.find(channel.first, 3);
        if (!p || p.storage == ParamClass::Constant || p.storage == ParamClass::None) continue;
        auto corners = std::make_shared<std::vector<Vec3>>();
        for (size_t k = 0; k < 4; ++k) corners->push_back(p.vec3(p.storage == ParamClass::Uniform ? 0 : k));
        *channel.second = std::move(corners);
    }
}

RtVoid PreviewContext::SphereV(RtFloat radius, RtFloat zmin, RtFloat zmax, RtFloat thetamax, RtInt n, RtToken tokens[],
                               RtPointer values[]) {
    quadric("Sphere", makeSphere(radius, zmin, zmax, thetamax), ParamLookup(n, tokens, values));
}
RtVoid PreviewContext::ConeV(RtFloat height, RtFloat radius, RtFloat thetamax, RtInt n, RtToken tokens[],
                             RtPointer values[]) {
    quadric("Cone", makeCone(height, radius, thetamax), ParamLookup(n, tokens, values));
}
RtVoid PreviewContext::CylinderV(RtFloat radius, RtFloat zmin, RtFloat zmax, RtFloat thetamax, RtInt n,
                                 RtToken tokens[], RtPointer values[]) {
    quadric("Cylinder", makeCylinder(radius, zmin, zmax, thetamax), ParamLookup(n, tokens, values));
}
RtVoid PreviewContext::DiskV(RtFloat height, RtFloat radius, RtFloat thetamax, RtInt n, RtToken tokens[],
                             RtPointer values[]) {
    quadric("Disk", makeDisk(height, radius, thetamax), ParamLookup(n, tokens, values));
}
RtVoid PreviewContext::HyperboloidV(RtPoint point1, RtPoint point2, RtFloat thetamax, RtInt n, RtToken tokens[],
                                    RtPointer values[]) {
    Vec3 a = point1 ? Vec3(point1[0], point1[1], point1[2]) : Vec3();
    Vec3 b = point2 ? Vec3(point2[0], point2[1], point2[2]) : Vec3();
    quadric("Hyperboloid", makeHyperboloid(a, b, thetamax), ParamLookup(n, tokens, values));
}
RtVoid PreviewContext::ParaboloidV(RtFloat rmax, RtFloat zmin, RtFloat zmax, RtFloat thetamax, RtInt n,
                                   RtToken tokens[], RtPointer values[]) {
    quadric("Paraboloid", makeParaboloid(rmax, zmin, zmax, thetamax), ParamLookup(n, tokens, values));
}
RtVoid PreviewContext::TorusV(RtFloat majorradius, RtFloat minorradius, RtFloat phimin, RtFloat phimax,
                              RtFloat thetamax, RtInt n, RtToken tokens[], RtPointer values[]) {
    quadric("Torus", makeTorus(majorradius, minorradius, phimin, phimax, thetamax), ParamLookup(n, tokens, values));
}

// ---- Polygons ----

void PreviewContext::polygons(const char *request, RtInt npolys, const RtInt nloops[], const RtInt nvertices[],
                              const RtInt vertices[], size_t npoints, const ParamLookup &params) {
    if (!canDraw(request)) return;
    SurfaceParams s = surfaceParams(request, params);
    if (!s.P) return;
    size_t corners = 0;
    for (RtInt p = 0, loop = 0; p < npolys; ++p)
        for (RtInt l = 0; l < (nloops ? nloops[p] : 1); ++l, ++loop) corners += count(nvertices[loop]);
    if (!spend(0, npoints + corners)) return;
    if (vertices)
        for (size_t k = 0; k < corners; ++k)
            if (vertices[k] < 0 || static_cast<size_t>(vertices[k]) >= npoints)
                return report(formatString(kBadIndex, request, static_cast<long>(vertices[k])));

    MeshData mesh;
    mesh.P.reserve(npoints * 3);
    mesh.triangles.reserve(corners > size_t(npolys) * 2 ? (corners - size_t(npolys) * 2) * 3 : 0);
    for (size_t i = 0; i < npoints; ++i) {
        mesh.addVertex(s.P.point(i));
    }
    FloatParam normals = params.find(RI_N, 3);
    if (normals && (normals.storage == ParamClass::Vertex || normals.storage == ParamClass::Varying))
        mesh.N.assign(normals.values, normals.values + npoints * 3);
    ColorChannel *channels[2] = {&mesh.cs, &mesh.os};
    const FloatParam *given[2] = {&s.cs, &s.os};
    for (int c = 0; c < 2; ++c) {
        channels[c]->binding = *given[c] ? polygonBinding(given[c]->storage) : ColorChannel::Binding::None;
        if (channels[c]->binding == ColorChannel::Binding::Vertex)
            channels[c]->values.assign(given[c]->values, given[c]->values + npoints * 3);
    }
    std::shared_ptr<const Material> material = materialFor(params);
    size_t next = 0;
    std::vector<std::vector<Vec3>> loops;  // reused from polygon to polygon
    std::vector<uint32_t> outer, positions;
    for (RtInt p = 0, loop = 0; p < npolys; ++p) {
        const RtInt nloop = nloops ? nloops[p] : 1;
        loops.resize(static_cast<size_t>(std::max(nloop, 0)));
        outer.clear();
        const size_t firstCorner = next;
        for (RtInt l = 0; l < nloop; ++l, ++loop) {
            std::vector<Vec3> &ring = loops[size_t(l)];
            ring.clear();
            for (RtInt v = 0; v < nvertices[loop]; ++v, ++next) {
                uint32_t index = static_cast<uint32_t>(vertices ? static_cast<size_t>(vertices[next]) : next);
                if (l == 0) outer.push_back(index);
                ring.push_back(
                    Vec3(mesh.P[size_t(index) * 3], mesh.P[size_t(index) * 3 + 1], mesh.P[size_t(index) * 3 + 2]));
            }
        }
        size_t before = mesh.triangleCount();
        bool meshed = loops.empty();
        // Triangles over positions in the outer loop, then made vertex
        // indices; the positions pick the corners' own colours.
        positions.resize(outer.size());
        for (size_t k = 0; k < positions.size(); ++k) positions[k] = static_cast<uint32_t>(k);
        if (loops.size() == 1 && outer.size() == 3)
            mesh.addTriangle(0, 1, 2), meshed = true;
        else if (loops.size() == 1)
            meshed = triangulateLoop(loops[0], positions, mesh);
        if (!meshed) {
            // Holes, or a loop that cannot be clipped: an analytic shape in
            // the polygon's mean colour.
            addShape(makePolygon(loops), flatMaterial(material, given, size_t(p), firstCorner, outer));
            continue;
        }
        for (size_t i = before * 3; i < mesh.triangles.size(); ++i) {
            const size_t position = mesh.triangles[i];
            for (int c = 0; c < 2; ++c) {
                if (channels[c]->binding == ColorChannel::Binding::Corner)
                    appendColor(*given[c], firstCorner + position, channels[c]->values);
                else if (channels[c]->binding == ColorChannel::Binding::Triangle && i % 3 == 0)
                    appendColor(*given[c], size_t(p), channels[c]->values);
            }
            mesh.triangles[i] = outer[position];
        }
    }
    addMesh(std::move(mesh), material);
    drawn(request);
}

RtVoid PreviewContext::PolygonV(RtInt nvertices, RtInt n, RtToken tokens[], RtPointer values[]) {
    polygons("Polygon", 1, nullptr, &nvertices, nullptr, count(polygonCounts(nvertices).vertex),
             ParamLookup(n, tokens, values));
}

RtVoid PreviewContext::GeneralPolygonV(RtInt nloops, RtInt nvertices[], RtInt n, RtToken tokens[], RtPointer values[]) {
    polygons("GeneralPolygon", 1, &nloops, nvertices, nullptr, count(generalPolygonCounts(nloops, nvertices).vertex),
             ParamLookup(n, tokens, values));
}

RtVoid PreviewContext::PointsPolygonsV(RtInt npolys, RtInt nvertices[], RtInt vertices[], RtInt n, RtToken tokens[],
                                       RtPointer values[]) {
    polygons("PointsPolygons", npolys, nullptr, nvertices, vertices,
             count(pointsPolygonsShape(npolys, nvertices, vertices).counts.vertex), ParamLookup(n, tokens, values));
}

RtVoid PreviewContext::PointsGeneralPolygonsV(RtInt npolys, RtInt nloops[], RtInt nvertices[], RtInt vertices[],
                                              RtInt n, RtToken tokens[], RtPointer values[]) {
    polygons("PointsGeneralPolygons", npolys, nloops, nvertices, vertices,
             count(pointsGeneralPolygonsShape(npolys, nloops, nvertices, vertices).counts.vertex),
             ParamLookup(n, tokens, values));
}

// ---- Patches ----

void PreviewContext::patchMesh(const char *request, const PatchMeshShape &shape, const ParamLookup &params) {
    if (!canDraw(request)) return;
    SurfaceParams s = surfaceParams(request, params);
    if (!s.P) return;
    CubicBasis basis{state.ubasis, state.vbasis, state.ustep, state.vstep};
    int pu, pv;
    if (!patchCounts(shape, basis, pu, pv)) return report(formatString(kNotDrawn, request, "no whole patch"));
    size_t points = size_t(shape.nu) * size_t(shape.nv);
    int segments = segmentsFor(s.P, points, size_t(pu) * size_t(pv), shape.bicubic ? 2 : 1, kMostPatchSegments);
    if (!spend(0, points)) return;
    addMesh(tessellatePatchMesh(shape, basis, s, segments), materialFor(params));
    drawn(request);
}

RtVoid PreviewContext::PatchV(RtToken type, RtInt n, RtToken tokens[], RtPointer values[]) {
    bool bicubic = isToken(type, RI_BICUBIC);
    if (!bicubic && !isToken(type, RI_BILINEAR)) {
        skip("Patch");  // a type that the parser has reported already
        return;
    }
    int side = bicubic ? 4 : 2;
    patchMesh("Patch", PatchMeshShape{bicubic, side, side, false, false}, ParamLookup(n, tokens, values));
}

RtVoid PreviewContext::PatchMeshV(RtToken type, RtInt nu, RtToken uwrap, RtInt nv, RtToken vwrap, RtInt n,
                                  RtToken tokens[], RtPointer values[]) {
    bool bicubic = isToken(type, RI_BICUBIC);
    if (!bicubic && !isToken(type, RI_BILINEAR)) {
        skip("PatchMesh");
        return;
    }
    patchMesh("PatchMesh", PatchMeshShape{bicubic, nu, nv, isToken(uwrap, RI_PERIODIC), isToken(vwrap, RI_PERIODIC)},
              ParamLookup(n, tokens, values));
}

RtVoid PreviewContext::NuPatchV(RtInt nu, RtInt uorder, RtFloat uknot[], RtFloat umin, RtFloat umax, RtInt nv,
                                RtInt vorder, RtFloat vknot[], RtFloat vmin, RtFloat vmax, RtInt n, RtToken tokens[],
                                RtPointer values[]) {
    if (!canDraw("NuPatch")) return;
    ParamLookup params(n, tokens, values);
    SurfaceParams s = surfaceParams("NuPatch", params);
    if (!s.P) return;
    NuPatchShape shape{nu, uorder, uknot, umin, umax, nv, vorder, vknot, vmin, vmax};
    std::string problem = nuPatchProblem(shape);
    if (!problem.empty()) return report(formatString(kNotDrawn, "NuPatch", problem.c_str()));
    size_t points = size_t(nu) * size_t(nv), spans = size_t(nu - uorder + 1) * size_t(nv - vorder + 1);
    int segments = segmentsFor(s.P, points, spans, uorder > 2 || vorder > 2 ? 2 : 1, kMostPatchSegments);
    if (!spend(0, points * size_t(uorder) * size_t(vorder))) return;
    addMesh(tessellateNuPatch(shape, s, segments), materialFor(params));
    drawn("NuPatch");
}

RtVoid PreviewContext::TrimCurve(RtInt, RtInt[], RtInt[], RtFloat[], RtFloat[], RtFloat[], RtInt[], RtFloat[],
                                 RtFloat[], RtFloat[]) {
    skip("TrimCurve");
}

// ---- Subdivision meshes ----

RtVoid PreviewContext::SubdivisionMeshV(RtToken scheme, RtInt nfaces, RtInt nvertices[], RtInt vertices[], RtInt ntags,
                                        RtToken tags[], RtInt nargs[], RtInt intargs[], RtFloat floatargs[], RtInt n,
                                        RtToken tokens[], RtPointer values[]) {
    if (!isToken(scheme, "catmull-clark")) {
        skip("SubdivisionMesh");
        return;
    }
    if (!canDraw("SubdivisionMesh")) return;
    ParamLookup params(n, tokens, values);
    SurfaceParams s = surfaceParams("SubdivisionMesh", params);
    if (!s.P) return;
    size_t npoints = count(subdivisionMeshShape(nfaces, nvertices, vertices).counts.vertex);
    SubdivisionShape shape{nfaces, nvertices, vertices, std::max(ntags, 0), tags, nargs, intargs, floatargs, npoints};
    std::string problem = subdivisionProblem(shape);
    if (!problem.empty()) return report(formatString(kNotDrawn, "SubdivisionMesh", problem.c_str()));
    size_t faces = count(nfaces);
    int pixelsPerFace = segmentsFor(s.P, npoints, faces, 1, 1 << kMostSubdivisionLevels);
    int levels = 1;
    while (levels < kMostSubdivisionLevels && (1 << levels) < pixelsPerFace &&
           (faces << (2 * (levels + 1))) <= kMostSubdivisionFaces)
        ++levels;
    if (levels < 2 && (faces << 4) <= kMostSubdivisionFaces) levels = 2;
    if (!spend(0, (faces << (2 * levels)) + npoints)) return;
    std::string ignored;
    MeshData mesh = tessellateSubdivision(shape, s, levels, ignored);
    if (!ignored.empty()) report(formatString(kIgnoredTags, quoted(ignored).c_str()));
    addMesh(std::move(mesh), materialFor(params));
    drawn("SubdivisionMesh");
}

// ---- Curves and points ----

RtVoid PreviewContext::CurvesV(RtToken type, RtInt ncurves, RtInt nvertices[], RtToken wrap, RtInt n, RtToken tokens[],
                               RtPointer values[]) {
    if (!canDraw("Curves")) return;
    ParamLookup params(n, tokens, values);
    SurfaceParams s = surfaceParams("Curves", params);
    if (!s.P) return;
    SteppedCounts counts = curvesCounts(type, ncurves, nvertices, wrap, state.vstep);
    if (counts.status != CountStatus::ok) return report(formatString(kNotDrawn, "Curves", "bad basis step"));
    CurvesShape shape{isToken(type, "cubic"), isToken(wrap, RI_PERIODIC), std::max(ncurves, 0), nvertices};
    CubicBasis basis{state.ubasis, state.vbasis, state.ustep, state.vstep};
    size_t points = count(counts.counts.vertex);
    int segments = shape.cubic ? segmentsFor(s.P, points, count(counts.counts.uniform), 2, kMostCurveSegments) : 1;
    if (!spend(0, points + count(counts.counts.uniform) * size_t(segments))) return;
    FloatParam width = params.find(RI_WIDTH, 1);
    double constantWidth = params.number(RI_CONSTANTWIDTH, 1);
    if (width && (width.storage == ParamClass::Constant || width.storage == ParamClass::None)) {
        constantWidth = width.values[0];
        width = FloatParam();
    }
    addMesh(tessellateCurves(shape, basis, s, width, constantWidth, viewer(), segments), materialFor(params));
    drawn("Curves");
}

RtVoid PreviewContext::PointsV(RtInt npoints, RtInt n, RtToken tokens[], RtPointer values[]) {
    if (!canDraw("Points")) return;
    ParamLookup params(n, tokens, values);
    SurfaceParams s = surfaceParams("Points", params);
    if (!s.P) return;
    size_t points = count(npoints);
    if (!spend(points, points)) return;
    const Mat4 &m = state.ctm;
    double det = m.m[0][0] * (m.m[1][1] * m.m[2][2] - m.m[1][2] * m.m[2][1]) -
                 m.m[0][1] * (m.m[1][0] * m.m[2][2] - m.m[1][2] * m.m[2][0]) +
                 m.m[0][2] * (m.m[1][0] * m.m[2][1] - m.m[1][1] * m.m[2][0]);
    double scale = std::cbrt(std::fabs(det));
    FloatParam width = params.find(RI_WIDTH, 1);
    double constantWidth = params.number(RI_CONSTANTWIDTH, 1);
    auto discs = std::make_shared<DiscSet>();
    discs->towardOrigin = !recording && options.perspective;
    ColorChannel *channels[2] = {&discs->cs, &discs->os};
    const FloatParam *given[2] = {&s.cs, &s.os};
    for (int c = 0; c < 2; ++c)
        if (*given[c] && given[c]->storage != ParamClass::Constant)
            channels[c]->binding = ColorChannel::Binding::Vertex;
    for (size_t i = 0; i < points; ++i) {
        Vec3 c = m.point(s.P.point(i));
        discs->centres.insert(discs->centres.end(), {float(c.x), float(c.y), float(c.z)});
        double size = width ? width.values[elementIndex(width, i, i, 0)] : constantWidth;
        discs->radii.push_back(static_cast<float>(std::fabs(size) * 0.5 * scale));
        for (int k = 0; k < 2; ++k)
            if (channels[k]->binding == ColorChannel::Binding::Vertex) {
                Vec3 color = given[k]->vec3(elementIndex(*given[k], i, i, 0));
                channels[k]->values.insert(channels[k]->values.end(), {float(color.x), float(color.y), float(color.z)});
            }
    }
    discs->finish(threads);
    if (discs->bvh.empty()) return;
    SceneObject object;
    object.bounds = discs->bvh.bounds();
    object.discs = std::move(discs);
    object.material = materialFor(params);
    place(std::move(object), state.materialInObject);
    drawn("Points");
}

// ---- Blobby ----

RtVoid PreviewContext::BlobbyV(RtInt nleaf, RtInt ncode, RtInt code[], RtInt nflt, RtFloat flt[], RtInt, RtToken[],
                               RtInt n, RtToken tokens[], RtPointer values[]) {
    if (!canDraw("Blobby")) return;
    std::vector<Mat4> ellipsoids;
    bool partial = false;
    size_t words = count(ncode), floats = count(nflt);
    for (size_t i = 0; i < words && code;) {
        RtInt op = code[i];
        if (op == 1001 && i + 1 < words) {
            RtInt at = code[i + 1];
            if (at >= 0 && size_t(at) + 16 <= floats && flt && ellipsoids.size() < kMostBlobbyLeaves) {
                double m[16];
                for (int k = 0; k < 16; ++k) m[k] = flt[size_t(at) + size_t(k)];
                ellipsoids.push_back(Mat4::fromRib(m));
            } else {
                partial = true;
            }
            i += 2;
        } else if (op >= 0 && op <= 3 && i + 1 < words) {
            if (op != 0) partial = true;
            i += 2 + count(code[i + 1]);
        } else {
            partial = true;
            i += op == 1000 || op == 1002 || (op >= 6 && op <= 7) ? 2 : op == 1003 || op == 4 || op == 5 ? 3 : 1;
        }
    }
    (void)nleaf;
    if (partial) report(kBlobbyParts);
    if (!spend(ellipsoids.size(), ellipsoids.size())) return;
    addShape(makeBlobby(std::move(ellipsoids)), materialFor(ParamLookup(n, tokens, values)));
    drawn("Blobby");
}

}  // namespace glimpse
}  // namespace quillet
