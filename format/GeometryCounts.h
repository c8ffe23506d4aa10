// Count rules of the geometric requests: how many values a parameter of each
// storage class carries, and how long the request's own arrays are, worked
// out from the request's arguments alone. The request writers and the RIB
// checker both call these, so a stream is checked by the rules that wrote it.
//
// Every function accepts whatever the caller passes: a null array is read as
// empty, negative counts read nothing, a product with a factor of 0 or less
// is 0 (two negatives never make a count), and sums and products saturate at
// the limits of RtInt instead of overflowing.
#ifndef QUILLET_GEOMETRYCOUNTS_H
#define QUILLET_GEOMETRYCOUNTS_H

#include <cstddef>

#include "quillet/ri.h"
#include "format/TokenWords.h"

namespace quillet {

// Values per storage class: vertex, varying and uniform (constant is 1), and
// face, the count of facevarying and facevertex parameters: a value for each
// vertex of each face, or the varying count where the primitive has no
// faces of its own.
struct ClassCounts {
    RtInt vertex;
    RtInt varying;
    RtInt uniform;
    RtInt face;
};

bool operator==(const ClassCounts &a, const ClassCounts &b);

// Sum of the first count entries (0 for a null array or count <= 0).
RtInt sumInts(const RtInt values[], RtInt count);
// Largest of the first count entries, starting from 0 (signed comparison).
RtInt largestIndex(const RtInt values[], RtInt count);
// Number of entries to write for a count: a negative count writes none.
RtInt arrayLength(RtInt count);

// Counts of a parameter list without geometry: the array length alone.
ClassCounts uncountedCounts();
// Every quadric: 4 vertex and varying values (its parametric corners) and one
// uniform value.
ClassCounts quadricCounts();
ClassCounts polygonCounts(RtInt nvertices);
// A volume: a vertex and varying value at each point of its nx x ny x nz
// grid, one uniform value (null dimensions count nothing).
ClassCounts volumeCounts(const RtInt dimensions[3]);
ClassCounts generalPolygonCounts(RtInt nloops, const RtInt nvertices[]);

// Shape of an indexed mesh: the lengths of its loop-size and index arrays,
// and the counts that follow from the largest index.
struct IndexedMeshShape {
    RtInt loops;    // entries of nvertices[]
    RtInt indices;  // entries of vertices[]
    ClassCounts counts;
};

IndexedMeshShape pointsPolygonsShape(RtInt npolys, const RtInt nvertices[], const RtInt vertices[]);
IndexedMeshShape pointsGeneralPolygonsShape(RtInt npolys, const RtInt nloops[], const RtInt nvertices[],
                                            const RtInt vertices[]);
IndexedMeshShape subdivisionMeshShape(RtInt nfaces, const RtInt nvertices[], const RtInt vertices[]);

// Lengths of the integer and float argument arrays of subdivision tags: the
// sums of nargs[2k] and nargs[2k + 1] over the ntags tags.
struct TagArgSizes {
    RtInt nargs;  // entries of nargs[]: 2 x ntags
    RtInt ints;
    RtInt floats;
};
TagArgSizes subdivisionTagSizes(RtInt ntags, const RtInt nargs[]);

// Entries of a NuPatch knot vector: n + order.
RtInt knotCount(RtInt n, RtInt order);
ClassCounts nuPatchCounts(RtInt nu, RtInt uorder, RtInt nv, RtInt vorder);
ClassCounts pointsCounts(RtInt npoints);
ClassCounts blobbyCounts(RtInt nleaf);

// Outcome of a count rule that depends on the patch type or the basis steps.
enum class CountStatus {
    ok,
    unknownPatchType,  // Patch or PatchMesh type other than "bilinear" and "bicubic"
    badBasisStep,      // cubic segments counted with a step of 0 or less
};

struct SteppedCounts {
    CountStatus status;
    RtInt badStep;       // the offending step when status is badBasisStep
    ClassCounts counts;  // valid only when status is ok
};

// Patch: "bilinear" 4/4/1, "bicubic" 16/4/1; any other type is unknown.
SteppedCounts patchCounts(RtToken type);

SteppedCounts patchMeshCounts(RtToken type, RtInt nu, RtToken uwrap, RtInt nv, RtToken vwrap, RtInt uStep, RtInt vStep);
SteppedCounts curvesCounts(RtToken type, RtInt ncurves, const RtInt nvertices[], RtToken wrap, RtInt vStep);

// Array lengths of a TrimCurve request.
struct TrimCurveSizes {
    RtInt curves;  // entries of order[], min[], max[] and n[]
    RtInt knots;   // entries of knot[]: sum of order[i] + n[i]
    RtInt points;  // entries of u[], v[] and w[]: sum of n[i]
};
TrimCurveSizes trimCurveSizes(RtInt nloops, const RtInt ncurves[], const RtInt order[], const RtInt n[]);

// What a blobby code array asks for from the float and string arrays. The
// scan never reads past ncode words: an operator whose operand count lies
// beyond the array, or whose operands would run past its end, ends the scan
// and clears complete. An operand count of -1 takes the count word alone; a
// count below -1, which would never advance, ends the scan too.
struct BlobbyScan {
    RtInt leaves;
    RtInt floats;
    RtInt strings;
    bool complete;
};
BlobbyScan blobbyScan(RtInt ncode, const RtInt code[]);

// The values of a parameter with perClass class members (1 for constant),
// arrayLength elements each and perElement values an element (perElement >
// 0): none for a negative class count or array length (two negatives do not
// make a count), else the product saturated at the largest size_t.
size_t parameterValueCount(RtInt perClass, int arrayLength, int perElement);

}  // namespace quillet

#endif
