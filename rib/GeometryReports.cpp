// Diagnostics of the geometric request writers.
#include "rib/GeometryReports.h"
#include "format/PrintableText.h"

#include <cstdio>

namespace quillet {

namespace {

const char kUnknownPatchType[] = "quillet: unknown patch type %s\n";
const char kBadBasisStep[] = "quillet: bad basis step %d\n";
const char kBlobbyLeaves[] = "\nquillet error: RiBlobby nleaf [%d] !=  leaf count [%i]";
const char kBlobbyFloats[] = "\nquillet error: RiBlobby nflt [%d] != float count [%i]";
const char kBlobbyStrings[] = "\nquillet error: RiBlobby nstr [%d] != string count [%i]";
const char kProceduralType[] = "quillet error: procedural type\n";

}  // namespace

void reportCountFailure(RtToken type, const SteppedCounts &result) {
    if (result.status == CountStatus::unknownPatchType)
        std::fprintf(stderr, kUnknownPatchType, printableText(type).c_str());
    else if (result.status == CountStatus::badBasisStep)
        std::fprintf(stderr, kBadBasisStep, result.badStep);
}

void reportBlobbyMismatches(RtInt nleaf, RtInt nflt, RtInt nstr, const BlobbyScan &scan) {
    if (scan.leaves != nleaf) std::fprintf(stderr, kBlobbyLeaves, nleaf, scan.leaves);
    if (scan.floats != nflt) std::fprintf(stderr, kBlobbyFloats, nflt, scan.floats);
    if (scan.strings != nstr) std::fprintf(stderr, kBlobbyStrings, nstr, scan.strings);
}

void reportUnknownProcedural() {
    std::fputs(kProceduralType, stderr);
}

}  // namespace quillet
