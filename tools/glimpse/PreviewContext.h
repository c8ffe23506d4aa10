// The previewer's RenderContext: it receives the list-form requests and
// builds frames from them. Options and the camera, the graphics state with
// its attribute and transform blocks, lights, retained objects and every
// surface it can draw; the rest is counted as skipped. Each WorldEnd hands
// the frame over to be rendered.
//
// A stream may be hostile: the primitives, the object parts replayed and
// the work of building them are capped per stream; past a cap the rest of
// the stream's geometry is reported once and not drawn.
#ifndef GLIMPSE_PREVIEWCONTEXT_H
#define GLIMPSE_PREVIEWCONTEXT_H

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "Frame.h"
#include "Params.h"
#include "Tally.h"
#include "Tessellate.h"
#include "ri/RenderContext.h"

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

    RtVoid FrameBegin(RtInt frame) override;
    RtVoid FrameEnd() override;
    RtVoid WorldBegin() override;
    RtVoid WorldEnd() override;
    RtVoid Format(RtInt xresolution, RtInt yresolution, RtFloat pixelaspectratio) override;
    RtVoid FrameAspectRatio(RtFloat ratio) override;
    RtVoid ScreenWindow(RtFloat left, RtFloat right, RtFloat bottom, RtFloat top) override;
    RtVoid CropWindow(RtFloat xmin, RtFloat xmax, RtFloat ymin, RtFloat ymax) override;
    RtVoid ProjectionV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) override;
    RtVoid Clipping(RtFloat hither, RtFloat yon) override;
    RtVoid DepthOfField(RtFloat fstop, RtFloat focallength, RtFloat focaldistance) override;
    RtVoid Shutter(RtFloat opentime, RtFloat closetime) override;
    RtVoid PixelVariance(RtFloat variation) override;
    RtVoid PixelSamples(RtFloat xsamples, RtFloat ysamples) override;
    RtVoid PixelFilter(RtFilterFunc function, RtFloat xwidth, RtFloat ywidth) override;
    RtVoid Exposure(RtFloat gain, RtFloat gamma) override;
    RtVoid Quantize(RtToken type, RtInt one, RtInt min, RtInt max, RtFloat ditheramplitude) override;
    RtVoid DisplayV(const char *name, RtToken type, RtToken mode, RtInt n, RtToken tokens[],
                    RtPointer values[]) override;
    RtVoid HiderV(RtToken type, RtInt n, RtToken tokens[], RtPointer values[]) override;
    RtVoid ColorSamples(RtInt n, RtFloat nRGB[], RtFloat RGBn[]) override;
    RtVoid RelativeDetail(RtFloat relativedetail) override;
    RtVoid OptionV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) override;
    RtVoid AttributeBegin() override;
    RtVoid AttributeEnd() override;
    RtVoid Color(RtColor color) override;
    RtVoid Opacity(RtColor color) override;
    RtVoid TextureCoordinates(RtFloat s1, RtFloat t1, RtFloat s2, RtFloat t2, RtFloat s3, RtFloat t3, RtFloat s4,
                              RtFloat t4) override;
    RtVoid ShadingRate(RtFloat size) override;
    RtVoid ShadingInterpolation(RtToken type) override;
    RtVoid Matte(RtBoolean onoff) override;
    RtVoid Bound(RtBound bound) override;
    RtVoid Detail(RtBound bound) override;
    RtVoid DetailRange(RtFloat minvisible, RtFloat lowertransition, RtFloat uppertransition,
                       RtFloat maxvisible) override;
    RtVoid GeometricApproximation(RtToken type, RtFloat value) override;
    RtVoid GeometricRepresentation(RtToken type) override;
    RtVoid Sides(RtInt sides) override;
    RtVoid Orientation(RtToken orientation) override;
    RtVoid ReverseOrientation() override;
    RtVoid AttributeV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) override;
    RtVoid Identity() override;
    RtVoid ConcatTransform(RtMatrix transform) override;
    RtVoid Transform(RtMatrix transform) override;
    RtVoid Perspective(RtFloat fov) override;
    RtVoid Translate(RtFloat dx, RtFloat dy, RtFloat dz) override;
    RtVoid Rotate(RtFloat angle, RtFloat dx, RtFloat dy, RtFloat dz) override;
    RtVoid Scale(RtFloat sx, RtFloat sy, RtFloat sz) override;
    RtVoid Skew(RtFloat angle, RtFloat dx1, RtFloat dy1, RtFloat dz1, RtFloat dx2, RtFloat dy2, RtFloat dz2) override;
    RtVoid CoordinateSystem(RtToken space) override;
    RtVoid CoordSysTransform(RtToken space) override;
    RtPoint *TransformPoints(RtToken fromspace, RtToken tospace, RtInt n, RtPoint points[]) override;
    RtVoid TransformBegin() override;
    RtVoid TransformEnd() override;
    RtVoid MotionBeginV(RtInt n, RtFloat times[]) override;
    RtVoid MotionEnd() override;
    RtVoid SurfaceV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) override;
    RtVoid DisplacementV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) override;
    RtVoid AtmosphereV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) override;
    RtVoid InteriorV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) override;
    RtVoid ExteriorV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) override;
    RtVoid ImagerV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) override;
    RtLightHandle LightSourceV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) override;
    RtLightHandle AreaLightSourceV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) override;
    RtVoid Illuminate(RtLightHandle light, RtBoolean onoff) override;
    RtVoid ConeV(RtFloat height, RtFloat radius, RtFloat thetamax, RtInt n, RtToken tokens[],
                 RtPointer values[]) override;
    RtVoid CylinderV(RtFloat radius, RtFloat zmin, RtFloat zmax, RtFloat thetamax, RtInt n, RtToken tokens[],
                     RtPointer values[]) override;
    RtVoid DiskV(RtFloat height, RtFloat radius, RtFloat thetamax, RtInt n, RtToken tokens[],
                 RtPointer values[]) override;
    RtVoid HyperboloidV(RtPoint point1, RtPoint point2, RtFloat thetamax, RtInt n, RtToken tokens[],
                        RtPointer values[]) override;
    RtVoid ParaboloidV(RtFloat rmax, RtFloat zmin, RtFloat zmax, RtFloat thetamax, RtInt n, RtToken tokens[],
                       RtPointer values[]) override;
    RtVoid SphereV(RtFloat radius, RtFloat zmin, RtFloat zmax, RtFloat thetamax, RtInt n, RtToken tokens[],
                   RtPointer values[]) override;
    RtVoid TorusV(RtFloat majorradius, RtFloat minorradius, RtFloat phimin, RtFloat phimax, RtFloat thetamax, RtInt n,
                  RtToken tokens[], RtPointer values[]) override;
    RtVoid PolygonV(RtInt nvertices, RtInt n, RtToken tokens[], RtPointer values[]) override;
    RtVoid GeneralPolygonV(RtInt nloops, RtInt nvertices[], RtInt n, RtToken tokens[], RtPointer values[]) override;
    RtVoid PointsPolygonsV(RtInt npolys, RtInt nvertices[], RtInt vertices[], RtInt n, RtToken tokens[],
                           RtPointer values[]) override;
    RtVoid PointsGeneralPolygonsV(RtInt npolys, RtInt nloops[], RtInt nvertices[], RtInt vertices[], RtInt n,
                                  RtToken tokens[], RtPointer values[]) override;
    RtVoid Basis(RtBasis ubasis, RtInt ustep, RtBasis vbasis, RtInt vstep) override;
    RtVoid PatchV(RtToken type, RtInt n, RtToken tokens[], RtPointer values[]) override;
    RtVoid PatchMeshV(RtToken type, RtInt nu, RtToken uwrap, RtInt nv, RtToken vwrap, RtInt n, RtToken tokens[],
                      RtPointer values[]) override;
    RtVoid TrimCurve(RtInt nloops, RtInt ncurves[], RtInt order[], RtFloat knot[], RtFloat min[], RtFloat max[],
                     RtInt n[], RtFloat u[], RtFloat v[], RtFloat w[]) override;
    RtVoid NuPatchV(RtInt nu, RtInt uorder, RtFloat uknot[], RtFloat umin, RtFloat umax, RtInt nv, RtInt vorder,
                    RtFloat vknot[], RtFloat vmin, RtFloat vmax, RtInt n, RtToken tokens[],
                    RtPointer values[]) override;
    RtVoid CurvesV(RtToken type, RtInt ncurves, RtInt nvertices[], RtToken wrap, RtInt n, RtToken tokens[],
                   RtPointer values[]) override;
    RtVoid PointsV(RtInt npoints, RtInt n, RtToken tokens[], RtPointer values[]) override;
    RtVoid SubdivisionMeshV(RtToken scheme, RtInt nfaces, RtInt nvertices[], RtInt vertices[], RtInt ntags,
                            RtToken tags[], RtInt nargs[], RtInt intargs[], RtFloat floatargs[], RtInt n,
                            RtToken tokens[], RtPointer values[]) override;
    RtVoid BlobbyV(RtInt nleaf, RtInt ncode, RtInt code[], RtInt nflt, RtFloat flt[], RtInt nstr, RtToken str[],
                   RtInt n, RtToken tokens[], RtPointer values[]) override;
    RtVoid Procedural(RtPointer data, RtBound bound, RtProcSubdivFunc subdivfunc, RtProcFreeFunc freefunc) override;
    RtVoid GeometryV(RtToken type, RtInt n, RtToken tokens[], RtPointer values[]) override;
    RtVoid SolidBegin(RtToken operation) override;
    RtVoid SolidEnd() override;
    RtObjectHandle ObjectBegin() override;
    RtVoid ObjectEnd() override;
    RtVoid ObjectInstance(RtObjectHandle handle) override;
    RtVoid MakeTextureV(const char *picturename, const char *texturename, RtToken swrap, RtToken twrap,
                        RtFilterFunc filterfunc, RtFloat swidth, RtFloat twidth, RtInt n, RtToken tokens[],
                        RtPointer values[]) override;
    RtVoid MakeLatLongEnvironmentV(const char *picturename, const char *texturename, RtFilterFunc filterfunc,
                                   RtFloat swidth, RtFloat twidth, RtInt n, RtToken tokens[],
                                   RtPointer values[]) override;
    RtVoid MakeCubeFaceEnvironmentV(const char *px, const char *nx, const char *py, const char *ny, const char *pz,
                                    const char *nz, const char *texturename, RtFloat fov, RtFilterFunc filterfunc,
                                    RtFloat swidth, RtFloat twidth, RtInt n, RtToken tokens[],
                                    RtPointer values[]) override;
    RtVoid MakeShadowV(const char *picturename, const char *texturename, RtInt n, RtToken tokens[],
                       RtPointer values[]) override;
    RtToken Declare(const char *name, const char *declaration) override;
    RtVoid VArchiveRecord(RtToken type, const char *format, va_list args) override;
    RtVoid ReadArchiveV(RtToken name, RtArchiveCallback callback, RtInt n, RtToken tokens[],
                        RtPointer values[]) override;
    RtVoid ErrorHandler(RtErrorHandler handler) override;

private:
    struct Attributes {
        std::shared_ptr<const Material> material;
        LightList lights;
        Mat4 ctm;  // object to camera; inside an object definition, to the object's space
        RtFloat ubasis[16], vbasis[16];
        int ustep = 3, vstep = 3;
        bool materialInObject = false;  // the material was set inside the object being defined
    };
    struct Saved {
        Attributes attributes;
        bool transformOnly;
    };
    struct SavedFrame {
        Camera options;
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
    void push(bool transformOnly);
    void pop(bool transformOnly);
    void endWorld();
    Mat4 base() const { return inWorld ? cameraTransform : Mat4(); }
    Material &editMaterial();
    void setBasis(RtFloat out[16], const RtBasis basis);
    RtLightHandle addLight(RtToken name, const ParamList &params);
    void optionChanged();

    // Geometry: whether a request may add surfaces now (inside a world,
    // within the caps), and the surfaces it adds, in object space.
    bool canDraw(const char *request);
    bool spend(size_t primitives, size_t work);
    bool spendInstance();
    void drawn(const char *request) { drawnTally.add(request); }
    // The material of a primitive: the current one, with the colour and
    // opacity that constant "Cs" and "Os" parameters give.
    std::shared_ptr<const Material> materialFor(const ParamList &params) const;
    // Adds a surface whose points are in the current object space.
    void addMesh(MeshData mesh, std::shared_ptr<const Material> material);
    void addShape(std::unique_ptr<Shape> shape, std::shared_ptr<const Material> material);
    void place(SceneObject object, bool ownMaterial);
    // Where the viewer is, seen from the current object space.
    Viewer viewer() const;
    // Segments per side of each of pieces patches or spans whose control
    // points are these: about one per 6 pixels that a piece covers.
    int segmentsFor(const FloatParam &P, size_t npoints, size_t pieces, int fewest, int most) const;
    SurfaceParams surfaceParams(const char *request, const ParamList &params);
    void polygons(const char *request, RtInt npolys, const RtInt nloops[], const RtInt nvertices[],
                  const RtInt vertices[], size_t npoints, const ParamList &params);
    void patchMesh(const char *request, const PatchMeshShape &shape, const ParamList &params);
    void quadric(const char *request, std::unique_ptr<Shape> shape, const ParamList &params);
    // Inside a motion block only the first request is drawn.
    bool motionSample();

    FrameDone onFrame;
    Report onProblem;
    Limits limits;
    unsigned threads;

    Camera options;
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
    size_t stackAtObject = 0;
    int motionDepth = 0;
    bool motionTaken = false;
    size_t primitivesUsed = 0, instancesUsed = 0, workUsed = 0;
    bool overLimit = false;
    bool tooManyLights = false;
    Tally drawnTally, skipped;
    int frames = 0;
    int problems = 0;
};

}  // namespace glimpse
}  // namespace quillet

#endif
