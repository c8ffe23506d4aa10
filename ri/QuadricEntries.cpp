// Entry points of the quadric surfaces.
#include "ri/CurrentContext.h"
#include "ri/ParamList.h"

using quillet::activeContext;
using quillet::RenderContext;

RtVoid RiCone(RtFloat height, RtFloat radius, RtFloat thetamax, ...) {
    QUILLET_PARAM_LIST(params, thetamax);
    if (RenderContext *c = activeContext(__func__))
        c->ConeV(height, radius, thetamax, params.count(), params.tokens(), params.values());
}

RtVoid RiConeV(RtFloat height, RtFloat radius, RtFloat thetamax, RtInt n, RtToken tokens[], RtPointer values[]) {
    if (RenderContext *c = activeContext(__func__)) c->ConeV(height, radius, thetamax, n, tokens, values);
}

RtVoid RiCylinder(RtFloat radius, RtFloat zmin, RtFloat zmax, RtFloat thetamax, ...) {
    QUILLET_PARAM_LIST(params, thetamax);
    if (RenderContext *c = activeContext(__func__))
        c->CylinderV(radius, zmin, zmax, thetamax, params.count(), params.tokens(), params.values());
}

RtVoid RiCylinderV(RtFloat radius, RtFloat zmin, RtFloat zmax, RtFloat thetamax, RtInt n, RtToken tokens[],
                   RtPointer values[]) {
    if (RenderContext *c = activeContext(__func__)) c->CylinderV(radius, zmin, zmax, thetamax, n, tokens, values);
}

RtVoid RiDisk(RtFloat height, RtFloat radius, RtFloat thetamax, ...) {
    QUILLET_PARAM_LIST(params, thetamax);
    if (RenderContext *c = activeContext(__func__))
        c->DiskV(height, radius, thetamax, params.count(), params.tokens(), params.values());
}

RtVoid RiDiskV(RtFloat height, RtFloat radius, RtFloat thetamax, RtInt n, RtToken tokens[], RtPointer values[]) {
    if (RenderContext *c = activeContext(__func__)) c->DiskV(height, radius, thetamax, n, tokens, values);
}

RtVoid RiHyperboloid(RtPoint point1, RtPoint point2, RtFloat thetamax, ...) {
    QUILLET_PARAM_LIST(params, thetamax);
    if (RenderContext *c = activeContext(__func__))
        c->HyperboloidV(point1, point2, thetamax, params.count(), params.tokens(), params.values());
}

RtVoid RiHyperboloidV(RtPoint point1, RtPoint point2, RtFloat thetamax, RtInt n, RtToken tokens[], RtPointer values[]) {
    if (RenderContext *c = activeContext(__func__)) c->HyperboloidV(point1, point2, thetamax, n, tokens, values);
}

RtVoid RiParaboloid(RtFloat rmax, RtFloat zmin, RtFloat zmax, RtFloat thetamax, ...) {
    QUILLET_PARAM_LIST(params, thetamax);
    if (RenderContext *c = activeContext(__func__))
        c->ParaboloidV(rmax, zmin, zmax, thetamax, params.count(), params.tokens(), params.values());
}

RtVoid RiParaboloidV(RtFloat rmax, RtFloat zmin, RtFloat zmax, RtFloat thetamax, RtInt n, RtToken tokens[],
                     RtPointer values[]) {
    if (RenderContext *c = activeContext(__func__)) c->ParaboloidV(rmax, zmin, zmax, thetamax, n, tokens, values);
}

RtVoid RiSphere(RtFloat radius, RtFloat zmin, RtFloat zmax, RtFloat thetamax, ...) {
    QUILLET_PARAM_LIST(params, thetamax);
    if (RenderContext *c = activeContext(__func__))
        c->SphereV(radius, zmin, zmax, thetamax, params.count(), params.tokens(), params.values());
}

RtVoid RiSphereV(RtFloat radius, RtFloat zmin, RtFloat zmax, RtFloat thetamax, RtInt n, RtToken tokens[],
                 RtPointer values[]) {
    if (RenderContext *c = activeContext(__func__)) c->SphereV(radius, zmin, zmax, thetamax, n, tokens, values);
}

RtVoid RiTorus(RtFloat majorradius, RtFloat minorradius, RtFloat phimin, RtFloat phimax, RtFloat thetamax, ...) {
    QUILLET_PARAM_LIST(params, thetamax);
    if (RenderContext *c = activeContext(__func__))
        c->TorusV(majorradius, minorradius, phimin, phimax, thetamax, params.count(), params.tokens(), params.values());
}

RtVoid RiTorusV(RtFloat majorradius, RtFloat minorradius, RtFloat phimin, RtFloat phimax, RtFloat thetamax, RtInt n,
                RtToken tokens[], RtPointer values[]) {
    if (RenderContext *c = activeContext(__func__))
        c->TorusV(majorradius, minorradius, phimin, phimax, thetamax, n, tokens, values);
}
