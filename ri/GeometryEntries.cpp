// Entry points of curves, points, subdivision meshes, blobbies, procedurals
// and generic geometry.
#include "ri/CurrentContext.h"
#include "ri/NamedListEntries.h"
#include "ri/ParamList.h"

using quillet::activeContext;
using quillet::RenderContext;

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

RtVoid RiVolume(RtToken type, RtBound bound, RtInt dimensions[3], ...) {
    QUILLET_PARAM_LIST(params, dimensions);
    if (RenderContext *c = activeContext(__func__))
        c->VolumeV(type, bound, dimensions, params.count(), params.tokens(), params.values());
}

RtVoid RiVolumeV(RtToken type, RtBound bound, RtInt dimensions[3], RtInt n, RtToken tokens[], RtPointer values[]) {
    if (RenderContext *c = activeContext(__func__)) c->VolumeV(type, bound, dimensions, n, tokens, values);
}

RtVoid RiProcedural2(RtProc2SubdivFunc subdivfunc, RtProc2BoundFunc boundfunc, ...) {
    QUILLET_PARAM_LIST(params, boundfunc);
    if (RenderContext *c = activeContext(__func__))
        c->Procedural2V(subdivfunc, boundfunc, params.count(), params.tokens(), params.values());
}

RtVoid RiProcedural2V(RtProc2SubdivFunc subdivfunc, RtProc2BoundFunc boundfunc, RtInt n, RtToken tokens[],
                      RtPointer values[]) {
    if (RenderContext *c = activeContext(__func__)) c->Procedural2V(subdivfunc, boundfunc, n, tokens, values);
}
