// The Python module quillet.
#include "python/Bindings.h"
#include "python/LibraryReports.h"

PYBIND11_MODULE(quillet, module) {
    using namespace quillet::python;
    module.doc() = "The RenderMan Interface: write RIB streams from Python.";
    registerErrorType(module);
    catchLibraryReports();
    RiClass ri(module, "Ri", "The interface's entry points as methods, named without \"Ri\".");
    bindConstants(module, ri);
    bindContextEntries(ri);
    bindStructureEntries(ri);
    bindOptionEntries(ri);
    bindTransformEntries(ri);
    bindShadingEntries(ri);
    bindQuadricEntries(ri);
    bindPolygonPatchEntries(ri);
    bindGeometryEntries(ri);
    bindTextureEntries(ri);
    bindArchiveWriting(module);
}
