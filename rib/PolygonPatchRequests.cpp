// Placeholder: these requests write nothing until their writers land.
#pragma GCC diagnostic ignored "-Wunused-parameter"
#include "rib/RibWriter.h"

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
