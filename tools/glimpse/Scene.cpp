#include "Scene.h"

#include <algorithm>

namespace {

const int kMaxInstanceDepth = 32;
const int kMaxResolution = 4096;  // keeps the frame buffers under a gigabyte

// The parameter's name without an inline declaration in front of it.
std::string bareName(const std::string &token) {
    size_t space = token.find_last_of(' ');
    return space == std::string::npos ? token : token.substr(space + 1);
}

const RibValue *findParam(const SplitRequest &r, const char *name) {
    for (const auto &p : r.params)
        if (bareName(p.first) == name && (p.second.kind == RibValue::Kind::NumberArray || p.second.isNumber()))
            return &p.second;
    return nullptr;
}

std::vector<double> numbersOf(const RibValue &v) {
    return v.isNumber() ? std::vector<double>{v.number} : v.numbers;
}

double paramNumber(const SplitRequest &r, const char *name, double fallback) {
    const RibValue *v = findParam(r, name);
    if (!v || v->size() < 1) return fallback;
    return numbersOf(*v)[0];
}

Vec3 paramVec3(const SplitRequest &r, const char *name, const Vec3 &fallback) {
    const RibValue *v = findParam(r, name);
    if (!v || v->kind != RibValue::Kind::NumberArray || v->numbers.size() < 3) return fallback;
    return {v->numbers[0], v->numbers[1], v->numbers[2]};
}

Vec3 vec3(const RibValue &v) {
    return {v.numbers[0], v.numbers[1], v.numbers[2]};
}

double n(const SplitRequest &r, size_t i) {
    return r.fixed[i].number;
}

// A light or object handle: the stream may hold any number there.
int handle(const SplitRequest &r, size_t i) {
    return saturatedInt(n(r, i));
}

// The vertex positions from "P" (points) or "Pw" (homogeneous points).
bool positions(const SplitRequest &r, std::vector<Vec3> &out) {
    out.clear();
    if (const RibValue *p = findParam(r, "P")) {
        std::vector<double> v = numbersOf(*p);
        for (size_t k = 0; k + 2 < v.size(); k += 3) out.emplace_back(v[k], v[k + 1], v[k + 2]);
        return true;
    }
    if (const RibValue *p = findParam(r, "Pw")) {
        std::vector<double> v = numbersOf(*p);
        for (size_t k = 0; k + 3 < v.size(); k += 4) {
            double w = v[k + 3] != 0 ? v[k + 3] : 1;
            out.emplace_back(v[k] / w, v[k + 1] / w, v[k + 2] / w);
        }
        return true;
    }
    return false;
}

}  // namespace

void Tally::add(const std::string &keyword) {
    for (auto &c : counts)
        if (c.first == keyword) {
            ++c.second;
            return;
        }
    counts.emplace_back(keyword, 1);
}

std::string Tally::text() const {
    if (counts.empty()) return "none";
    std::string out;
    for (const auto &c : counts) {
        if (!out.empty()) out += ", ";
        out += std::to_string(c.second) + " " + c.first;
    }
    return out;
}

Scene::Scene(FrameDone done) : onFrame(std::move(done)) {}

Scene::Outcome Scene::fail(const std::string &text) {
    lastProblem = text;
    return Outcome::Problem;
}

Scene::Outcome Scene::apply(const std::string &keyword, const SplitRequest &request) {
    if (recording) {
        if (keyword == "ObjectEnd") {
            recording = 0;
            return Outcome::Handled;
        }
        if (keyword == "ObjectBegin") return fail("ObjectBegin inside an object");
        objects[recording].emplace_back(keyword, request);
        return Outcome::Handled;
    }
    if (inMotion && keyword != "MotionEnd") {
        // Only the first sample of a moving transform or shape is drawn.
        if (motionTaken) return Outcome::Handled;
        motionTaken = true;
    }
    Outcome outcome = dispatch(keyword, request);
    if (outcome == Outcome::Skipped) skipped.add(keyword);
    return outcome;
}

Scene::Outcome Scene::dispatch(const std::string &keyword, const SplitRequest &request) {
    Outcome o = structure(keyword, request);
    if (o == Outcome::Skipped) o = transform(keyword, request);
    if (o == Outcome::Skipped) o = shading(keyword, request);
    if (o == Outcome::Skipped) o = option(keyword, request);
    if (o == Outcome::Skipped) o = quadric(keyword, request);
    if (o == Outcome::Skipped) o = polygon(keyword, request);
    return o;
}

void Scene::push(bool transformOnly) {
    stack.push_back(Saved{state, transformOnly});
}

void Scene::pop(bool transformOnly) {
    // An end without its begin, or one that would close the world's own
    // block, is ignored.
    if (stack.size() <= (inWorld ? worldDepth : 0)) return;
    Saved saved = stack.back();
    stack.pop_back();
    if (transformOnly)
        state.ctm = saved.state.ctm;
    else
        state = saved.state;
}

Mat4 Scene::base() const {
    return inWorld ? cameraTransform : Mat4();
}

Scene::Outcome Scene::structure(const std::string &k, const SplitRequest &r) {
    if (k == "version" || k == "Declare" || k == "SolidBegin" || k == "SolidEnd") return Outcome::Handled;
    if (k == "FrameBegin") {
        savedOptions.push_back(options);
        return Outcome::Handled;
    }
    if (k == "FrameEnd") {
        if (!savedOptions.empty()) {
            options = savedOptions.back();
            savedOptions.pop_back();
        }
        return Outcome::Handled;
    }
    if (k == "WorldBegin") {
        if (inWorld) return fail("WorldBegin inside a world");
        push(false);
        worldDepth = stack.size();
        inWorld = true;
        cameraTransform = state.ctm;
        frame.camera = options;
        lightsBeforeWorld = frame.lights.size();
        return Outcome::Handled;
    }
    if (k == "WorldEnd") {
        if (!inWorld) return fail("WorldEnd without WorldBegin");
        worldEnd();
        return Outcome::Handled;
    }
    if (k == "AttributeBegin" || k == "TransformBegin") {
        push(k == "TransformBegin");
        return Outcome::Handled;
    }
    if (k == "AttributeEnd" || k == "TransformEnd") {
        pop(k == "TransformEnd");
        return Outcome::Handled;
    }
    if (k == "ObjectBegin") {
        int id = handle(r, 0);
        if (id == 0) return fail("object handle 0");
        objects[id].clear();
        recording = id;
        return Outcome::Handled;
    }
    if (k == "ObjectEnd") return fail("ObjectEnd without ObjectBegin");
    if (k == "ObjectInstance") return instantiate(handle(r, 0));
    if (k == "MotionBegin") {
        inMotion = true;
        motionTaken = false;
        return Outcome::Handled;
    }
    if (k == "MotionEnd") {
        inMotion = false;
        return Outcome::Handled;
    }
    return Outcome::Skipped;
}

Scene::Outcome Scene::instantiate(int id) {
    auto it = objects.find(id);
    if (it == objects.end()) return fail("no object " + std::to_string(id));
    if (instanceDepth >= kMaxInstanceDepth)
        return fail("objects nested deeper than " + std::to_string(kMaxInstanceDepth));
    ++instanceDepth;
    push(false);
    std::vector<Recorded> requests = it->second;  // a copy: replaying may redefine objects
    Outcome result = Outcome::Handled;
    for (const Recorded &rec : requests) {
        Outcome o = apply(rec.first, rec.second);
        if (o == Outcome::Problem) result = o;
    }
    pop(false);
    --instanceDepth;
    return result;
}

void Scene::worldEnd() {
    onFrame(frame, drawn, skipped);
    ++frames;
    frame.instances.clear();
    frame.lights.resize(lightsBeforeWorld);
    for (auto it = lightHandles.begin(); it != lightHandles.end();)
        it = it->second >= static_cast<int>(lightsBeforeWorld) ? lightHandles.erase(it) : std::next(it);
    stack.resize(worldDepth);
    inWorld = false;
    pop(false);
    drawn.clear();
    skipped.clear();
}

void Scene::finish() {
    recording = 0;
    if (inWorld) worldEnd();
}

Scene::Outcome Scene::transform(const std::string &k, const SplitRequest &r) {
    if (k == "Identity") {
        state.ctm = base();
    } else if (k == "Transform" || k == "ConcatTransform") {
        double m[16];
        for (int i = 0; i < 16; ++i) m[i] = r.fixed[0].numbers[static_cast<size_t>(i)];
        state.ctm = (k == "Transform" ? base() : state.ctm) * Mat4::fromRib(m);
    } else if (k == "Translate") {
        state.ctm = state.ctm * Mat4::translate(n(r, 0), n(r, 1), n(r, 2));
    } else if (k == "Rotate") {
        state.ctm = state.ctm * Mat4::rotate(n(r, 0), {n(r, 1), n(r, 2), n(r, 3)});
    } else if (k == "Scale") {
        state.ctm = state.ctm * Mat4::scale(n(r, 0), n(r, 1), n(r, 2));
    } else if (k == "Skew") {
        state.ctm = state.ctm * Mat4::skew(n(r, 0), {n(r, 1), n(r, 2), n(r, 3)}, {n(r, 4), n(r, 5), n(r, 6)});
    } else if (k == "CoordinateSystem") {
        coordinateSystems[r.fixed[0].string] = state.ctm;
    } else if (k == "CoordSysTransform") {
        const std::string &name = r.fixed[0].string;
        auto it = coordinateSystems.find(name);
        if (name == "camera")
            state.ctm = Mat4();
        else if (name == "world")
            state.ctm = cameraTransform;
        else if (it != coordinateSystems.end())
            state.ctm = it->second;
        else
            return fail("no coordinate system \"" + name + "\"");
    } else {
        return Outcome::Skipped;
    }
    return Outcome::Handled;
}

void Scene::addLight(const std::string &name, int handle, const SplitRequest &r) {
    Light light;
    double intensity = paramNumber(r, "intensity", 1);
    light.color = paramVec3(r, "lightcolor", {1, 1, 1}) * intensity;
    Vec3 from = paramVec3(r, "from", {0, 0, 0}), to = paramVec3(r, "to", {0, 0, 1});
    if (name == "ambientlight") {
        light.kind = Light::Kind::Ambient;
    } else if (name == "distantlight") {
        light.kind = Light::Kind::Distant;
        light.toLight = normalize(state.ctm.vector(from - to));
    } else {  // pointlight, and spotlight drawn as one
        light.kind = Light::Kind::Point;
        light.position = state.ctm.point(from);
    }
    int index = static_cast<int>(frame.lights.size());
    frame.lights.push_back(light);
    lightHandles[handle] = index;
    state.lights.push_back(index);
}

Scene::Outcome Scene::shading(const std::string &k, const SplitRequest &r) {
    if (k == "Color") {
        state.material.color = vec3(r.fixed[0]);
    } else if (k == "Opacity") {
        state.material.opacity = vec3(r.fixed[0]);
    } else if (k == "Surface") {
        const std::string &name = r.fixed[0].string;
        Material &m = state.material;
        if (name == "constant") {
            m.kind = Material::Kind::Constant;
        } else if (name == "matte") {
            m.kind = Material::Kind::Matte;
            m.ka = paramNumber(r, "Ka", 1);
            m.kd = paramNumber(r, "Kd", 1);
        } else if (name == "plastic") {
            m.kind = Material::Kind::Plastic;
            m.ka = paramNumber(r, "Ka", 1);
            m.kd = paramNumber(r, "Kd", 0.5);
            m.ks = paramNumber(r, "Ks", 0.5);
            m.roughness = paramNumber(r, "roughness", 0.1);
            m.specularColor = paramVec3(r, "specularcolor", {1, 1, 1});
        } else {
            m.kind = Material::Kind::Default;
            return Outcome::Skipped;
        }
    } else if (k == "LightSource") {
        const std::string &name = r.fixed[0].string;
        if (name != "ambientlight" && name != "distantlight" && name != "pointlight" && name != "spotlight")
            return Outcome::Skipped;
        addLight(name, handle(r, 1), r);
    } else if (k == "Illuminate") {
        int id = handle(r, 0);
        auto it = lightHandles.find(id);
        if (it == lightHandles.end()) return fail("no light " + std::to_string(id));
        auto &on = state.lights;
        on.erase(std::remove(on.begin(), on.end(), it->second), on.end());
        if (n(r, 1) != 0) on.push_back(it->second);
    } else {
        return Outcome::Skipped;
    }
    return Outcome::Handled;
}

Scene::Outcome Scene::option(const std::string &k, const SplitRequest &r) {
    if (k == "Format") {
        double w = n(r, 0), h = n(r, 1);
        if (w < 1 || h < 1 || w > kMaxResolution || h > kMaxResolution)
            return fail("resolution outside 1.." + std::to_string(kMaxResolution));
        options.width = static_cast<int>(w);
        options.height = static_cast<int>(h);
        options.pixelAspect = n(r, 2) > 0 ? n(r, 2) : 1;
    } else if (k == "FrameAspectRatio") {
        options.frameAspect = n(r, 0);
    } else if (k == "ScreenWindow") {
        if (n(r, 0) == n(r, 1) || n(r, 2) == n(r, 3)) return fail("empty screen window");
        options.screenWindowSet = true;
        for (int i = 0; i < 4; ++i) options.screen[i] = n(r, static_cast<size_t>(i));
    } else if (k == "Projection") {
        const std::string &name = r.fixed[0].string;
        if (name != "perspective" && name != "orthographic") return fail("projection \"" + name + "\" is not drawn");
        options.perspective = name == "perspective";
        options.fov = paramNumber(r, "fov", 90);
    } else if (k == "Clipping") {
        options.nearPlane = n(r, 0);
        options.farPlane = n(r, 1);
    } else if (k == "Display") {
        options.displayName = r.fixed[0].string;
        options.displayType = r.fixed[1].string;
    } else {
        return Outcome::Skipped;
    }
    if (inWorld) frame.camera = options;  // an option inside the world still applies to this frame
    return Outcome::Handled;
}

bool Scene::add(std::unique_ptr<Shape> shape) {
    if (!shape) return false;
    Instance instance;
    instance.toCamera = state.ctm;
    if (!state.ctm.inverse(instance.fromCamera)) return false;  // flattened to nothing
    instance.shape = std::move(shape);
    instance.material = state.material;
    instance.lights = state.lights;
    frame.instances.push_back(std::move(instance));
    return true;
}

Scene::Outcome Scene::quadric(const std::string &k, const SplitRequest &r) {
    std::unique_ptr<Shape> shape;
    if (k == "Sphere")
        shape = makeSphere(n(r, 0), n(r, 1), n(r, 2), n(r, 3));
    else if (k == "Cylinder")
        shape = makeCylinder(n(r, 0), n(r, 1), n(r, 2), n(r, 3));
    else if (k == "Cone")
        shape = makeCone(n(r, 0), n(r, 1), n(r, 2));
    else if (k == "Disk")
        shape = makeDisk(n(r, 0), n(r, 1), n(r, 2));
    else if (k == "Hyperboloid")
        shape = makeHyperboloid({n(r, 0), n(r, 1), n(r, 2)}, {n(r, 3), n(r, 4), n(r, 5)}, n(r, 6));
    else if (k == "Paraboloid")
        shape = makeParaboloid(n(r, 0), n(r, 1), n(r, 2), n(r, 3));
    else if (k == "Torus")
        shape = makeTorus(n(r, 0), n(r, 1), n(r, 2), n(r, 3), n(r, 4));
    else
        return Outcome::Skipped;
    if (!inWorld) return fail("geometry outside the world block");
    add(std::move(shape));
    drawn.add(k);
    return Outcome::Handled;
}

Scene::Outcome Scene::polygon(const std::string &k, const SplitRequest &r) {
    if (k != "Polygon" && k != "GeneralPolygon" && k != "PointsPolygons" && k != "PointsGeneralPolygons")
        return Outcome::Skipped;
    if (!inWorld) return fail("geometry outside the world block");
    std::vector<Vec3> points;
    if (!positions(r, points)) return fail("no \"P\" or \"Pw\" parameter");

    // Per polygon: its number of loops; per loop: its number of vertices;
    // then the vertex indices (0, 1, 2, ... for the forms without indices).
    std::vector<double> loopsPerPolygon, verticesPerLoop, indices;
    if (k == "Polygon") {
        loopsPerPolygon = {1};
        verticesPerLoop = {static_cast<double>(points.size())};
    } else if (k == "GeneralPolygon") {
        loopsPerPolygon = {static_cast<double>(r.fixed[0].numbers.size())};
        verticesPerLoop = r.fixed[0].numbers;
    } else if (k == "PointsPolygons") {
        loopsPerPolygon.assign(r.fixed[0].numbers.size(), 1);
        verticesPerLoop = r.fixed[0].numbers;
        indices = r.fixed[1].numbers;
    } else {
        loopsPerPolygon = r.fixed[0].numbers;
        verticesPerLoop = r.fixed[1].numbers;
        indices = r.fixed[2].numbers;
    }
    bool indexed = k.compare(0, 6, "Points") == 0;
    size_t loop = 0, next = 0;
    for (double loopCount : loopsPerPolygon) {
        std::vector<std::vector<Vec3>> loops;
        for (double l = 0; l < loopCount; ++l, ++loop) {
            if (loop >= verticesPerLoop.size()) return fail("fewer loop sizes than the polygons need");
            std::vector<Vec3> ring;
            for (double v = 0; v < verticesPerLoop[loop]; ++v, ++next) {
                size_t index = next;
                if (indexed) {
                    if (next >= indices.size()) return fail("fewer vertex indices than the loops need");
                    double i = indices[next];
                    if (i < 0 || i >= static_cast<double>(points.size()))
                        return fail("vertex index " + std::to_string(static_cast<long>(i)) + " has no point");
                    index = static_cast<size_t>(i);
                } else if (index >= points.size()) {
                    return fail("fewer points than the loops need");
                }
                ring.push_back(points[index]);
            }
            loops.push_back(std::move(ring));
        }
        add(makePolygon(std::move(loops)));
    }
    drawn.add(k);
    return Outcome::Handled;
}
