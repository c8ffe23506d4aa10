// Declares the standard parameters through a new stream's Declare operation.
#ifndef QUILLET_PREDECLARE_H
#define QUILLET_PREDECLARE_H

#include "quillet/RenderContext.h"

namespace quillet {

void predeclare(RenderContext &context);

}  // namespace quillet

#endif
