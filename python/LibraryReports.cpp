// The library's reports as Python exceptions (see LibraryReports.h).
#include "python/LibraryReports.h"

#include <string>

#include "python/Arguments.h"
#include "quillet/ErrorFunction.h"

namespace quillet {
namespace python {

namespace {

struct Report {
    RtInt code = RIE_NOERROR;
    RtInt severity = RIE_INFO;
    std::string message;
};

// The function may be called from any thread that uses the library; each
// thread keeps its own, and only the module's calls on it read them.
thread_local Report pending;

void keep(RtInt code, RtInt severity, const char *message) {
    if (pending.code != RIE_NOERROR && severity <= pending.severity) return;
    pending = Report{code, severity, message ? message : ""};
}

}  // namespace

void catchLibraryReports() {
    setErrorFunction(keep);
}

ReportsOfCall::ReportsOfCall() {
    pending = Report{};
}

RtInt ReportsOfCall::code() const {
    return pending.code;
}

void ReportsOfCall::raise() const {
    if (pending.code == RIE_NOERROR) return;
    const Report report = pending;
    pending = Report{};
    if (report.severity >= RIE_ERROR) raiseError(report.message, report.code, report.severity);
    if (PyErr_WarnEx(PyExc_RuntimeWarning, report.message.c_str(), 1) != 0) throw py::error_already_set();
}

void ReportsOfCall::raiseOpening() const {
    if (pending.code != RIE_SYSTEM && pending.code != RIE_BADFILE) return raise();
    const std::string message = pending.message;
    pending = Report{};
    PyErr_SetString(PyExc_OSError, message.c_str());
    throw py::error_already_set();
}

}  // namespace python
}  // namespace quillet
