#include "tools/glimpse/Renderer.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <thread>

namespace quillet {
namespace glimpse {

namespace {

const int kMaxSamples = 16;  // per axis

class Raster {
public:
    explicit Raster(const Camera &c) : camera(c), width(std::max(c.width, 1)), height(std::max(c.height, 1)) {
        c.window(screen);
        tanHalf = std::tan(radians(std::clamp(c.fov, 1e-3, 179.999)) / 2);
    }

    // The ray through the point (x, y) of the raster, in pixels from the
    // top left corner.
    Ray ray(double x, double y) const {
        double sx = screen[0] + x * (screen[1] - screen[0]) / width;
        double sy = screen[3] - y * (screen[3] - screen[2]) / height;
        if (camera.perspective) return Ray(Vec3(), Vec3(sx * tanHalf, sy * tanHalf, 1));
        return Ray(Vec3(sx, sy, 0), Vec3(0, 0, 1));
    }

    const Camera &camera;
    int width, height;
    double screen[4];
    double tanHalf;
};

struct Found {
    const SceneObject *object = nullptr;
    SurfaceHit surface;
    Vec3 shapeNormal;
};

// The ray in the object's own space: the same t reaches the same point.
Ray localRay(const SceneObject &object, const Ray &ray) {
    if (!object.moved) return ray;
    return Ray(object.fromCamera.point(ray.origin), object.fromCamera.vector(ray.direction));
}

bool hitObject(const SceneObject &object, const Ray &cameraRay, float tmin, float &tmax, Found &found) {
    Ray ray = localRay(object, cameraRay);
    if (object.mesh) {
        SurfaceHit hit;
        if (!object.mesh->intersect(ray, tmin, tmax, hit)) return false;
        found = {&object, hit, {}};
        return true;
    }
    if (object.discs) {
        SurfaceHit hit;
        if (!object.discs->intersect(ray, tmin, tmax, hit)) return false;
        found = {&object, hit, {}};
        return true;
    }
    Hit hit;
    if (!object.shape->intersect(ray.origin, ray.direction, tmin, tmax, hit)) return false;
    tmax = static_cast<float>(hit.t);
    found = {&object, {}, hit.normal};
    return true;
}

class Shader {
public:
    explicit Shader(const Frame &f) : frame(f), stamp(f.lights.size(), 0) {}

    Vec3 shade(const Found &found, const Ray &ray, float t) {
        const SceneObject &object = *found.object;
        const Material &m = *object.material;
        Vec3 color = m.color, opacity = m.opacity, normal = found.shapeNormal;
        if (object.mesh) {
            object.mesh->color(object.mesh->cs, found.surface, color);
            object.mesh->color(object.mesh->os, found.surface, opacity);
            normal = object.mesh->normal(found.surface);
        } else if (object.cornerCs || object.cornerOs) {
            double u, v;
            object.shape->parameters(object.fromCamera.point(ray.origin + ray.direction * t), u, v);
            auto blend = [&](const std::vector<Vec3> &c) {
                return c[0] * ((1 - u) * (1 - v)) + c[1] * (u * (1 - v)) + c[2] * ((1 - u) * v) + c[3] * (u * v);
            };
            if (object.cornerCs) color = blend(*object.cornerCs);
            if (object.cornerOs) opacity = blend(*object.cornerOs);
        } else if (object.discs) {
            uint32_t k = found.surface.element, corner[3] = {k, k, k};
            object.discs->cs.at(k, corner, 0, 0, color);
            object.discs->os.at(k, corner, 0, 0, opacity);
            normal = object.discs->normal(found.surface);
        }
        if (m.kind == Material::Kind::Constant) return color * opacity;
        Vec3 n = normalize(object.moved ? object.fromCamera.transposedVector(normal) : normal);
        Vec3 v = normalize(ray.direction * -1);
        if (dot(n, v) < 0) n = n * -1;
        if (m.kind == Material::Kind::Default) return color * opacity * (0.2 + 0.8 * dot(n, v));

        Vec3 point = ray.origin + ray.direction * t;
        Vec3 ambient, diffuse, specular;
        ++generation;
        for (const LightSwitch *s = object.lights.get(); s; s = s->next.get()) {
            size_t index = static_cast<size_t>(s->light);
            if (stamp[index] == generation) continue;  // a newer switch decided this light
            stamp[index] = generation;
            if (!s->on) continue;
            const Light &light = frame.lights[index];
            if (light.kind == Light::Kind::Ambient) {
                ambient += light.color;
                continue;
            }
            Vec3 l = light.toLight, cl = light.color;
            if (light.kind == Light::Kind::Point) {
                Vec3 toLight = light.position - point;
                double d2 = dot(toLight, toLight);
                if (d2 <= 0) continue;
                l = toLight * (1 / std::sqrt(d2));
                cl = cl * (1 / d2);
            }
            double nl = dot(n, l);
            if (nl <= 0) continue;
            diffuse += cl * nl;
            if (m.kind == Material::Kind::Plastic) {
                double nh = std::max(0.0, dot(n, normalize(l + v)));
                specular += cl * std::pow(nh, 1 / std::max(m.roughness, 1e-3));
            }
        }
        Vec3 c = color * (ambient * m.ka + diffuse * m.kd);
        if (m.kind == Material::Kind::Plastic) c += m.specularColor * specular * m.ks;
        return c * opacity;
    }

private:
    const Frame &frame;
    std::vector<unsigned> stamp;
    unsigned generation = 0;
};

}  // namespace

unsigned renderThreads() {
    return std::max(1u, std::thread::hardware_concurrency());
}

Image renderFrame(const Frame &frame, unsigned threads, TraceBudget *budget) {
    Raster raster(frame.camera);
    Image image;
    image.width = raster.width;
    image.height = raster.height;
    image.rgb.assign(static_cast<size_t>(image.width) * static_cast<size_t>(image.height) * 3, 0.0f);

    Bvh top;
    top.build(
        frame.objects.size(), [&](uint32_t k) { return frame.objects[k].bounds; }, threads);

    const int xs = std::clamp(frame.camera.xSamples, 1, kMaxSamples);
    const int ys = std::clamp(frame.camera.ySamples, 1, kMaxSamples);
    const float tmin = static_cast<float>(frame.camera.nearPlane);
    const float tfar = static_cast<float>(std::min(frame.camera.farPlane, 3e38));
    // The rows whose rays fit the budget, and the tests the frame may make.
    const uint64_t raysPerRow = uint64_t(image.width) * uint64_t(xs) * uint64_t(ys);
    int rows = image.height;
    uint64_t testsAllowed = UINT64_MAX;
    if (budget) {
        budget->lastCut = TraceBudget::Cut::Nothing;
        const uint64_t rowsInBudget = budget->limits.raysPerFrame / raysPerRow;
        if (rowsInBudget < uint64_t(rows)) {
            rows = static_cast<int>(rowsInBudget);
            budget->lastCut = TraceBudget::Cut::Rays;
        }
        testsAllowed = std::min(budget->limits.testsPerFrame, budget->streamTests.limit() - budget->streamTests.used());
    }
    std::atomic<uint64_t> tests{0};
    std::atomic<bool> testsSpent{false};
    std::atomic<int> nextRow{0};
    auto work = [&] {
        Shader shader(frame);
        for (int j; !testsSpent && (j = nextRow++) < rows;)
            for (int i = 0; i < image.width && !testsSpent; ++i) {
                Vec3 sum;
                for (int b = 0; b < ys; ++b)
                    for (int a = 0; a < xs; ++a) {
                        Ray ray = raster.ray(i + (a + 0.5) / xs, j + (b + 0.5) / ys);
                        float near = tmin, tmax = tfar;
                        if (!clipRange(frame.camera.clipPlanes, ray.origin, ray.direction, near, tmax)) continue;
                        Found found;
                        uint64_t rayTests = 0;
                        top.traverse(ray, near, tmax, [&](uint32_t k, float &limit) {
                            ++rayTests;
                            return hitObject(frame.objects[k], ray, near, limit, found);
                        });
                        if (tests.fetch_add(rayTests) + rayTests > testsAllowed) testsSpent = true;
                        if (found.object) sum += shader.shade(found, ray, tmax);
                    }
                float *out = &image.rgb[(static_cast<size_t>(j) * static_cast<size_t>(image.width) + size_t(i)) * 3];
                double scale = 1.0 / (xs * ys);
                out[0] = static_cast<float>(sum.x * scale);
                out[1] = static_cast<float>(sum.y * scale);
                out[2] = static_cast<float>(sum.z * scale);
            }
    };
    std::vector<std::thread> pool;
    for (unsigned k = 1; k < threads; ++k) pool.emplace_back(work);
    work();
    for (std::thread &t : pool) t.join();
    if (budget) {
        budget->streamTests.take(std::min<uint64_t>(tests, testsAllowed));
        if (testsSpent)
            budget->lastCut = testsAllowed == budget->limits.testsPerFrame ? TraceBudget::Cut::FrameTests
                                                                           : TraceBudget::Cut::StreamTests;
    }
    return image;
}

}  // namespace glimpse
}  // namespace quillet
