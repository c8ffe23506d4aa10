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

}  // namespace

void bindGeometryEntries(RiClass &ri) {
    ri.def(
        "Curves",
        [](Ri &self, Name type, py::handle nvertices, Name wrap, py::handle params) {
            Request request(self, "Curves");
            IntArg sizesArg(nvertices, "nvertices");
            ParamDict list(params);
            Values<RtInt> sizes = sizesArg.values();
            SteppedCounts counts =
                curvesCounts(type, sizes.count(), sizes.data, wrap, currentSteps(request.stream()).v);
            list.bind(steppedCounts(counts, type));
            request.write(
                [&] { RiCurvesV(type, sizes.count(), sizes.data, wrap, list.size(), list.tokens(), list.values()); });
        },
        py::arg("type"), py::arg("nvertices"), py::arg("wrap"), params());
    ri.def(
        "Points",
        [](Ri &self, RtInt npoints, py::handle params) {
            Request request(self, "Points");
            ParamDict list(params);
            list.bind(pointsCounts(npoints));
            request.write([&] { RiPointsV(npoints, list.size(), list.tokens(), list.values()); });
        },
        py::arg("npoints"), params());
    ri.def(
        "SubdivisionMesh",
        [](Ri &self, Name scheme, py::handle nvertices, py::handle vertices, py::handle tags, py::handle nargs,
           py::handle intargs, py::handle floatargs, py::handle params) {
            Request request(self, "SubdivisionMesh");
            IntArg sizesArg(nvertices, "nvertices");
            IntArg indicesArg(vertices, "vertices");
            StringArg tagsArg(tags, "tags");
            IntArg nargsArg(nargs, "nargs");
            IntArg intsArg(intargs, "intargs");
            FloatArg floatsArg(floatargs, "floatargs");
            ParamDict list(params);
            Values<RtInt> sizes = sizesArg.values();
            Values<RtInt> indices = indicesArg.values(sumInts(sizes.data, sizes.count()));
            Values<RtToken> tagNames = tagsArg.values();
            Values<RtInt> argCounts = nargsArg.values(2 * static_cast<long long>(tagNames.size));
            TagArgSizes argSizes = subdivisionTagSizes(tagNames.count(), argCounts.data);
            Values<RtInt> ints = intsArg.values(argSizes.ints);
            Values<RtFloat> floats = floatsArg.values(argSizes.floats);
            list.requireIndicesInRange(indices);
            list.bind(subdivisionMeshShape(sizes.count(), sizes.data, indices.data).counts);
            request.write([&] {
                RiSubdivisionMeshV(scheme, sizes.count(), sizes.data, indices.data, tagNames.count(), tagNames.data,
                                   argCounts.data, ints.data, floats.data, list.size(), list.tokens(), list.values());
            });
        },
        py::arg("scheme"), py::arg("nvertices"), py::arg("vertices"), py::arg("tags") = py::tuple(),
        py::arg("nargs") = py::tuple(), py::arg("intargs") = py::tuple(), py::arg("floatargs") = py::tuple(), params());
    ri.def(
        "Blobby",
        [](Ri &self, RtInt nleaf, py::handle code, py::handle flt, py::handle str, py::handle params) {
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
        py::arg("nleaf"), py::arg("code"), py::arg("flt"), py::arg("str"), params());
    // The free function has no counterpart in a stream; it is never called.
    ri.def(
        "Procedural",
        [](Ri &self, py::handle data, py::handle bound, py::handle subdivfunc, py::handle) {
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
        py::arg("data"), py::arg("bound"), py::arg("subdivfunc"), py::arg("freefunc") = py::none());
    bindNamedList(ri, "Geometry", &RiGeometryV);
    ri.def(
        "Volume",
        [](Ri &self, Name type, py::handle bound, py::handle dimensions, py::handle params) {
            Request request(self, "Volume");
            FloatArg boundArg(bound, "bound");
            IntArg gridArg(dimensions, "dimensions");
            ParamDict list(params);
            RtFloat *box = boundArg.values(6).data;
            RtInt *grid = gridArg.values(3).data;
            list.bind(volumeCounts(grid));
            request.write([&] { RiVolumeV(type, box, grid, list.size(), list.tokens(), list.values()); });
        },
        py::arg("type"), py::arg("bound"), py::arg("dimensions"), params());
    ri.def(
        "Procedural2",
        [](Ri &self, py::handle subdivfunc, py::handle boundfunc, py::handle params) {
            Request request(self, "Procedural2");
            RtProc2SubdivFunc function = procedural2Function(subdivfunc);
            RtProc2BoundFunc bound = boundFunction(boundfunc);
            ParamDict list(params);
            list.bind(uncountedCounts());
            request.write([&] { RiProcedural2V(function, bound, list.size(), list.tokens(), list.values()); });
        },
        py::arg("subdivfunc"), py::arg("boundfunc"), params());
}

}  // namespace python
}  // namespace quillet
