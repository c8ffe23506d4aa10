#include "Renderer.h"

#include <algorithm>
#include <cmath>

namespace {

struct PixelRect {
    int x0 = 0, x1 = 0, y0 = 0, y1 = 0;  // inclusive-exclusive
};

class Raster {
public:
    explicit Raster(const Camera &c) : camera(c), width(std::max(c.width, 1)), height(std::max(c.height, 1)) {
        c.window(screen);
        tanHalf = std::tan(radians(std::clamp(c.fov, 1e-3, 179.999)) / 2);
    }

    void ray(int i, int j, Vec3 &origin, Vec3 &direction) const {
        double sx = screen[0] + (i + 0.5) * (screen[1] - screen[0]) / width;
        double sy = screen[3] - (j + 0.5) * (screen[3] - screen[2]) / height;
        if (camera.perspective) {
            origin = Vec3();
            direction = Vec3(sx * tanHalf, sy * tanHalf, 1);
        } else {
            origin = Vec3(sx, sy, 0);
            direction = Vec3(0, 0, 1);
        }
    }

    // The pixels that the instance's bounding box can cover; empty when it
    // lies wholly outside the clipping range.
    PixelRect cover(const Instance &instance) const {
        PixelRect all{0, width, 0, height}, none;
        Vec3 lo, hi;
        instance.shape->bounds(lo, hi);
        double sxMin = 1e300, sxMax = -1e300, syMin = 1e300, syMax = -1e300;
        bool anyBeyondNear = false, allBeforeNear = true, allBeyondFar = true;
        for (int k = 0; k < 8; ++k) {
            Vec3 corner(k & 1 ? hi.x : lo.x, k & 2 ? hi.y : lo.y, k & 4 ? hi.z : lo.z);
            Vec3 p = instance.toCamera.point(corner);
            if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z)) return all;
            allBeforeNear = allBeforeNear && p.z < camera.nearPlane;
            allBeyondFar = allBeyondFar && p.z > camera.farPlane;
            double sx = p.x, sy = p.y;
            if (camera.perspective) {
                if (p.z <= camera.nearPlane) {
                    anyBeyondNear = true;
                    continue;
                }
                sx = p.x / (p.z * tanHalf);
                sy = p.y / (p.z * tanHalf);
            }
            sxMin = std::min(sxMin, sx);
            sxMax = std::max(sxMax, sx);
            syMin = std::min(syMin, sy);
            syMax = std::max(syMax, sy);
        }
        if (allBeforeNear || allBeyondFar) return none;
        if (anyBeyondNear) return all;
        double ia = (sxMin - screen[0]) / (screen[1] - screen[0]) * width;
        double ib = (sxMax - screen[0]) / (screen[1] - screen[0]) * width;
        double ja = (screen[3] - syMin) / (screen[3] - screen[2]) * height;
        double jb = (screen[3] - syMax) / (screen[3] - screen[2]) * height;
        if (!std::isfinite(ia) || !std::isfinite(ib) || !std::isfinite(ja) || !std::isfinite(jb)) return all;
        PixelRect r;
        r.x0 = static_cast<int>(std::clamp(std::floor(std::min(ia, ib)) - 1, 0.0, double(width)));
        r.x1 = static_cast<int>(std::clamp(std::ceil(std::max(ia, ib)) + 1, 0.0, double(width)));
        r.y0 = static_cast<int>(std::clamp(std::floor(std::min(ja, jb)) - 1, 0.0, double(height)));
        r.y1 = static_cast<int>(std::clamp(std::ceil(std::max(ja, jb)) + 1, 0.0, double(height)));
        return r;
    }

    const Camera &camera;
    int width, height;
    double screen[4];
    double tanHalf;
};

Vec3 shade(const Frame &frame, const Instance &instance, const Vec3 &point, const Vec3 &objectNormal,
           const Vec3 &direction) {
    const Material &m = instance.material;
    if (m.kind == Material::Kind::Constant) return m.color * m.opacity;
    Vec3 n = normalize(instance.fromCamera.transposedVector(objectNormal));
    Vec3 v = normalize(direction * -1);
    if (dot(n, v) < 0) n = n * -1;
    if (m.kind == Material::Kind::Default) return m.color * m.opacity * (0.2 + 0.8 * dot(n, v));

    Vec3 ambient, diffuse, specular;
    for (int index : instance.lights) {
        const Light &light = frame.lights[static_cast<size_t>(index)];
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
    Vec3 c = m.color * (ambient * m.ka + diffuse * m.kd);
    if (m.kind == Material::Kind::Plastic) c += m.specularColor * specular * m.ks;
    return c * m.opacity;
}

}  // namespace

Image renderFrame(const Frame &frame) {
    Raster raster(frame.camera);
    Image image;
    image.width = raster.width;
    image.height = raster.height;
    size_t pixels = static_cast<size_t>(image.width) * static_cast<size_t>(image.height);
    image.rgb.assign(pixels * 3, 0.0f);

    std::vector<double> depth(pixels, frame.camera.farPlane);
    std::vector<int> owner(pixels, -1);
    std::vector<Vec3> normals(pixels);

    for (size_t k = 0; k < frame.instances.size(); ++k) {
        const Instance &instance = frame.instances[k];
        PixelRect rect = raster.cover(instance);
        for (int j = rect.y0; j < rect.y1; ++j)
            for (int i = rect.x0; i < rect.x1; ++i) {
                size_t p = static_cast<size_t>(j) * static_cast<size_t>(image.width) + static_cast<size_t>(i);
                Vec3 origin, direction;
                raster.ray(i, j, origin, direction);
                Hit hit;
                if (instance.shape->intersect(instance.fromCamera.point(origin), instance.fromCamera.vector(direction),
                                              frame.camera.nearPlane, depth[p], hit)) {
                    depth[p] = hit.t;
                    owner[p] = static_cast<int>(k);
                    normals[p] = hit.normal;
                }
            }
    }

    for (int j = 0; j < image.height; ++j)
        for (int i = 0; i < image.width; ++i) {
            size_t p = static_cast<size_t>(j) * static_cast<size_t>(image.width) + static_cast<size_t>(i);
            if (owner[p] < 0) continue;
            Vec3 origin, direction;
            raster.ray(i, j, origin, direction);
            const Instance &instance = frame.instances[static_cast<size_t>(owner[p])];
            Vec3 c = shade(frame, instance, origin + direction * depth[p], normals[p], direction);
            image.rgb[p * 3] = static_cast<float>(c.x);
            image.rgb[p * 3 + 1] = static_cast<float>(c.y);
            image.rgb[p * 3 + 2] = static_cast<float>(c.z);
        }
    return image;
}
