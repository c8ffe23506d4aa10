// Count rules of the geometric requests (see GeometryCounts.h).
#include "format/GeometryCounts.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace quillet {

namespace {

const char kBilinear[] = "bilinear";
const char kBicubic[] = "bicubic";
const char kPeriodic[] = "periodic";
const char kCubic[] = "cubic";

typedef long long Wide;

RtInt saturate(Wide value) {
    if (value > std::numeric_limits<RtInt>::max()) return std::numeric_limits<RtInt>::max();
    if (value < std::numeric_limits<RtInt>::min()) return std::numeric_limits<RtInt>::min();
    return static_cast<RtInt>(value);
}

// A count made of two factors: none when either factor is 0 or less (two
// negatives never make a count), else the product saturated. Each factor is
// first held to RtInt's range, so the product cannot overflow.
RtInt product(Wide a, Wide b) {
    if (a <= 0 || b <= 0) return 0;
    return saturate(Wide(saturate(a)) * saturate(b));
}

Wide wideSum(const RtInt values[], RtInt count) {
    Wide sum = 0;
    if (values == nullptr) return 0;
    for (RtInt i = 0; i < count; ++i) sum += values[i];
    return sum;
}

// elements x perElement values (elements >= 0, perElement > 0), saturated at
// the largest size_t: whole lengths times whole class counts can exceed it.
size_t valueCount(Wide elements, int perElement) {
    const unsigned long long limit = std::numeric_limits<size_t>::max() / unsigned(perElement);
    if (static_cast<unsigned long long>(elements) > limit) return std::numeric_limits<size_t>::max();
    return size_t(elements) * size_t(perElement);
}

// Vertex and varying M + 1, uniform faces, face the indices.
ClassCounts indexedCounts(RtInt faces, const RtInt vertices[], RtInt indices) {
    RtInt vertexCount = saturate(Wide(largestIndex(vertices, indices)) + 1);
    return ClassCounts{vertexCount, vertexCount, faces, indices};
}

// Cubic segments along one direction: n / step when periodic, else
// (n - 4) / step + 1; the caller guarantees step > 0.
Wide cubicSegments(Wide n, Wide step, bool periodic) {
    return periodic ? n / step : (n - 4) / step + 1;
}

}  // namespace

bool operator==(const ClassCounts &a, const ClassCounts &b) {
    return a.vertex == b.vertex && a.varying == b.varying && a.uniform == b.uniform && a.face == b.face;
}

RtInt sumInts(const RtInt values[], RtInt count) {
    return saturate(wideSum(values, count));
}

RtInt largestIndex(const RtInt values[], RtInt count) {
    RtInt largest = 0;
    if (values == nullptr) return 0;
    // Four independent maxima instead of one chain of dependent compares:
    // an index array of millions of entries is scanned several times faster.
    RtInt lanes[4] = {0, 0, 0, 0};
    RtInt i = 0;
    for (; count - i >= 4; i += 4) {
        lanes[0] = std::max(lanes[0], values[i]);
        lanes[1] = std::max(lanes[1], values[i + 1]);
        lanes[2] = std::max(lanes[2], values[i + 2]);
        lanes[3] = std::max(lanes[3], values[i + 3]);
    }
    for (; i < count; ++i) largest = std::max(largest, values[i]);
    for (RtInt lane : lanes) largest = std::max(largest, lane);
    return largest;
}

RtInt arrayLength(RtInt count) {
    return count > 0 ? count : 0;
}

ClassCounts volumeCounts(const RtInt dimensions[3]) {
    RtInt points = dimensions ? product(product(dimensions[0], dimensions[1]), dimensions[2]) : 0;
    return ClassCounts{points, points, 1, points};
}

ClassCounts uncountedCounts() {
    return ClassCounts{1, 1, 1, 1};
}

ClassCounts quadricCounts() {
    return ClassCounts{4, 4, 1, 4};
}

ClassCounts polygonCounts(RtInt nvertices) {
    return ClassCounts{nvertices, nvertices, 1, nvertices};
}

ClassCounts generalPolygonCounts(RtInt nloops, const RtInt nvertices[]) {
    RtInt total = sumInts(nvertices, nloops);
    return ClassCounts{total, total, 1, total};
}

IndexedMeshShape pointsPolygonsShape(RtInt npolys, const RtInt nvertices[], const RtInt vertices[]) {
    RtInt indices = sumInts(nvertices, npolys);
    return IndexedMeshShape{npolys, indices, indexedCounts(npolys, vertices, indices)};
}

IndexedMeshShape pointsGeneralPolygonsShape(RtInt npolys, const RtInt nloops[], const RtInt nvertices[],
                                            const RtInt vertices[]) {
    RtInt loops = sumInts(nloops, npolys);
    RtInt indices = sumInts(nvertices, loops);
    return IndexedMeshShape{loops, indices, indexedCounts(npolys, vertices, indices)};
}

IndexedMeshShape subdivisionMeshShape(RtInt nfaces, const RtInt nvertices[], const RtInt vertices[]) {
    return pointsPolygonsShape(nfaces, nvertices, vertices);
}

TagArgSizes subdivisionTagSizes(RtInt ntags, const RtInt nargs[]) {
    Wide ints = 0;
    Wide floats = 0;
    if (nargs != nullptr) {
        for (RtInt k = 0; k < ntags; ++k) {
            ints += nargs[2 * Wide(k)];
            floats += nargs[2 * Wide(k) + 1];
        }
    }
    return TagArgSizes{product(arrayLength(ntags), 2), saturate(ints), saturate(floats)};
}

SteppedCounts patchCounts(RtToken type) {
    if (isToken(type, kBilinear)) return SteppedCounts{CountStatus::ok, 0, ClassCounts{4, 4, 1, 4}};
    if (isToken(type, kBicubic)) return SteppedCounts{CountStatus::ok, 0, ClassCounts{16, 4, 1, 4}};
    return SteppedCounts{CountStatus::unknownPatchType, 0, ClassCounts{0, 0, 0, 0}};
}

RtInt knotCount(RtInt n, RtInt order) {
    return saturate(Wide(n) + order);
}

ClassCounts nuPatchCounts(RtInt nu, RtInt uorder, RtInt nv, RtInt vorder) {
    Wide uSpan = Wide(nu) - uorder;
    Wide vSpan = Wide(nv) - vorder;
    const RtInt varying = product(uSpan + 2, vSpan + 2);
    return ClassCounts{product(nu, nv), varying, product(uSpan + 1, vSpan + 1), varying};
}

ClassCounts pointsCounts(RtInt npoints) {
    return ClassCounts{npoints, npoints, 1, npoints};
}

ClassCounts blobbyCounts(RtInt nleaf) {
    return ClassCounts{nleaf, nleaf, nleaf, nleaf};
}

SteppedCounts patchMeshCounts(RtToken type, RtInt nu, RtToken uwrap, RtInt nv, RtToken vwrap, RtInt uStep,
                              RtInt vStep) {
    bool uPeriodic = isToken(uwrap, kPeriodic);
    bool vPeriodic = isToken(vwrap, kPeriodic);
    Wide uPatches;
    Wide vPatches;
    if (isToken(type, kBilinear)) {
        uPatches = uPeriodic ? Wide(nu) : Wide(nu) - 1;
        vPatches = vPeriodic ? Wide(nv) : Wide(nv) - 1;
    } else if (isToken(type, kBicubic)) {
        if (uStep <= 0) return SteppedCounts{CountStatus::badBasisStep, uStep, ClassCounts{0, 0, 0, 0}};
        if (vStep <= 0) return SteppedCounts{CountStatus::badBasisStep, vStep, ClassCounts{0, 0, 0, 0}};
        uPatches = cubicSegments(nu, uStep, uPeriodic);
        vPatches = cubicSegments(nv, vStep, vPeriodic);
    } else {
        return SteppedCounts{CountStatus::unknownPatchType, 0, ClassCounts{0, 0, 0, 0}};
    }
    const RtInt varying = product(uPatches + 1 - uPeriodic, vPatches + 1 - vPeriodic);
    ClassCounts counts{product(nu, nv), varying, product(uPatches, vPatches), varying};
    return SteppedCounts{CountStatus::ok, 0, counts};
}

SteppedCounts curvesCounts(RtToken type, RtInt ncurves, const RtInt nvertices[], RtToken wrap, RtInt vStep) {
    bool cubic = isToken(type, kCubic);
    bool periodic = isToken(wrap, kPeriodic);
    if (cubic && vStep <= 0) return SteppedCounts{CountStatus::badBasisStep, vStep, ClassCounts{0, 0, 0, 0}};
    Wide vertex = 0;
    Wide varying = 0;
    Wide uniform = 0;
    if (nvertices != nullptr) {
        for (RtInt i = 0; i < ncurves; ++i) {
            Wide nv = nvertices[i];
            Wide segments;
            vertex += nv;
            if (cubic) {
                segments = cubicSegments(nv, vStep, periodic);
                varying += segments + 1 - periodic;
            } else {
                segments = periodic ? nv : nv - 1;
                varying += nv;
            }
            uniform += segments;
        }
    }
    return SteppedCounts{CountStatus::ok, 0,
                         ClassCounts{saturate(vertex), saturate(varying), saturate(uniform), saturate(varying)}};
}

TrimCurveSizes trimCurveSizes(RtInt nloops, const RtInt ncurves[], const RtInt order[], const RtInt n[]) {
    RtInt curves = sumInts(ncurves, nloops);
    Wide orders = wideSum(order, curves);
    Wide points = wideSum(n, curves);
    return TrimCurveSizes{curves, saturate(orders + points), saturate(points)};
}

BlobbyScan blobbyScan(RtInt ncode, const RtInt code[]) {
    // Operand words after each operator code 0..7; leaf draws from the float
    // and string arrays for codes 1000..1003.
    static const RtInt kOperatorWords[8] = {-1, -1, -1, -1, 2, 2, 1, 1};  // -1: counted operands
    static const RtInt kLeafFloats[4] = {1, 16, 23, 4};
    static const RtInt kLeafStrings[4] = {0, 0, 0, 1};
    BlobbyScan scan{0, 0, 0, true};
    if (code == nullptr) return scan;
    Wide floats = 0;
    Wide strings = 0;
    Wide i = 0;
    while (i < ncode) {
        RtInt word = code[i];
        if (word >= 0 && word <= 7) {
            Wide operands = kOperatorWords[word];
            if (operands < 0) {
                if (i + 1 >= ncode) {
                    scan.complete = false;
                    break;
                }
                // The count word and count operands: a count of -1 takes the
                // count word alone; below that the scan would not advance.
                operands = Wide(code[i + 1]) + 1;
                if (operands < 0 || i + 1 + operands > ncode) {
                    scan.complete = false;
                    break;
                }
            }
            i += 1 + operands;
        } else if (word >= 1000 && word <= 1003) {
            ++scan.leaves;
            floats += kLeafFloats[word - 1000];
            strings += kLeafStrings[word - 1000];
            i += word == 1003 ? 3 : 2;
        } else {
            i += 1;
        }
    }
    scan.floats = saturate(floats);
    scan.strings = saturate(strings);
    return scan;
}

size_t parameterValueCount(RtInt perClass, int arrayLength, int perElement) {
    if (perClass < 0 || arrayLength < 0) return 0;
    return valueCount(Wide(perClass) * Wide(arrayLength), perElement);
}

}  // namespace quillet
