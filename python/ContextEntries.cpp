// Entry points that begin, end and switch streams.
#include <cstdio>

#include "python/Bindings.h"
#include "ri/CurrentContext.h"
#include "rib/StreamTarget.h"

namespace quillet {
namespace python {

namespace {

const char kNotAContext[] = "expected a handle from GetContext() or None";
const char kEndedContext[] = "Context: the stream of this handle has ended";

// What GetContext returns: an opaque handle for Context.
struct ContextHandle {
    RtContextHandle handle;
};

}  // namespace

// The C library ends the process when it cannot create a file; trying it here
// first turns that into OSError, with nothing written.
void requireWritableFile(const char *name) {
    if (!isFileTarget(name)) return;
    FILE *file = std::fopen(name, "wb");
    if (file == nullptr) {
        PyErr_SetFromErrnoWithFilename(PyExc_OSError, name);
        throw py::error_already_set();
    }
    std::fclose(file);
}

void bindContextEntries(RiClass &ri) {
    py::class_<ContextHandle>(ri, "ContextHandle");
    ri.def(
        "Begin",
        [](Ri &self, Name name) {
            requireWritableFile(name);
            self.streamChanged();
            RiBegin(name);
        },
        py::arg("name") = py::none());
    ri.def("End", [](Ri &self) {
        Request request(self, "End");
        self.streamChanged();
        RiEnd();
        // A stream on the standard output stream reaches it before any
        // later output of Python's own.
        std::fflush(stdout);
    });
    ri.def("GetContext", [](Ri &) -> py::object {
        RtContextHandle handle = RiGetContext();
        if (handle == nullptr) return py::none();
        return py::cast(ContextHandle{handle});
    });
    ri.def("Context", [](Ri &self, py::handle handle) {
        self.streamChanged();
        if (handle.is_none())
            RiContext(nullptr);
        else if (!py::isinstance<ContextHandle>(handle))
            throw py::type_error(kNotAContext);
        else if (!isLiveContext(handle.cast<const ContextHandle &>().handle))
            raiseError(kEndedContext);
        else
            RiContext(handle.cast<const ContextHandle &>().handle);
    });
}

}  // namespace python
}  // namespace quillet
