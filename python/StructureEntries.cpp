// Solids, objects, texture making, declarations, archives and error handlers.
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
    bindFixed(ri, "SolidBegin", &RiSolidBegin);
    bindFixed(ri, "SolidEnd", &RiSolidEnd);
    ri.def("ObjectBegin", [](const Ri &) {
        requireContext("ObjectBegin");
        return handleNumber(RiObjectBegin());
    });
    bindFixed(ri, "ObjectEnd", &RiObjectEnd);
    ri.def("ObjectInstance", [](const Ri &, intptr_t handle) {
        requireContext("ObjectInstance");
        RiObjectInstance(handlePointer(handle));
    });
    ri.def(
        "MakeTexture",
        [](const Ri &, const char *picturename, const char *texturename, const char *swrap, const char *twrap,
           py::handle filterfunc, RtFloat swidth, RtFloat twidth, py::handle params) {
            requireContext("MakeTexture");
            RtFilterFunc filter = filterFunction(filterfunc);
            ParamDict list(params, uncountedCounts());
            RiMakeTextureV(picturename, texturename, swrap, twrap, filter, swidth, twidth, list.size(), list.tokens(),
                           list.values());
        },
        py::arg("picturename"), py::arg("texturename"), py::arg("swrap"), py::arg("twrap"), py::arg("filterfunc"),
        py::arg("swidth"), py::arg("twidth"), py::arg("params") = py::none());
    ri.def(
        "MakeLatLongEnvironment",
        [](const Ri &, const char *picturename, const char *texturename, py::handle filterfunc, RtFloat swidth,
           RtFloat twidth, py::handle params) {
            requireContext("MakeLatLongEnvironment");
            RtFilterFunc filter = filterFunction(filterfunc);
            ParamDict list(params, uncountedCounts());
            RiMakeLatLongEnvironmentV(picturename, texturename, filter, swidth, twidth, list.size(), list.tokens(),
                                      list.values());
        },
        py::arg("picturename"), py::arg("texturename"), py::arg("filterfunc"), py::arg("swidth"), py::arg("twidth"),
        py::arg("params") = py::none());
    ri.def(
        "MakeCubeFaceEnvironment",
        [](const Ri &, const char *px, const char *nx, const char *py, const char *ny, const char *pz, const char *nz,
           const char *texturename, RtFloat fov, py::handle filterfunc, RtFloat swidth, RtFloat twidth,
           py::handle params) {
            requireContext("MakeCubeFaceEnvironment");
            RtFilterFunc filter = filterFunction(filterfunc);
            ParamDict list(params, uncountedCounts());
            RiMakeCubeFaceEnvironmentV(px, nx, py, ny, pz, nz, texturename, fov, filter, swidth, twidth, list.size(),
                                       list.tokens(), list.values());
        },
        py::arg("px"), py::arg("nx"), py::arg("py"), py::arg("ny"), py::arg("pz"), py::arg("nz"),
        py::arg("texturename"), py::arg("fov"), py::arg("filterfunc"), py::arg("swidth"), py::arg("twidth"),
        py::arg("params") = py::none());
    ri.def(
        "MakeShadow",
        [](const Ri &, const char *picturename, const char *texturename, py::handle params) {
            requireContext("MakeShadow");
            ParamDict list(params, uncountedCounts());
            RiMakeShadowV(picturename, texturename, list.size(), list.tokens(), list.values());
        },
        py::arg("picturename"), py::arg("texturename"), py::arg("params") = py::none());
    ri.def("Declare", [](const Ri &, const char *name, const char *declaration) {
        requireContext("Declare");
        RtToken token = RiDeclare(name, declaration);
        return token != nullptr ? py::object(py::str(token)) : py::object(py::none());
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
    ri.def("ErrorHandler", [](const Ri &, py::handle handler) {
        requireContext("ErrorHandler");
        RiErrorHandler(errorHandlerFunction(handler));
    });
}

}  // namespace python
}  // namespace quillet
