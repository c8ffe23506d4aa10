// Entry points that begin, end and switch streams.
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "python/Bindings.h"
#include "python/LibraryReports.h"
#include "quillet/RibWriter.h"
#include "ri/CurrentContext.h"
#include "rib/StreamOptions.h"
#include "rib/StreamTarget.h"

namespace quillet {
namespace python {

namespace {

const char kNotAContext[] = "expected a handle from GetContext() or None";
const char kEndedContext[] = "Context: the stream of this handle has ended";
const char kTooManyTargets[] = "Ri() takes at most one target";
const char kHandleDoc[] = "A stream's handle, from GetContext, for Context.";
const char kInitDoc[] =
    "Ri() begins no stream; Ri(target) begins one as Begin(target) does (a file name, None for standard output, "
    "\"|command\", or an object with a write(bytes) method). Used in a with block, the stream that the "
    "object began is ended when the block ends, also when it ends with an exception.";

// What GetContext returns: an opaque handle for Context.
struct ContextHandle {
    RtContextHandle handle;
};

}  // namespace

// Trying the file here first gives the OSError of a file that cannot be made
// its errno and file name, with nothing written.
void requireWritableFile(const char *name) {
    if (!isFileTarget(name)) return;
    FILE *file = std::fopen(name, "wb");
    if (file == nullptr) {
        PyErr_SetFromErrnoWithFilename(PyExc_OSError, name);
        throw py::error_already_set();
    }
    std::fclose(file);
}

namespace {

// The exception that a write method raised, kept until End raises it in
// place of the library's report of the lost stream. Touched with the
// interpreter lock held.
py::object *failedWrite() {
    static auto *failed = new py::object;
    return failed;
}

// The streams into write methods: those still open when the interpreter
// exits are ended while Python can still take their last bytes.
std::vector<RtContextHandle> &writingStreams() {
    static auto *streams = new std::vector<RtContextHandle>;
    return *streams;
}

void endWritingStreams() {
    const RtContextHandle current = RiGetContext();
    for (RtContextHandle stream : writingStreams()) {
        if (!isLiveContext(stream)) continue;
        RiContext(stream);
        RiEnd();
    }
    writingStreams().clear();
    *failedWrite() = py::object();
    RiContext(isLiveContext(current) ? current : nullptr);
}

// A stream into target.write(bytes), in the writer's buffer-sized pieces.
// An exception from write stops the stream; End raises it.
void beginWriting(Ri &self, py::handle target) {
    StreamOptions options = nextStreamOptions();
    py::object write = py::reinterpret_borrow<py::object>(target).attr("write");
    options.sink = [write](const char *bytes, size_t length) {
        try {
            write(py::bytes(bytes, length));
            return true;
        } catch (py::error_already_set &error) {
            if (!*failedWrite()) *failedWrite() = error.value();
            return false;
        }
    };
    const std::string label = py::repr(target);
    self.streamChanged();
    ReportsOfCall reports;
    std::unique_ptr<RenderContext> writer = openStream(label.c_str(), options);
    reports.raise();
    RiContext(writer.release());
    self.begun = RiGetContext();
    auto &streams = writingStreams();
    streams.erase(std::remove_if(streams.begin(), streams.end(), [](RtContextHandle s) { return !isLiveContext(s); }),
                  streams.end());
    streams.push_back(self.begun);
}

void begin(Ri &self, py::handle target) {
    if (!target.is_none() && !py::isinstance<py::str>(target) && py::hasattr(target, "write"))
        return beginWriting(self, target);
    const Name name = nameText(target);
    requireWritableFile(name);
    self.streamChanged();
    ReportsOfCall reports;
    RiBegin(name);
    reports.raiseOpening();
    self.begun = RiGetContext();
}

void end(Ri &self) {
    self.streamChanged();
    ReportsOfCall reports;
    RiEnd();
    // A stream on the standard output stream reaches it before any later
    // output of Python's own.
    std::fflush(stdout);
    if (*failedWrite()) {
        PyErr_SetObject(reinterpret_cast<PyObject *>(Py_TYPE(failedWrite()->ptr())), failedWrite()->ptr());
        *failedWrite() = py::object();
        throw py::error_already_set();
    }
    reports.raise();
}

// Leaving a with block ends the stream that the object began, if it is still
// open, whichever stream is current; a different current stream stays so.
void endBegun(Ri &self) {
    if (!isLiveContext(self.begun)) return;
    RtContextHandle current = RiGetContext();
    RiContext(self.begun);
    end(self);
    if (current != self.begun) RiContext(current);
    self.begun = nullptr;
}

}  // namespace

void bindContextEntries(RiClass &ri) {
    py::module_::import("atexit").attr("register")(py::cpp_function(endWritingStreams));
    py::class_<ContextHandle>(ri, "ContextHandle", kHandleDoc)
        .def("__eq__",
             [](const ContextHandle &self, py::handle other) {
                 return py::isinstance<ContextHandle>(other) &&
                        other.cast<const ContextHandle &>().handle == self.handle;
             })
        .def("__hash__", [](const ContextHandle &self) { return std::hash<const void *>()(self.handle); });
    // Ri() begins no stream; Ri(name) begins one as Begin(name) does.
    ri.def(py::init([](py::args target) {
               if (target.size() > 1) throw py::type_error(kTooManyTargets);
               auto self = std::make_unique<Ri>();
               if (target.size() == 1) begin(*self, target[0]);
               return self;
           }),
           kInitDoc);
    ri.def(
        "__enter__", [](RiValue self) { return self; }, methodDoc("__enter__"));
    ri.def(
        "__exit__",
        [](Ri &self, py::args) {
            endBegun(self);
            return false;
        },
        methodDoc("__exit__"));
    ri.def(
        "Begin", [](Ri &self, Target target) { begin(self, target); }, py::arg("target") = py::none(),
        methodDoc("Begin"));
    ri.def(
        "End",
        [](Ri &self) {
            Request request(self, "End");
            end(self);
        },
        methodDoc("End"));
    ri.def(
        "GetContext",
        [](Ri &) {
            RtContextHandle handle = RiGetContext();
            return as<ContextValue>(handle != nullptr ? py::cast(ContextHandle{handle}) : py::none());
        },
        methodDoc("GetContext"));
    ri.def(
        "Context",
        [](Ri &self, ContextValue handle) {
            self.streamChanged();
            if (handle.is_none())
                RiContext(nullptr);
            else if (!py::isinstance<ContextHandle>(handle))
                throw py::type_error(kNotAContext);
            else if (!isLiveContext(handle.cast<const ContextHandle &>().handle))
                raiseError(kEndedContext);
            else
                RiContext(handle.cast<const ContextHandle &>().handle);
        },
        py::arg("handle"), methodDoc("Context"));
}

}  // namespace python
}  // namespace quillet
