// Frame, world, attribute, transform, solid, object and motion blocks,
// declarations, archives and error handlers.
#include "python/Bindings.h"
#include "quillet/DeclTable.h"

namespace quillet {
namespace python {

namespace {

const char kRecordText[] = "%s";
const char kBadDeclaration[] = "Declare: bad declaration \"%s\" for \"%s\"";

// A declaration that names no type would be reported and its parameters
// dropped; from Python it is refused.
void requireReadableDeclaration(const char *name, const char *declaration) {
    if (!isReadableDeclaration(declaration))
        throw py::value_error(formatString(kBadDeclaration, declaration, name ? name : ""));
}

// An archive record formatted as printf would format it: Python's % operator,
// so that a format without arguments still has its "%%" read.
void writeRecord(Ri &self, const char *entry, const char *type, py::handle format, py::handle args) {
    Request request(self, entry);
    if (format.is_none()) {
        request.write([&] { RiArchiveRecord(type, nullptr); });
        return;
    }
    Name text = nameText(format.attr("__mod__")(py::tuple(py::reinterpret_borrow<py::object>(args))));
    request.write([&] { RiArchiveRecord(type, kRecordText, text.text); });
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
        [](Ri &self, py::handle handleid) {
            Request request(self, "ObjectBegin");
            ParamDict list{py::none()};
            list.nameHandle(handleid);
            list.bind(uncountedCounts());
            return handleNumber(
                request.write([&] { return RiObjectBeginV(list.size(), list.tokens(), list.values()); }));
        },
        py::arg("handleid") = py::none());
    bindFixed(ri, "ObjectEnd", &RiObjectEnd);
    ri.def("ObjectInstance", [](Ri &self, intptr_t handle) {
        Request(self, "ObjectInstance").write([&] { RiObjectInstance(handlePointer(handle)); });
    });
    ri.def("MotionBegin", [](Ri &self, py::handle times) {
        Request request(self, "MotionBegin");
        FloatArg converted(times, "times");
        Values<RtFloat> values = converted.values();
        request.write([&] { RiMotionBeginV(values.count(), values.data); });
    });
    bindFixed(ri, "MotionEnd", &RiMotionEnd);
    // The handle of an inline archive is its name, which ReadArchive takes.
    ri.def(
        "ArchiveBegin",
        [](Ri &self, Name name, py::handle params) {
            Request request(self, "ArchiveBegin");
            ParamDict list(params);
            list.bind(uncountedCounts());
            RtArchiveHandle handle =
                request.write([&] { return RiArchiveBeginV(name, list.size(), list.tokens(), list.values()); });
            return py::str(static_cast<const char *>(handle));
        },
        py::arg("name"), params());
    bindFixed(ri, "ArchiveEnd", &RiArchiveEnd);
    bindFixed(ri, "IfBegin", &RiIfBegin);
    bindFixed(ri, "ElseIf", &RiElseIf);
    bindFixed(ri, "Else", &RiElse);
    bindFixed(ri, "IfEnd", &RiIfEnd);
    ri.def(
        "Resource",
        [](Ri &self, Name handle, Name type, py::handle params) {
            Request request(self, "Resource");
            ParamDict list(params);
            list.bind(uncountedCounts());
            request.write([&] { RiResourceV(handle, type, list.size(), list.tokens(), list.values()); });
        },
        py::arg("handle"), py::arg("type"), params());
    bindFixed(ri, "ResourceBegin", &RiResourceBegin);
    bindFixed(ri, "ResourceEnd", &RiResourceEnd);
    bindFixed(ri, "System", &RiSystem);
    ri.def("ErrorHandler", [](Ri &self, py::handle handler) {
        Request request(self, "ErrorHandler");
        RtErrorHandler function = errorHandlerFunction(handler);
        request.write([&] { RiErrorHandler(function); });
    });
    ri.def("ArchiveRecord", [](Ri &self, Name type, py::handle format, py::args args) {
        writeRecord(self, "ArchiveRecord", type, format, args);
    });
    ri.def("VArchiveRecord", [](Ri &self, Name type, py::handle format, py::handle args) {
        writeRecord(self, "VArchiveRecord", type, format, args);
    });
    // A stream writer has no use for the callback; it is never called.
    ri.def(
        "ReadArchive",
        [](Ri &self, Name name, py::handle, py::handle params) {
            Request request(self, "ReadArchive");
            ParamDict list(params);
            list.bind(uncountedCounts());
            request.write([&] { RiReadArchiveV(name, nullptr, list.size(), list.tokens(), list.values()); });
        },
        py::arg("name"), py::arg("callback") = py::none(), py::arg("params") = py::none());
    ri.def("Declare", [](Ri &self, Name name, Name declaration) {
        Request request(self, "Declare");
        requireReadableDeclaration(name, declaration);
        RtToken token = request.write([&] { return RiDeclare(name, declaration); });
        return token != nullptr ? py::object(py::str(token)) : py::object(py::none());
    });
}

}  // namespace python
}  // namespace quillet
