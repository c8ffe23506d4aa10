// What every context shares: its place among the live contexts, and the
// variable-argument operations, each of which collects its arguments and
// calls its list form.
#include "quillet/RenderContext.h"

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
    QUILLET_PARAM_LIST(params, name);
    ProjectionV(name, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::Display(const char *name, RtToken type, RtToken mode, ...) {
    QUILLET_PARAM_LIST(params, mode);
    DisplayV(name, type, mode, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::Hider(RtToken type, ...) {
    QUILLET_PARAM_LIST(params, type);
    HiderV(type, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::Option(RtToken name, ...) {
    QUILLET_PARAM_LIST(params, name);
    OptionV(name, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::Attribute(RtToken name, ...) {
    QUILLET_PARAM_LIST(params, name);
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
    QUILLET_PARAM_LIST(params, name);
    SurfaceV(name, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::Displacement(RtToken name, ...) {
    QUILLET_PARAM_LIST(params, name);
    DisplacementV(name, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::Atmosphere(RtToken name, ...) {
    QUILLET_PARAM_LIST(params, name);
    AtmosphereV(name, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::Interior(RtToken name, ...) {
    QUILLET_PARAM_LIST(params, name);
    InteriorV(name, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::Exterior(RtToken name, ...) {
    QUILLET_PARAM_LIST(params, name);
    ExteriorV(name, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::Imager(RtToken name, ...) {
    QUILLET_PARAM_LIST(params, name);
    ImagerV(name, params.count(), params.tokens(), params.values());
}

RtLightHandle RenderContext::LightSource(RtToken name, ...) {
    QUILLET_PARAM_LIST(params, name);
    return LightSourceV(name, params.count(), params.tokens(), params.values());
}

RtLightHandle RenderContext::AreaLightSource(RtToken name, ...) {
    QUILLET_PARAM_LIST(params, name);
    return AreaLightSourceV(name, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::Cone(RtFloat height, RtFloat radius, RtFloat thetamax, ...) {
    QUILLET_PARAM_LIST(params, thetamax);
    ConeV(height, radius, thetamax, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::Cylinder(RtFloat radius, RtFloat zmin, RtFloat zmax, RtFloat thetamax, ...) {
    QUILLET_PARAM_LIST(params, thetamax);
    CylinderV(radius, zmin, zmax, thetamax, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::Disk(RtFloat height, RtFloat radius, RtFloat thetamax, ...) {
    QUILLET_PARAM_LIST(params, thetamax);
    DiskV(height, radius, thetamax, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::Hyperboloid(RtPoint point1, RtPoint point2, RtFloat thetamax, ...) {
    QUILLET_PARAM_LIST(params, thetamax);
    HyperboloidV(point1, point2, thetamax, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::Paraboloid(RtFloat rmax, RtFloat zmin, RtFloat zmax, RtFloat thetamax, ...) {
    QUILLET_PARAM_LIST(params, thetamax);
    ParaboloidV(rmax, zmin, zmax, thetamax, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::Sphere(RtFloat radius, RtFloat zmin, RtFloat zmax, RtFloat thetamax, ...) {
    QUILLET_PARAM_LIST(params, thetamax);
    SphereV(radius, zmin, zmax, thetamax, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::Torus(RtFloat majorradius, RtFloat minorradius, RtFloat phimin, RtFloat phimax, RtFloat thetamax,
                            ...) {
    QUILLET_PARAM_LIST(params, thetamax);
    TorusV(majorradius, minorradius, phimin, phimax, thetamax, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::Polygon(RtInt nvertices, ...) {
    QUILLET_PARAM_LIST(params, nvertices);
    PolygonV(nvertices, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::GeneralPolygon(RtInt nloops, RtInt nvertices[], ...) {
    QUILLET_PARAM_LIST(params, nvertices);
    GeneralPolygonV(nloops, nvertices, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::PointsPolygons(RtInt npolys, RtInt nvertices[], RtInt vertices[], ...) {
    QUILLET_PARAM_LIST(params, vertices);
    PointsPolygonsV(npolys, nvertices, vertices, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::PointsGeneralPolygons(RtInt npolys, RtInt nloops[], RtInt nvertices[], RtInt vertices[], ...) {
    QUILLET_PARAM_LIST(params, vertices);
    PointsGeneralPolygonsV(npolys, nloops, nvertices, vertices, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::Patch(RtToken type, ...) {
    QUILLET_PARAM_LIST(params, type);
    PatchV(type, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::PatchMesh(RtToken type, RtInt nu, RtToken uwrap, RtInt nv, RtToken vwrap, ...) {
    QUILLET_PARAM_LIST(params, vwrap);
    PatchMeshV(type, nu, uwrap, nv, vwrap, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::NuPatch(RtInt nu, RtInt uorder, RtFloat uknot[], RtFloat umin, RtFloat umax, RtInt nv,
                              RtInt vorder, RtFloat vknot[], RtFloat vmin, RtFloat vmax, ...) {
    QUILLET_PARAM_LIST(params, vmax);
    NuPatchV(nu, uorder, uknot, umin, umax, nv, vorder, vknot, vmin, vmax, params.count(), params.tokens(),
             params.values());
}

RtVoid RenderContext::Curves(RtToken type, RtInt ncurves, RtInt nvertices[], RtToken wrap, ...) {
    QUILLET_PARAM_LIST(params, wrap);
    CurvesV(type, ncurves, nvertices, wrap, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::Points(RtInt npoints, ...) {
    QUILLET_PARAM_LIST(params, npoints);
    PointsV(npoints, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::SubdivisionMesh(RtToken scheme, RtInt nfaces, RtInt nvertices[], RtInt vertices[], RtInt ntags,
                                      RtToken tags[], RtInt nargs[], RtInt intargs[], RtFloat floatargs[], ...) {
    QUILLET_PARAM_LIST(params, floatargs);
    SubdivisionMeshV(scheme, nfaces, nvertices, vertices, ntags, tags, nargs, intargs, floatargs, params.count(),
                     params.tokens(), params.values());
}

RtVoid RenderContext::Blobby(RtInt nleaf, RtInt ncode, RtInt code[], RtInt nflt, RtFloat flt[], RtInt nstr,
                             RtToken str[], ...) {
    QUILLET_PARAM_LIST(params, str);
    BlobbyV(nleaf, ncode, code, nflt, flt, nstr, str, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::Geometry(RtToken type, ...) {
    QUILLET_PARAM_LIST(params, type);
    GeometryV(type, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::MakeTexture(const char *picturename, const char *texturename, RtToken swrap, RtToken twrap,
                                  RtFilterFunc filterfunc, RtFloat swidth, RtFloat twidth, ...) {
    QUILLET_PARAM_LIST(params, twidth);
    MakeTextureV(picturename, texturename, swrap, twrap, filterfunc, swidth, twidth, params.count(), params.tokens(),
                 params.values());
}

RtVoid RenderContext::MakeLatLongEnvironment(const char *picturename, const char *texturename, RtFilterFunc filterfunc,
                                             RtFloat swidth, RtFloat twidth, ...) {
    QUILLET_PARAM_LIST(params, twidth);
    MakeLatLongEnvironmentV(picturename, texturename, filterfunc, swidth, twidth, params.count(), params.tokens(),
                            params.values());
}

RtVoid RenderContext::MakeCubeFaceEnvironment(const char *px, const char *nx, const char *py, const char *ny,
                                              const char *pz, const char *nz, const char *texturename, RtFloat fov,
                                              RtFilterFunc filterfunc, RtFloat swidth, RtFloat twidth, ...) {
    QUILLET_PARAM_LIST(params, twidth);
    MakeCubeFaceEnvironmentV(px, nx, py, ny, pz, nz, texturename, fov, filterfunc, swidth, twidth, params.count(),
                             params.tokens(), params.values());
}

RtVoid RenderContext::MakeShadow(const char *picturename, const char *texturename, ...) {
    QUILLET_PARAM_LIST(params, texturename);
    MakeShadowV(picturename, texturename, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::ArchiveRecord(RtToken type, const char *format, ...) {
    va_list args;
    QUILLET_VA_START(args, format);
    VArchiveRecord(type, format, args);
    va_end(args);
}

RtVoid RenderContext::ReadArchive(RtToken name, RtArchiveCallback callback, ...) {
    QUILLET_PARAM_LIST(params, callback);
    ReadArchiveV(name, callback, params.count(), params.tokens(), params.values());
}

// The requests of the later interface versions: the variable-argument forms,
// and the defaults of a context written for the older set.
RtObjectHandle RenderContext::ObjectBeginV(RtInt, RtToken[], RtPointer[]) {
    return ObjectBegin();
}

RtArchiveHandle RenderContext::ArchiveBegin(RtToken name, ...) {
    QUILLET_PARAM_LIST(params, name);
    return ArchiveBeginV(name, params.count(), params.tokens(), params.values());
}

RtArchiveHandle RenderContext::ArchiveBeginV(RtToken name, RtInt, RtToken[], RtPointer[]) {
    return const_cast<char *>(name);
}

RtVoid RenderContext::ArchiveEnd() {}
RtVoid RenderContext::IfBegin(RtString) {}
RtVoid RenderContext::ElseIf(RtString) {}
RtVoid RenderContext::Else() {}
RtVoid RenderContext::IfEnd() {}

RtVoid RenderContext::Resource(RtToken handle, RtToken type, ...) {
    QUILLET_PARAM_LIST(params, type);
    ResourceV(handle, type, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::ResourceV(RtToken, RtToken, RtInt, RtToken[], RtPointer[]) {}
RtVoid RenderContext::ResourceBegin() {}
RtVoid RenderContext::ResourceEnd() {}
RtVoid RenderContext::ClippingPlane(RtFloat, RtFloat, RtFloat, RtFloat, RtFloat, RtFloat) {}

RtVoid RenderContext::Camera(RtToken name, ...) {
    QUILLET_PARAM_LIST(params, name);
    CameraV(name, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::CameraV(RtToken, RtInt, RtToken[], RtPointer[]) {}
RtVoid RenderContext::ScopedCoordinateSystem(RtToken) {}
RtVoid RenderContext::System(RtString) {}

RtVoid RenderContext::Volume(RtToken type, RtBound bound, RtInt dimensions[3], ...) {
    QUILLET_PARAM_LIST(params, dimensions);
    VolumeV(type, bound, dimensions, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::VolumeV(RtToken, RtBound, RtInt[3], RtInt, RtToken[], RtPointer[]) {}

RtVoid RenderContext::Procedural2(RtProc2SubdivFunc subdivfunc, RtProc2BoundFunc boundfunc, ...) {
    QUILLET_PARAM_LIST(params, boundfunc);
    Procedural2V(subdivfunc, boundfunc, params.count(), params.tokens(), params.values());
}

RtVoid RenderContext::Procedural2V(RtProc2SubdivFunc, RtProc2BoundFunc, RtInt, RtToken[], RtPointer[]) {}
RtVoid RenderContext::Version(RtFloat) {}
RtVoid RenderContext::UnknownRequestV(RtToken, RtInt, const RequestValue[], RtInt, RtToken[], const RequestValue[]) {}

}  // namespace quillet
