// Entry points of polygons and patches.
#include "ri/EntryPoints.h"

QUILLET_LIST_ENTRIES(Polygon, (RtInt nvertices), (nvertices), nvertices)

QUILLET_LIST_ENTRIES(GeneralPolygon, (RtInt nloops, RtInt nvertices[]), (nloops, nvertices), nvertices)

QUILLET_LIST_ENTRIES(PointsPolygons, (RtInt npolys, RtInt nvertices[], RtInt vertices[]), (npolys, nvertices, vertices),
                     vertices)

QUILLET_LIST_ENTRIES(PointsGeneralPolygons, (RtInt npolys, RtInt nloops[], RtInt nvertices[], RtInt vertices[]),
                     (npolys, nloops, nvertices, vertices), vertices)

QUILLET_ENTRY(Basis, (RtBasis ubasis, RtInt ustep, RtBasis vbasis, RtInt vstep), (ubasis, ustep, vbasis, vstep))

QUILLET_NAMED_LIST_ENTRIES(Patch, type)

QUILLET_LIST_ENTRIES(PatchMesh, (RtToken type, RtInt nu, RtToken uwrap, RtInt nv, RtToken vwrap),
                     (type, nu, uwrap, nv, vwrap), vwrap)

QUILLET_ENTRY(TrimCurve,
              (RtInt nloops, RtInt ncurves[], RtInt order[], RtFloat knot[], RtFloat min[], RtFloat max[], RtInt n[],
               RtFloat u[], RtFloat v[], RtFloat w[]),
              (nloops, ncurves, order, knot, min, max, n, u, v, w))

QUILLET_LIST_ENTRIES(NuPatch,
                     (RtInt nu, RtInt uorder, RtFloat uknot[], RtFloat umin, RtFloat umax, RtInt nv, RtInt vorder,
                      RtFloat vknot[], RtFloat vmin, RtFloat vmax),
                     (nu, uorder, uknot, umin, umax, nv, vorder, vknot, vmin, vmax), vmax)
