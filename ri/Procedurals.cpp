// The standard procedural-primitive functions. A stream writer only compares
// their addresses, so they do nothing; each stores its own mark in a volatile
// so that no compiler or linker can fold them into one address. The bound
// functions of Procedural2 read the "bound" parameter.
#include <cstring>

#include "quillet/ri.h"

namespace {

volatile int lastProcedural = 0;

}  // namespace

RtVoid RiProcDelayedReadArchive(RtPointer, RtFloat) {
    lastProcedural = 1;
}

RtVoid RiProcRunProgram(RtPointer, RtFloat) {
    lastProcedural = 2;
}

RtVoid RiProcDynamicLoad(RtPointer, RtFloat) {
    lastProcedural = 3;
}

RtVoid RiProc2DelayedReadArchive(RtContextHandle, RtFloat, RtInt, RtToken[], RtPointer[]) {
    lastProcedural = 4;
}

RtVoid RiProc2ReadArchive(RtContextHandle, RtFloat, RtInt, RtToken[], RtPointer[]) {
    lastProcedural = 5;
}

RtVoid RiProc2DynamicLoad(RtContextHandle, RtFloat, RtInt, RtToken[], RtPointer[]) {
    lastProcedural = 6;
}

namespace {

const char kBoundName[] = "bound";

// The six floats of "bound" or "float[6] bound"; result is left as it is
// without one.
void copyBound(RtInt n, RtToken tokens[], RtPointer values[], RtBound result) {
    for (RtInt i = 0; tokens && values && i < n; ++i) {
        const char *token = tokens[i];
        if (!token || !values[i]) continue;
        const char *blank = std::strrchr(token, ' ');
        const char *name = blank ? blank + 1 : token;
        if (std::strcmp(name, kBoundName) != 0) continue;
        std::memcpy(result, values[i], sizeof(RtBound));
        return;
    }
}

}  // namespace

RtVoid RiSimpleBound(RtInt n, RtToken tokens[], RtPointer values[], RtBound result) {
    lastProcedural = 7;
    copyBound(n, tokens, values, result);
}

RtVoid RiDelayedBound(RtInt n, RtToken tokens[], RtPointer values[], RtBound result) {
    lastProcedural = 8;
    copyBound(n, tokens, values, result);
}
