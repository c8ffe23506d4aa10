// Curves, points, subdivision mesh, blobby, procedural and geometry entry
// points: every array is checked against the shared count rules before the
// call, so the C side never reads past the end of one.
#include "python/BasisSteps.h"
#include "python/Bindings.h"

namespace quillet {
namespace python {

namespace {

const char kBlobbyCodes[] = "Blobby: the code array ends inside an operator";
const char kBlobbyCounts[] = "Blobby: the code array asks for %d leaves, %d floats and %d strings; got %d, %d and %d";
const char kProceduralData[] = "Procedural: %s takes %d strings of data, got %zu";

const Binding kGeometryRequests[] = {
    {"Points", withList<&RiPointsV, CountsOf<&pointsCounts>>},
    {"Geometry", withList<&RiGeometryV>},
    {"Procedural2", withList<&RiProcedural2V>},
};

}  // namespace

void bindGeometryEntries(RiClass &ri) {
    ri.def(
        "Curves",
        [](Ri &self, Name type, IntArray nvertices, Name wrap, ParamList params) {
            Request request(self, "Curves");
            IntArg sizesArg(nvertices, "nvertices");
            ParamDict list(params);
            Values<RtInt> sizes = sizesArg.values();
            SteppedCounts counts = curvesCounts(type, sizes.count(), sizes.data, wrap, currentSteps().v);
            list.bind(steppedCounts(counts, type));
            request.write(
                [&] { RiCurvesV(type, sizes.count(), sizes.data, wrap, list.size(), list.tokens(), list.values()); });
        },
        py::arg("type"), py::arg("nvertices"), py::arg("wrap"), params(), methodDoc("Curves"));
    bindTable(ri, kGeometryRequests);
    ri.def(
        "SubdivisionMesh",
        [](Ri &self, Name scheme, IntArray nvertices, IntArray vertices, StringArray tags, IntArray nargs,
           IntArray intargs, FloatArray floatargs, ParamList params) {
            Request request(self, "SubdivisionMesh");
            MeshArrays mesh(nvertices, vertices);
            StringArg tagsArg(tags, "tags");
            IntArg nargsArg(nargs, "nargs");
            IntArg intsArg(intargs, "intargs");
            FloatArg floatsArg(floatargs, "floatargs");
            ParamDict list(params);
            mesh.take();
            Values<RtToken> tagNames = tagsArg.values();
            Values<RtInt> argCounts = nargsArg.values(2 * static_cast<long long>(tagNames.size));
            TagArgSizes argSizes = subdivisionTagSizes(tagNames.count(), argCounts.data);
            Values<RtInt> ints = intsArg.values(argSizes.ints);
            Values<RtFloat> floats = floatsArg.values(argSizes.floats);
            list.requireIndicesInRange(mesh.indices);
            list.bind(subdivisionMeshShape(mesh.faces(), mesh.sizes.data, mesh.indices.data).counts);
            request.write([&] {
                RiSubdivisionMeshV(scheme, mesh.faces(), mesh.sizes.data, mesh.indices.data, tagNames.count(),
                                   tagNames.data, argCounts.data, ints.data, floats.data, list.size(), list.tokens(),
                                   list.values());
            });
        },
        py::arg("scheme"), py::arg("nvertices"), py::arg("vertices"), py::arg("tags") = py::tuple(),
        py::arg("nargs") = py::tuple(), py::arg("intargs") = py::tuple(), py::arg("floatargs") = py::tuple(), params(),
        methodDoc("SubdivisionMesh"));
    ri.def(
        "Blobby",
        [](Ri &self, RtInt nleaf, IntArray code, FloatArray flt, StringArray str, ParamList params) {
            Request request(self, "Blobby");
            IntArg codesArg(code, "code");
            FloatArg floatsArg(flt, "flt");
            StringArg stringsArg(str, "str");
            ParamDict list(params);
            Values<RtInt> codes = codesArg.values();
            Values<RtFloat> floats = floatsArg.values();
            Values<RtToken> strings = stringsArg.values();
            BlobbyScan scan = blobbyScan(codes.count(), codes.data);
            if (!scan.complete) throw py::value_error(kBlobbyCodes);
            if (scan.leaves != nleaf || scan.floats != floats.count() || scan.strings != strings.count())
                throw py::value_error(formatString(kBlobbyCounts, scan.leaves, scan.floats, scan.strings, nleaf,
                                                   floats.count(), strings.count()));
            list.bind(blobbyCounts(nleaf));
            request.write([&] {
                RiBlobbyV(nleaf, codes.count(), codes.data, floats.count(), floats.data, strings.count(), strings.data,
                          list.size(), list.tokens(), list.values());
            });
        },
        py::arg("nleaf"), py::arg("code"), py::arg("flt"), py::arg("str"), params(), methodDoc("Blobby"));
    // The free function has no counterpart in a stream; it is never called.
    ri.def(
        "Procedural",
        [](Ri &self, StringArray data, FloatArray bound, ProceduralObject subdivfunc, UnusedValue) {
            Request request(self, "Procedural");
            RtProcSubdivFunc function = proceduralFunction(subdivfunc);
            StringArg stringsArg(data, "data");
            FloatArg boundArg(bound, "bound");
            Values<RtToken> strings = stringsArg.values();
            const int needed = function == RiProcDelayedReadArchive ? 1 : 2;
            if (strings.size != size_t(needed))
                throw py::value_error(formatString(kProceduralData, subdivfunc.attr("name").cast<std::string>().c_str(),
                                                   needed, strings.size));
            RtFloat *box = boundArg.values(6).data;
            request.write([&] { RiProcedural(strings.data, box, function, nullptr); });
        },
        py::arg("data"), py::arg("bound"), py::arg("subdivfunc"), py::arg("freefunc") = py::none(),
        methodDoc("Procedural"));
    ri.def(
        "Volume",
        [](Ri &self, Name type, FloatArray bound, IntArray dimensions, ParamList params) {
            Request request(self, "Volume");
            FloatArg boundArg(bound, "bound");
            IntArg gridArg(dimensions, "dimensions");
            ParamDict list(params);
            RtFloat *box = boundArg.values(6).data;
            RtInt *grid = gridArg.values(3).data;
            list.bind(volumeCounts(grid));
            request.write([&] { RiVolumeV(type, box, grid, list.size(), list.tokens(), list.values()); });
        },
        py::arg("type"), py::arg("bound"), py::arg("dimensions"), params(), methodDoc("Volume"));
}

}  // namespace python
}  // namespace quillet
