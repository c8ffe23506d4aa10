// QUILLET_RENDER_CONTEXT_OVERRIDES declares, inside a class derived from
// RenderContext, an override of every operation that RenderContext leaves
// virtual, in its order: the list forms and the operations without a
// parameter list. RenderContext.h documents each one; a context that
// implements the whole interface writes this macro in its class body
// instead of repeating the list.
#ifndef QUILLET_CONTEXTOVERRIDES_H
#define QUILLET_CONTEXTOVERRIDES_H

#define QUILLET_RENDER_CONTEXT_OVERRIDES                                                                               \
    RtVoid FrameBegin(RtInt frame) override;                                                                           \
    RtVoid FrameEnd() override;                                                                                        \
    RtVoid WorldBegin() override;                                                                                      \
    RtVoid WorldEnd() override;                                                                                        \
    RtVoid Format(RtInt xresolution, RtInt yresolution, RtFloat pixelaspectratio) override;                            \
    RtVoid FrameAspectRatio(RtFloat ratio) override;                                                                   \
    RtVoid ScreenWindow(RtFloat left, RtFloat right, RtFloat bottom, RtFloat top) override;                            \
    RtVoid CropWindow(RtFloat xmin, RtFloat xmax, RtFloat ymin, RtFloat ymax) override;                                \
    RtVoid ProjectionV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) override;                          \
    RtVoid Clipping(RtFloat hither, RtFloat yon) override;                                                             \
    RtVoid DepthOfField(RtFloat fstop, RtFloat focallength, RtFloat focaldistance) override;                           \
    RtVoid Shutter(RtFloat opentime, RtFloat closetime) override;                                                      \
    RtVoid PixelVariance(RtFloat variation) override;                                                                  \
    RtVoid PixelSamples(RtFloat xsamples, RtFloat ysamples) override;                                                  \
    RtVoid PixelFilter(RtFilterFunc function, RtFloat xwidth, RtFloat ywidth) override;                                \
    RtVoid Exposure(RtFloat gain, RtFloat gamma) override;                                                             \
    RtVoid Quantize(RtToken type, RtInt one, RtInt min, RtInt max, RtFloat ditheramplitude) override;                  \
    RtVoid DisplayV(const char *name, RtToken type, RtToken mode, RtInt n, RtToken tokens[], RtPointer values[])       \
        override;                                                                                                      \
    RtVoid HiderV(RtToken type, RtInt n, RtToken tokens[], RtPointer values[]) override;                               \
    RtVoid ColorSamples(RtInt n, RtFloat nRGB[], RtFloat RGBn[]) override;                                             \
    RtVoid RelativeDetail(RtFloat relativedetail) override;                                                            \
    RtVoid OptionV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) override;                              \
    RtVoid AttributeBegin() override;                                                                                  \
    RtVoid AttributeEnd() override;                                                                                    \
    RtVoid Color(RtColor color) override;                                                                              \
    RtVoid Opacity(RtColor color) override;                                                                            \
    RtVoid TextureCoordinates(RtFloat s1, RtFloat t1, RtFloat s2, RtFloat t2, RtFloat s3, RtFloat t3, RtFloat s4,      \
                              RtFloat t4) override;                                                                    \
    RtVoid ShadingRate(RtFloat size) override;                                                                         \
    RtVoid ShadingInterpolation(RtToken type) override;                                                                \
    RtVoid Matte(RtBoolean onoff) override;                                                                            \
    RtVoid Bound(RtBound bound) override;                                                                              \
    RtVoid Detail(RtBound bound) override;                                                                             \
    RtVoid DetailRange(RtFloat minvisible, RtFloat lowertransition, RtFloat uppertransition, RtFloat maxvisible)       \
        override;                                                                                                      \
    RtVoid GeometricApproximation(RtToken type, RtFloat value) override;                                               \
    RtVoid GeometricRepresentation(RtToken type) override;                                                             \
    RtVoid Sides(RtInt sides) override;                                                                                \
    RtVoid Orientation(RtToken orientation) override;                                                                  \
    RtVoid ReverseOrientation() override;                                                                              \
    RtVoid AttributeV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) override;                           \
    RtVoid Identity() override;                                                                                        \
    RtVoid ConcatTransform(RtMatrix transform) override;                                                               \
    RtVoid Transform(RtMatrix transform) override;                                                                     \
    RtVoid Perspective(RtFloat fov) override;                                                                          \
    RtVoid Translate(RtFloat dx, RtFloat dy, RtFloat dz) override;                                                     \
    RtVoid Rotate(RtFloat angle, RtFloat dx, RtFloat dy, RtFloat dz) override;                                         \
    RtVoid Scale(RtFloat sx, RtFloat sy, RtFloat sz) override;                                                         \
    RtVoid Skew(RtFloat angle, RtFloat dx1, RtFloat dy1, RtFloat dz1, RtFloat dx2, RtFloat dy2, RtFloat dz2) override; \
    RtVoid CoordinateSystem(RtToken space) override;                                                                   \
    RtVoid CoordSysTransform(RtToken space) override;                                                                  \
    RtPoint *TransformPoints(RtToken fromspace, RtToken tospace, RtInt n, RtPoint points[]) override;                  \
    RtVoid TransformBegin() override;                                                                                  \
    RtVoid TransformEnd() override;                                                                                    \
    RtVoid MotionBeginV(RtInt n, RtFloat times[]) override;                                                            \
    RtVoid MotionEnd() override;                                                                                       \
    RtVoid SurfaceV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) override;                             \
    RtVoid DisplacementV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) override;                        \
    RtVoid AtmosphereV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) override;                          \
    RtVoid InteriorV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) override;                            \
    RtVoid ExteriorV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) override;                            \
    RtVoid ImagerV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) override;                              \
    RtLightHandle LightSourceV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) override;                  \
    RtLightHandle AreaLightSourceV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) override;              \
    RtVoid Illuminate(RtLightHandle light, RtBoolean onoff) override;                                                  \
    RtVoid ConeV(RtFloat height, RtFloat radius, RtFloat thetamax, RtInt n, RtToken tokens[], RtPointer values[])      \
        override;                                                                                                      \
    RtVoid CylinderV(RtFloat radius, RtFloat zmin, RtFloat zmax, RtFloat thetamax, RtInt n, RtToken tokens[],          \
                     RtPointer values[]) override;                                                                     \
    RtVoid DiskV(RtFloat height, RtFloat radius, RtFloat thetamax, RtInt n, RtToken tokens[], RtPointer values[])      \
        override;                                                                                                      \
    RtVoid HyperboloidV(RtPoint point1, RtPoint point2, RtFloat thetamax, RtInt n, RtToken tokens[],                   \
                        RtPointer values[]) override;                                                                  \
    RtVoid ParaboloidV(RtFloat rmax, RtFloat zmin, RtFloat zmax, RtFloat thetamax, RtInt n, RtToken tokens[],          \
                       RtPointer values[]) override;                                                                   \
    RtVoid SphereV(RtFloat radius, RtFloat zmin, RtFloat zmax, RtFloat thetamax, RtInt n, RtToken tokens[],            \
                   RtPointer values[]) override;                                                                       \
    RtVoid TorusV(RtFloat majorradius, RtFloat minorradius, RtFloat phimin, RtFloat phimax, RtFloat thetamax, RtInt n, \
                  RtToken tokens[], RtPointer values[]) override;                                                      \
    RtVoid PolygonV(RtInt nvertices, RtInt n, RtToken tokens[], RtPointer values[]) override;                          \
    RtVoid GeneralPolygonV(RtInt nloops, RtInt nvertices[], RtInt n, RtToken tokens[], RtPointer values[]) override;   \
    RtVoid PointsPolygonsV(RtInt npolys, RtInt nvertices[], RtInt vertices[], RtInt n, RtToken tokens[],               \
                           RtPointer values[]) override;                                                               \
    RtVoid PointsGeneralPolygonsV(RtInt npolys, RtInt nloops[], RtInt nvertices[], RtInt vertices[], RtInt n,          \
                                  RtToken tokens[], RtPointer values[]) override;                                      \
    RtVoid Basis(RtBasis ubasis, RtInt ustep, RtBasis vbasis, RtInt vstep) override;                                   \
    RtVoid PatchV(RtToken type, RtInt n, RtToken tokens[], RtPointer values[]) override;                               \
    RtVoid PatchMeshV(RtToken type, RtInt nu, RtToken uwrap, RtInt nv, RtToken vwrap, RtInt n, RtToken tokens[],       \
                      RtPointer values[]) override;                                                                    \
    RtVoid TrimCurve(RtInt nloops, RtInt ncurves[], RtInt order[], RtFloat knot[], RtFloat min[], RtFloat max[],       \
                     RtInt n[], RtFloat u[], RtFloat v[], RtFloat w[]) override;                                       \
    RtVoid NuPatchV(RtInt nu, RtInt uorder, RtFloat uknot[], RtFloat umin, RtFloat umax, RtInt nv, RtInt vorder,       \
                    RtFloat vknot[], RtFloat vmin, RtFloat vmax, RtInt n, RtToken tokens[], RtPointer values[])        \
        override;                                                                                                      \
    RtVoid CurvesV(RtToken type, RtInt ncurves, RtInt nvertices[], RtToken wrap, RtInt n, RtToken tokens[],            \
                   RtPointer values[]) override;                                                                       \
    RtVoid PointsV(RtInt npoints, RtInt n, RtToken tokens[], RtPointer values[]) override;                             \
    RtVoid SubdivisionMeshV(RtToken scheme, RtInt nfaces, RtInt nvertices[], RtInt vertices[], RtInt ntags,            \
                            RtToken tags[], RtInt nargs[], RtInt intargs[], RtFloat floatargs[], RtInt n,              \
                            RtToken tokens[], RtPointer values[]) override;                                            \
    RtVoid BlobbyV(RtInt nleaf, RtInt ncode, RtInt code[], RtInt nflt, RtFloat flt[], RtInt nstr, RtToken str[],       \
                   RtInt n, RtToken tokens[], RtPointer values[]) override;                                            \
    RtVoid Procedural(RtPointer data, RtBound bound, RtProcSubdivFunc subdivfunc, RtProcFreeFunc freefunc) override;   \
    RtVoid GeometryV(RtToken type, RtInt n, RtToken tokens[], RtPointer values[]) override;                            \
    RtVoid SolidBegin(RtToken operation) override;                                                                     \
    RtVoid SolidEnd() override;                                                                                        \
    RtObjectHandle ObjectBegin() override;                                                                             \
    RtVoid ObjectEnd() override;                                                                                       \
    RtVoid ObjectInstance(RtObjectHandle handle) override;                                                             \
    RtVoid MakeTextureV(const char *picturename, const char *texturename, RtToken swrap, RtToken twrap,                \
                        RtFilterFunc filterfunc, RtFloat swidth, RtFloat twidth, RtInt n, RtToken tokens[],            \
                        RtPointer values[]) override;                                                                  \
    RtVoid MakeLatLongEnvironmentV(const char *picturename, const char *texturename, RtFilterFunc filterfunc,          \
                                   RtFloat swidth, RtFloat twidth, RtInt n, RtToken tokens[], RtPointer values[])      \
        override;                                                                                                      \
    RtVoid MakeCubeFaceEnvironmentV(const char *px, const char *nx, const char *py, const char *ny, const char *pz,    \
                                    const char *nz, const char *texturename, RtFloat fov, RtFilterFunc filterfunc,     \
                                    RtFloat swidth, RtFloat twidth, RtInt n, RtToken tokens[], RtPointer values[])     \
        override;                                                                                                      \
    RtVoid MakeShadowV(const char *picturename, const char *texturename, RtInt n, RtToken tokens[],                    \
                       RtPointer values[]) override;                                                                   \
    RtToken Declare(const char *name, const char *declaration) override;                                               \
    RtVoid VArchiveRecord(RtToken type, const char *format, va_list args) override;                                    \
    RtVoid ReadArchiveV(RtToken name, RtArchiveCallback callback, RtInt n, RtToken tokens[], RtPointer values[])       \
        override;                                                                                                      \
    RtVoid ErrorHandler(RtErrorHandler handler) override;                                                              \
    RtObjectHandle ObjectBeginV(RtInt n, RtToken tokens[], RtPointer values[]) override;                               \
    RtArchiveHandle ArchiveBeginV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) override;               \
    RtVoid ArchiveEnd() override;                                                                                      \
    RtVoid IfBegin(RtString condition) override;                                                                       \
    RtVoid ElseIf(RtString condition) override;                                                                        \
    RtVoid Else() override;                                                                                            \
    RtVoid IfEnd() override;                                                                                           \
    RtVoid ResourceV(RtToken handle, RtToken type, RtInt n, RtToken tokens[], RtPointer values[]) override;            \
    RtVoid ResourceBegin() override;                                                                                   \
    RtVoid ResourceEnd() override;                                                                                     \
    RtVoid ClippingPlane(RtFloat x, RtFloat y, RtFloat z, RtFloat nx, RtFloat ny, RtFloat nz) override;                \
    RtVoid CameraV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) override;                              \
    RtVoid ScopedCoordinateSystem(RtToken space) override;                                                             \
    RtVoid System(RtString command) override;                                                                          \
    RtVoid VolumeV(RtToken type, RtBound bound, RtInt dimensions[3], RtInt n, RtToken tokens[], RtPointer values[])    \
        override;                                                                                                      \
    RtVoid Procedural2V(RtProc2SubdivFunc subdivfunc, RtProc2BoundFunc boundfunc, RtInt n, RtToken tokens[],           \
                        RtPointer values[]) override;                                                                  \
    RtVoid Version(RtFloat version) override;                                                                          \
    RtVoid UnknownRequestV(RtToken name, RtInt nargs, const RequestValue args[], RtInt n, RtToken tokens[],            \
                           const RequestValue values[]) override;

#endif
