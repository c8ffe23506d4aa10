// Entry points that begin, end and switch streams.
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>

#include "python/Bindings.h"
#include "python/LibraryReports.h"
#include "python/StreamHold.h"
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
    "\"|command\", or an object with a write(bytes) method). Each object writes its own stream, the one its "
    "Begin opened or its Context chose; until then it follows the calling thread's current stream. Used in a "
    "with block, the stream that the object began is ended when the block ends, also when it ends with an "
    "exception.";

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

// A stream into target.write(bytes). The first exception that write raises
// stops the stream, and End raises it in place of the library's report of
// the lost stream. Python objects are touched only with the interpreter lock,
// which the stream's writes and its end may run without.
struct PythonWriter {
    py::object write;
    py::object failure;

    ~PythonWriter() {
        py::gil_scoped_acquire acquire;
        write = py::object();
        failure = py::object();
    }

    // No exception leaves: the library's C frames are below.
    bool send(const char *bytes, size_t length) {
        py::gil_scoped_acquire acquire;
        try {
            write(py::bytes(bytes, length));
            return true;
        } catch (py::error_already_set &error) {
            if (!failure) failure = error.value();
        } catch (...) {}
        return false;
    }
};

// The streams into write methods, touched with the interpreter lock held:
// those still open when the interpreter exits are ended while Python can
// still take their last bytes.
std::unordered_map<RtContextHandle, std::shared_ptr<PythonWriter>> &writingStreams() {
    static auto *streams = new std::unordered_map<RtContextHandle, std::shared_ptr<PythonWriter>>;
    return *streams;
}

// Ends the stream once no other thread writes it, without the interpreter
// lock while it writes its last bytes.
void endHeld(const StreamRef &stream, const char *request) {
    StreamHold hold(stream, request);
    {
        py::gil_scoped_release released;
        RiEnd();
    }
    hold.retire();
}

// The exception of a write method that failed, if the stream had one.
void raiseFailedWrite(RtContextHandle stream) {
    auto found = writingStreams().find(stream);
    if (found == writingStreams().end()) return;
    py::object failure = found->second->failure;
    writingStreams().erase(found);
    if (!failure) return;
    PyErr_SetObject(reinterpret_cast<PyObject *>(Py_TYPE(failure.ptr())), failure.ptr());
    throw py::error_already_set();
}

void endStream(const StreamRef &stream, const char *request) {
    ReportsOfCall reports;
    endHeld(stream, request);
    // A stream on the standard output stream reaches it before any later
    // output of Python's own.
    std::fflush(stdout);
    raiseFailedWrite(stream.handle());
    reports.raise();
}

void endWritingStreams() {
    for (auto &entry : writingStreams()) {
        if (!isLiveContext(entry.first)) continue;
        try {
            endHeld(StreamRef(entry.first), "End");
        } catch (py::error_already_set &) {}
    }
    writingStreams().clear();
}

// The stream that Begin opened becomes the object's own, and the calling
// thread's current stream, as RiBegin makes it.
void started(Ri &self, RtContextHandle stream) {
    self.choose(stream);
    self.begun = stream;
}

void beginWriting(Ri &self, py::handle target) {
    StreamOptions options = nextStreamOptions();
    auto writer = std::make_shared<PythonWriter>();
    writer->write = py::reinterpret_borrow<py::object>(target).attr("write");
    options.sink = [writer](const char *bytes, size_t length) { return writer->send(bytes, length); };
    const std::string label = py::repr(target);
    self.streamChanged();
    ReportsOfCall reports;
    std::unique_ptr<RenderContext> stream = openStream(label.c_str(), options);
    reports.raise();
    RiContext(stream.release());
    started(self, RiGetContext());
    writingStreams()[self.begun] = writer;
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
    started(self, RiGetContext());
}

// End ends the stream the object's requests go to.
void end(Ri &self) {
    const StreamRef stream = Request(self, "End").streamRef();
    self.streamChanged();
    endStream(stream, "End");
}

// Leaving a with block ends the stream that the object began, if it is still
// open, whichever stream its requests go to now.
void endBegun(Ri &self) {
    if (!isLiveContext(self.begun)) return;
    const StreamRef stream(self.begun);
    self.begun = nullptr;
    self.streamChanged();
    endStream(stream, "End");
}

void chooseContext(Ri &self, py::handle handle) {
    if (handle.is_none()) {
        RiContext(nullptr);
        self.choose(nullptr);
    } else if (!py::isinstance<ContextHandle>(handle)) {
        throw py::type_error(kNotAContext);
    } else if (!isLiveContext(handle.cast<const ContextHandle &>().handle)) {
        raiseError(kEndedContext);
    } else {
        RiContext(handle.cast<const ContextHandle &>().handle);
        self.choose(handle.cast<const ContextHandle &>().handle);
    }
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
    ri.def("End", &end, methodDoc("End"));
    ri.def(
        "GetContext",
        [](Ri &self) {
            RtContextHandle handle = self.streamHandle();
            return as<ContextValue>(isLiveContext(handle) ? py::cast(ContextHandle{handle}) : py::none());
        },
        methodDoc("GetContext"));
    ri.def(
        "Context", [](Ri &self, ContextValue handle) { chooseContext(self, handle); }, py::arg("handle"),
        methodDoc("Context"));
}

}  // namespace python
}  // namespace quillet
