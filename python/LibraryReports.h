// The library's reports, taken by the module instead of printed: an error
// function installed when the module loads keeps each calling thread's
// reports, and the call that made them raises them once the C call returns.
#ifndef QUILLET_PYTHON_LIBRARYREPORTS_H
#define QUILLET_PYTHON_LIBRARYREPORTS_H

#include "quillet/ri.h"

namespace quillet {
namespace python {

void catchLibraryReports();

// Held around one C call: forgets reports made before it, and raise() turns
// the most severe one made during it into an exception (quillet.Error for
// errors; a RuntimeWarning for warnings and notes).
class ReportsOfCall {
public:
    ReportsOfCall();
    void raise() const;
    // For a call that opens a target: OSError with the library's message
    // (the target and the system's reason) when the target could not be
    // opened, else as raise().
    void raiseOpening() const;
    // The most severe report's code, or RIE_NOERROR.
    RtInt code() const;
};

}  // namespace python
}  // namespace quillet

#endif
