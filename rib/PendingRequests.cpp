// Request operations that have no writer yet: each writes nothing.
#pragma GCC diagnostic ignored "-Wunused-parameter"
#include "rib/RibWriter.h"

RtVoid RibWriter::FrameBegin(RtInt frame) {}
RtVoid RibWriter::FrameEnd() {}
RtVoid RibWriter::WorldBegin() {}
RtVoid RibWriter::WorldEnd() {}
RtVoid RibWriter::Format(RtInt xresolution, RtInt yresolution, RtFloat pixelaspectratio) {}
RtVoid RibWriter::FrameAspectRatio(RtFloat ratio) {}
RtVoid RibWriter::ScreenWindow(RtFloat left, RtFloat right, RtFloat bottom, RtFloat top) {}
RtVoid RibWriter::CropWindow(RtFloat xmin, RtFloat xmax, RtFloat ymin, RtFloat ymax) {}
RtVoid RibWriter::Projection(RtToken name, ...) {}
RtVoid RibWriter::ProjectionV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) {}
RtVoid RibWriter::Clipping(RtFloat hither, RtFloat yon) {}
RtVoid RibWriter::DepthOfField(RtFloat fstop, RtFloat focallength, RtFloat focaldistance) {}
RtVoid RibWriter::Shutter(RtFloat opentime, RtFloat closetime) {}
RtVoid RibWriter::PixelVariance(RtFloat variation) {}
RtVoid RibWriter::PixelSamples(RtFloat xsamples, RtFloat ysamples) {}
RtVoid RibWriter::PixelFilter(RtFilterFunc function, RtFloat xwidth, RtFloat ywidth) {}
RtVoid RibWriter::Exposure(RtFloat gain, RtFloat gamma) {}
RtVoid RibWriter::Quantize(RtToken type, RtInt one, RtInt min, RtInt max, RtFloat ditheramplitude) {}
RtVoid RibWriter::Display(const char *name, RtToken type, RtToken mode, ...) {}
RtVoid RibWriter::DisplayV(const char *name, RtToken type, RtToken mode, RtInt n, RtToken tokens[], RtPointer values[]) {}
RtVoid RibWriter::Hider(RtToken type, ...) {}
RtVoid RibWriter::HiderV(RtToken type, RtInt n, RtToken tokens[], RtPointer values[]) {}
RtVoid RibWriter::ColorSamples(RtInt n, RtFloat nRGB[], RtFloat RGBn[]) {}
RtVoid RibWriter::RelativeDetail(RtFloat relativedetail) {}
RtVoid RibWriter::Option(RtToken name, ...) {}
RtVoid RibWriter::OptionV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) {}
RtVoid RibWriter::AttributeBegin() {}
RtVoid RibWriter::AttributeEnd() {}
RtVoid RibWriter::Color(RtColor color) {}
RtVoid RibWriter::Opacity(RtColor color) {}
RtVoid RibWriter::TextureCoordinates(RtFloat s1, RtFloat t1, RtFloat s2, RtFloat t2, RtFloat s3, RtFloat t3, RtFloat s4, RtFloat t4) {}
RtVoid RibWriter::ShadingRate(RtFloat size) {}
RtVoid RibWriter::ShadingInterpolation(RtToken type) {}
RtVoid RibWriter::Matte(RtBoolean onoff) {}
RtVoid RibWriter::Bound(RtBound bound) {}
RtVoid RibWriter::Detail(RtBound bound) {}
RtVoid RibWriter::DetailRange(RtFloat minvisible, RtFloat lowertransition, RtFloat uppertransition, RtFloat maxvisible) {}
RtVoid RibWriter::GeometricApproximation(RtToken type, RtFloat value) {}
RtVoid RibWriter::GeometricRepresentation(RtToken type) {}
RtVoid RibWriter::Sides(RtInt sides) {}
RtVoid RibWriter::Orientation(RtToken orientation) {}
RtVoid RibWriter::ReverseOrientation() {}
RtVoid RibWriter::AttributeV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) {}
RtVoid RibWriter::Attribute(RtToken name, ...) {}
RtVoid RibWriter::Identity() {}
RtVoid RibWriter::ConcatTransform(RtMatrix transform) {}
RtVoid RibWriter::Transform(RtMatrix transform) {}
RtVoid RibWriter::Perspective(RtFloat fov) {}
RtVoid RibWriter::Translate(RtFloat dx, RtFloat dy, RtFloat dz) {}
RtVoid RibWriter::Rotate(RtFloat angle, RtFloat dx, RtFloat dy, RtFloat dz) {}
RtVoid RibWriter::Scale(RtFloat sx, RtFloat sy, RtFloat sz) {}
RtVoid RibWriter::Skew(RtFloat angle, RtFloat dx1, RtFloat dy1, RtFloat dz1, RtFloat dx2, RtFloat dy2, RtFloat dz2) {}
RtVoid RibWriter::CoordinateSystem(RtToken space) {}
RtVoid RibWriter::CoordSysTransform(RtToken space) {}
RtPoint * RibWriter::TransformPoints(RtToken fromspace, RtToken tospace, RtInt n, RtPoint points[]) { return nullptr; }
RtVoid RibWriter::TransformBegin() {}
RtVoid RibWriter::TransformEnd() {}
RtVoid RibWriter::MotionBegin(RtInt n, ...) {}
RtVoid RibWriter::MotionBeginV(RtInt n, RtFloat times[]) {}
RtVoid RibWriter::MotionEnd() {}
RtVoid RibWriter::Surface(RtToken name, ...) {}
RtVoid RibWriter::SurfaceV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) {}
RtVoid RibWriter::Displacement(RtToken name, ...) {}
RtVoid RibWriter::DisplacementV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) {}
RtVoid RibWriter::Atmosphere(RtToken name, ...) {}
RtVoid RibWriter::AtmosphereV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) {}
RtVoid RibWriter::Interior(RtToken name, ...) {}
RtVoid RibWriter::InteriorV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) {}
RtVoid RibWriter::Exterior(RtToken name, ...) {}
RtVoid RibWriter::ExteriorV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) {}
RtVoid RibWriter::Imager(RtToken name, ...) {}
RtVoid RibWriter::ImagerV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) {}
RtLightHandle RibWriter::LightSource(RtToken name, ...) { return nullptr; }
RtLightHandle RibWriter::LightSourceV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) { return nullptr; }
RtLightHandle RibWriter::AreaLightSource(RtToken name, ...) { return nullptr; }
RtLightHandle RibWriter::AreaLightSourceV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) { return nullptr; }
RtVoid RibWriter::Illuminate(RtLightHandle light, RtBoolean onoff) {}
RtVoid RibWriter::Cone(RtFloat height, RtFloat radius, RtFloat thetamax, ...) {}
RtVoid RibWriter::ConeV(RtFloat height, RtFloat radius, RtFloat thetamax, RtInt n, RtToken tokens[], RtPointer values[]) {}
RtVoid RibWriter::Cylinder(RtFloat radius, RtFloat zmin, RtFloat zmax, RtFloat thetamax, ...) {}
RtVoid RibWriter::CylinderV(RtFloat radius, RtFloat zmin, RtFloat zmax, RtFloat thetamax, RtInt n, RtToken tokens[], RtPointer values[]) {}
RtVoid RibWriter::Disk(RtFloat height, RtFloat radius, RtFloat thetamax, ...) {}
RtVoid RibWriter::DiskV(RtFloat height, RtFloat radius, RtFloat thetamax, RtInt n, RtToken tokens[], RtPointer values[]) {}
RtVoid RibWriter::Hyperboloid(RtPoint point1, RtPoint point2, RtFloat thetamax, ...) {}
RtVoid RibWriter::HyperboloidV(RtPoint point1, RtPoint point2, RtFloat thetamax, RtInt n, RtToken tokens[], RtPointer values[]) {}
RtVoid RibWriter::Paraboloid(RtFloat rmax, RtFloat zmin, RtFloat zmax, RtFloat thetamax, ...) {}
RtVoid RibWriter::ParaboloidV(RtFloat rmax, RtFloat zmin, RtFloat zmax, RtFloat thetamax, RtInt n, RtToken tokens[], RtPointer values[]) {}
RtVoid RibWriter::Sphere(RtFloat radius, RtFloat zmin, RtFloat zmax, RtFloat thetamax, ...) {}
RtVoid RibWriter::SphereV(RtFloat radius, RtFloat zmin, RtFloat zmax, RtFloat thetamax, RtInt n, RtToken tokens[], RtPointer values[]) {}
RtVoid RibWriter::Torus(RtFloat majorradius, RtFloat minorradius, RtFloat phimin, RtFloat phimax, RtFloat thetamax, ...) {}
RtVoid RibWriter::TorusV(RtFloat majorradius, RtFloat minorradius, RtFloat phimin, RtFloat phimax, RtFloat thetamax, RtInt n, RtToken tokens[], RtPointer values[]) {}
RtVoid RibWriter::Polygon(RtInt nvertices, ...) {}
RtVoid RibWriter::PolygonV(RtInt nvertices, RtInt n, RtToken tokens[], RtPointer values[]) {}
RtVoid RibWriter::GeneralPolygon(RtInt nloops, RtInt nvertices[], ...) {}
RtVoid RibWriter::GeneralPolygonV(RtInt nloops, RtInt nvertices[], RtInt n, RtToken tokens[], RtPointer values[]) {}
RtVoid RibWriter::PointsPolygons(RtInt npolys, RtInt nvertices[], RtInt vertices[], ...) {}
RtVoid RibWriter::PointsPolygonsV(RtInt npolys, RtInt nvertices[], RtInt vertices[], RtInt n, RtToken tokens[], RtPointer values[]) {}
RtVoid RibWriter::PointsGeneralPolygons(RtInt npolys, RtInt nloops[], RtInt nvertices[], RtInt vertices[], ...) {}
RtVoid RibWriter::PointsGeneralPolygonsV(RtInt npolys, RtInt nloops[], RtInt nvertices[], RtInt vertices[], RtInt n, RtToken tokens[], RtPointer values[]) {}
RtVoid RibWriter::Basis(RtBasis ubasis, RtInt ustep, RtBasis vbasis, RtInt vstep) {}
RtVoid RibWriter::Patch(RtToken type, ...) {}
RtVoid RibWriter::PatchV(RtToken type, RtInt n, RtToken tokens[], RtPointer values[]) {}
RtVoid RibWriter::PatchMesh(RtToken type, RtInt nu, RtToken uwrap, RtInt nv, RtToken vwrap, ...) {}
RtVoid RibWriter::PatchMeshV(RtToken type, RtInt nu, RtToken uwrap, RtInt nv, RtToken vwrap, RtInt n, RtToken tokens[], RtPointer values[]) {}
RtVoid RibWriter::TrimCurve(RtInt nloops, RtInt ncurves[], RtInt order[], RtFloat knot[], RtFloat min[], RtFloat max[], RtInt n[], RtFloat u[], RtFloat v[], RtFloat w[]) {}
RtVoid RibWriter::NuPatch(RtInt nu, RtInt uorder, RtFloat uknot[], RtFloat umin, RtFloat umax, RtInt nv, RtInt vorder, RtFloat vknot[], RtFloat vmin, RtFloat vmax, ...) {}
RtVoid RibWriter::NuPatchV(RtInt nu, RtInt uorder, RtFloat uknot[], RtFloat umin, RtFloat umax, RtInt nv, RtInt vorder, RtFloat vknot[], RtFloat vmin, RtFloat vmax, RtInt n, RtToken tokens[], RtPointer values[]) {}
RtVoid RibWriter::Curves(RtToken type, RtInt ncurves, RtInt nvertices[], RtToken wrap, ...) {}
RtVoid RibWriter::CurvesV(RtToken type, RtInt ncurves, RtInt nvertices[], RtToken wrap, RtInt n, RtToken tokens[], RtPointer values[]) {}
RtVoid RibWriter::Points(RtInt npoints, ...) {}
RtVoid RibWriter::PointsV(RtInt npoints, RtInt n, RtToken tokens[], RtPointer values[]) {}
RtVoid RibWriter::SubdivisionMesh(RtToken scheme, RtInt nfaces, RtInt nvertices[], RtInt vertices[], RtInt ntags, RtToken tags[], RtInt nargs[], RtInt intargs[], RtFloat floatargs[], ...) {}
RtVoid RibWriter::SubdivisionMeshV(RtToken scheme, RtInt nfaces, RtInt nvertices[], RtInt vertices[], RtInt ntags, RtToken tags[], RtInt nargs[], RtInt intargs[], RtFloat floatargs[], RtInt n, RtToken tokens[], RtPointer values[]) {}
RtVoid RibWriter::Blobby(RtInt nleaf, RtInt ncode, RtInt code[], RtInt nflt, RtFloat flt[], RtInt nstr, RtToken str[], ...) {}
RtVoid RibWriter::BlobbyV(RtInt nleaf, RtInt ncode, RtInt code[], RtInt nflt, RtFloat flt[], RtInt nstr, RtToken str[], RtInt n, RtToken tokens[], RtPointer values[]) {}
RtVoid RibWriter::Procedural(RtPointer data, RtBound bound, RtProcSubdivFunc subdivfunc, RtProcFreeFunc freefunc) {}
RtVoid RibWriter::Geometry(RtToken type, ...) {}
RtVoid RibWriter::GeometryV(RtToken type, RtInt n, RtToken tokens[], RtPointer values[]) {}
RtVoid RibWriter::SolidBegin(RtToken operation) {}
RtVoid RibWriter::SolidEnd() {}
RtObjectHandle RibWriter::ObjectBegin() { return nullptr; }
RtVoid RibWriter::ObjectEnd() {}
RtVoid RibWriter::ObjectInstance(RtObjectHandle handle) {}
RtVoid RibWriter::MakeTexture(const char *picturename, const char *texturename, RtToken swrap, RtToken twrap, RtFilterFunc filterfunc, RtFloat swidth, RtFloat twidth, ...) {}
RtVoid RibWriter::MakeTextureV(const char *picturename, const char *texturename, RtToken swrap, RtToken twrap, RtFilterFunc filterfunc, RtFloat swidth, RtFloat twidth, RtInt n, RtToken tokens[], RtPointer values[]) {}
RtVoid RibWriter::MakeLatLongEnvironment(const char *picturename, const char *texturename, RtFilterFunc filterfunc, RtFloat swidth, RtFloat twidth, ...) {}
RtVoid RibWriter::MakeLatLongEnvironmentV(const char *picturename, const char *texturename, RtFilterFunc filterfunc, RtFloat swidth, RtFloat twidth, RtInt n, RtToken tokens[], RtPointer values[]) {}
RtVoid RibWriter::MakeCubeFaceEnvironment(const char *px, const char *nx, const char *py, const char *ny, const char *pz, const char *nz, const char *texturename, RtFloat fov, RtFilterFunc filterfunc, RtFloat swidth, RtFloat twidth, ...) {}
RtVoid RibWriter::MakeCubeFaceEnvironmentV(const char *px, const char *nx, const char *py, const char *ny, const char *pz, const char *nz, const char *texturename, RtFloat fov, RtFilterFunc filterfunc, RtFloat swidth, RtFloat twidth, RtInt n, RtToken tokens[], RtPointer values[]) {}
RtVoid RibWriter::MakeShadow(const char *picturename, const char *texturename, ...) {}
RtVoid RibWriter::MakeShadowV(const char *picturename, const char *texturename, RtInt n, RtToken tokens[], RtPointer values[]) {}
RtToken RibWriter::Declare(const char *name, const char *declaration) { return nullptr; }
RtVoid RibWriter::ArchiveRecord(RtToken type, const char *format, ...) {}
RtVoid RibWriter::VArchiveRecord(RtToken type, const char *format, va_list args) {}
RtVoid RibWriter::ReadArchive(RtToken name, RtArchiveCallback callback, ...) {}
RtVoid RibWriter::ReadArchiveV(RtToken name, RtArchiveCallback callback, RtInt n, RtToken tokens[], RtPointer values[]) {}
RtVoid RibWriter::ErrorHandler(RtErrorHandler handler) {}
