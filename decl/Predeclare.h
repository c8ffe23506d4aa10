// Declares the standard parameters through a new stream's Declare operation.
#ifndef QUILLET_PREDECLARE_H
#define QUILLET_PREDECLARE_H

#include "ri/Export.h"

namespace quillet {

class RibWriter;

QUILLET_API void predeclare(RibWriter *writer);

}  // namespace quillet

#endif
