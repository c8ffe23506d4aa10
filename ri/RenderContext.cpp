// What every context shares: its place among the live contexts, and the
// variable-argument operations, each of which collects its arguments and
// calls its list form.
#include "ri/RenderContext.h"

#include "ri/CurrentContext.h"
#include "ri/ParamList.h"

namespace quillet {

RenderContext::RenderContext() {
    registerLiveContext(this);
}

RenderContext::~RenderContext() {
    retireLiveContext(this);
}

RtVoid RenderContext::Projection(RtToken name, ...) {
    va_list args;
    QUILLET_VA_START(args, name);
    ParamList params(args);
    va_end(args);
    ProjectionV(name, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::Display(const char *name, RtToken type, RtToken mode, ...) {
    va_list args;
    QUILLET_VA_START(args, mode);
    ParamList params(args);
    va_end(args);
    DisplayV(name, type, mode, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::Hider(RtToken type, ...) {
    va_list args;
    QUILLET_VA_START(args, type);
    ParamList params(args);
    va_end(args);
    HiderV(type, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::Option(RtToken name, ...) {
    va_list args;
    QUILLET_VA_START(args, name);
    ParamList params(args);
    va_end(args);
    OptionV(name, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::Attribute(RtToken name, ...) {
    va_list args;
    QUILLET_VA_START(args, name);
    ParamList params(args);
    va_end(args);
    AttributeV(name, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::MotionBegin(RtInt n, ...) {
    va_list args;
    QUILLET_VA_START(args, n);
    MotionTimes times(n, args);
    va_end(args);
    MotionBeginV(n, times.data());
}

RtVoid RenderContext::Surface(RtToken name, ...) {
    va_list args;
    QUILLET_VA_START(args, name);
    ParamList params(args);
    va_end(args);
    SurfaceV(name, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::Displacement(RtToken name, ...) {
    va_list args;
    QUILLET_VA_START(args, name);
    ParamList params(args);
    va_end(args);
    DisplacementV(name, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::Atmosphere(RtToken name, ...) {
    va_list args;
    QUILLET_VA_START(args, name);
    ParamList params(args);
    va_end(args);
    AtmosphereV(name, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::Interior(RtToken name, ...) {
    va_list args;
    QUILLET_VA_START(args, name);
    ParamList params(args);
    va_end(args);
    InteriorV(name, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::Exterior(RtToken name, ...) {
    va_list args;
    QUILLET_VA_START(args, name);
    ParamList params(args);
    va_end(args);
    ExteriorV(name, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::Imager(RtToken name, ...) {
    va_list args;
    QUILLET_VA_START(args, name);
    ParamList params(args);
    va_end(args);
    ImagerV(name, params.count(), params.tokens(), params.values());
}

RtLightHandle RenderContext::LightSource(RtToken name, ...) {
    va_list args;
    QUILLET_VA_START(args, name);
    ParamList params(args);
    va_end(args);
    return LightSourceV(name, params.count(), params.tokens(), params.values());
}

RtLightHandle RenderContext::AreaLightSource(RtToken name, ...) {
    va_list args;
    QUILLET_VA_START(args, name);
    ParamList params(args);
    va_end(args);
    return AreaLightSourceV(name, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::Cone(RtFloat height, RtFloat radius, RtFloat thetamax, ...) {
    va_list args;
    QUILLET_VA_START(args, thetamax);
    ParamList params(args);
    va_end(args);
    ConeV(height, radius, thetamax, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::Cylinder(RtFloat radius, RtFloat zmin, RtFloat zmax, RtFloat thetamax, ...) {
    va_list args;
    QUILLET_VA_START(args, thetamax);
    ParamList params(args);
    va_end(args);
    CylinderV(radius, zmin, zmax, thetamax, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::Disk(RtFloat height, RtFloat radius, RtFloat thetamax, ...) {
    va_list args;
    QUILLET_VA_START(args, thetamax);
    ParamList params(args);
    va_end(args);
    DiskV(height, radius, thetamax, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::Hyperboloid(RtPoint point1, RtPoint point2, RtFloat thetamax, ...) {
    va_list args;
    QUILLET_VA_START(args, thetamax);
    ParamList params(args);
    va_end(args);
    HyperboloidV(point1, point2, thetamax, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::Paraboloid(RtFloat rmax, RtFloat zmin, RtFloat zmax, RtFloat thetamax, ...) {
    va_list args;
    QUILLET_VA_START(args, thetamax);
    ParamList params(args);
    va_end(args);
    ParaboloidV(rmax, zmin, zmax, thetamax, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::Sphere(RtFloat radius, RtFloat zmin, RtFloat zmax, RtFloat thetamax, ...) {
    va_list args;
    QUILLET_VA_START(args, thetamax);
    ParamList params(args);
    va_end(args);
    SphereV(radius, zmin, zmax, thetamax, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::Torus(RtFloat majorradius, RtFloat minorradius, RtFloat phimin, RtFloat phimax, RtFloat thetamax,
                            ...) {
    va_list args;
    QUILLET_VA_START(args, thetamax);
    ParamList params(args);
    va_end(args);
    TorusV(majorradius, minorradius, phimin, phimax, thetamax, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::Polygon(RtInt nvertices, ...) {
    va_list args;
    QUILLET_VA_START(args, nvertices);
    ParamList params(args);
    va_end(args);
    PolygonV(nvertices, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::GeneralPolygon(RtInt nloops, RtInt nvertices[], ...) {
    va_list args;
    QUILLET_VA_START(args, nvertices);
    ParamList params(args);
    va_end(args);
    GeneralPolygonV(nloops, nvertices, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::PointsPolygons(RtInt npolys, RtInt nvertices[], RtInt vertices[], ...) {
    va_list args;
    QUILLET_VA_START(args, vertices);
    ParamList params(args);
    va_end(args);
    PointsPolygonsV(npolys, nvertices, vertices, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::PointsGeneralPolygons(RtInt npolys, RtInt nloops[], RtInt nvertices[], RtInt vertices[], ...) {
    va_list args;
    QUILLET_VA_START(args, vertices);
    ParamList params(args);
    va_end(args);
    PointsGeneralPolygonsV(npolys, nloops, nvertices, vertices, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::Patch(RtToken type, ...) {
    va_list args;
    QUILLET_VA_START(args, type);
    ParamList params(args);
    va_end(args);
    PatchV(type, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::PatchMesh(RtToken type, RtInt nu, RtToken uwrap, RtInt nv, RtToken vwrap, ...) {
    va_list args;
    QUILLET_VA_START(args, vwrap);
    ParamList params(args);
    va_end(args);
    PatchMeshV(type, nu, uwrap, nv, vwrap, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::NuPatch(RtInt nu, RtInt uorder, RtFloat uknot[], RtFloat umin, RtFloat umax, RtInt nv,
                              RtInt vorder, RtFloat vknot[], RtFloat vmin, RtFloat vmax, ...) {
    va_list args;
    QUILLET_VA_START(args, vmax);
    ParamList params(args);
    va_end(args);
    NuPatchV(nu, uorder, uknot, umin, umax, nv, vorder, vknot, vmin, vmax, params.count(), params.tokens(),
             params.values());
}

RtVoid RenderContext::Curves(RtToken type, RtInt ncurves, RtInt nvertices[], RtToken wrap, ...) {
    va_list args;
    QUILLET_VA_START(args, wrap);
    ParamList params(args);
    va_end(args);
    CurvesV(type, ncurves, nvertices, wrap, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::Points(RtInt npoints, ...) {
    va_list args;
    QUILLET_VA_START(args, npoints);
    ParamList params(args);
    va_end(args);
    PointsV(npoints, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::SubdivisionMesh(RtToken scheme, RtInt nfaces, RtInt nvertices[], RtInt vertices[], RtInt ntags,
                                      RtToken tags[], RtInt nargs[], RtInt intargs[], RtFloat floatargs[], ...) {
    va_list args;
    QUILLET_VA_START(args, floatargs);
    ParamList params(args);
    va_end(args);
    SubdivisionMeshV(scheme, nfaces, nvertices, vertices, ntags, tags, nargs, intargs, floatargs, params.count(),
                     params.tokens(), params.values());
}

RtVoid RenderContext::Blobby(RtInt nleaf, RtInt ncode, RtInt code[], RtInt nflt, RtFloat flt[], RtInt nstr,
                             RtToken str[], ...) {
    va_list args;
    QUILLET_VA_START(args, str);
    ParamList params(args);
    va_end(args);
    BlobbyV(nleaf, ncode, code, nflt, flt, nstr, str, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::Geometry(RtToken type, ...) {
    va_list args;
    QUILLET_VA_START(args, type);
    ParamList params(args);
    va_end(args);
    GeometryV(type, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::MakeTexture(const char *picturename, const char *texturename, RtToken swrap, RtToken twrap,
                                  RtFilterFunc filterfunc, RtFloat swidth, RtFloat twidth, ...) {
    va_list args;
    QUILLET_VA_START(args, twidth);
    ParamList params(args);
    va_end(args);
    MakeTextureV(picturename, texturename, swrap, twrap, filterfunc, swidth, twidth, params.count(), params.tokens(),
                 params.values());
}

RtVoid RenderContext::MakeLatLongEnvironment(const char *picturename, const char *texturename, RtFilterFunc filterfunc,
                                             RtFloat swidth, RtFloat twidth, ...) {
    va_list args;
    QUILLET_VA_START(args, twidth);
    ParamList params(args);
    va_end(args);
    MakeLatLongEnvironmentV(picturename, texturename, filterfunc, swidth, twidth, params.count(), params.tokens(),
                            params.values());
}

RtVoid RenderContext::MakeCubeFaceEnvironment(const char *px, const char *nx, const char *py, const char *ny,
                                              const char *pz, const char *nz, const char *texturename, RtFloat fov,
                                              RtFilterFunc filterfunc, RtFloat swidth, RtFloat twidth, ...) {
    va_list args;
    QUILLET_VA_START(args, twidth);
    ParamList params(args);
    va_end(args);
    MakeCubeFaceEnvironmentV(px, nx, py, ny, pz, nz, texturename, fov, filterfunc, swidth, twidth, params.count(),
                             params.tokens(), params.values());
}

RtVoid RenderContext::MakeShadow(const char *picturename, const char *texturename, ...) {
    va_list args;
    QUILLET_VA_START(args, texturename);
    ParamList params(args);
    va_end(args);
    MakeShadowV(picturename, texturename, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::ArchiveRecord(RtToken type, const char *format, ...) {
    va_list args;
    QUILLET_VA_START(args, format);
    VArchiveRecord(type, format, args);
    va_end(args);
}

RtVoid RenderContext::ReadArchive(RtToken name, RtArchiveCallback callback, ...) {
    va_list args;
    QUILLET_VA_START(args, callback);
    ParamList params(args);
    va_end(args);
    ReadArchiveV(name, callback, params.count(), params.tokens(), params.values());
}
}  // namespace quillet
