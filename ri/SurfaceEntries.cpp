// Entry points of polygons, patches, curves, points, subdivision meshes,
// blobbies, procedurals and generic geometry.
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

RtVoid RiCurves(RtToken type, RtInt ncurves, RtInt nvertices[], RtToken wrap, ...) {
    QUILLET_PARAM_LIST(params, wrap);
    if (RenderContext *c = activeContext(__func__))
        c->CurvesV(type, ncurves, nvertices, wrap, params.count(), params.tokens(), params.values());
}

RtVoid RiCurvesV(RtToken type, RtInt ncurves, RtInt nvertices[], RtToken wrap, RtInt n, RtToken tokens[],
                 RtPointer values[]) {
    if (RenderContext *c = activeContext(__func__)) c->CurvesV(type, ncurves, nvertices, wrap, n, tokens, values);
}

RtVoid RiPoints(RtInt npoints, ...) {
    QUILLET_PARAM_LIST(params, npoints);
    if (RenderContext *c = activeContext(__func__))
        c->PointsV(npoints, params.count(), params.tokens(), params.values());
}

RtVoid RiPointsV(RtInt npoints, RtInt n, RtToken tokens[], RtPointer values[]) {
    if (RenderContext *c = activeContext(__func__)) c->PointsV(npoints, n, tokens, values);
}

RtVoid RiSubdivisionMesh(RtToken scheme, RtInt nfaces, RtInt nvertices[], RtInt vertices[], RtInt ntags, RtToken tags[],
                         RtInt nargs[], RtInt intargs[], RtFloat floatargs[], ...) {
    QUILLET_PARAM_LIST(params, floatargs);
    if (RenderContext *c = activeContext(__func__))
        c->SubdivisionMeshV(scheme, nfaces, nvertices, vertices, ntags, tags, nargs, intargs, floatargs, params.count(),
                            params.tokens(), params.values());
}

RtVoid RiSubdivisionMeshV(RtToken scheme, RtInt nfaces, RtInt nvertices[], RtInt vertices[], RtInt ntags,
                          RtToken tags[], RtInt nargs[], RtInt intargs[], RtFloat floatargs[], RtInt n,
                          RtToken tokens[], RtPointer values[]) {
    if (RenderContext *c = activeContext(__func__))
        c->SubdivisionMeshV(scheme, nfaces, nvertices, vertices, ntags, tags, nargs, intargs, floatargs, n, tokens,
                            values);
}

RtVoid RiBlobby(RtInt nleaf, RtInt ncode, RtInt code[], RtInt nflt, RtFloat flt[], RtInt nstr, RtToken str[], ...) {
    QUILLET_PARAM_LIST(params, str);
    if (RenderContext *c = activeContext(__func__))
        c->BlobbyV(nleaf, ncode, code, nflt, flt, nstr, str, params.count(), params.tokens(), params.values());
}

RtVoid RiBlobbyV(RtInt nleaf, RtInt ncode, RtInt code[], RtInt nflt, RtFloat flt[], RtInt nstr, RtToken str[], RtInt n,
                 RtToken tokens[], RtPointer values[]) {
    if (RenderContext *c = activeContext(__func__))
        c->BlobbyV(nleaf, ncode, code, nflt, flt, nstr, str, n, tokens, values);
}

RtVoid RiProcedural(RtPointer data, RtBound bound, RtProcSubdivFunc subdivfunc, RtProcFreeFunc freefunc) {
    if (RenderContext *c = activeContext(__func__)) c->Procedural(data, bound, subdivfunc, freefunc);
}

QUILLET_NAMED_LIST_ENTRIES(Geometry, type)
