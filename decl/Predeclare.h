// Declares the standard parameters through a new stream's Declare operation.
#ifndef QUILLET_PREDECLARE_H
#define QUILLET_PREDECLARE_H

class RibWriter;

void predeclare(RibWriter *writer);

#endif
