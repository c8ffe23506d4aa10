// The previewer's RenderContext: it receives the list-form requests and
// builds frames from them. Options and the camera, the graphics state with
// its attribute and transform blocks, lights, retained objects and every
// surface it can draw; the rest is counted as skipped. Each WorldEnd hands
// the frame over to be rendered.
//
// A stream may be hostile: the primitives, the object parts replayed and
// the work of building them are capped per stream; past a cap the rest of
// the stream's geometry is reported once and not drawn.
#ifndef QUILLET_GLIMPSE_PREVIEWCONTEXT_H
#define QUILLET_GLIMPSE_PREVIEWCONTEXT_H

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "tools/glimpse/Frame.h"
#include "tools/glimpse/ParamLookup.h"
#include "tools/glimpse/Tally.h"
#include "tools/glimpse/Tessellate.h"
#include "quillet/ContextOverrides.h"
#include "quillet/RenderContext.h"

namespace quillet {
namespace glimpse {

struct Limits {
    size_t primitives = 8000000;  // triangles, discs and shapes of a stream
    size_t instances = 100000;    // object parts placed by ObjectInstance
    size_t work = 400000000;      // points evaluated and values read
    size_t lights = 256;          // lights of a frame: each one costs every shaded point
};

class PreviewContext : public RenderContext {
public:
    using FrameDone = std::function<void(const Frame &frame, const Tally &drawn, const Tally &skipped)>;
    using Report = std::function<void(const std::string &problem)>;

    PreviewContext(FrameDone done, Report report, Limits limits = Limits(), unsigned threads = 1);

    // At the end of the stream: renders a world left open.
    void finish();
    int framesRendered() const { return frames; }
    // True once a problem was reported.
    bool failed() const { return problems > 0; }

    QUILLET_RENDER_CONTEXT_OVERRIDES

private:
    struct Attributes {
        std::shared_ptr<const Material> material;
        LightList lights;
        Mat4 ctm;  // object to camera; inside an object definition, to the object's space
        RtFloat ubasis[16], vbasis[16];
        int ustep = 3, vstep = 3;
        bool materialInObject = false;  // the material was set inside the object being defined
    };
    // A space that ScopedCoordinateSystem named inside a block, and what
    // the name meant before (none when it named nothing).
    struct ScopedSpace {
        std::string name;
        bool existed;
        Mat4 before;
    };
    struct Saved {
        Attributes attributes;
        bool transformOnly;
        std::vector<ScopedSpace> scopedSpaces;
    };
    struct SavedFrame {
        glimpse::Camera options;
        Attributes attributes;
        size_t depth;
    };
    struct ObjectPart {
        SceneObject object;  // in the object's space
        bool ownMaterial;
    };
    using ObjectParts = std::vector<ObjectPart>;

    void skip(const char *request) { skipped.add(request); }
    void report(const std::string &problem);
    // Text from the stream in double quotes, its non-printing bytes escaped,
    // for messages on a terminal.
    static std::string quoted(const std::string &text);
    void push(bool transformOnly);
    void pop(bool transformOnly);
    void endWorld();
    Mat4 base() const { return inWorld ? cameraTransform : Mat4(); }
    Material &editMaterial();
    void setBasis(RtFloat out[16], const RtBasis basis);
    RtLightHandle addLight(RtToken name, const ParamLookup &params);
    void optionChanged();

    // Geometry: whether a request may add surfaces now (inside a world,
    // within the caps), and the surfaces it adds, in object space.
    bool canDraw(const char *request);
    bool spend(size_t primitives, size_t work);
    bool spendInstance();
    // An object's definition is drawn where it is instanced, not counted.
    void drawn(const char *request) {
        if (!recording) drawnTally.add(request);
    }
    // The material of a primitive: the current one, with the colour and
    // opacity that constant "Cs" and "Os" parameters give.
    std::shared_ptr<const Material> materialFor(const ParamLookup &params) const;
    // Adds a surface whose points are in the current object space.
    void addMesh(MeshData mesh, std::shared_ptr<const Material> material);
    void addShape(std::unique_ptr<Shape> shape, std::shared_ptr<const Material> material);
    void place(SceneObject object, bool ownMaterial);
    // The parts of an object or inline archive, placed by the current
    // transform; counted as drawn under request.
    void placeParts(std::shared_ptr<const ObjectParts> parts, const char *request);
    // Where the viewer is, seen from the current object space.
    Viewer viewer() const;
    // Segments per side of each of pieces patches or spans whose control
    // points are these: about one per 6 pixels that a piece covers.
    int segmentsFor(const FloatParam &P, size_t npoints, size_t pieces, int fewest, int most) const;
    SurfaceParams surfaceParams(const char *request, const ParamLookup &params);
    void polygons(const char *request, RtInt npolys, const RtInt nloops[], const RtInt nvertices[],
                  const RtInt vertices[], size_t npoints, const ParamLookup &params);
    void patchMesh(const char *request, const PatchMeshShape &shape, const ParamLookup &params);
    void quadric(const char *request, std::unique_ptr<Shape> shape, const ParamLookup &params);
    // Inside a motion block only the request of the time nearest shutter
    // open is drawn (the earlier one of two as near).
    bool motionSample();
    // Closes the blocks above depth, giving back the names their scoped
    // coordinate systems hid.
    void dropBlocks(size_t depth);
    void endScopedSpaces(Saved &block);

    FrameDone onFrame;
    Report onProblem;
    Limits limits;
    unsigned threads;

    glimpse::Camera options;
    std::vector<SavedFrame> frameStack;
    Attributes state;
    std::vector<Saved> stack;
    size_t worldDepth = 0;  // stack size at WorldBegin
    bool inWorld = false;
    Mat4 cameraTransform;
    Frame frame;
    size_t lightsBeforeWorld = 0;
    intptr_t nextHandle = 1;
    std::unordered_map<intptr_t, int> lightHandles;
    std::unordered_map<std::string, Mat4> coordinateSystems;
    std::unordered_map<intptr_t, std::shared_ptr<const ObjectParts>> objects;
    std::shared_ptr<ObjectParts> recording;  // the object being defined
    intptr_t recordingHandle = 0;
    // Inline archives by name: recorded as objects are, drawn where
    // ReadArchive names them.
    std::unordered_map<std::string, intptr_t> inlineArchives;
    bool recordingArchive = false;

    size_t stackAtObject = 0;
    int motionDepth = 0;
    size_t motionChosen = 0, motionPosition = 0;  // in the innermost block
    size_t primitivesUsed = 0, instancesUsed = 0, workUsed = 0;
    bool overLimit = false;
    bool tooManyLights = false;
    Tally drawnTally, skipped;
    int frames = 0;
    int problems = 0;
};

}  // namespace glimpse
}  // namespace quillet

// PreviewContext's override of a request that it does not draw, counted as
// skipped under the request's name: Request, or its list form RequestV.
#define QUILLET_GLIMPSE_SKIPPED(Request, parameters)                                                                   \
    RtVoid PreviewContext::Request parameters {                                                                        \
        skip(#Request);                                                                                                \
    }
#define QUILLET_GLIMPSE_SKIPPED_V(Request, parameters)                                                                 \
    RtVoid PreviewContext::Request##V parameters {                                                                     \
        skip(#Request);                                                                                                \
    }

#endif
