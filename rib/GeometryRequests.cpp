// Placeholder: these requests write nothing until their writers land.
#pragma GCC diagnostic ignored "-Wunused-parameter"
#include "rib/RibWriter.h"

RtVoid RibWriter::Curves(RtToken type, RtInt ncurves, RtInt nvertices[], RtToken wrap, ...) {}
RtVoid RibWriter::CurvesV(RtToken type, RtInt ncurves, RtInt nvertices[], RtToken wrap, RtInt n, RtToken tokens[], RtPointer values[]) {}
RtVoid RibWriter::Points(RtInt npoints, ...) {}
RtVoid RibWriter::PointsV(RtInt npoints, RtInt n, RtToken tokens[], RtPointer values[]) {}
RtVoid RibWriter::SubdivisionMesh(RtToken scheme, RtInt nfaces, RtInt nvertices[], RtInt vertices[], RtInt ntags, RtToken tags[], RtInt nargs[], RtInt intargs[], RtFloat floatargs[], ...) {}
RtVoid RibWriter::SubdivisionMeshV(RtToken scheme, RtInt nfaces, RtInt nvertices[], RtInt vertices[], RtInt ntags, RtToken tags[], RtInt nargs[], RtInt intargs[], RtFloat floatargs[], RtInt n, RtToken tokens[], RtPointer values[]) {}
RtVoid RibWriter::Blobby(RtInt nleaf, RtInt ncode, RtInt code[], RtInt nflt, RtFloat flt[], RtInt nstr, RtToken str[], ...) {}
RtVoid RibWriter::BlobbyV(RtInt nleaf, RtInt ncode, RtInt code[], RtInt nflt, RtFloat flt[], RtInt nstr, RtToken str[], RtInt n, RtToken tokens[], RtPointer values[]) {}
RtVoid RibWriter::Procedural(RtPointer data, RtBound bound, RtProcSubdivFunc subdivfunc, RtProcFreeFunc freefunc) {}
RtVoid RibWriter::Geometry(RtToken type, ...) {}
RtVoid RibWriter::GeometryV(RtToken type, RtInt n, RtToken tokens[], RtPointer values[]) {}
