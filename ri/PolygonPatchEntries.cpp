// Entry points of polygons and patches.
#include "ri/CurrentContext.h"
#include "ri/NamedListEntries.h"
#include "ri/ParamList.h"

using quillet::activeContext;
using quillet::RenderContext;

RtVoid RiPolygon(RtInt nvertices, ...) {
    QUILLET_PARAM_LIST(params, nvertices);
    if (RenderContext *c = activeContext(__func__))
        c->PolygonV(nvertices, params.count(), params.tokens(), params.values());
}

RtVoid RiPolygonV(RtInt nvertices, RtInt n, RtToken tokens[], RtPointer values[]) {
    if (RenderContext *c = activeContext(__func__)) c->PolygonV(nvertices, n, tokens, values);
}

RtVoid RiGeneralPolygon(RtInt nloops, RtInt nvertices[], ...) {
    QUILLET_PARAM_LIST(params, nvertices);
    if (RenderContext *c = activeContext(__func__))
        c->GeneralPolygonV(nloops, nvertices, params.count(), params.tokens(), params.values());
}

RtVoid RiGeneralPolygonV(RtInt nloops, RtInt nvertices[], RtInt n, RtToken tokens[], RtPointer values[]) {
    if (RenderContext *c = activeContext(__func__)) c->GeneralPolygonV(nloops, nvertices, n, tokens, values);
}

RtVoid RiPointsPolygons(RtInt npolys, RtInt nvertices[], RtInt vertices[], ...) {
    QUILLET_PARAM_LIST(params, vertices);
    if (RenderContext *c = activeContext(__func__))
        c->PointsPolygonsV(npolys, nvertices, vertices, params.count(), params.tokens(), params.values());
}

RtVoid RiPointsPolygonsV(RtInt npolys, RtInt nvertices[], RtInt vertices[], RtInt n, RtToken tokens[],
                         RtPointer values[]) {
    if (RenderContext *c = activeContext(__func__)) c->PointsPolygonsV(npolys, nvertices, vertices, n, tokens, values);
}

RtVoid RiPointsGeneralPolygons(RtInt npolys, RtInt nloops[], RtInt nvertices[], RtInt vertices[], ...) {
    QUILLET_PARAM_LIST(params, vertices);
    if (RenderContext *c = activeContext(__func__))
        c->PointsGeneralPolygonsV(npolys, nloops, nvertices, vertices, params.count(), params.tokens(),
                                  params.values());
}

RtVoid RiPointsGeneralPolygonsV(RtInt npolys, RtInt nloops[], RtInt nvertices[], RtInt vertices[], RtInt n,
                                RtToken tokens[], RtPointer values[]) {
    if (RenderContext *c = activeContext(__func__))
        c->PointsGeneralPolygonsV(npolys, nloops, nvertices, vertices, n, tokens, values);
}

RtVoid RiBasis(RtBasis ubasis, RtInt ustep, RtBasis vbasis, RtInt vstep) {
    if (RenderContext *c = activeContext(__func__)) c->Basis(ubasis, ustep, vbasis, vstep);
}

QUILLET_NAMED_LIST_ENTRIES(Patch, type)

RtVoid RiPatchMesh(RtToken type, RtInt nu, RtToken uwrap, RtInt nv, RtToken vwrap, ...) {
    QUILLET_PARAM_LIST(params, vwrap);
    if (RenderContext *c = activeContext(__func__))
        c->PatchMeshV(type, nu, uwrap, nv, vwrap, params.count(), params.tokens(), params.values());
}

RtVoid RiPatchMeshV(RtToken type, RtInt nu, RtToken uwrap, RtInt nv, RtToken vwrap, RtInt n, RtToken tokens[],
                    RtPointer values[]) {
    if (RenderContext *c = activeContext(__func__)) c->PatchMeshV(type, nu, uwrap, nv, vwrap, n, tokens, values);
}

RtVoid RiTrimCurve(RtInt nloops, RtInt ncurves[], RtInt order[], RtFloat knot[], RtFloat min[], RtFloat max[],
                   RtInt n[], RtFloat u[], RtFloat v[], RtFloat w[]) {
    if (RenderContext *c = activeContext(__func__)) c->TrimCurve(nloops, ncurves, order, knot, min, max, n, u, v, w);
}

RtVoid RiNuPatch(RtInt nu, RtInt uorder, RtFloat uknot[], RtFloat umin, RtFloat umax, RtInt nv, RtInt vorder,
                 RtFloat vknot[], RtFloat vmin, RtFloat vmax, ...) {
    QUILLET_PARAM_LIST(params, vmax);
    if (RenderContext *c = activeContext(__func__))
        c->NuPatchV(nu, uorder, uknot, umin, umax, nv, vorder, vknot, vmin, vmax, params.count(), params.tokens(),
                    params.values());
}

RtVoid RiNuPatchV(RtInt nu, RtInt uorder, RtFloat uknot[], RtFloat umin, RtFloat umax, RtInt nv, RtInt vorder,
                  RtFloat vknot[], RtFloat vmin, RtFloat vmax, RtInt n, RtToken tokens[], RtPointer values[]) {
    if (RenderContext *c = activeContext(__func__))
        c->NuPatchV(nu, uorder, uknot, umin, umax, nv, vorder, vknot, vmin, vmax, n, tokens, values);
}
