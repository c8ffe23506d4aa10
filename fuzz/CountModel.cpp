// The request fuzzer's model of the counts (see CountModel.h).
#include "fuzz/CountModel.h"

#include <cstring>

namespace countmodel {

namespace {

bool is(RtToken token, const char *word) {
    return token != nullptr && std::strcmp(token, word) == 0;
}

Count product(Count a, Count b) {
    return a <= 0 || b <= 0 ? 0 : a * b;
}

Count largest(const RtInt values[], Count count) {
    Count m = 0;
    for (Count i = 0; values != nullptr && i < count; ++i)
        if (values[i] > m) m = values[i];
    return m;
}

ClassCounts none() {
    return ClassCounts{0, 0, 0, false};
}

// Cubic segments along one direction for a step above 0.
Count cubicSegments(Count n, Count step, bool periodic) {
    return periodic ? n / step : (n - 4) / step + 1;
}

}  // namespace

Count entries(Count count) {
    return count > 0 ? count : 0;
}

Count sum(const RtInt values[], Count count) {
    Count total = 0;
    for (Count i = 0; values != nullptr && i < count; ++i) total += values[i];
    return total;
}

ClassCounts uncounted() {
    return ClassCounts{1, 1, 1, true};
}

ClassCounts quadric() {
    return ClassCounts{4, 4, 1, true};
}

ClassCounts polygon(RtInt nvertices) {
    return ClassCounts{nvertices, nvertices, 1, true};
}

ClassCounts generalPolygon(RtInt nloops, const RtInt nvertices[]) {
    Count total = sum(nvertices, nloops);
    return ClassCounts{total, total, 1, true};
}

ClassCounts points(RtInt npoints) {
    return ClassCounts{npoints, npoints, 1, true};
}

ClassCounts blobby(RtInt nleaf) {
    return ClassCounts{nleaf, nleaf, nleaf, true};
}

Count pointsPolygonsIndices(RtInt npolys, const RtInt nvertices[]) {
    return sum(nvertices, npolys);
}

ClassCounts pointsPolygons(RtInt npolys, const RtInt nvertices[], const RtInt vertices[]) {
    Count vertexCount = largest(vertices, pointsPolygonsIndices(npolys, nvertices)) + 1;
    return ClassCounts{vertexCount, vertexCount, npolys, true};
}

Count generalLoops(RtInt npolys, const RtInt nloops[]) {
    return sum(nloops, npolys);
}

Count generalIndices(RtInt npolys, const RtInt nloops[], const RtInt nvertices[]) {
    return sum(nvertices, generalLoops(npolys, nloops));
}

ClassCounts pointsGeneralPolygons(RtInt npolys, const RtInt nloops[], const RtInt nvertices[], const RtInt vertices[]) {
    Count vertexCount = largest(vertices, generalIndices(npolys, nloops, nvertices)) + 1;
    return ClassCounts{vertexCount, vertexCount, npolys, true};
}

ClassCounts patch(RtToken type) {
    if (is(type, "bilinear")) return ClassCounts{4, 4, 1, true};
    if (is(type, "bicubic")) return ClassCounts{16, 4, 1, true};
    return none();
}

ClassCounts patchMesh(RtToken type, RtInt nu, RtToken uwrap, RtInt nv, RtToken vwrap, RtInt uStep, RtInt vStep) {
    const bool uPeriodic = is(uwrap, "periodic");
    const bool vPeriodic = is(vwrap, "periodic");
    Count pu, pv;
    if (is(type, "bilinear")) {
        pu = uPeriodic ? nu : Count(nu) - 1;
        pv = vPeriodic ? nv : Count(nv) - 1;
    } else if (is(type, "bicubic") && uStep > 0 && vStep > 0) {
        pu = cubicSegments(nu, uStep, uPeriodic);
        pv = cubicSegments(nv, vStep, vPeriodic);
    } else {
        return none();
    }
    return ClassCounts{product(nu, nv), product(pu + 1 - uPeriodic, pv + 1 - vPeriodic), product(pu, pv), true};
}

Count knots(RtInt n, RtInt order) {
    return Count(n) + order;
}

ClassCounts nuPatch(RtInt nu, RtInt uorder, RtInt nv, RtInt vorder) {
    const Count uSpan = Count(nu) - uorder;
    const Count vSpan = Count(nv) - vorder;
    return ClassCounts{product(nu, nv), product(uSpan + 2, vSpan + 2), product(uSpan + 1, vSpan + 1), true};
}

ClassCounts curves(RtToken type, RtInt ncurves, const RtInt nvertices[], RtToken wrap, RtInt vStep) {
    const bool cubic = is(type, "cubic");
    const bool periodic = is(wrap, "periodic");
    if (cubic && vStep <= 0) return none();
    ClassCounts counts{0, 0, 0, true};
    for (Count i = 0; nvertices != nullptr && i < ncurves; ++i) {
        const Count n = nvertices[i];
        const Count segments = cubic ? cubicSegments(n, vStep, periodic) : periodic ? n : n - 1;
        counts.vertex += n;
        counts.varying += cubic ? segments + 1 - periodic : n;
        counts.uniform += segments;
    }
    return counts;
}

Count trimCurves(RtInt nloops, const RtInt ncurves[]) {
    return sum(ncurves, nloops);
}

TrimCurve trimCurve(RtInt nloops, const RtInt ncurves[], const RtInt order[], const RtInt n[]) {
    const Count curveCount = trimCurves(nloops, ncurves);
    const Count pointCount = sum(n, curveCount);
    return TrimCurve{curveCount, sum(order, curveCount) + pointCount, pointCount};
}

TagArguments tagArguments(RtInt ntags, const RtInt nargs[]) {
    TagArguments sizes{2 * entries(ntags), 0, 0};
    for (Count k = 0; nargs != nullptr && k < ntags; ++k) {
        sizes.ints += nargs[2 * k];
        sizes.floats += nargs[2 * k + 1];
    }
    return sizes;
}

}  // namespace countmodel
