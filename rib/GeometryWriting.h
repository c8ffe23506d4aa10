// Small pieces of request text shared by the geometric request writers.
#ifndef QUILLET_GEOMETRYWRITING_H
#define QUILLET_GEOMETRYWRITING_H

#include "rib/RibWriter.h"

// The one blank between two arrays of a request.
inline void writeBlank(RibWriter &writer) { writer.writeBytes(" ", 1); }

#endif
