// Polygon and patch requests: each writes its keyword and fixed arguments,
// then a parameter list sized by the counts of its own geometry.
#include <cstdarg>

#include "format/FunctionNames.h"
#include "format/GeometryCounts.h"
#include "rib/GeometryWriting.h"
#include "rib/RequestText.h"
#include "rib/RibStream.h"

namespace quillet {

namespace {

const char kPolygon[] = "Polygon";
const char kGeneralPolygon[] = "GeneralPolygon";
const char kPointsPolygons[] = "PointsPolygons";
const char kPointsGeneralPolygons[] = "PointsGeneralPolygons";
const char kBasis[] = "Basis ";
const char kBasisUStep[] = " %d ";
const char kBasisVStep[] = " %d\n";
const char kPatch[] = "Patch ";
const char kPatchMesh[] = "PatchMesh ";
const char kPatchMeshCount[] = " %d ";
const char kNuPatch[] = "NuPatch %d %d ";
const char kNuPatchURange[] = " %f %f %d %d ";
const char kNuPatchVRange[] = " %f %f ";
const char kTrimCurve[] = "TrimCurve ";

// A standard basis as its quoted name, any other matrix as 16 numbers.
void writeBasis(RibStream &writer, const RtFloat (*basis)[4]) {
    if (const char *name = basisName(basis)) {
        writer.writeQuoted(name);
        return;
    }
    writer.writeFloatArray(basis != nullptr ? basis[0] : nullptr, 16);
}

}  // namespace

RtVoid RibStream::PolygonV(RtInt nvertices, RtInt n, RtToken tokens[], RtPointer values[]) {
    declareForStream(n, tokens);
    writef(kPolygon);
    writeCounted(*this, polygonCounts(nvertices), n, tokens, values);
}

RtVoid RibStream::GeneralPolygonV(RtInt nloops, RtInt nvertices[], RtInt n, RtToken tokens[], RtPointer values[]) {
    declareForStream(n, tokens);
    writef(kGeneralPolygon);
    writeIntArray(nvertices, arrayLength(nloops));
    writeBlank(*this);
    writeCounted(*this, generalPolygonCounts(nloops, nvertices), n, tokens, values);
}

RtVoid RibStream::PointsPolygonsV(RtInt npolys, RtInt nvertices[], RtInt vertices[], RtInt n, RtToken tokens[],
                                  RtPointer values[]) {
    declareForStream(n, tokens);
    IndexedMeshShape shape = pointsPolygonsShape(npolys, nvertices, vertices);
    writef(kPointsPolygons);
    writeIntArray(nvertices, arrayLength(shape.loops));
    writeBlank(*this);
    writeIntArray(vertices, arrayLength(shape.indices));
    writeBlank(*this);
    writeCounted(*this, shape.counts, n, tokens, values);
}

RtVoid RibStream::PointsGeneralPolygonsV(RtInt npolys, RtInt nloops[], RtInt nvertices[], RtInt vertices[], RtInt n,
                                         RtToken tokens[], RtPointer values[]) {
    declareForStream(n, tokens);
    IndexedMeshShape shape = pointsGeneralPolygonsShape(npolys, nloops, nvertices, vertices);
    writef(kPointsGeneralPolygons);
    writeIntArray(nloops, arrayLength(npolys));
    writeBlank(*this);
    writeIntArray(nvertices, arrayLength(shape.loops));
    writeBlank(*this);
    writeIntArray(vertices, arrayLength(shape.indices));
    writeBlank(*this);
    writeCounted(*this, shape.counts, n, tokens, values);
}

RtVoid RibStream::Basis(RtBasis ubasis, RtInt ustep, RtBasis vbasis, RtInt vstep) {
    writef(kBasis);
    writeBasis(*this, ubasis);
    writef(kBasisUStep, ustep);
    writeBasis(*this, vbasis);
    writef(kBasisVStep, vstep);
    vStep = vstep;
    uStep = ustep;
}

RtVoid RibStream::PatchV(RtToken type, RtInt n, RtToken tokens[], RtPointer values[]) {
    declareForStream(n, tokens);
    writef(kPatch);
    writeQuoted(type);
    writeStepped(*this, type, patchCounts(type), n, tokens, values);
}

RtVoid RibStream::PatchMeshV(RtToken type, RtInt nu, RtToken uwrap, RtInt nv, RtToken vwrap, RtInt n, RtToken tokens[],
                             RtPointer values[]) {
    declareForStream(n, tokens);
    writef(kPatchMesh);
    writeQuoted(type);
    writef(kPatchMeshCount, nu);
    writeQuoted(uwrap);
    writef(kPatchMeshCount, nv);
    writeQuoted(vwrap);
    writeStepped(*this, type, patchMeshCounts(type, nu, uwrap, nv, vwrap, uStep, vStep), n, tokens, values);
}

RtVoid RibStream::TrimCurve(RtInt nloops, RtInt ncurves[], RtInt order[], RtFloat knot[], RtFloat min[], RtFloat max[],
                            RtInt n[], RtFloat u[], RtFloat v[], RtFloat w[]) {
    TrimCurveSizes sizes = trimCurveSizes(nloops, ncurves, order, n);
    RtInt curves = arrayLength(sizes.curves);
    RtInt points = arrayLength(sizes.points);
    writef(kTrimCurve);
    writeIntArray(ncurves, arrayLength(nloops));
    writeIntArray(order, curves);
    writeFloatArray(knot, arrayLength(sizes.knots));
    writeBlank(*this);
    writeFloatArray(min, curves);
    writeBlank(*this);
    writeFloatArray(max, curves);
    writeBlank(*this);
    writeIntArray(n, curves);
    writeFloatArray(u, points);
    writeBlank(*this);
    writeFloatArray(v, points);
    writeBlank(*this);
    writeFloatArray(w, points);
    endRequest(*this);
}

RtVoid RibStream::NuPatchV(RtInt nu, RtInt uorder, RtFloat uknot[], RtFloat umin, RtFloat umax, RtInt nv, RtInt vorder,
                           RtFloat vknot[], RtFloat vmin, RtFloat vmax, RtInt n, RtToken tokens[], RtPointer values[]) {
    declareForStream(n, tokens);
    writef(kNuPatch, nu, uorder);
    writeFloatArray(uknot, arrayLength(knotCount(nu, uorder)));
    writef(kNuPatchURange, umin, umax, nv, vorder);
    writeFloatArray(vknot, arrayLength(knotCount(nv, vorder)));
    writef(kNuPatchVRange, vmin, vmax);
    writeCounted(*this, nuPatchCounts(nu, uorder, nv, vorder), n, tokens, values);
}

}  // namespace quillet
