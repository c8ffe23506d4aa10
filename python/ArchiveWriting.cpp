// quillet.write_archive(name, draw): one archive file per object, and the
// bound its geometry needs for a delayed read.
#include <memory>

#include "python/Bindings.h"
#include "python/StreamHold.h"
#include "quillet/BoundingContext.h"
#include "ri/CurrentContext.h"
#include "rib/StreamOptions.h"

namespace quillet {
namespace python {

namespace {

const char kEndedInside[] = "write_archive: the archive's stream was ended inside draw";
const char kDoc[] = "write_archive(name, draw) -> (xmin, xmax, ymin, ymax, zmin, zmax) or None\n\n"
                    "Writes an archive file (the \"archive\" stream option: its one header line is\n"
                    "\"##RenderMan RIB-Structure 1.1 Entity\") while draw() makes its requests through\n"
                    "Ri methods, with the encoding, precision and gzip level of the \"rib\" options and\n"
                    "gzip for a name ending in \".gz\". Returns the bound of what draw() drew, in the\n"
                    "archive's top-level space, for Procedural(DelayedReadArchive); None when it drew\n"
                    "nothing. While draw() runs, every request made on the calling thread goes into the\n"
                    "archive, whichever Ri object makes it; other threads and the streams of the Ri\n"
                    "objects are left as they were.";

// Writes what the archive still holds and retires it, once no other thread
// writes it; draw may have ended it already.
void endArchive(BoundingContext *bounding) {
    if (!isLiveContext(bounding)) return;
    const StreamRef archive(bounding);
    StreamHold hold(archive, "write_archive");
    delete bounding;
    hold.retire();
}

BoundResult writeArchive(const char *name, py::function draw) {
    requireWritableFile(name);
    StreamOptions options = nextStreamOptions();
    options.archive = true;
    std::unique_ptr<RenderContext> writer = openStream(name, options);
    if (!writer) throw std::bad_alloc();
    // Heap-held: End inside draw deletes it.
    BoundingContext *bounding = new BoundingContext(writer.get());
    try {
        ArchiveRedirection redirection(bounding);
        draw();
    } catch (...) {
        endArchive(bounding);
        throw;
    }
    if (!isLiveContext(bounding)) raiseError(kEndedInside);
    RtBound bound;
    const bool measured = bounding->measured();
    bounding->bound(bound);
    endArchive(bounding);
    if (!measured) return as<BoundResult>(py::none());
    return as<BoundResult>(py::make_tuple(bound[0], bound[1], bound[2], bound[3], bound[4], bound[5]));
}

}  // namespace

void bindArchiveWriting(py::module_ &module) {
    module.def("write_archive", &writeArchive, py::arg("name"), py::arg("draw"), kDoc);
}

}  // namespace python
}  // namespace quillet
