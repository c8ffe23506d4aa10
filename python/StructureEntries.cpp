// Frame, world, attribute, transform, solid, object and motion blocks,
// declarations, archives and error handlers.
#include "python/Bindings.h"

namespace quillet {
namespace python {

namespace {

const char kRecordText[] = "%s";

// An archive record formatted as printf would format it: Python's % operator,
// so that a format without arguments still has its "%%" read.
void writeRecord(const char *type, py::handle format, py::handle args) {
    if (format.is_none()) {
        RiArchiveRecord(type, nullptr);
        return;
    }
    CallStorage storage;
    py::object text = format.attr("__mod__")(py::tuple(py::reinterpret_borrow<py::object>(args)));
    RiArchiveRecord(type, kRecordText, strText(text, storage));
}

}  // namespace

void bindStructureEntries(RiClass &ri) {
    bindFixed(ri, "FrameBegin", &RiFrameBegin);
    bindFixed(ri, "FrameEnd", &RiFrameEnd);
    bindFixed(ri, "WorldBegin", &RiWorldBegin);
    bindFixed(ri, "WorldEnd", &RiWorldEnd);
    bindFixed(ri, "AttributeBegin", &RiAttributeBegin);
    bindFixed(ri, "AttributeEnd", &RiAttributeEnd);
    bindFixed(ri, "TransformBegin", &RiTransformBegin);
    bindFixed(ri, "TransformEnd", &RiTransformEnd);
    bindFixed(ri, "SolidBegin", &RiSolidBegin);
    bindFixed(ri, "SolidEnd", &RiSolidEnd);
    ri.def(
        "ObjectBegin",
        [](const Ri &, py::handle handleid) {
            requireContext("ObjectBegin");
            ParamDict list(py::none(), uncountedCounts());
            list.nameHandle(handleid);
            return handleNumber(RiObjectBeginV(list.size(), list.tokens(), list.values()));
        },
        py::arg("handleid") = py::none());
    bindFixed(ri, "ObjectEnd", &RiObjectEnd);
    ri.def("ObjectInstance", [](const Ri &, intptr_t handle) {
        requireContext("ObjectInstance");
        RiObjectInstance(handlePointer(handle));
    });
    ri.def("MotionBegin", [](const Ri &, py::handle times) {
        requireContext("MotionBegin");
        CallStorage storage;
        Values<RtFloat> values = floatValues(times, storage);
        RiMotionBeginV(values.count(), values.data);
    });
    bindFixed(ri, "MotionEnd", &RiMotionEnd);
    // The handle of an inline archive is its name, which ReadArchive takes.
    ri.def(
        "ArchiveBegin",
        [](const Ri &, const char *name, py::handle params) {
            requireContext("ArchiveBegin");
            ParamDict list(params, uncountedCounts());
            return py::str(static_cast<const char *>(RiArchiveBeginV(name, list.size(), list.tokens(), list.values())));
        },
        py::arg("name"), params());
    bindFixed(ri, "ArchiveEnd", &RiArchiveEnd);
    bindFixed(ri, "IfBegin", &RiIfBegin);
    bindFixed(ri, "ElseIf", &RiElseIf);
    bindFixed(ri, "Else", &RiElse);
    bindFixed(ri, "IfEnd", &RiIfEnd);
    ri.def(
        "Resource",
        [](const Ri &, const char *handle, const char *type, py::handle params) {
            requireContext("Resource");
            ParamDict list(params, uncountedCounts());
            RiResourceV(handle, type, list.size(), list.tokens(), list.values());
        },
        py::arg("handle"), py::arg("type"), params());
    bindFixed(ri, "ResourceBegin", &RiResourceBegin);
    bindFixed(ri, "ResourceEnd", &RiResourceEnd);
    bindFixed(ri, "System", &RiSystem);
    ri.def("ErrorHandler", [](const Ri &, py::handle handler) {
        requireContext("ErrorHandler");
        RiErrorHandler(errorHandlerFunction(handler));
    });
    ri.def("ArchiveRecord", [](const Ri &, const char *type, py::handle format, py::args args) {
        requireContext("ArchiveRecord");
        writeRecord(type, format, args);
    });
    ri.def("VArchiveRecord", [](const Ri &, const char *type, py::handle format, py::handle args) {
        requireContext("VArchiveRecord");
        writeRecord(type, format, args);
    });
    // A stream writer has no use for the callback; it is never called.
    ri.def(
        "ReadArchive",
        [](const Ri &, const char *name, py::handle, py::handle params) {
            requireContext("ReadArchive");
            ParamDict list(params, uncountedCounts());
            RiReadArchiveV(name, nullptr, list.size(), list.tokens(), list.values());
        },
        py::arg("name"), py::arg("callback") = py::none(), py::arg("params") = py::none());
    ri.def("Declare", [](const Ri &, const char *name, const char *declaration) {
        requireContext("Declare");
        RtToken token = RiDeclare(name, declaration);
        return token != nullptr ? py::object(py::str(token)) : py::object(py::none());
    });
}

}  // namespace python
}  // namespace quillet
