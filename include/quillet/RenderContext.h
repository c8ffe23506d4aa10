// The abstract interface of every request. Each operation takes the arguments
// of the entry point of the same name; list forms (suffix V) take the token/value
// list as a count and two parallel arrays. The variable-argument forms are not
// virtual: each collects its arguments and calls its list form, so an
// implementation overrides only the list forms. Code that holds a context
// reaches it with (RenderContext*)RiGetContext(). ContextOverrides.h declares
// every override of a whole implementation in one macro.
#ifndef QUILLET_RENDERCONTEXT_H
#define QUILLET_RENDERCONTEXT_H

#include "quillet/ri.h"

namespace quillet {

// One value of a request that the reader does not know, as the stream gave
// it: one number or string, or an array of them between brackets.
struct RequestValue {
    enum class Type { Integer, Float, String };
    Type type;
    bool array;
    RtInt count;
    // count RtInt, RtFloat or RtToken by type.
    const void *data;
};

class QUILLET_API RenderContext {
public:
    // A context is live from its construction to its destruction; only a
    // live context can be made current, and a current context that is
    // destroyed leaves no context current.
    virtual ~RenderContext();
    RenderContext(const RenderContext &) = delete;
    RenderContext &operator=(const RenderContext &) = delete;

    virtual RtVoid FrameBegin(RtInt frame) = 0;
    virtual RtVoid FrameEnd() = 0;
    virtual RtVoid WorldBegin() = 0;
    virtual RtVoid WorldEnd() = 0;
    virtual RtVoid Format(RtInt xresolution, RtInt yresolution, RtFloat pixelaspectratio) = 0;
    virtual RtVoid FrameAspectRatio(RtFloat ratio) = 0;
    virtual RtVoid ScreenWindow(RtFloat left, RtFloat right, RtFloat bottom, RtFloat top) = 0;
    virtual RtVoid CropWindow(RtFloat xmin, RtFloat xmax, RtFloat ymin, RtFloat ymax) = 0;
    RtVoid Projection(RtToken name, ...);
    virtual RtVoid ProjectionV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) = 0;
    virtual RtVoid Clipping(RtFloat hither, RtFloat yon) = 0;
    virtual RtVoid DepthOfField(RtFloat fstop, RtFloat focallength, RtFloat focaldistance) = 0;
    virtual RtVoid Shutter(RtFloat opentime, RtFloat closetime) = 0;
    virtual RtVoid PixelVariance(RtFloat variation) = 0;
    virtual RtVoid PixelSamples(RtFloat xsamples, RtFloat ysamples) = 0;
    virtual RtVoid PixelFilter(RtFilterFunc function, RtFloat xwidth, RtFloat ywidth) = 0;
    virtual RtVoid Exposure(RtFloat gain, RtFloat gamma) = 0;
    virtual RtVoid Quantize(RtToken type, RtInt one, RtInt min, RtInt max, RtFloat ditheramplitude) = 0;
    RtVoid Display(const char *name, RtToken type, RtToken mode, ...);
    virtual RtVoid DisplayV(const char *name, RtToken type, RtToken mode, RtInt n, RtToken tokens[],
                            RtPointer values[]) = 0;
    RtVoid Hider(RtToken type, ...);
    virtual RtVoid HiderV(RtToken type, RtInt n, RtToken tokens[], RtPointer values[]) = 0;
    virtual RtVoid ColorSamples(RtInt n, RtFloat nRGB[], RtFloat RGBn[]) = 0;
    virtual RtVoid RelativeDetail(RtFloat relativedetail) = 0;
    RtVoid Option(RtToken name, ...);
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
    RtVoid Attribute(RtToken name, ...);
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
    RtVoid MotionBegin(RtInt n, ...);
    virtual RtVoid MotionBeginV(RtInt n, RtFloat times[]) = 0;
    virtual RtVoid MotionEnd() = 0;
    RtVoid Surface(RtToken name, ...);
    virtual RtVoid SurfaceV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) = 0;
    RtVoid Displacement(RtToken name, ...);
    virtual RtVoid DisplacementV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) = 0;
    RtVoid Atmosphere(RtToken name, ...);
    virtual RtVoid AtmosphereV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) = 0;
    RtVoid Interior(RtToken name, ...);
    virtual RtVoid InteriorV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) = 0;
    RtVoid Exterior(RtToken name, ...);
    virtual RtVoid ExteriorV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) = 0;
    RtVoid Imager(RtToken name, ...);
    virtual RtVoid ImagerV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) = 0;
    RtLightHandle LightSource(RtToken name, ...);
    virtual RtLightHandle LightSourceV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) = 0;
    RtLightHandle AreaLightSource(RtToken name, ...);
    virtual RtLightHandle AreaLightSourceV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) = 0;
    virtual RtVoid Illuminate(RtLightHandle light, RtBoolean onoff) = 0;
    RtVoid Cone(RtFloat height, RtFloat radius, RtFloat thetamax, ...);
    virtual RtVoid ConeV(RtFloat height, RtFloat radius, RtFloat thetamax, RtInt n, RtToken tokens[],
                         RtPointer values[]) = 0;
    RtVoid Cylinder(RtFloat radius, RtFloat zmin, RtFloat zmax, RtFloat thetamax, ...);
    virtual RtVoid CylinderV(RtFloat radius, RtFloat zmin, RtFloat zmax, RtFloat thetamax, RtInt n, RtToken tokens[],
                             RtPointer values[]) = 0;
    RtVoid Disk(RtFloat height, RtFloat radius, RtFloat thetamax, ...);
    virtual RtVoid DiskV(RtFloat height, RtFloat radius, RtFloat thetamax, RtInt n, RtToken tokens[],
                         RtPointer values[]) = 0;
    RtVoid Hyperboloid(RtPoint point1, RtPoint point2, RtFloat thetamax, ...);
    virtual RtVoid HyperboloidV(RtPoint point1, RtPoint point2, RtFloat thetamax, RtInt n, RtToken tokens[],
                                RtPointer values[]) = 0;
    RtVoid Paraboloid(RtFloat rmax, RtFloat zmin, RtFloat zmax, RtFloat thetamax, ...);
    virtual RtVoid ParaboloidV(RtFloat rmax, RtFloat zmin, RtFloat zmax, RtFloat thetamax, RtInt n, RtToken tokens[],
                               RtPointer values[]) = 0;
    RtVoid Sphere(RtFloat radius, RtFloat zmin, RtFloat zmax, RtFloat thetamax, ...);
    virtual RtVoid SphereV(RtFloat radius, RtFloat zmin, RtFloat zmax, RtFloat thetamax, RtInt n, RtToken tokens[],
                           RtPointer values[]) = 0;
    RtVoid Torus(RtFloat majorradius, RtFloat minorradius, RtFloat phimin, RtFloat phimax, RtFloat thetamax, ...);
    virtual RtVoid TorusV(RtFloat majorradius, RtFloat minorradius, RtFloat phimin, RtFloat phimax, RtFloat thetamax,
                          RtInt n, RtToken tokens[], RtPointer values[]) = 0;
    RtVoid Polygon(RtInt nvertices, ...);
    virtual RtVoid PolygonV(RtInt nvertices, RtInt n, RtToken tokens[], RtPointer values[]) = 0;
    RtVoid GeneralPolygon(RtInt nloops, RtInt nvertices[], ...);
    virtual RtVoid GeneralPolygonV(RtInt nloops, RtInt nvertices[], RtInt n, RtToken tokens[], RtPointer values[]) = 0;
    RtVoid PointsPolygons(RtInt npolys, RtInt nvertices[], RtInt vertices[], ...);
    virtual RtVoid PointsPolygonsV(RtInt npolys, RtInt nvertices[], RtInt vertices[], RtInt n, RtToken tokens[],
                                   RtPointer values[]) = 0;
    RtVoid PointsGeneralPolygons(RtInt npolys, RtInt nloops[], RtInt nvertices[], RtInt vertices[], ...);
    virtual RtVoid PointsGeneralPolygonsV(RtInt npolys, RtInt nloops[], RtInt nvertices[], RtInt vertices[], RtInt n,
                                          RtToken tokens[], RtPointer values[]) = 0;
    virtual RtVoid Basis(RtBasis ubasis, RtInt ustep, RtBasis vbasis, RtInt vstep) = 0;
    RtVoid Patch(RtToken type, ...);
    virtual RtVoid PatchV(RtToken type, RtInt n, RtToken tokens[], RtPointer values[]) = 0;
    RtVoid PatchMesh(RtToken type, RtInt nu, RtToken uwrap, RtInt nv, RtToken vwrap, ...);
    virtual RtVoid PatchMeshV(RtToken type, RtInt nu, RtToken uwrap, RtInt nv, RtToken vwrap, RtInt n, RtToken tokens[],
                              RtPointer values[]) = 0;
    virtual RtVoid TrimCurve(RtInt nloops, RtInt ncurves[], RtInt order[], RtFloat knot[], RtFloat min[], RtFloat max[],
                             RtInt n[], RtFloat u[], RtFloat v[], RtFloat w[]) = 0;
    RtVoid NuPatch(RtInt nu, RtInt uorder, RtFloat uknot[], RtFloat umin, RtFloat umax, RtInt nv, RtInt vorder,
                   RtFloat vknot[], RtFloat vmin, RtFloat vmax, ...);
    virtual RtVoid NuPatchV(RtInt nu, RtInt uorder, RtFloat uknot[], RtFloat umin, RtFloat umax, RtInt nv, RtInt vorder,
                            RtFloat vknot[], RtFloat vmin, RtFloat vmax, RtInt n, RtToken tokens[],
                            RtPointer values[]) = 0;
    RtVoid Curves(RtToken type, RtInt ncurves, RtInt nvertices[], RtToken wrap, ...);
    virtual RtVoid CurvesV(RtToken type, RtInt ncurves, RtInt nvertices[], RtToken wrap, RtInt n, RtToken tokens[],
                           RtPointer values[]) = 0;
    RtVoid Points(RtInt npoints, ...);
    virtual RtVoid PointsV(RtInt npoints, RtInt n, RtToken tokens[], RtPointer values[]) = 0;
    RtVoid SubdivisionMesh(RtToken scheme, RtInt nfaces, RtInt nvertices[], RtInt vertices[], RtInt ntags,
                           RtToken tags[], RtInt nargs[], RtInt intargs[], RtFloat floatargs[], ...);
    virtual RtVoid SubdivisionMeshV(RtToken scheme, RtInt nfaces, RtInt nvertices[], RtInt vertices[], RtInt ntags,
                                    RtToken tags[], RtInt nargs[], RtInt intargs[], RtFloat floatargs[], RtInt n,
                                    RtToken tokens[], RtPointer values[]) = 0;
    RtVoid Blobby(RtInt nleaf, RtInt ncode, RtInt code[], RtInt nflt, RtFloat flt[], RtInt nstr, RtToken str[], ...);
    virtual RtVoid BlobbyV(RtInt nleaf, RtInt ncode, RtInt code[], RtInt nflt, RtFloat flt[], RtInt nstr, RtToken str[],
                           RtInt n, RtToken tokens[], RtPointer values[]) = 0;
    virtual RtVoid Procedural(RtPointer data, RtBound bound, RtProcSubdivFunc subdivfunc, RtProcFreeFunc freefunc) = 0;
    RtVoid Geometry(RtToken type, ...);
    virtual RtVoid GeometryV(RtToken type, RtInt n, RtToken tokens[], RtPointer values[]) = 0;
    virtual RtVoid SolidBegin(RtToken operation) = 0;
    virtual RtVoid SolidEnd() = 0;
    virtual RtObjectHandle ObjectBegin() = 0;
    virtual RtVoid ObjectEnd() = 0;
    virtual RtVoid ObjectInstance(RtObjectHandle handle) = 0;
    RtVoid MakeTexture(const char *picturename, const char *texturename, RtToken swrap, RtToken twrap,
                       RtFilterFunc filterfunc, RtFloat swidth, RtFloat twidth, ...);
    virtual RtVoid MakeTextureV(const char *picturename, const char *texturename, RtToken swrap, RtToken twrap,
                                RtFilterFunc filterfunc, RtFloat swidth, RtFloat twidth, RtInt n, RtToken tokens[],
                                RtPointer values[]) = 0;
    RtVoid MakeLatLongEnvironment(const char *picturename, const char *texturename, RtFilterFunc filterfunc,
                                  RtFloat swidth, RtFloat twidth, ...);
    virtual RtVoid MakeLatLongEnvironmentV(const char *picturename, const char *texturename, RtFilterFunc filterfunc,
                                           RtFloat swidth, RtFloat twidth, RtInt n, RtToken tokens[],
                                           RtPointer values[]) = 0;
    RtVoid MakeCubeFaceEnvironment(const char *px, const char *nx, const char *py, const char *ny, const char *pz,
                                   const char *nz, const char *texturename, RtFloat fov, RtFilterFunc filterfunc,
                                   RtFloat swidth, RtFloat twidth, ...);
    virtual RtVoid MakeCubeFaceEnvironmentV(const char *px, const char *nx, const char *py, const char *ny,
                                            const char *pz, const char *nz, const char *texturename, RtFloat fov,
                                            RtFilterFunc filterfunc, RtFloat swidth, RtFloat twidth, RtInt n,
                                            RtToken tokens[], RtPointer values[]) = 0;
    RtVoid MakeShadow(const char *picturename, const char *texturename, ...);
    virtual RtVoid MakeShadowV(const char *picturename, const char *texturename, RtInt n, RtToken tokens[],
                               RtPointer values[]) = 0;
    virtual RtToken Declare(const char *name, const char *declaration) = 0;
    RtVoid ArchiveRecord(RtToken type, const char *format, ...);
    virtual RtVoid VArchiveRecord(RtToken type, const char *format, va_list args) = 0;
    RtVoid ReadArchive(RtToken name, RtArchiveCallback callback, ...);
    virtual RtVoid ReadArchiveV(RtToken name, RtArchiveCallback callback, RtInt n, RtToken tokens[],
                                RtPointer values[]) = 0;
    virtual RtVoid ErrorHandler(RtErrorHandler handler) = 0;

    // The requests of the later interface versions. Each has a default that
    // does nothing (ObjectBeginV: ObjectBegin(); ArchiveBeginV: the name), so
    // that a context written for the older set keeps building; a whole
    // implementation overrides them all (ContextOverrides.h).
    //
    // A "__handleid" string in the list of ObjectBeginV, LightSourceV and
    // AreaLightSourceV names the object or light.
    virtual RtObjectHandle ObjectBeginV(RtInt n, RtToken tokens[], RtPointer values[]);
    RtArchiveHandle ArchiveBegin(RtToken name, ...);
    virtual RtArchiveHandle ArchiveBeginV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]);
    virtual RtVoid ArchiveEnd();
    virtual RtVoid IfBegin(RtString condition);
    virtual RtVoid ElseIf(RtString condition);
    virtual RtVoid Else();
    virtual RtVoid IfEnd();
    RtVoid Resource(RtToken handle, RtToken type, ...);
    virtual RtVoid ResourceV(RtToken handle, RtToken type, RtInt n, RtToken tokens[], RtPointer values[]);
    virtual RtVoid ResourceBegin();
    virtual RtVoid ResourceEnd();
    virtual RtVoid ClippingPlane(RtFloat x, RtFloat y, RtFloat z, RtFloat nx, RtFloat ny, RtFloat nz);
    RtVoid Camera(RtToken name, ...);
    virtual RtVoid CameraV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]);
    virtual RtVoid ScopedCoordinateSystem(RtToken space);
    virtual RtVoid System(RtString command);
    RtVoid Volume(RtToken type, RtBound bound, RtInt dimensions[3], ...);
    virtual RtVoid VolumeV(RtToken type, RtBound bound, RtInt dimensions[3], RtInt n, RtToken tokens[],
                           RtPointer values[]);
    RtVoid Procedural2(RtProc2SubdivFunc subdivfunc, RtProc2BoundFunc boundfunc, ...);
    virtual RtVoid Procedural2V(RtProc2SubdivFunc subdivfunc, RtProc2BoundFunc boundfunc, RtInt n, RtToken tokens[],
                                RtPointer values[]);

    // What a reader passes on besides the requests. The version number of
    // the stream it reads; and a request it does not know, with the values
    // before its parameter list (args) and the list itself (tokens and their
    // values). Both do nothing by default.
    virtual RtVoid Version(RtFloat version);
    virtual RtVoid UnknownRequestV(RtToken name, RtInt nargs, const RequestValue args[], RtInt n, RtToken tokens[],
                                   const RequestValue values[]);

protected:
    RenderContext();
};

}  // namespace quillet

#endif
