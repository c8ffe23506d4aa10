// Fast text of floating-point values, byte-identical to printf's "%g" in the
// C locale (six significant digits).
#ifndef QUILLET_FLOATFORMAT_H
#define QUILLET_FLOATFORMAT_H

#include <cstddef>

namespace quillet {

// Room that formatGeneral may use: its longest text is 13 characters, and it
// moves digits eight bytes at a time, which may write up to 8 bytes past the
// text's last.
const size_t kGeneralTextMax = 24;

// Writes what printf("%g", value) writes (no terminator); returns its length.
size_t formatGeneral(char *buffer, float value);
size_t formatGeneral(char *buffer, double value);

}  // namespace quillet

#endif
