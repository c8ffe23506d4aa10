// The abstract interface of every request. Each operation takes the arguments
// of the entry point of the same name; list forms (suffix V) take the token/value
// list as a count and two parallel arrays. Code that holds a context reaches it
// with (RenderContext*)RiGetContext().
#ifndef QUILLET_RENDERCONTEXT_H
#define QUILLET_RENDERCONTEXT_H

#include "ri/ri.h"

namespace quillet {

class QUILLET_API RenderContext {
public:
    virtual ~RenderContext() {}

    virtual RtVoid FrameBegin(RtInt frame) = 0;
    virtual RtVoid FrameEnd() = 0;
    virtual RtVoid WorldBegin() = 0;
    virtual RtVoid WorldEnd() = 0;
    virtual RtVoid Format(RtInt xresolution, RtInt yresolution, RtFloat pixelaspectratio) = 0;
    virtual RtVoid FrameAspectRatio(RtFloat ratio) = 0;
    virtual RtVoid ScreenWindow(RtFloat left, RtFloat right, RtFloat bottom, RtFloat top) = 0;
    virtual RtVoid CropWindow(RtFloat xmin, RtFloat xmax, RtFloat ymin, RtFloat ymax) = 0;
    virtual RtVoid Projection(RtToken name, ...) = 0;
    virtual RtVoid ProjectionV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) = 0;
    virtual RtVoid Clipping(RtFloat hither, RtFloat yon) = 0;
    virtual RtVoid DepthOfField(RtFloat fstop, RtFloat focallength, RtFloat focaldistance) = 0;
    virtual RtVoid Shutter(RtFloat opentime, RtFloat closetime) = 0;
    virtual RtVoid PixelVariance(RtFloat variation) = 0;
    virtual RtVoid PixelSamples(RtFloat xsamples, RtFloat ysamples) = 0;
    virtual RtVoid PixelFilter(RtFilterFunc function, RtFloat xwidth, RtFloat ywidth) = 0;
    virtual RtVoid Exposure(RtFloat gain, RtFloat gamma) = 0;
    virtual RtVoid Quantize(RtToken type, RtInt one, RtInt min, RtInt max, RtFloat ditheramplitude) = 0;
    virtual RtVoid Display(const char *name, RtToken type, RtToken mode, ...) = 0;
    virtual RtVoid DisplayV(const char *name, RtToken type, RtToken mode, RtInt n, RtToken tokens[],
                            RtPointer values[]) = 0;
    virtual RtVoid Hider(RtToken type, ...) = 0;
    virtual RtVoid HiderV(RtToken type, RtInt n, RtToken tokens[], RtPointer values[]) = 0;
    virtual RtVoid ColorSamples(RtInt n, RtFloat nRGB[], RtFloat RGBn[]) = 0;
    virtual RtVoid RelativeDetail(RtFloat relativedetail) = 0;
    virtual RtVoid Option(RtToken name, ...) = 0;
    virtual RtVoid OptionV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) = 0;
    virtual RtVoid AttributeBegin() = 0;
    virtual RtVoid AttributeEnd() = 0;
    virtual RtVoid Color(RtColor color) = 0;
    virtual RtVoid Opacity(RtColor color) = 0;
    virtual RtVoid TextureCoordinates(RtFloat s1, RtFloat t1, RtFloat s2, RtFloat t2, RtFloat s3, RtFloat t3,
                                      RtFloat s4, RtFloat t4) = 0;
    virtual RtVoid ShadingRate(RtFloat size) = 0;
    virtual RtVoid ShadingInterpolation(RtToken type) = 0;
    virtual RtVoid Matte(RtBoolean onoff) = 0;
    virtual RtVoid Bound(RtBound bound) = 0;
    virtual RtVoid Detail(RtBound bound) = 0;
    virtual RtVoid DetailRange(RtFloat minvisible, RtFloat lowertransition, RtFloat uppertransition,
                               RtFloat maxvisible) = 0;
    virtual RtVoid GeometricApproximation(RtToken type, RtFloat value) = 0;
    virtual RtVoid GeometricRepresentation(RtToken type) = 0;
    virtual RtVoid Sides(RtInt sides) = 0;
    virtual RtVoid Orientation(RtToken orientation) = 0;
    virtual RtVoid ReverseOrientation() = 0;
    virtual RtVoid AttributeV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) = 0;
    virtual RtVoid Attribute(RtToken name, ...) = 0;
    virtual RtVoid Identity() = 0;
    virtual RtVoid ConcatTransform(RtMatrix transform) = 0;
    virtual RtVoid Transform(RtMatrix transform) = 0;
    virtual RtVoid Perspective(RtFloat fov) = 0;
    virtual RtVoid Translate(RtFloat dx, RtFloat dy, RtFloat dz) = 0;
    virtual RtVoid Rotate(RtFloat angle, RtFloat dx, RtFloat dy, RtFloat dz) = 0;
    virtual RtVoid Scale(RtFloat sx, RtFloat sy, RtFloat sz) = 0;
    virtual RtVoid Skew(RtFloat angle, RtFloat dx1, RtFloat dy1, RtFloat dz1, RtFloat dx2, RtFloat dy2,
                        RtFloat dz2) = 0;
    virtual RtVoid CoordinateSystem(RtToken space) = 0;
    virtual RtVoid CoordSysTransform(RtToken space) = 0;
    virtual RtPoint *TransformPoints(RtToken fromspace, RtToken tospace, RtInt n, RtPoint points[]) = 0;
    virtual RtVoid TransformBegin() = 0;
    virtual RtVoid TransformEnd() = 0;
    virtual RtVoid MotionBegin(RtInt n, ...) = 0;
    virtual RtVoid MotionBeginV(RtInt n, RtFloat times[]) = 0;
    virtual RtVoid MotionEnd() = 0;
    virtual RtVoid Surface(RtToken name, ...) = 0;
    virtual RtVoid SurfaceV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) = 0;
    virtual RtVoid Displacement(RtToken name, ...) = 0;
    virtual RtVoid DisplacementV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) = 0;
    virtual RtVoid Atmosphere(RtToken name, ...) = 0;
    virtual RtVoid AtmosphereV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) = 0;
    virtual RtVoid Interior(RtToken name, ...) = 0;
    virtual RtVoid InteriorV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) = 0;
    virtual RtVoid Exterior(RtToken name, ...) = 0;
    virtual RtVoid ExteriorV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) = 0;
    virtual RtVoid Imager(RtToken name, ...) = 0;
    virtual RtVoid ImagerV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) = 0;
    virtual RtLightHandle LightSource(RtToken name, ...) = 0;
    virtual RtLightHandle LightSourceV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) = 0;
    virtual RtLightHandle AreaLightSource(RtToken name, ...) = 0;
    virtual RtLightHandle AreaLightSourceV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) = 0;
    virtual RtVoid Illuminate(RtLightHandle light, RtBoolean onoff) = 0;
    virtual RtVoid Cone(RtFloat height, RtFloat radius, RtFloat thetamax, ...) = 0;
    virtual RtVoid ConeV(RtFloat height, RtFloat radius, RtFloat thetamax, RtInt n, RtToken tokens[],
                         RtPointer values[]) = 0;
    virtual RtVoid Cylinder(RtFloat radius, RtFloat zmin, RtFloat zmax, RtFloat thetamax, ...) = 0;
    virtual RtVoid CylinderV(RtFloat radius, RtFloat zmin, RtFloat zmax, RtFloat thetamax, RtInt n, RtToken tokens[],
                             RtPointer values[]) = 0;
    virtual RtVoid Disk(RtFloat height, RtFloat radius, RtFloat thetamax, ...) = 0;
    virtual RtVoid DiskV(RtFloat height, RtFloat radius, RtFloat thetamax, RtInt n, RtToken tokens[],
                         RtPointer values[]) = 0;
    virtual RtVoid Hyperboloid(RtPoint point1, RtPoint point2, RtFloat thetamax, ...) = 0;
    virtual RtVoid HyperboloidV(RtPoint point1, RtPoint point2, RtFloat thetamax, RtInt n, RtToken tokens[],
                                RtPointer values[]) = 0;
    virtual RtVoid Paraboloid(RtFloat rmax, RtFloat zmin, RtFloat zmax, RtFloat thetamax, ...) = 0;
    virtual RtVoid ParaboloidV(RtFloat rmax, RtFloat zmin, RtFloat zmax, RtFloat thetamax, RtInt n, RtToken tokens[],
                               RtPointer values[]) = 0;
    virtual RtVoid Sphere(RtFloat radius, RtFloat zmin, RtFloat zmax, RtFloat thetamax, ...) = 0;
    virtual RtVoid SphereV(RtFloat radius, RtFloat zmin, RtFloat zmax, RtFloat thetamax, RtInt n, RtToken tokens[],
                           RtPointer values[]) = 0;
    virtual RtVoid Torus(RtFloat majorradius, RtFloat minorradius, RtFloat phimin, RtFloat phimax, RtFloat thetamax,
                         ...) = 0;
    virtual RtVoid TorusV(RtFloat majorradius, RtFloat minorradius, RtFloat phimin, RtFloat phimax, RtFloat thetamax,
                          RtInt n, RtToken tokens[], RtPointer values[]) = 0;
    virtual RtVoid Polygon(RtInt nvertices, ...) = 0;
    virtual RtVoid PolygonV(RtInt nvertices, RtInt n, RtToken tokens[], RtPointer values[]) = 0;
    virtual RtVoid GeneralPolygon(RtInt nloops, RtInt nvertices[], ...) = 0;
    virtual RtVoid GeneralPolygonV(RtInt nloops, RtInt nvertices[], RtInt n, RtToken tokens[], RtPointer values[]) = 0;
    virtual RtVoid PointsPolygons(RtInt npolys, RtInt nvertices[], RtInt vertices[], ...) = 0;
    virtual RtVoid PointsPolygonsV(RtInt npolys, RtInt nvertices[], RtInt vertices[], RtInt n, RtToken tokens[],
                                   RtPointer values[]) = 0;
    virtual RtVoid PointsGeneralPolygons(RtInt npolys, RtInt nloops[], RtInt nvertices[], RtInt vertices[], ...) = 0;
    virtual RtVoid PointsGeneralPolygonsV(RtInt npolys, RtInt nloops[], RtInt nvertices[], RtInt vertices[], RtInt n,
                                          RtToken tokens[], RtPointer values[]) = 0;
    virtual RtVoid Basis(RtBasis ubasis, RtInt ustep, RtBasis vbasis, RtInt vstep) = 0;
    virtual RtVoid Patch(RtToken type, ...) = 0;
    virtual RtVoid PatchV(RtToken type, RtInt n, RtToken tokens[], RtPointer values[]) = 0;
    virtual RtVoid PatchMesh(RtToken type, RtInt nu, RtToken uwrap, RtInt nv, RtToken vwrap, ...) = 0;
    virtual RtVoid PatchMeshV(RtToken type, RtInt nu, RtToken uwrap, RtInt nv, RtToken vwrap, RtInt n, RtToken tokens[],
                              RtPointer values[]) = 0;
    virtual RtVoid TrimCurve(RtInt nloops, RtInt ncurves[], RtInt order[], RtFloat knot[], RtFloat min[], RtFloat max[],
                             RtInt n[], RtFloat u[], RtFloat v[], RtFloat w[]) = 0;
    virtual RtVoid NuPatch(RtInt nu, RtInt uorder, RtFloat uknot[], RtFloat umin, RtFloat umax, RtInt nv, RtInt vorder,
                           RtFloat vknot[], RtFloat vmin, RtFloat vmax, ...) = 0;
    virtual RtVoid NuPatchV(RtInt nu, RtInt uorder, RtFloat uknot[], RtFloat umin, RtFloat umax, RtInt nv, RtInt vorder,
                            RtFloat vknot[], RtFloat vmin, RtFloat vmax, RtInt n, RtToken tokens[],
                            RtPointer values[]) = 0;
    virtual RtVoid Curves(RtToken type, RtInt ncurves, RtInt nvertices[], RtToken wrap, ...) = 0;
    virtual RtVoid CurvesV(RtToken type, RtInt ncurves, RtInt nvertices[], RtToken wrap, RtInt n, RtToken tokens[],
                           RtPointer values[]) = 0;
    virtual RtVoid Points(RtInt npoints, ...) = 0;
    virtual RtVoid PointsV(RtInt npoints, RtInt n, RtToken tokens[], RtPointer values[]) = 0;
    virtual RtVoid SubdivisionMesh(RtToken scheme, RtInt nfaces, RtInt nvertices[], RtInt vertices[], RtInt ntags,
                                   RtToken tags[], RtInt nargs[], RtInt intargs[], RtFloat floatargs[], ...) = 0;
    virtual RtVoid SubdivisionMeshV(RtToken scheme, RtInt nfaces, RtInt nvertices[], RtInt vertices[], RtInt ntags,
                                    RtToken tags[], RtInt nargs[], RtInt intargs[], RtFloat floatargs[], RtInt n,
                                    RtToken tokens[], RtPointer values[]) = 0;
    virtual RtVoid Blobby(RtInt nleaf, RtInt ncode, RtInt code[], RtInt nflt, RtFloat flt[], RtInt nstr, RtToken str[],
                          ...) = 0;
    virtual RtVoid BlobbyV(RtInt nleaf, RtInt ncode, RtInt code[], RtInt nflt, RtFloat flt[], RtInt nstr, RtToken str[],
                           RtInt n, RtToken tokens[], RtPointer values[]) = 0;
    virtual RtVoid Procedural(RtPointer data, RtBound bound, RtProcSubdivFunc subdivfunc, RtProcFreeFunc freefunc) = 0;
    virtual RtVoid Geometry(RtToken type, ...) = 0;
    virtual RtVoid GeometryV(RtToken type, RtInt n, RtToken tokens[], RtPointer values[]) = 0;
    virtual RtVoid SolidBegin(RtToken operation) = 0;
    virtual RtVoid SolidEnd() = 0;
    virtual RtObjectHandle ObjectBegin() = 0;
    virtual RtVoid ObjectEnd() = 0;
    virtual RtVoid ObjectInstance(RtObjectHandle handle) = 0;
    virtual RtVoid MakeTexture(const char *picturename, const char *texturename, RtToken swrap, RtToken twrap,
                               RtFilterFunc filterfunc, RtFloat swidth, RtFloat twidth, ...) = 0;
    virtual RtVoid MakeTextureV(const char *picturename, const char *texturename, RtToken swrap, RtToken twrap,
                                RtFilterFunc filterfunc, RtFloat swidth, RtFloat twidth, RtInt n, RtToken tokens[],
                                RtPointer values[]) = 0;
    virtual RtVoid MakeLatLongEnvironment(const char *picturename, const char *texturename, RtFilterFunc filterfunc,
                                          RtFloat swidth, RtFloat twidth, ...) = 0;
    virtual RtVoid MakeLatLongEnvironmentV(const char *picturename, const char *texturename, RtFilterFunc filterfunc,
                                           RtFloat swidth, RtFloat twidth, RtInt n, RtToken tokens[],
                                           RtPointer values[]) = 0;
    virtual RtVoid MakeCubeFaceEnvironment(const char *px, const char *nx, const char *py, const char *ny,
                                           const char *pz, const char *nz, const char *texturename, RtFloat fov,
                                           RtFilterFunc filterfunc, RtFloat swidth, RtFloat twidth, ...) = 0;
    virtual RtVoid MakeCubeFaceEnvironmentV(const char *px, const char *nx, const char *py, const char *ny,
                                            const char *pz, const char *nz, const char *texturename, RtFloat fov,
                                            RtFilterFunc filterfunc, RtFloat swidth, RtFloat twidth, RtInt n,
                                            RtToken tokens[], RtPointer values[]) = 0;
    virtual RtVoid MakeShadow(const char *picturename, const char *texturename, ...) = 0;
    virtual RtVoid MakeShadowV(const char *picturename, const char *texturename, RtInt n, RtToken tokens[],
                               RtPointer values[]) = 0;
    virtual RtToken Declare(const char *name, const char *declaration) = 0;
    virtual RtVoid ArchiveRecord(RtToken type, const char *format, ...) = 0;
    virtual RtVoid VArchiveRecord(RtToken type, const char *format, va_list args) = 0;
    virtual RtVoid ReadArchive(RtToken name, RtArchiveCallback callback, ...) = 0;
    virtual RtVoid ReadArchiveV(RtToken name, RtArchiveCallback callback, RtInt n, RtToken tokens[],
                                RtPointer values[]) = 0;
    virtual RtVoid ErrorHandler(RtErrorHandler handler) = 0;
};

}  // namespace quillet

// Callers written before the namespace name the class unqualified.
using quillet::RenderContext;

#endif
