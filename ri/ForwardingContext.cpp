#include "quillet/ForwardingContext.h"

namespace quillet {

// An operation that takes one token and a parameter list, inside any block.
#define QUILLET_FORWARD_NAMED_LIST(Operation)                                                                          \
    RtVoid ForwardingContext::Operation(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) {                 \
        forwarding(Nesting::Inside);                                                                                   \
        if (next) next->Operation(name, n, tokens, values);                                                            \
    }

RtVoid ForwardingContext::FrameBegin(RtInt frame) {
    forwarding(Nesting::Opens);
    if (next) next->FrameBegin(frame);
}

RtVoid ForwardingContext::FrameEnd() {
    forwarding(Nesting::Closes);
    if (next) next->FrameEnd();
}

RtVoid ForwardingContext::WorldBegin() {
    forwarding(Nesting::Opens);
    if (next) next->WorldBegin();
}

RtVoid ForwardingContext::WorldEnd() {
    forwarding(Nesting::Closes);
    if (next) next->WorldEnd();
}

RtVoid ForwardingContext::Format(RtInt xresolution, RtInt yresolution, RtFloat pixelaspectratio) {
    forwarding(Nesting::Inside);
    if (next) next->Format(xresolution, yresolution, pixelaspectratio);
}

RtVoid ForwardingContext::FrameAspectRatio(RtFloat ratio) {
    forwarding(Nesting::Inside);
    if (next) next->FrameAspectRatio(ratio);
}

RtVoid ForwardingContext::ScreenWindow(RtFloat left, RtFloat right, RtFloat bottom, RtFloat top) {
    forwarding(Nesting::Inside);
    if (next) next->ScreenWindow(left, right, bottom, top);
}

RtVoid ForwardingContext::CropWindow(RtFloat xmin, RtFloat xmax, RtFloat ymin, RtFloat ymax) {
    forwarding(Nesting::Inside);
    if (next) next->CropWindow(xmin, xmax, ymin, ymax);
}

QUILLET_FORWARD_NAMED_LIST(ProjectionV)

RtVoid ForwardingContext::Clipping(RtFloat hither, RtFloat yon) {
    forwarding(Nesting::Inside);
    if (next) next->Clipping(hither, yon);
}

RtVoid ForwardingContext::DepthOfField(RtFloat fstop, RtFloat focallength, RtFloat focaldistance) {
    forwarding(Nesting::Inside);
    if (next) next->DepthOfField(fstop, focallength, focaldistance);
}

RtVoid ForwardingContext::Shutter(RtFloat opentime, RtFloat closetime) {
    forwarding(Nesting::Inside);
    if (next) next->Shutter(opentime, closetime);
}

RtVoid ForwardingContext::PixelVariance(RtFloat variation) {
    forwarding(Nesting::Inside);
    if (next) next->PixelVariance(variation);
}

RtVoid ForwardingContext::PixelSamples(RtFloat xsamples, RtFloat ysamples) {
    forwarding(Nesting::Inside);
    if (next) next->PixelSamples(xsamples, ysamples);
}

RtVoid ForwardingContext::PixelFilter(RtFilterFunc function, RtFloat xwidth, RtFloat ywidth) {
    forwarding(Nesting::Inside);
    if (next) next->PixelFilter(function, xwidth, ywidth);
}

RtVoid ForwardingContext::Exposure(RtFloat gain, RtFloat gamma) {
    forwarding(Nesting::Inside);
    if (next) next->Exposure(gain, gamma);
}

RtVoid ForwardingContext::Quantize(RtToken type, RtInt one, RtInt min, RtInt max, RtFloat ditheramplitude) {
    forwarding(Nesting::Inside);
    if (next) next->Quantize(type, one, min, max, ditheramplitude);
}

RtVoid ForwardingContext::DisplayV(const char *name, RtToken type, RtToken mode, RtInt n, RtToken tokens[],
                                   RtPointer values[]) {
    forwarding(Nesting::Inside);
    if (next) next->DisplayV(name, type, mode, n, tokens, values);
}

QUILLET_FORWARD_NAMED_LIST(HiderV)

RtVoid ForwardingContext::ColorSamples(RtInt n, RtFloat nRGB[], RtFloat RGBn[]) {
    forwarding(Nesting::Inside);
    if (next) next->ColorSamples(n, nRGB, RGBn);
}

RtVoid ForwardingContext::RelativeDetail(RtFloat relativedetail) {
    forwarding(Nesting::Inside);
    if (next) next->RelativeDetail(relativedetail);
}

QUILLET_FORWARD_NAMED_LIST(OptionV)

RtVoid ForwardingContext::AttributeBegin() {
    forwarding(Nesting::Opens);
    if (next) next->AttributeBegin();
}

RtVoid ForwardingContext::AttributeEnd() {
    forwarding(Nesting::Closes);
    if (next) next->AttributeEnd();
}

RtVoid ForwardingContext::Color(RtColor color) {
    forwarding(Nesting::Inside);
    if (next) next->Color(color);
}

RtVoid ForwardingContext::Opacity(RtColor color) {
    forwarding(Nesting::Inside);
    if (next) next->Opacity(color);
}

RtVoid ForwardingContext::TextureCoordinates(RtFloat s1, RtFloat t1, RtFloat s2, RtFloat t2, RtFloat s3, RtFloat t3,
                                             RtFloat s4, RtFloat t4) {
    forwarding(Nesting::Inside);
    if (next) next->TextureCoordinates(s1, t1, s2, t2, s3, t3, s4, t4);
}

RtVoid ForwardingContext::ShadingRate(RtFloat size) {
    forwarding(Nesting::Inside);
    if (next) next->ShadingRate(size);
}

RtVoid ForwardingContext::ShadingInterpolation(RtToken type) {
    forwarding(Nesting::Inside);
    if (next) next->ShadingInterpolation(type);
}

RtVoid ForwardingContext::Matte(RtBoolean onoff) {
    forwarding(Nesting::Inside);
    if (next) next->Matte(onoff);
}

RtVoid ForwardingContext::Bound(RtBound bound) {
    forwarding(Nesting::Inside);
    if (next) next->Bound(bound);
}

RtVoid ForwardingContext::Detail(RtBound bound) {
    forwarding(Nesting::Inside);
    if (next) next->Detail(bound);
}

RtVoid ForwardingContext::DetailRange(RtFloat minvisible, RtFloat lowertransition, RtFloat uppertransition,
                                      RtFloat maxvisible) {
    forwarding(Nesting::Inside);
    if (next) next->DetailRange(minvisible, lowertransition, uppertransition, maxvisible);
}

RtVoid ForwardingContext::GeometricApproximation(RtToken type, RtFloat value) {
    forwarding(Nesting::Inside);
    if (next) next->GeometricApproximation(type, value);
}

RtVoid ForwardingContext::GeometricRepresentation(RtToken type) {
    forwarding(Nesting::Inside);
    if (next) next->GeometricRepresentation(type);
}

RtVoid ForwardingContext::Sides(RtInt sides) {
    forwarding(Nesting::Inside);
    if (next) next->Sides(sides);
}

RtVoid ForwardingContext::Orientation(RtToken orientation) {
    forwarding(Nesting::Inside);
    if (next) next->Orientation(orientation);
}

RtVoid ForwardingContext::ReverseOrientation() {
    forwarding(Nesting::Inside);
    if (next) next->ReverseOrientation();
}

QUILLET_FORWARD_NAMED_LIST(AttributeV)

RtVoid ForwardingContext::Identity() {
    forwarding(Nesting::Inside);
    if (next) next->Identity();
}

RtVoid ForwardingContext::ConcatTransform(RtMatrix transform) {
    forwarding(Nesting::Inside);
    if (next) next->ConcatTransform(transform);
}

RtVoid ForwardingContext::Transform(RtMatrix transform) {
    forwarding(Nesting::Inside);
    if (next) next->Transform(transform);
}

RtVoid ForwardingContext::Perspective(RtFloat fov) {
    forwarding(Nesting::Inside);
    if (next) next->Perspective(fov);
}

RtVoid ForwardingContext::Translate(RtFloat dx, RtFloat dy, RtFloat dz) {
    forwarding(Nesting::Inside);
    if (next) next->Translate(dx, dy, dz);
}

RtVoid ForwardingContext::Rotate(RtFloat angle, RtFloat dx, RtFloat dy, RtFloat dz) {
    forwarding(Nesting::Inside);
    if (next) next->Rotate(angle, dx, dy, dz);
}

RtVoid ForwardingContext::Scale(RtFloat sx, RtFloat sy, RtFloat sz) {
    forwarding(Nesting::Inside);
    if (next) next->Scale(sx, sy, sz);
}

RtVoid ForwardingContext::Skew(RtFloat angle, RtFloat dx1, RtFloat dy1, RtFloat dz1, RtFloat dx2, RtFloat dy2,
                               RtFloat dz2) {
    forwarding(Nesting::Inside);
    if (next) next->Skew(angle, dx1, dy1, dz1, dx2, dy2, dz2);
}

RtVoid ForwardingContext::CoordinateSystem(RtToken space) {
    forwarding(Nesting::Inside);
    if (next) next->CoordinateSystem(space);
}

RtVoid ForwardingContext::CoordSysTransform(RtToken space) {
    forwarding(Nesting::Inside);
    if (next) next->CoordSysTransform(space);
}

RtPoint *ForwardingContext::TransformPoints(RtToken fromspace, RtToken tospace, RtInt n, RtPoint points[]) {
    forwarding(Nesting::Inside);
    return next ? next->TransformPoints(fromspace, tospace, n, points) : nullptr;
}

RtVoid ForwardingContext::TransformBegin() {
    forwarding(Nesting::Opens);
    if (next) next->TransformBegin();
}

RtVoid ForwardingContext::TransformEnd() {
    forwarding(Nesting::Closes);
    if (next) next->TransformEnd();
}

RtVoid ForwardingContext::MotionBeginV(RtInt n, RtFloat times[]) {
    forwarding(Nesting::Opens);
    if (next) next->MotionBeginV(n, times);
}

RtVoid ForwardingContext::MotionEnd() {
    forwarding(Nesting::Closes);
    if (next) next->MotionEnd();
}

QUILLET_FORWARD_NAMED_LIST(SurfaceV)
QUILLET_FORWARD_NAMED_LIST(DisplacementV)
QUILLET_FORWARD_NAMED_LIST(AtmosphereV)
QUILLET_FORWARD_NAMED_LIST(InteriorV)
QUILLET_FORWARD_NAMED_LIST(ExteriorV)
QUILLET_FORWARD_NAMED_LIST(ImagerV)

RtLightHandle ForwardingContext::LightSourceV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) {
    forwarding(Nesting::Inside);
    return next ? next->LightSourceV(name, n, tokens, values) : nullptr;
}

RtLightHandle ForwardingContext::AreaLightSourceV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) {
    forwarding(Nesting::Inside);
    return next ? next->AreaLightSourceV(name, n, tokens, values) : nullptr;
}

RtVoid ForwardingContext::Illuminate(RtLightHandle light, RtBoolean onoff) {
    forwarding(Nesting::Inside);
    if (next) next->Illuminate(light, onoff);
}

RtVoid ForwardingContext::ConeV(RtFloat height, RtFloat radius, RtFloat thetamax, RtInt n, RtToken tokens[],
                                RtPointer values[]) {
    forwarding(Nesting::Inside);
    if (next) next->ConeV(height, radius, thetamax, n, tokens, values);
}

RtVoid ForwardingContext::CylinderV(RtFloat radius, RtFloat zmin, RtFloat zmax, RtFloat thetamax, RtInt n,
                                    RtToken tokens[], RtPointer values[]) {
    forwarding(Nesting::Inside);
    if (next) next->CylinderV(radius, zmin, zmax, thetamax, n, tokens, values);
}

RtVoid ForwardingContext::DiskV(RtFloat height, RtFloat radius, RtFloat thetamax, RtInt n, RtToken tokens[],
                                RtPointer values[]) {
    forwarding(Nesting::Inside);
    if (next) next->DiskV(height, radius, thetamax, n, tokens, values);
}

RtVoid ForwardingContext::HyperboloidV(RtPoint point1, RtPoint point2, RtFloat thetamax, RtInt n, RtToken tokens[],
                                       RtPointer values[]) {
    forwarding(Nesting::Inside);
    if (next) next->HyperboloidV(point1, point2, thetamax, n, tokens, values);
}

RtVoid ForwardingContext::ParaboloidV(RtFloat rmax, RtFloat zmin, RtFloat zmax, RtFloat thetamax, RtInt n,
                                      RtToken tokens[], RtPointer values[]) {
    forwarding(Nesting::Inside);
    if (next) next->ParaboloidV(rmax, zmin, zmax, thetamax, n, tokens, values);
}

RtVoid ForwardingContext::SphereV(RtFloat radius, RtFloat zmin, RtFloat zmax, RtFloat thetamax, RtInt n,
                                  RtToken tokens[], RtPointer values[]) {
    forwarding(Nesting::Inside);
    if (next) next->SphereV(radius, zmin, zmax, thetamax, n, tokens, values);
}

RtVoid ForwardingContext::TorusV(RtFloat majorradius, RtFloat minorradius, RtFloat phimin, RtFloat phimax,
                                 RtFloat thetamax, RtInt n, RtToken tokens[], RtPointer values[]) {
    forwarding(Nesting::Inside);
    if (next) next->TorusV(majorradius, minorradius, phimin, phimax, thetamax, n, tokens, values);
}

RtVoid ForwardingContext::PolygonV(RtInt nvertices, RtInt n, RtToken tokens[], RtPointer values[]) {
    forwarding(Nesting::Inside);
    if (next) next->PolygonV(nvertices, n, tokens, values);
}

RtVoid ForwardingContext::GeneralPolygonV(RtInt nloops, RtInt nvertices[], RtInt n, RtToken tokens[],
                                          RtPointer values[]) {
    forwarding(Nesting::Inside);
    if (next) next->GeneralPolygonV(nloops, nvertices, n, tokens, values);
}

RtVoid ForwardingContext::PointsPolygonsV(RtInt npolys, RtInt nvertices[], RtInt vertices[], RtInt n, RtToken tokens[],
                                          RtPointer values[]) {
    forwarding(Nesting::Inside);
    if (next) next->PointsPolygonsV(npolys, nvertices, vertices, n, tokens, values);
}

RtVoid ForwardingContext::PointsGeneralPolygonsV(RtInt npolys, RtInt nloops[], RtInt nvertices[], RtInt vertices[],
                                                 RtInt n, RtToken tokens[], RtPointer values[]) {
    forwarding(Nesting::Inside);
    if (next) next->PointsGeneralPolygonsV(npolys, nloops, nvertices, vertices, n, tokens, values);
}

RtVoid ForwardingContext::Basis(RtBasis ubasis, RtInt ustep, RtBasis vbasis, RtInt vstep) {
    forwarding(Nesting::Inside);
    if (next) next->Basis(ubasis, ustep, vbasis, vstep);
}

QUILLET_FORWARD_NAMED_LIST(PatchV)

RtVoid ForwardingContext::PatchMeshV(RtToken type, RtInt nu, RtToken uwrap, RtInt nv, RtToken vwrap, RtInt n,
                                     RtToken tokens[], RtPointer values[]) {
    forwarding(Nesting::Inside);
    if (next) next->PatchMeshV(type, nu, uwrap, nv, vwrap, n, tokens, values);
}

RtVoid ForwardingContext::TrimCurve(RtInt nloops, RtInt ncurves[], RtInt order[], RtFloat knot[], RtFloat min[],
                                    RtFloat max[], RtInt n[], RtFloat u[], RtFloat v[], RtFloat w[]) {
    forwarding(Nesting::Inside);
    if (next) next->TrimCurve(nloops, ncurves, order, knot, min, max, n, u, v, w);
}

RtVoid ForwardingContext::NuPatchV(RtInt nu, RtInt uorder, RtFloat uknot[], RtFloat umin, RtFloat umax, RtInt nv,
                                   RtInt vorder, RtFloat vknot[], RtFloat vmin, RtFloat vmax, RtInt n, RtToken tokens[],
                                   RtPointer values[]) {
    forwarding(Nesting::Inside);
    if (next) next->NuPatchV(nu, uorder, uknot, umin, umax, nv, vorder, vknot, vmin, vmax, n, tokens, values);
}

RtVoid ForwardingContext::CurvesV(RtToken type, RtInt ncurves, RtInt nvertices[], RtToken wrap, RtInt n,
                                  RtToken tokens[], RtPointer values[]) {
    forwarding(Nesting::Inside);
    if (next) next->CurvesV(type, ncurves, nvertices, wrap, n, tokens, values);
}

RtVoid ForwardingContext::PointsV(RtInt npoints, RtInt n, RtToken tokens[], RtPointer values[]) {
    forwarding(Nesting::Inside);
    if (next) next->PointsV(npoints, n, tokens, values);
}

RtVoid ForwardingContext::SubdivisionMeshV(RtToken scheme, RtInt nfaces, RtInt nvertices[], RtInt vertices[],
                                           RtInt ntags, RtToken tags[], RtInt nargs[], RtInt intargs[],
                                           RtFloat floatargs[], RtInt n, RtToken tokens[], RtPointer values[]) {
    forwarding(Nesting::Inside);
    if (next)
        next->SubdivisionMeshV(scheme, nfaces, nvertices, vertices, ntags, tags, nargs, intargs, floatargs, n, tokens,
                               values);
}

RtVoid ForwardingContext::BlobbyV(RtInt nleaf, RtInt ncode, RtInt code[], RtInt nflt, RtFloat flt[], RtInt nstr,
                                  RtToken str[], RtInt n, RtToken tokens[], RtPointer values[]) {
    forwarding(Nesting::Inside);
    if (next) next->BlobbyV(nleaf, ncode, code, nflt, flt, nstr, str, n, tokens, values);
}

RtVoid ForwardingContext::Procedural(RtPointer data, RtBound bound, RtProcSubdivFunc subdivfunc,
                                     RtProcFreeFunc freefunc) {
    forwarding(Nesting::Inside);
    if (next) next->Procedural(data, bound, subdivfunc, freefunc);
}

QUILLET_FORWARD_NAMED_LIST(GeometryV)

RtVoid ForwardingContext::SolidBegin(RtToken operation) {
    forwarding(Nesting::Opens);
    if (next) next->SolidBegin(operation);
}

RtVoid ForwardingContext::SolidEnd() {
    forwarding(Nesting::Closes);
    if (next) next->SolidEnd();
}

RtObjectHandle ForwardingContext::ObjectBegin() {
    forwarding(Nesting::Opens);
    return next ? next->ObjectBegin() : nullptr;
}

RtVoid ForwardingContext::ObjectEnd() {
    forwarding(Nesting::Closes);
    if (next) next->ObjectEnd();
}

RtVoid ForwardingContext::ObjectInstance(RtObjectHandle handle) {
    forwarding(Nesting::Inside);
    if (next) next->ObjectInstance(handle);
}

RtVoid ForwardingContext::MakeTextureV(const char *picturename, const char *texturename, RtToken swrap, RtToken twrap,
                                       RtFilterFunc filterfunc, RtFloat swidth, RtFloat twidth, RtInt n,
                                       RtToken tokens[], RtPointer values[]) {
    forwarding(Nesting::Inside);
    if (next) next->MakeTextureV(picturename, texturename, swrap, twrap, filterfunc, swidth, twidth, n, tokens, values);
}

RtVoid ForwardingContext::MakeLatLongEnvironmentV(const char *picturename, const char *texturename,
                                                  RtFilterFunc filterfunc, RtFloat swidth, RtFloat twidth, RtInt n,
                                                  RtToken tokens[], RtPointer values[]) {
    forwarding(Nesting::Inside);
    if (next) next->MakeLatLongEnvironmentV(picturename, texturename, filterfunc, swidth, twidth, n, tokens, values);
}

RtVoid ForwardingContext::MakeCubeFaceEnvironmentV(const char *px, const char *nx, const char *py, const char *ny,
                                                   const char *pz, const char *nz, const char *texturename, RtFloat fov,
                                                   RtFilterFunc filterfunc, RtFloat swidth, RtFloat twidth, RtInt n,
                                                   RtToken tokens[], RtPointer values[]) {
    forwarding(Nesting::Inside);
    if (next)
        next->MakeCubeFaceEnvironmentV(px, nx, py, ny, pz, nz, texturename, fov, filterfunc, swidth, twidth, n, tokens,
                                       values);
}

RtVoid ForwardingContext::MakeShadowV(const char *picturename, const char *texturename, RtInt n, RtToken tokens[],
                                      RtPointer values[]) {
    forwarding(Nesting::Inside);
    if (next) next->MakeShadowV(picturename, texturename, n, tokens, values);
}

RtToken ForwardingContext::Declare(const char *name, const char *declaration) {
    forwarding(Nesting::Inside);
    return next ? next->Declare(name, declaration) : nullptr;
}

RtVoid ForwardingContext::VArchiveRecord(RtToken type, const char *format, va_list args) {
    forwarding(Nesting::Inside);
    if (next) next->VArchiveRecord(type, format, args);
}

RtVoid ForwardingContext::ReadArchiveV(RtToken name, RtArchiveCallback callback, RtInt n, RtToken tokens[],
                                       RtPointer values[]) {
    forwarding(Nesting::Inside);
    if (next) next->ReadArchiveV(name, callback, n, tokens, values);
}

RtVoid ForwardingContext::ErrorHandler(RtErrorHandler handler) {
    forwarding(Nesting::Inside);
    if (next) next->ErrorHandler(handler);
}

// The requests of the later interface versions.
RtObjectHandle ForwardingContext::ObjectBeginV(RtInt n, RtToken tokens[], RtPointer values[]) {
    forwarding(Nesting::Opens);
    return next ? next->ObjectBeginV(n, tokens, values) : nullptr;
}

RtArchiveHandle ForwardingContext::ArchiveBeginV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) {
    forwarding(Nesting::Opens);
    return next ? next->ArchiveBeginV(name, n, tokens, values) : nullptr;
}

RtVoid ForwardingContext::ArchiveEnd() {
    forwarding(Nesting::Closes);
    if (next) next->ArchiveEnd();
}

RtVoid ForwardingContext::IfBegin(RtString condition) {
    forwarding(Nesting::Opens);
    if (next) next->IfBegin(condition);
}

RtVoid ForwardingContext::ElseIf(RtString condition) {
    forwarding(Nesting::Continues);
    if (next) next->ElseIf(condition);
}

RtVoid ForwardingContext::Else() {
    forwarding(Nesting::Continues);
    if (next) next->Else();
}

RtVoid ForwardingContext::IfEnd() {
    forwarding(Nesting::Closes);
    if (next) next->IfEnd();
}

RtVoid ForwardingContext::ResourceV(RtToken handle, RtToken type, RtInt n, RtToken tokens[], RtPointer values[]) {
    forwarding(Nesting::Inside);
    if (next) next->ResourceV(handle, type, n, tokens, values);
}

RtVoid ForwardingContext::ResourceBegin() {
    forwarding(Nesting::Opens);
    if (next) next->ResourceBegin();
}

RtVoid ForwardingContext::ResourceEnd() {
    forwarding(Nesting::Closes);
    if (next) next->ResourceEnd();
}

RtVoid ForwardingContext::ClippingPlane(RtFloat x, RtFloat y, RtFloat z, RtFloat nx, RtFloat ny, RtFloat nz) {
    forwarding(Nesting::Inside);
    if (next) next->ClippingPlane(x, y, z, nx, ny, nz);
}

QUILLET_FORWARD_NAMED_LIST(CameraV)

RtVoid ForwardingContext::ScopedCoordinateSystem(RtToken space) {
    forwarding(Nesting::Inside);
    if (next) next->ScopedCoordinateSystem(space);
}

RtVoid ForwardingContext::System(RtString command) {
    forwarding(Nesting::Inside);
    if (next) next->System(command);
}

RtVoid ForwardingContext::VolumeV(RtToken type, RtBound bound, RtInt dimensions[3], RtInt n, RtToken tokens[],
                                  RtPointer values[]) {
    forwarding(Nesting::Inside);
    if (next) next->VolumeV(type, bound, dimensions, n, tokens, values);
}

RtVoid ForwardingContext::Procedural2V(RtProc2SubdivFunc subdivfunc, RtProc2BoundFunc boundfunc, RtInt n,
                                       RtToken tokens[], RtPointer values[]) {
    forwarding(Nesting::Inside);
    if (next) next->Procedural2V(subdivfunc, boundfunc, n, tokens, values);
}

// Not a request in the stream's order: forwarding() does not see it.
RtVoid ForwardingContext::Version(RtFloat version) {
    if (next) next->Version(version);
}

RtVoid ForwardingContext::UnknownRequestV(RtToken name, RtInt nargs, const RequestValue args[], RtInt n,
                                          RtToken tokens[], const RequestValue values[]) {
    forwarding(Nesting::Inside);
    if (next) next->UnknownRequestV(name, nargs, args, n, tokens, values);
}

}  // namespace quillet
