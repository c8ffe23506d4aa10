// Curves, points, subdivision mesh, blobby, procedural and geometry requests.
#include <cstdarg>

#include "format/FunctionNames.h"
#include "format/GeometryCounts.h"
#include "rib/GeometryReports.h"
#include "rib/GeometryWriting.h"
#include "rib/RequestText.h"
#include "rib/RibStream.h"

namespace quillet {

namespace {

const char kCurves[] = "Curves ";
const char kPoints[] = "Points ";
const char kSubdivisionMesh[] = "SubdivisionMesh ";
const char kBlobby[] = "Blobby %d ";
const char kProcedural[] = "Procedural ";
const char kGeometry[] = "Geometry";
const char kVolume[] = "Volume ";
const char kProcedural2[] = "Procedural2 ";
const RtInt kBoundSize = 6;
const RtInt kDimensions = 3;

}  // namespace

RtVoid RibStream::CurvesV(RtToken type, RtInt ncurves, RtInt nvertices[], RtToken wrap, RtInt n, RtToken tokens[],
                          RtPointer values[]) {
    declareForStream(n, tokens);
    writef(kCurves);
    writeQuoted(type);
    writeIntArray(nvertices, arrayLength(ncurves));
    writeBlank(*this);
    writeQuoted(wrap);
    writeBlank(*this);
    writeStepped(*this, type, curvesCounts(type, ncurves, nvertices, wrap, vStep), n, tokens, values);
}

RtVoid RibStream::PointsV(RtInt npoints, RtInt n, RtToken tokens[], RtPointer values[]) {
    declareForStream(n, tokens);
    writef(kPoints);
    writeCounted(*this, pointsCounts(npoints), n, tokens, values);
}

RtVoid RibStream::SubdivisionMeshV(RtToken scheme, RtInt nfaces, RtInt nvertices[], RtInt vertices[], RtInt ntags,
                                   RtToken tags[], RtInt nargs[], RtInt intargs[], RtFloat floatargs[], RtInt n,
                                   RtToken tokens[], RtPointer values[]) {
    declareForStream(n, tokens);
    IndexedMeshShape shape = subdivisionMeshShape(nfaces, nvertices, vertices);
    writef(kSubdivisionMesh);
    writeQuoted(scheme);
    writeBlank(*this);
    writeIntArray(nvertices, arrayLength(shape.loops));
    writeBlank(*this);
    writeIntArray(vertices, arrayLength(shape.indices));
    writeBlank(*this);
    if (ntags > 0) {
        TagArgSizes sizes = subdivisionTagSizes(ntags, nargs);
        writeStringArray(tags, ntags);
        writeIntArray(nargs, sizes.nargs);
        if (sizes.ints > 0) writeIntArray(intargs, sizes.ints);
        if (sizes.floats > 0) writeFloatArray(floatargs, sizes.floats);
    }
    writeCounted(*this, shape.counts, n, tokens, values);
}

RtVoid RibStream::BlobbyV(RtInt nleaf, RtInt ncode, RtInt code[], RtInt nflt, RtFloat flt[], RtInt nstr, RtToken str[],
                          RtInt n, RtToken tokens[], RtPointer values[]) {
    declareForStream(n, tokens);
    // Mismatches are reported; the request is written with the caller's counts.
    reportBlobbyMismatches(nleaf, nflt, nstr, blobbyScan(ncode, code));
    writef(kBlobby, nleaf);
    writeIntArray(code, arrayLength(ncode));
    writeBlank(*this);
    writeFloatArray(flt, arrayLength(nflt));
    writeBlank(*this);
    writeStringArray(str, arrayLength(nstr));
    if (n != 0) {
        // The parameters go on a line of their own, which the list ends.
        endRequest(*this);
        writeCounted(*this, blobbyCounts(nleaf), n, tokens, values);
    }
    endRequest(*this);
}

RtVoid RibStream::Procedural(RtPointer data, RtBound bound, RtProcSubdivFunc subdivfunc, RtProcFreeFunc) {
    const char *name = proceduralName(subdivfunc);
    if (name == nullptr) {
        reportUnknownProcedural();
        return;
    }
    // data holds the procedural's strings: a file name, or a program or
    // library name followed by its argument string.
    RtToken *strings = static_cast<RtToken *>(data);
    RtToken first = strings != nullptr ? strings[0] : nullptr;
    writef(kProcedural);
    writeQuoted(name);
    writef(" [");
    if (subdivfunc == RiProcDelayedReadArchive)
        writeQuoted(first);
    else
        writeQuotedList({first, strings != nullptr ? strings[1] : nullptr});
    writef("] ");
    writeFloatArray(bound, 6);
    endRequest(*this);
}

RtVoid RibStream::VolumeV(RtToken type, RtBound bound, RtInt dimensions[3], RtInt n, RtToken tokens[],
                          RtPointer values[]) {
    declareForStream(n, tokens);
    writef(kVolume);
    writeQuoted(type);
    writeBlank(*this);
    writeFloatArray(bound, kBoundSize);
    writeBlank(*this);
    writeIntArray(dimensions, kDimensions);
    writeCounted(*this, volumeCounts(dimensions), n, tokens, values);
}

// Both functions are named by address; any other function is reported and
// nothing is written.
RtVoid RibStream::Procedural2V(RtProc2SubdivFunc subdivfunc, RtProc2BoundFunc boundfunc, RtInt n, RtToken tokens[],
                               RtPointer values[]) {
    const char *name = procedural2Name(subdivfunc);
    const char *boundName = boundFunctionName(boundfunc);
    if (!name || !boundName) {
        reportUnknownProcedural();
        return;
    }
    declareForStream(n, tokens);
    writef(kProcedural2);
    writeQuotedList({name, boundName});
    writeCounted(*this, uncountedCounts(), n, tokens, values);
}

RtVoid RibStream::GeometryV(RtToken type, RtInt n, RtToken tokens[], RtPointer values[]) {
    declareForStream(n, tokens);
    writef(kGeometry);
    writeParamList(type, 0, n, tokens, values);
}

}  // namespace quillet
