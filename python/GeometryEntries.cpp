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
        [](const Ri &, const char *type, py::handle nvertices, const char *wrap, py::handle params) {
            requireContext("Curves");
            CallStorage storage;
            Values<RtInt> sizes = intValues(nvertices, storage);
            SteppedCounts counts = curvesCounts(type, sizes.count(), sizes.data, wrap, currentSteps().v);
            ParamDict list(params, steppedCounts(counts, type));
            RiCurvesV(type, sizes.count(), sizes.data, wrap, list.size(), list.tokens(), list.values());
        },
        py::arg("type"), py::arg("nvertices"), py::arg("wrap"), params());
    ri.def(
        "Points",
        [](const Ri &, RtInt npoints, py::handle params) {
            requireContext("Points");
            ParamDict list(params, pointsCounts(npoints));
            RiPointsV(npoints, list.size(), list.tokens(), list.values());
        },
        py::arg("npoints"), params());
    ri.def(
        "SubdivisionMesh",
        [](const Ri &, const char *scheme, py::handle nvertices, py::handle vertices, py::handle tags, py::handle nargs,
           py::handle intargs, py::handle floatargs, py::handle params) {
            requireContext("SubdivisionMesh");
            CallStorage storage;
            Values<RtInt> sizes = intValues(nvertices, storage);
            Values<RtInt> indices = intValues(vertices, sumInts(sizes.data, sizes.count()), "vertices", storage);
            Values<RtToken> tagNames = stringValues(tags, storage);
            Values<RtInt> argCounts = intValues(nargs, 2 * static_cast<long long>(tagNames.size), "nargs", storage);
            TagArgSizes argSizes = subdivisionTagSizes(tagNames.count(), argCounts.data);
            Values<RtInt> ints = intValues(intargs, argSizes.ints, "intargs", storage);
            Values<RtFloat> floats = floatValues(floatargs, argSizes.floats, "floatargs", storage);
            IndexedMeshShape shape = subdivisionMeshShape(sizes.count(), sizes.data, indices.data);
            ParamDict list(params, shape.counts, indices);
            RiSubdivisionMeshV(scheme, sizes.count(), sizes.data, indices.data, tagNames.count(), tagNames.data,
                               argCounts.data, ints.data, floats.data, list.size(), list.tokens(), list.values());
        },
        py::arg("scheme"), py::arg("nvertices"), py::arg("vertices"), py::arg("tags") = py::tuple(),
        py::arg("nargs") = py::tuple(), py::arg("intargs") = py::tuple(), py::arg("floatargs") = py::tuple(), params());
    ri.def(
        "Blobby",
        [](const Ri &, RtInt nleaf, py::handle code, py::handle flt, py::handle str, py::handle params) {
            requireContext("Blobby");
            CallStorage storage;
            Values<RtInt> codes = intValues(code, storage);
            Values<RtFloat> floats = floatValues(flt, storage);
            Values<RtToken> strings = stringValues(str, storage);
            BlobbyScan scan = blobbyScan(codes.count(), codes.data);
            if (!scan.complete) throw py::value_error(kBlobbyCodes);
            if (scan.leaves != nleaf || scan.floats != floats.count() || scan.strings != strings.count())
                throw py::value_error(formatString(kBlobbyCounts, scan.leaves, scan.floats, scan.strings, nleaf,
                                                   floats.count(), strings.count()));
            ParamDict list(params, blobbyCounts(nleaf));
            RiBlobbyV(nleaf, codes.count(), codes.data, floats.count(), floats.data, strings.count(), strings.data,
                      list.size(), list.tokens(), list.values());
        },
        py::arg("nleaf"), py::arg("code"), py::arg("flt"), py::arg("str"), params());
    // The free function has no counterpart in a stream; it is never called.
    ri.def(
        "Procedural",
        [](const Ri &, py::handle data, py::handle bound, py::handle subdivfunc, py::handle) {
            requireContext("Procedural");
            CallStorage storage;
            RtProcSubdivFunc function = proceduralFunction(subdivfunc);
            Values<RtToken> strings = stringValues(data, storage);
            const int needed = function == RiProcDelayedReadArchive ? 1 : 2;
            if (strings.size != size_t(needed))
                throw py::value_error(formatString(kProceduralData, subdivfunc.attr("name").cast<std::string>().c_str(),
                                                   needed, strings.size));
            RtFloat *box = floatValues(bound, 6, "bound", storage).data;
            RiProcedural(strings.data, box, function, nullptr);
        },
        py::arg("data"), py::arg("bound"), py::arg("subdivfunc"), py::arg("freefunc") = py::none());
    bindNamedList(ri, "Geometry", &RiGeometryV);
    ri.def(
        "Volume",
        [](const Ri &, const char *type, py::handle bound, py::handle dimensions, py::handle params) {
            requireContext("Volume");
            CallStorage storage;
            RtFloat *box = floatValues(bound, 6, "bound", storage).data;
            RtInt *grid = intValues(dimensions, 3, "dimensions", storage).data;
            ParamDict list(params, volumeCounts(grid));
            RiVolumeV(type, box, grid, list.size(), list.tokens(), list.values());
        },
        py::arg("type"), py::arg("bound"), py::arg("dimensions"), params());
    ri.def(
        "Procedural2",
        [](const Ri &, py::handle subdivfunc, py::handle boundfunc, py::handle params) {
            requireContext("Procedural2");
            RtProc2SubdivFunc function = procedural2Function(subdivfunc);
            RtProc2BoundFunc bound = boundFunction(boundfunc);
            ParamDict list(params, uncountedCounts());
            RiProcedural2V(function, bound, list.size(), list.tokens(), list.values());
        },
        py::arg("subdivfunc"), py::arg("boundfunc"), params());
}

}  // namespace python
}  // namespace quillet
