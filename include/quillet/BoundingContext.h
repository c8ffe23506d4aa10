// The bound of the geometry that requests draw, for the bound of a delayed
// archive read: a filter that passes every request on (or drops it, without
// a next context) and grows a box by each primitive, transforms applied.
//
// The box is in the space where the requests start, or in world space for
// geometry inside a world block. Quadrics count with their whole sweep;
// polygons, patches, NURBS, subdivision meshes, curves and points with their
// control points ("P", "Pw" divided through, "Pz" over the unit square),
// curves and points widened by half their largest width; a Procedural by its
// bound; an instance by its object's box. Inside a motion block the first
// sample counts. Blobby and Geometry primitives are not measured.
#ifndef QUILLET_BOUNDINGCONTEXT_H
#define QUILLET_BOUNDINGCONTEXT_H

#include <memory>

#include "quillet/ForwardingContext.h"

namespace quillet {

class QUILLET_API BoundingContext : public ForwardingContext {
public:
    explicit BoundingContext(RenderContext *next = nullptr);
    ~BoundingContext() override;

    // False while no primitive has been measured.
    bool measured() const;
    // xmin, xmax, ymin, ymax, zmin, zmax (all 0 when nothing was measured).
    void bound(RtBound out) const;

    RtVoid WorldBegin() override;
    RtVoid WorldEnd() override;
    RtVoid AttributeBegin() override;
    RtVoid AttributeEnd() override;
    RtVoid TransformBegin() override;
    RtVoid TransformEnd() override;
    RtVoid Identity() override;
    RtVoid ConcatTransform(RtMatrix transform) override;
    RtVoid Transform(RtMatrix transform) override;
    RtVoid Translate(RtFloat dx, RtFloat dy, RtFloat dz) override;
    RtVoid Rotate(RtFloat angle, RtFloat dx, RtFloat dy, RtFloat dz) override;
    RtVoid Scale(RtFloat sx, RtFloat sy, RtFloat sz) override;
    RtVoid Skew(RtFloat angle, RtFloat dx1, RtFloat dy1, RtFloat dz1, RtFloat dx2, RtFloat dy2, RtFloat dz2) override;
    RtVoid CoordinateSystem(RtToken space) override;
    RtVoid CoordSysTransform(RtToken space) override;
    RtVoid MotionBeginV(RtInt n, RtFloat times[]) override;
    RtVoid MotionEnd() override;
    RtVoid Basis(RtBasis ubasis, RtInt ustep, RtBasis vbasis, RtInt vstep) override;
    RtVoid ConeV(RtFloat height, RtFloat radius, RtFloat thetamax, RtInt n, RtToken tokens[],
                 RtPointer values[]) override;
    RtVoid CylinderV(RtFloat radius, RtFloat zmin, RtFloat zmax, RtFloat thetamax, RtInt n, RtToken tokens[],
                     RtPointer values[]) override;
    RtVoid DiskV(RtFloat height, RtFloat radius, RtFloat thetamax, RtInt n, RtToken tokens[],
                 RtPointer values[]) override;
    RtVoid HyperboloidV(RtPoint point1, RtPoint point2, RtFloat thetamax, RtInt n, RtToken tokens[],
                        RtPointer values[]) override;
    RtVoid ParaboloidV(RtFloat rmax, RtFloat zmin, RtFloat zmax, RtFloat thetamax, RtInt n, RtToken tokens[],
                       RtPointer values[]) override;
    RtVoid SphereV(RtFloat radius, RtFloat zmin, RtFloat zmax, RtFloat thetamax, RtInt n, RtToken tokens[],
                   RtPointer values[]) override;
    RtVoid TorusV(RtFloat majorradius, RtFloat minorradius, RtFloat phimin, RtFloat phimax, RtFloat thetamax, RtInt n,
                  RtToken tokens[], RtPointer values[]) override;
    RtVoid PolygonV(RtInt nvertices, RtInt n, RtToken tokens[], RtPointer values[]) override;
    RtVoid GeneralPolygonV(RtInt nloops, RtInt nvertices[], RtInt n, RtToken tokens[], RtPointer values[]) override;
    RtVoid PointsPolygonsV(RtInt npolys, RtInt nvertices[], RtInt vertices[], RtInt n, RtToken tokens[],
                           RtPointer values[]) override;
    RtVoid PointsGeneralPolygonsV(RtInt npolys, RtInt nloops[], RtInt nvertices[], RtInt vertices[], RtInt n,
                                  RtToken tokens[], RtPointer values[]) override;
    RtVoid PatchV(RtToken type, RtInt n, RtToken tokens[], RtPointer values[]) override;
    RtVoid PatchMeshV(RtToken type, RtInt nu, RtToken uwrap, RtInt nv, RtToken vwrap, RtInt n, RtToken tokens[],
                      RtPointer values[]) override;
    RtVoid NuPatchV(RtInt nu, RtInt uorder, RtFloat uknot[], RtFloat umin, RtFloat umax, RtInt nv, RtInt vorder,
                    RtFloat vknot[], RtFloat vmin, RtFloat vmax, RtInt n, RtToken tokens[],
                    RtPointer values[]) override;
    RtVoid CurvesV(RtToken type, RtInt ncurves, RtInt nvertices[], RtToken wrap, RtInt n, RtToken tokens[],
                   RtPointer values[]) override;
    RtVoid PointsV(RtInt npoints, RtInt n, RtToken tokens[], RtPointer values[]) override;
    RtVoid SubdivisionMeshV(RtToken scheme, RtInt nfaces, RtInt nvertices[], RtInt vertices[], RtInt ntags,
                            RtToken tags[], RtInt nargs[], RtInt intargs[], RtFloat floatargs[], RtInt n,
                            RtToken tokens[], RtPointer values[]) override;
    RtVoid Procedural(RtPointer data, RtBound bound, RtProcSubdivFunc subdivfunc, RtProcFreeFunc freefunc) override;
    RtObjectHandle ObjectBegin() override;
    RtVoid ObjectEnd() override;
    RtVoid ObjectInstance(RtObjectHandle handle) override;

private:
    struct State;
    std::unique_ptr<State> state;
};

}  // namespace quillet

#endif
