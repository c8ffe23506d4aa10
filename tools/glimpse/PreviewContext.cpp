#include "tools/glimpse/PreviewContext.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "quillet/DeclTable.h"
#include "format/FormatString.h"
#include "format/GeometryCounts.h"
#include "decl/Predeclare.h"
#include "quillet/RibParser.h"

namespace quillet {
namespace glimpse {

namespace {

const int kMaxResolution = 4096;  // keeps the frame buffers under a gigabyte
const int kMaxPixelSamples = 16;

const char kTooManyLights[] = "LightSource: more than %zu lights in a frame: the rest are off";
const char kNoLight[] = "Illuminate: no such light";
const char kNoObject[] = "ObjectInstance: no such object";
const char kSelfInstance[] = "ObjectInstance: an object cannot instance itself";
const char kInsideObject[] = "%s inside an object definition: ignored";
const char kWorldInWorld[] = "WorldBegin inside a world";
const char kWorldEndOutside[] = "WorldEnd without WorldBegin";
const char kObjectEndOutside[] = "ObjectEnd without ObjectBegin";
const char kBadResolution[] = "Format: resolution outside 1..%d";
const char kEmptyWindow[] = "ScreenWindow: empty screen window";
const char kBadProjection[] = "Projection: %s is not drawn";
const char kNoCoordinateSystem[] = "CoordSysTransform: no coordinate system %s";

intptr_t handleNumber(const void *handle) {
    return reinterpret_cast<intptr_t>(handle);
}

}  // namespace

std::string PreviewContext::quoted(const std::string &text) {
    return "\"" + printableText(text.data(), text.size()) + "\"";
}

PreviewContext::PreviewContext(FrameDone done, Report report, Limits caps, unsigned threadCount)
    : onFrame(std::move(done)), onProblem(std::move(report)), limits(caps), threads(std::max(1u, threadCount)) {
    state.material = std::make_shared<Material>();
    setBasis(state.ubasis, RiBezierBasis);
    setBasis(state.vbasis, RiBezierBasis);
    declareStandardTokens();
}

void PreviewContext::report(const std::string &problem) {
    ++problems;
    if (onProblem) onProblem(problem);
}

void PreviewContext::setBasis(RtFloat out[16], const RtBasis basis) {
    for (int i = 0; i < 16; ++i) out[i] = basis ? basis[i / 4][i % 4] : RiBezierBasis[i / 4][i % 4];
}

Material &PreviewContext::editMaterial() {
    auto copy = std::make_shared<Material>(*state.material);
    Material &m = *copy;
    state.material = std::move(copy);
    state.materialInObject = recording != nullptr;
    return m;
}

// ---- Structure ----

void PreviewContext::push(bool transformOnly) {
    stack.push_back(Saved{state, transformOnly, {}});
}

void PreviewContext::pop(bool transformOnly) {
    // An end without its begin, or one that would close the world's or the
    // object's own block, is ignored.
    size_t floor = recording ? stackAtObject : inWorld ? worldDepth : frameStack.empty() ? 0 : frameStack.back().depth;
    if (stack.size() <= floor) return;
    Saved saved = std::move(stack.back());
    stack.pop_back();
    endScopedSpaces(saved);
    if (transformOnly)
        state.ctm = saved.attributes.ctm;
    else
        state = std::move(saved.attributes);
}

void PreviewContext::endScopedSpaces(Saved &block) {
    for (auto it = block.scopedSpaces.rbegin(); it != block.scopedSpaces.rend(); ++it) {
        if (it->existed)
            coordinateSystems[it->name] = it->before;
        else
            coordinateSystems.erase(it->name);
    }
}

void PreviewContext::dropBlocks(size_t depth) {
    while (stack.size() > depth) {
        endScopedSpaces(stack.back());
        stack.pop_back();
    }
}

RtVoid PreviewContext::FrameBegin(RtInt) {
    if (recording) return report(formatString(kInsideObject, "FrameBegin"));
    frameStack.push_back(SavedFrame{options, state, stack.size()});
}

RtVoid PreviewContext::FrameEnd() {
    if (recording) return report(formatString(kInsideObject, "FrameEnd"));
    if (inWorld) endWorld();
    if (frameStack.empty()) return;
    options = frameStack.back().options;
    state = frameStack.back().attributes;
    dropBlocks(frameStack.back().depth);
    frameStack.pop_back();
}

RtVoid PreviewContext::WorldBegin() {
    if (recording) return report(formatString(kInsideObject, "WorldBegin"));
    if (inWorld) return report(kWorldInWorld);
    push(false);
    worldDepth = stack.size();
    inWorld = true;
    cameraTransform = state.ctm;
    frame.camera = options;
    lightsBeforeWorld = frame.lights.size();
}

RtVoid PreviewContext::WorldEnd() {
    if (recording) return report(formatString(kInsideObject, "WorldEnd"));
    if (!inWorld) return report(kWorldEndOutside);
    endWorld();
}

void PreviewContext::endWorld() {
    onFrame(frame, drawnTally, skipped);
    ++frames;
    frame.objects.clear();
    frame.lights.resize(lightsBeforeWorld);
    for (auto it = lightHandles.begin(); it != lightHandles.end();)
        it = it->second >= static_cast<int>(lightsBeforeWorld) ? lightHandles.erase(it) : std::next(it);
    dropBlocks(worldDepth);
    inWorld = false;
    pop(false);
    drawnTally.clear();
    skipped.clear();
    frame.motionBlocks = 0;
    tooManyLights = false;
}

void PreviewContext::finish() {
    if (recording) {
        recording.reset();
        dropBlocks(stackAtObject);
        pop(false);
    }
    if (inWorld) endWorld();
}

RtVoid PreviewContext::AttributeBegin() {
    push(false);
}
RtVoid PreviewContext::AttributeEnd() {
    pop(false);
}
RtVoid PreviewContext::TransformBegin() {
    push(true);
}
RtVoid PreviewContext::TransformEnd() {
    pop(true);
}

RtVoid PreviewContext::SolidBegin(RtToken) {}
RtVoid PreviewContext::SolidEnd() {}

RtObjectHandle PreviewContext::ObjectBegin() {
    if (recording) {
        report(formatString(kInsideObject, "ObjectBegin"));
        return nullptr;
    }
    push(false);
    stackAtObject = stack.size();
    state.ctm = Mat4();
    state.materialInObject = false;
    recording = std::make_shared<ObjectParts>();
    recordingHandle = nextHandle++;
    return reinterpret_cast<RtObjectHandle>(recordingHandle);
}

RtVoid PreviewContext::ObjectEnd() {
    if (!recording) return report(kObjectEndOutside);
    objects[recordingHandle] = std::move(recording);
    recording.reset();
    dropBlocks(stackAtObject);
    pop(false);
}

RtVoid PreviewContext::ObjectInstance(RtObjectHandle handle) {
    auto it = objects.find(handleNumber(handle));
    if (it == objects.end())
        return report(recording && handleNumber(handle) == recordingHandle ? kSelfInstance : kNoObject);
    placeParts(it->second, "ObjectInstance");
}

void PreviewContext::placeParts(std::shared_ptr<const ObjectParts> parts, const char *request) {
    if (!canDraw(request)) return;
    bool placed = false;  // an instance cut short by the cap is drawn in part
    for (const ObjectPart &part : *parts) {
        if (!spendInstance()) {
            if (placed) drawn(request);
            return;
        }
        placed = true;
        SceneObject object = part.object;
        object.toCamera = state.ctm * part.object.toCamera;
        if (!object.toCamera.inverse(object.fromCamera)) continue;  // flattened to nothing
        object.moved = true;
        Box local = object.mesh ? object.mesh->bvh.bounds() : object.discs ? object.discs->bvh.bounds() : Box();
        if (object.shape) {
            Vec3 lo, hi;
            object.shape->bounds(lo, hi);
            local.grow(lo);
            local.grow(hi);
            object.bounds = local.transformed(object.toCamera);
        } else {
            object.bounds = local.transformed(object.toCamera);
        }
        if (!part.ownMaterial) object.material = state.material;
        place(std::move(object), part.ownMaterial || state.materialInObject);
    }
    drawn(request);
}

RtVoid PreviewContext::MotionBeginV(RtInt n, RtFloat times[]) {
    ++motionDepth;
    ++frame.motionBlocks;
    motionPosition = motionChosen = 0;
    for (RtInt k = 1; times && k < n; ++k)
        if (std::fabs(times[k] - options.shutterOpen) < std::fabs(times[motionChosen] - options.shutterOpen))
            motionChosen = size_t(k);
}
RtVoid PreviewContext::MotionEnd() {
    if (motionDepth > 0) --motionDepth;
}

RtToken PreviewContext::Declare(const char *name, const char *declaration) {
    if (name && declaration && *declaration) return DeclTable::declare(name, declaration, nullptr, false);
    return name;
}

// ---- Options ----

void PreviewContext::optionChanged() {
    if (inWorld) frame.camera = options;  // an option inside the world still applies to this frame
}

RtVoid PreviewContext::Format(RtInt xresolution, RtInt yresolution, RtFloat pixelaspectratio) {
    if (xresolution < 1 || yresolution < 1 || xresolution > kMaxResolution || yresolution > kMaxResolution)
        return report(formatString(kBadResolution, kMaxResolution));
    options.width = xresolution;
    options.height = yresolution;
    options.pixelAspect = pixelaspectratio > 0 ? pixelaspectratio : 1;
    optionChanged();
}

RtVoid PreviewContext::FrameAspectRatio(RtFloat ratio) {
    options.frameAspect = ratio;
    optionChanged();
}

RtVoid PreviewContext::ScreenWindow(RtFloat left, RtFloat right, RtFloat bottom, RtFloat top) {
    if (!(left != right) || !(bottom != top)) return report(kEmptyWindow);
    options.screenWindowSet = true;
    options.screen[0] = left, options.screen[1] = right, options.screen[2] = bottom, options.screen[3] = top;
    optionChanged();
}

RtVoid PreviewContext::ProjectionV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) {
    if (!isToken(name, RI_PERSPECTIVE) && !isToken(name, RI_ORTHOGRAPHIC))
        return report(formatString(kBadProjection, quoted(name ? name : "").c_str()));
    options.perspective = isToken(name, RI_PERSPECTIVE);
    options.fov = ParamLookup(n, tokens, values).number(RI_FOV, 90);
    optionChanged();
}

RtVoid PreviewContext::Clipping(RtFloat hither, RtFloat yon) {
    options.nearPlane = hither;
    options.farPlane = yon;
    optionChanged();
}

RtVoid PreviewContext::PixelSamples(RtFloat xsamples, RtFloat ysamples) {
    // NaN and huge counts never reach an integer conversion.
    auto samples = [](RtFloat s) { return s >= 1 ? static_cast<int>(std::min<RtFloat>(s, kMaxPixelSamples)) : 1; };
    options.xSamples = samples(xsamples);
    options.ySamples = samples(ysamples);
    optionChanged();
}

RtVoid PreviewContext::DisplayV(const char *name, RtToken type, RtToken, RtInt, RtToken[], RtPointer[]) {
    options.displayName = name ? name : "";
    options.displayType = type ? type : "";
    optionChanged();
}

QUILLET_GLIMPSE_SKIPPED(CropWindow, (RtFloat, RtFloat, RtFloat, RtFloat))
QUILLET_GLIMPSE_SKIPPED(DepthOfField, (RtFloat, RtFloat, RtFloat))
RtVoid PreviewContext::Shutter(RtFloat open, RtFloat) {
    options.shutterOpen = open;
    optionChanged();
}
QUILLET_GLIMPSE_SKIPPED(PixelVariance, (RtFloat))
QUILLET_GLIMPSE_SKIPPED(PixelFilter, (RtFilterFunc, RtFloat, RtFloat))
QUILLET_GLIMPSE_SKIPPED(Exposure, (RtFloat, RtFloat))
QUILLET_GLIMPSE_SKIPPED(Quantize, (RtToken, RtInt, RtInt, RtInt, RtFloat))
QUILLET_GLIMPSE_SKIPPED_V(Hider, (RtToken, RtInt, RtToken[], RtPointer[]))
QUILLET_GLIMPSE_SKIPPED(ColorSamples, (RtInt, RtFloat[], RtFloat[]))
QUILLET_GLIMPSE_SKIPPED(RelativeDetail, (RtFloat))
QUILLET_GLIMPSE_SKIPPED_V(Option, (RtToken, RtInt, RtToken[], RtPointer[]))

// ---- Transforms ----

RtVoid PreviewContext::Identity() {
    state.ctm = recording ? Mat4() : base();
}

RtVoid PreviewContext::ConcatTransform(RtMatrix transform) {
    if (!motionSample()) return;
    double m[16];
    for (int i = 0; i < 16; ++i) m[i] = transform[i / 4][i % 4];
    state.ctm = state.ctm * Mat4::fromRib(m);
}

RtVoid PreviewContext::Transform(RtMatrix transform) {
    if (!motionSample()) return;
    double m[16];
    for (int i = 0; i < 16; ++i) m[i] = transform[i / 4][i % 4];
    state.ctm = (recording ? Mat4() : base()) * Mat4::fromRib(m);
}

QUILLET_GLIMPSE_SKIPPED(Perspective, (RtFloat))

RtVoid PreviewContext::Translate(RtFloat dx, RtFloat dy, RtFloat dz) {
    if (!motionSample()) return;
    state.ctm = state.ctm * Mat4::translate(dx, dy, dz);
}

RtVoid PreviewContext::Rotate(RtFloat angle, RtFloat dx, RtFloat dy, RtFloat dz) {
    if (!motionSample()) return;
    state.ctm = state.ctm * Mat4::rotate(angle, {dx, dy, dz});
}

RtVoid PreviewContext::Scale(RtFloat sx, RtFloat sy, RtFloat sz) {
    if (!motionSample()) return;
    state.ctm = state.ctm * Mat4::scale(sx, sy, sz);
}

RtVoid PreviewContext::Skew(RtFloat angle, RtFloat dx1, RtFloat dy1, RtFloat dz1, RtFloat dx2, RtFloat dy2,
                            RtFloat dz2) {
    if (!motionSample()) return;
    state.ctm = state.ctm * Mat4::skew(angle, {dx1, dy1, dz1}, {dx2, dy2, dz2});
}

RtVoid PreviewContext::CoordinateSystem(RtToken space) {
    coordinateSystems[space ? space : ""] = state.ctm;
}

RtVoid PreviewContext::CoordSysTransform(RtToken space) {
    std::string name = space ? space : "";
    auto it = coordinateSystems.find(name);
    if (name == "camera")
        state.ctm = Mat4();
    else if (name == "world")
        state.ctm = cameraTransform;
    else if (it != coordinateSystems.end())
        state.ctm = it->second;
    else
        report(formatString(kNoCoordinateSystem, quoted(name).c_str()));
}

RtPoint *PreviewContext::TransformPoints(RtToken, RtToken, RtInt, RtPoint[]) {
    return nullptr;
}

// ---- Shading and lights ----

RtVoid PreviewContext::Color(RtColor color) {
    if (!motionSample()) return;
    if (color) editMaterial().color = {color[0], color[1], color[2]};
}

RtVoid PreviewContext::Opacity(RtColor color) {
    if (!motionSample()) return;
    if (color) editMaterial().opacity = {color[0], color[1], color[2]};
}

RtVoid PreviewContext::SurfaceV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) {
    ParamLookup params(n, tokens, values);
    Material &m = editMaterial();
    if (isToken(name, "constant")) {
        m.kind = Material::Kind::Constant;
    } else if (isToken(name, "matte")) {
        m.kind = Material::Kind::Matte;
        m.ka = params.number("Ka", 1);
        m.kd = params.number("Kd", 1);
    } else if (isToken(name, "plastic")) {
        m.kind = Material::Kind::Plastic;
        m.ka = params.number("Ka", 1);
        m.kd = params.number("Kd", 0.5);
        m.ks = params.number("Ks", 0.5);
        m.roughness = params.number("roughness", 0.1);
        m.specularColor = params.vec3("specularcolor", {1, 1, 1});
    } else {
        m.kind = Material::Kind::Default;
        skip("Surface");
    }
}

RtLightHandle PreviewContext::addLight(RtToken name, const ParamLookup &params) {
    if (frame.lights.size() >= limits.lights) {
        if (!tooManyLights) report(formatString(kTooManyLights, limits.lights));
        tooManyLights = true;
        return nullptr;
    }
    Light light;
    light.color = params.vec3("lightcolor", {1, 1, 1}) * params.number("intensity", 1);
    Vec3 from = params.vec3("from", {0, 0, 0}), to = params.vec3("to", {0, 0, 1});
    if (isToken(name, "ambientlight")) {
        light.kind = Light::Kind::Ambient;
    } else if (isToken(name, "distantlight")) {
        light.kind = Light::Kind::Distant;
        light.toLight = normalize(state.ctm.vector(from - to));
    } else {  // pointlight, and spotlight drawn as one
        light.kind = Light::Kind::Point;
        light.position = state.ctm.point(from);
    }
    int index = static_cast<int>(frame.lights.size());
    frame.lights.push_back(light);
    intptr_t handle = nextHandle++;
    lightHandles[handle] = index;
    state.lights = std::make_shared<const LightSwitch>(LightSwitch{index, true, state.lights});
    return reinterpret_cast<RtLightHandle>(handle);
}

RtLightHandle PreviewContext::LightSourceV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) {
    if (!isToken(name, "ambientlight") && !isToken(name, "distantlight") && !isToken(name, "pointlight") &&
        !isToken(name, "spotlight")) {
        skip("LightSource");
        return nullptr;
    }
    return addLight(name, ParamLookup(n, tokens, values));
}

RtLightHandle PreviewContext::AreaLightSourceV(RtToken, RtInt, RtToken[], RtPointer[]) {
    skip("AreaLightSource");
    return nullptr;
}

RtVoid PreviewContext::Illuminate(RtLightHandle light, RtBoolean onoff) {
    auto it = lightHandles.find(handleNumber(light));
    if (it == lightHandles.end()) return report(kNoLight);
    state.lights = std::make_shared<const LightSwitch>(LightSwitch{it->second, onoff != 0, state.lights});
}

RtVoid PreviewContext::Basis(RtBasis ubasis, RtInt ustep, RtBasis vbasis, RtInt vstep) {
    setBasis(state.ubasis, ubasis);
    setBasis(state.vbasis, vbasis);
    state.ustep = ustep;
    state.vstep = vstep;
}

QUILLET_GLIMPSE_SKIPPED(TextureCoordinates, (RtFloat, RtFloat, RtFloat, RtFloat, RtFloat, RtFloat, RtFloat, RtFloat))
QUILLET_GLIMPSE_SKIPPED(ShadingRate, (RtFloat))
QUILLET_GLIMPSE_SKIPPED(ShadingInterpolation, (RtToken))
QUILLET_GLIMPSE_SKIPPED(Matte, (RtBoolean))
QUILLET_GLIMPSE_SKIPPED(Bound, (RtBound))
QUILLET_GLIMPSE_SKIPPED(Detail, (RtBound))
QUILLET_GLIMPSE_SKIPPED(DetailRange, (RtFloat, RtFloat, RtFloat, RtFloat))
QUILLET_GLIMPSE_SKIPPED(GeometricApproximation, (RtToken, RtFloat))
QUILLET_GLIMPSE_SKIPPED(GeometricRepresentation, (RtToken))
QUILLET_GLIMPSE_SKIPPED(Sides, (RtInt))
QUILLET_GLIMPSE_SKIPPED(Orientation, (RtToken))
QUILLET_GLIMPSE_SKIPPED(ReverseOrientation, ())
QUILLET_GLIMPSE_SKIPPED_V(Attribute, (RtToken, RtInt, RtToken[], RtPointer[]))
QUILLET_GLIMPSE_SKIPPED_V(Displacement, (RtToken, RtInt, RtToken[], RtPointer[]))
QUILLET_GLIMPSE_SKIPPED_V(Atmosphere, (RtToken, RtInt, RtToken[], RtPointer[]))
QUILLET_GLIMPSE_SKIPPED_V(Interior, (RtToken, RtInt, RtToken[], RtPointer[]))
QUILLET_GLIMPSE_SKIPPED_V(Exterior, (RtToken, RtInt, RtToken[], RtPointer[]))
QUILLET_GLIMPSE_SKIPPED_V(Imager, (RtToken, RtInt, RtToken[], RtPointer[]))

// ---- Requests that make no picture ----

QUILLET_GLIMPSE_SKIPPED_V(MakeTexture, (const char *, const char *, RtToken, RtToken, RtFilterFunc, RtFloat, RtFloat,
                                        RtInt, RtToken[], RtPointer[]))
QUILLET_GLIMPSE_SKIPPED_V(MakeLatLongEnvironment,
                          (const char *, const char *, RtFilterFunc, RtFloat, RtFloat, RtInt, RtToken[], RtPointer[]))
QUILLET_GLIMPSE_SKIPPED_V(MakeCubeFaceEnvironment,
                          (const char *, const char *, const char *, const char *, const char *, const char *,
                           const char *, RtFloat, RtFilterFunc, RtFloat, RtFloat, RtInt, RtToken[], RtPointer[]))
QUILLET_GLIMPSE_SKIPPED_V(MakeShadow, (const char *, const char *, RtInt, RtToken[], RtPointer[]))
RtVoid PreviewContext::VArchiveRecord(RtToken, const char *, va_list) {}

RtVoid PreviewContext::ErrorHandler(RtErrorHandler) {}
QUILLET_GLIMPSE_SKIPPED(Procedural, (RtPointer, RtBound, RtProcSubdivFunc, RtProcFreeFunc))
QUILLET_GLIMPSE_SKIPPED_V(Geometry, (RtToken, RtInt, RtToken[], RtPointer[]))

}  // namespace glimpse
}  // namespace quillet
