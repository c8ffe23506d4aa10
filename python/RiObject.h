// The Python class Ri: the stream its requests are written to.
#ifndef QUILLET_PYTHON_RIOBJECT_H
#define QUILLET_PYTHON_RIOBJECT_H

#include "quillet/ri.h"

namespace quillet {
namespace python {

// Every Ri object works on the process's current stream, as the C interface
// does; `with` ends the stream that the object began. Begin, End and Context count each change of stream, so that a
// request can tell whether its stream changed while it converted values.
class Ri {
public:
    RtContextHandle stream() const { return RiGetContext(); }
    unsigned long generation() const { return changes; }
    void streamChanged() { ++changes; }

    // The stream this object's last Begin opened, which leaving a with
    // block ends.
    RtContextHandle begun = nullptr;

private:
    static unsigned long changes;
};

}  // namespace python
}  // namespace quillet

#endif
