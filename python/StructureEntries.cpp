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

const Binding kStructureRequests[] = {
    {"FrameBegin", fixedArguments<&RiFrameBegin>},
    {"FrameEnd", fixedArguments<&RiFrameEnd>},
    {"WorldBegin", fixedArguments<&RiWorldBegin>},
    {"WorldEnd", fixedArguments<&RiWorldEnd>},
    {"AttributeBegin", fixedArguments<&RiAttributeBegin>},
    {"AttributeEnd", fixedArguments<&RiAttributeEnd>},
    {"TransformBegin", fixedArguments<&RiTransformBegin>},
    {"TransformEnd", fixedArguments<&RiTransformEnd>},
    {"SolidBegin", fixedArguments<&RiSolidBegin>},
    {"SolidEnd", fixedArguments<&RiSolidEnd>},
    {"ObjectEnd", fixedArguments<&RiObjectEnd>},
    {"ObjectInstance", fixedArguments<&RiObjectInstance>},
    {"MotionEnd", fixedArguments<&RiMotionEnd>},
    {"ArchiveEnd", fixedArguments<&RiArchiveEnd>},
    {"IfBegin", fixedArguments<&RiIfBegin>},
    {"ElseIf", fixedArguments<&RiElseIf>},
    {"Else", fixedArguments<&RiElse>},
    {"IfEnd", fixedArguments<&RiIfEnd>},
    {"Resource", withList<&RiResourceV>},
    {"ResourceBegin", fixedArguments<&RiResourceBegin>},
    {"ResourceEnd", fixedArguments<&RiResourceEnd>},
    {"System", fixedArguments<&RiSystem>},
    {"ErrorHandler", fixedArguments<&RiErrorHandler>},
};

}  // namespace

void bindStructureEntries(RiClass &ri) {
    bindTable(ri, kStructureRequests);
    ri.def(
        "ObjectBegin",
        [](Ri &self, OptionalName handleid) {
            Request request(self, "ObjectBegin");
            ParamDict list{py::none()};
            list.nameHandle(handleid);
            list.bind(uncountedCounts());
            return handleNumber(
                request.write([&] { return RiObjectBeginV(list.size(), list.tokens(), list.values()); }));
        },
        py::arg("handleid") = py::none(), methodDoc("ObjectBegin"));
    ri.def(
        "MotionBegin",
        [](Ri &self, FloatArray times) {
            Request request(self, "MotionBegin");
            FloatArg converted(times, "times");
            Values<RtFloat> values = converted.values();
            request.write([&] { RiMotionBeginV(values.count(), values.data); });
        },
        py::arg("times"), methodDoc("MotionBegin"));
    // The handle of an inline archive is its name, which ReadArchive takes.
    ri.def(
        "ArchiveBegin",
        [](Ri &self, Name name, ParamList params) {
            Request request(self, "ArchiveBegin");
            ParamDict list(params);
            list.bind(uncountedCounts());
            RtArchiveHandle handle =
                request.write([&] { return RiArchiveBeginV(name, list.size(), list.tokens(), list.values()); });
            return py::str(static_cast<const char *>(handle));
        },
        py::arg("name"), params(), methodDoc("ArchiveBegin"));
    ri.def(
        "ArchiveRecord",
        [](Ri &self, Name type, OptionalName format, py::args args) {
            writeRecord(self, "ArchiveRecord", type, format, args);
        },
        py::arg("type"), py::arg("format"), methodDoc("ArchiveRecord"));
    ri.def(
        "VArchiveRecord",
        [](Ri &self, Name type, OptionalName format, RecordValues args) {
            writeRecord(self, "VArchiveRecord", type, format, args);
        },
        py::arg("type"), py::arg("format"), py::arg("args"), methodDoc("VArchiveRecord"));
    // A stream writer has no use for the callback; it is never called.
    ri.def(
        "ReadArchive",
        [](Ri &self, Name name, UnusedValue, ParamList params) {
            Request request(self, "ReadArchive");
            ParamDict list(params);
            list.bind(uncountedCounts());
            request.write([&] { RiReadArchiveV(name, nullptr, list.size(), list.tokens(), list.values()); });
        },
        py::arg("name"), py::arg("callback") = py::none(), params(), methodDoc("ReadArchive"));
    ri.def(
        "Declare",
        [](Ri &self, Name name, Name declaration) {
            Request request(self, "Declare");
            requireReadableDeclaration(name, declaration);
            RtToken token = request.write([&] { return RiDeclare(name, declaration); });
            return as<OptionalName>(token != nullptr ? py::object(py::str(token)) : py::object(py::none()));
        },
        py::arg("name"), py::arg("declaration"), methodDoc("Declare"));
}

}  // namespace python
}  // namespace quillet
