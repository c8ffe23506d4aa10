// The standard procedural-primitive functions. A stream writer only compares
// their addresses, so they do nothing; each stores its own mark in a volatile
// so that no compiler or linker can fold them into one address.
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
