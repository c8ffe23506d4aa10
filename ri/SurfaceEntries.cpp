// Entry points of polygons, patches, curves, points, subdivision meshes,
// blobbies, procedurals and generic geometry.
#include "ri/CurrentContext.h"
#include "ri/ParamList.h"

using quillet::activeContext;
using quillet::ParamList;

RtVoid RiPolygon(RtInt nvertices, ...) {
    RenderContext *c = activeContext(__func__);
    if (!c) return;
    va_list args;
    QUILLET_VA_START(args, nvertices);
    ParamList params(args);
    va_end(args);
    c->PolygonV(nvertices, params.count(), params.tokens(), params.values());
}

RtVoid RiPolygonV(RtInt nvertices, RtInt n, RtToken tokens[], RtPointer values[]) {
    if (RenderContext *c = activeContext(__func__)) c->PolygonV(nvertices, n, tokens, values);
}

RtVoid RiGeneralPolygon(RtInt nloops, RtInt nvertices[], ...) {
    RenderContext *c = activeContext(__func__);
    if (!c) return;
    va_list args;
    QUILLET_VA_START(args, nvertices);
    ParamList params(args);
    va_end(args);
    c->GeneralPolygonV(nloops, nvertices, params.count(), params.tokens(), params.values());
}

RtVoid RiGeneralPolygonV(RtInt nloops, RtInt nvertices[], RtInt n, RtToken tokens[], RtPointer values[]) {
    if (RenderContext *c = activeContext(__func__)) c->GeneralPolygonV(nloops, nvertices, n, tokens, values);
}

RtVoid RiPointsPolygons(RtInt npolys, RtInt nvertices[], RtInt vertices[], ...) {
    RenderContext *c = activeContext(__func__);
    if (!c) return;
    va_list args;
    QUILLET_VA_START(args, vertices);
    ParamList params(args);
    va_end(args);
    c->PointsPolygonsV(npolys, nvertices, vertices, params.count(), params.tokens(), params.values());
}

RtVoid RiPointsPolygonsV(RtInt npolys, RtInt nvertices[], RtInt vertices[], RtInt n, RtToken tokens[],
                         RtPointer values[]) {
    if (RenderContext *c = activeContext(__func__)) c->PointsPolygonsV(npolys, nvertices, vertices, n, tokens, values);
}

RtVoid RiPointsGeneralPolygons(RtInt npolys, RtInt nloops[], RtInt nvertices[], RtInt vertices[], ...) {
    RenderContext *c = activeContext(__func__);
    if (!c) return;
    va_list args;
    QUILLET_VA_START(args, vertices);
    ParamList params(args);
    va_end(args);
    c->PointsGeneralPolygonsV(npolys, nloops, nvertices, vertices, params.count(), params.tokens(), params.values());
}

RtVoid RiPointsGeneralPolygonsV(RtInt npolys, RtInt nloops[], RtInt nvertices[], RtInt vertices[], RtInt n,
                                RtToken tokens[], RtPointer values[]) {
    if (RenderContext *c = activeContext(__func__))
        c->PointsGeneralPolygonsV(npolys, nloops, nvertices, vertices, n, tokens, values);
}

RtVoid RiBasis(RtBasis ubasis, RtInt ustep, RtBasis vbasis, RtInt vstep) {
    if (RenderContext *c = activeContext(__func__)) c->Basis(ubasis, ustep, vbasis, vstep);
}

RtVoid RiPatch(RtToken type, ...) {
    RenderContext *c = activeContext(__func__);
    if (!c) return;
    va_list args;
    QUILLET_VA_START(args, type);
    ParamList params(args);
    va_end(args);
    c->PatchV(type, params.count(), params.tokens(), params.values());
}

RtVoid RiPatchV(RtToken type, RtInt n, RtToken tokens[], RtPointer values[]) {
    if (RenderContext *c = activeContext(__func__)) c->PatchV(type, n, tokens, values);
}

RtVoid RiPatchMesh(RtToken type, RtInt nu, RtToken uwrap, RtInt nv, RtToken vwrap, ...) {
    RenderContext *c = activeContext(__func__);
    if (!c) return;
    va_list args;
    QUILLET_VA_START(args, vwrap);
    ParamList params(args);
    va_end(args);
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
    RenderContext *c = activeContext(__func__);
    if (!c) return;
    va_list args;
    QUILLET_VA_START(args, vmax);
    ParamList params(args);
    va_end(args);
    c->NuPatchV(nu, uorder, uknot, umin, umax, nv, vorder, vknot, vmin, vmax, params.count(), params.tokens(),
                params.values());
}

RtVoid RiNuPatchV(RtInt nu, RtInt uorder, RtFloat uknot[], RtFloat umin, RtFloat umax, RtInt nv, RtInt vorder,
                  RtFloat vknot[], RtFloat vmin, RtFloat vmax, RtInt n, RtToken tokens[], RtPointer values[]) {
    if (RenderContext *c = activeContext(__func__))
        c->NuPatchV(nu, uorder, uknot, umin, umax, nv, vorder, vknot, vmin, vmax, n, tokens, values);
}

RtVoid RiCurves(RtToken type, RtInt ncurves, RtInt nvertices[], RtToken wrap, ...) {
    RenderContext *c = activeContext(__func__);
    if (!c) return;
    va_list args;
    QUILLET_VA_START(args, wrap);
    ParamList params(args);
    va_end(args);
    c->CurvesV(type, ncurves, nvertices, wrap, params.count(), params.tokens(), params.values());
}

RtVoid RiCurvesV(RtToken type, RtInt ncurves, RtInt nvertices[], RtToken wrap, RtInt n, RtToken tokens[],
                 RtPointer values[]) {
    if (RenderContext *c = activeContext(__func__)) c->CurvesV(type, ncurves, nvertices, wrap, n, tokens, values);
}

RtVoid RiPoints(RtInt npoints, ...) {
    RenderContext *c = activeContext(__func__);
    if (!c) return;
    va_list args;
    QUILLET_VA_START(args, npoints);
    ParamList params(args);
    va_end(args);
    c->PointsV(npoints, params.count(), params.tokens(), params.values());
}

RtVoid RiPointsV(RtInt npoints, RtInt n, RtToken tokens[], RtPointer values[]) {
    if (RenderContext *c = activeContext(__func__)) c->PointsV(npoints, n, tokens, values);
}

RtVoid RiSubdivisionMesh(RtToken scheme, RtInt nfaces, RtInt nvertices[], RtInt vertices[], RtInt ntags, RtToken tags[],
                         RtInt nargs[], RtInt intargs[], RtFloat floatargs[], ...) {
    RenderContext *c = activeContext(__func__);
    if (!c) return;
    va_list args;
    QUILLET_VA_START(args, floatargs);
    ParamList params(args);
    va_end(args);
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
    RenderContext *c = activeContext(__func__);
    if (!c) return;
    va_list args;
    QUILLET_VA_START(args, str);
    ParamList params(args);
    va_end(args);
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

RtVoid RiGeometry(RtToken type, ...) {
    RenderContext *c = activeContext(__func__);
    if (!c) return;
    va_list args;
    QUILLET_VA_START(args, type);
    ParamList params(args);
    va_end(args);
    c->GeometryV(type, params.count(), params.tokens(), params.values());
}

RtVoid RiGeometryV(RtToken type, RtInt n, RtToken tokens[], RtPointer values[]) {
    if (RenderContext *c = activeContext(__func__)) c->GeometryV(type, n, tokens, values);
}
