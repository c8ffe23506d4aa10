// The request fuzzer's own model of how many entries each request may read
// from the arrays it is given, worked out from the request's arguments by
// the rules of the requests and never by the library's count functions: the
// fuzzer sizes every array by this model, so the sanitizer catches the
// library reading past what the rules allow.
//
// Counts are wide and unsaturated; a count of 0 or less reads nothing. A
// class count that is the product of two factors is 0 when either factor is
// 0 or less.
#ifndef QUILLET_FUZZ_COUNTMODEL_H
#define QUILLET_FUZZ_COUNTMODEL_H

#include "quillet/ri.h"

namespace countmodel {

typedef long long Count;

// Values per storage class of one request's parameters. readsParams is false
// when the request cannot work its counts out (unknown patch type, a cubic
// step of 0 or less) and so writes no parameter list at all.
struct ClassCounts {
    Count vertex;
    Count varying;
    Count uniform;
    bool readsParams;
};

// Entries read from an array of the given count: none for a negative count.
Count entries(Count count);
// Sum of the first count entries of values (none for a null array).
Count sum(const RtInt values[], Count count);

ClassCounts uncounted();
ClassCounts quadric();
ClassCounts polygon(RtInt nvertices);
ClassCounts generalPolygon(RtInt nloops, const RtInt nvertices[]);
ClassCounts points(RtInt npoints);
ClassCounts blobby(RtInt nleaf);

// PointsPolygons and SubdivisionMesh: nvertices[] has npolys entries,
// vertices[] their sum; vertex and varying count M + 1 for the largest
// index M (0 at least), uniform npolys.
Count pointsPolygonsIndices(RtInt npolys, const RtInt nvertices[]);
ClassCounts pointsPolygons(RtInt npolys, const RtInt nvertices[], const RtInt vertices[]);
// PointsGeneralPolygons: nloops[] has npolys entries, nvertices[] their sum
// L, vertices[] the sum of those L entries.
Count generalLoops(RtInt npolys, const RtInt nloops[]);
Count generalIndices(RtInt npolys, const RtInt nloops[], const RtInt nvertices[]);
ClassCounts pointsGeneralPolygons(RtInt npolys, const RtInt nloops[], const RtInt nvertices[], const RtInt vertices[]);

ClassCounts patch(RtToken type);
ClassCounts patchMesh(RtToken type, RtInt nu, RtToken uwrap, RtInt nv, RtToken vwrap, RtInt uStep, RtInt vStep);
Count knots(RtInt n, RtInt order);
ClassCounts nuPatch(RtInt nu, RtInt uorder, RtInt nv, RtInt vorder);
ClassCounts curves(RtToken type, RtInt ncurves, const RtInt nvertices[], RtToken wrap, RtInt vStep);

// TrimCurve: order[], min[], max[] and n[] have one entry per curve (the sum
// of ncurves[]); knot[] the sum of order[i] + n[i]; u[], v[], w[] the sum of n[i].
struct TrimCurve {
    Count curves;
    Count knots;
    Count points;
};
Count trimCurves(RtInt nloops, const RtInt ncurves[]);
TrimCurve trimCurve(RtInt nloops, const RtInt ncurves[], const RtInt order[], const RtInt n[]);

// SubdivisionMesh tags: nargs[] has 2 x ntags entries; the integer and float
// arguments the sums of its even and odd entries.
struct TagArguments {
    Count nargs;
    Count ints;
    Count floats;
};
TagArguments tagArguments(RtInt ntags, const RtInt nargs[]);

}  // namespace countmodel

#endif
