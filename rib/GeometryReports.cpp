// Diagnostics of the geometric request writers.
#include "rib/GeometryReports.h"
#include "format/PrintableText.h"

#include "format/FormatString.h"
#include "ri/Diagnostics.h"

namespace quillet {

namespace {

const char kUnknownPatchType[] = "quillet: unknown patch type %s\n";
const char kBadBasisStep[] = "quillet: bad basis step %d\n";
const char kBlobbyLeaves[] = "\nquillet error: RiBlobby nleaf [%d] !=  leaf count [%i]";
const char kBlobbyFloats[] = "\nquillet error: RiBlobby nflt [%d] != float count [%i]";
const char kBlobbyStrings[] = "\nquillet error: RiBlobby nstr [%d] != string count [%i]";
const char kProceduralType[] = "quillet error: procedural type\n";

void reportMismatch(const char *format, RtInt given, RtInt counted) {
    reportText(RIE_CONSISTENCY, RIE_WARNING, formatString(format, given, counted).c_str());
}

}  // namespace

void reportCountFailure(RtToken type, const SteppedCounts &result) {
    if (result.status == CountStatus::unknownPatchType)
        reportText(RIE_BADTOKEN, RIE_ERROR, formatString(kUnknownPatchType, printableText(type).c_str()).c_str());
    else if (result.status == CountStatus::badBasisStep)
        reportText(RIE_RANGE, RIE_ERROR, formatString(kBadBasisStep, result.badStep).c_str());
}

void reportBlobbyMismatches(RtInt nleaf, RtInt nflt, RtInt nstr, const BlobbyScan &scan) {
    if (scan.leaves != nleaf) reportMismatch(kBlobbyLeaves, nleaf, scan.leaves);
    if (scan.floats != nflt) reportMismatch(kBlobbyFloats, nflt, scan.floats);
    if (scan.strings != nstr) reportMismatch(kBlobbyStrings, nstr, scan.strings);
}

void reportUnknownProcedural() {
    reportText(RIE_BADTOKEN, RIE_ERROR, kProceduralType);
}

}  // namespace quillet
