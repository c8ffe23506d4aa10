// Entry points of transformations and coordinate systems.
#include "ri/CurrentContext.h"

using quillet::activeContext;
using quillet::RenderContext;

RtVoid RiIdentity(void) {
    if (RenderContext *c = activeContext(__func__)) c->Identity();
}

RtVoid RiConcatTransform(RtMatrix transform) {
    if (RenderContext *c = activeContext(__func__)) c->ConcatTransform(transform);
}

RtVoid RiTransform(RtMatrix transform) {
    if (RenderContext *c = activeContext(__func__)) c->Transform(transform);
}

RtVoid RiPerspective(RtFloat fov) {
    if (RenderContext *c = activeContext(__func__)) c->Perspective(fov);
}

RtVoid RiTranslate(RtFloat dx, RtFloat dy, RtFloat dz) {
    if (RenderContext *c = activeContext(__func__)) c->Translate(dx, dy, dz);
}

RtVoid RiRotate(RtFloat angle, RtFloat dx, RtFloat dy, RtFloat dz) {
    if (RenderContext *c = activeContext(__func__)) c->Rotate(angle, dx, dy, dz);
}

RtVoid RiScale(RtFloat sx, RtFloat sy, RtFloat sz) {
    if (RenderContext *c = activeContext(__func__)) c->Scale(sx, sy, sz);
}

RtVoid RiSkew(RtFloat angle, RtFloat dx1, RtFloat dy1, RtFloat dz1, RtFloat dx2, RtFloat dy2, RtFloat dz2) {
    if (RenderContext *c = activeContext(__func__)) c->Skew(angle, dx1, dy1, dz1, dx2, dy2, dz2);
}

RtVoid RiCoordinateSystem(RtToken space) {
    if (RenderContext *c = activeContext(__func__)) c->CoordinateSystem(space);
}

RtVoid RiCoordSysTransform(RtToken space) {
    if (RenderContext *c = activeContext(__func__)) c->CoordSysTransform(space);
}

// Returns a value: the not-started report carries no message.
RtPoint *RiTransformPoints(RtToken fromspace, RtToken tospace, RtInt n, RtPoint points[]) {
    RenderContext *c = activeContext(nullptr);
    return c ? c->TransformPoints(fromspace, tospace, n, points) : nullptr;
}

RtVoid RiScopedCoordinateSystem(RtToken space) {
    if (RenderContext *c = activeContext(__func__)) c->ScopedCoordinateSystem(space);
}
