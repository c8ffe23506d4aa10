// One frame as the previewer renders it: the camera options, the lights,
// and every object in camera space with its shading.
#ifndef QUILLET_GLIMPSE_FRAME_H
#define QUILLET_GLIMPSE_FRAME_H

#include <memory>
#include <string>
#include <vector>

#include "tools/glimpse/ClipPlanes.h"
#include "tools/glimpse/Bvh.h"
#include "tools/glimpse/Math.h"
#include "tools/glimpse/Mesh.h"
#include "tools/glimpse/Shapes.h"

namespace quillet {
namespace glimpse {

struct Material {
    enum class Kind { Default, Constant, Matte, Plastic };
    Kind kind = Kind::Default;
    Vec3 color{1, 1, 1};
    Vec3 opacity{1, 1, 1};
    double ka = 1, kd = 0.5, ks = 0.5, roughness = 0.1;
    Vec3 specularColor{1, 1, 1};
};

struct Light {
    enum class Kind { Distant, Point, Ambient };
    Kind kind = Kind::Distant;
    Vec3 color{1, 1, 1};     // intensity times lightcolor
    Vec3 toLight{0, 0, -1};  // distant: unit direction toward the light, camera space
    Vec3 position;           // point: camera space
};

// The lights that an attribute block turns on or off, newest first: a list
// that blocks share and extend, so that entering a block copies nothing.
// The first entry for a light decides whether it shines.
struct LightSwitch {
    int light;
    bool on;
    mutable std::shared_ptr<const LightSwitch> next;

    // Releases the rest of the list one entry at a time: the implicit
    // destructor would recurse once per entry, and a stream of millions of
    // nested blocks would overflow the stack.
    ~LightSwitch() {
        std::shared_ptr<const LightSwitch> rest = std::move(next);
        while (rest && rest.use_count() == 1) rest = std::move(rest->next);
    }
};
using LightList = std::shared_ptr<const LightSwitch>;

struct Camera {
    int width = 640, height = 480;
    double pixelAspect = 1;
    double frameAspect = 0;  // 0: from the resolution
    bool screenWindowSet = false;
    double screen[4] = {0, 0, 0, 0};  // left, right, bottom, top
    bool perspective = false;
    double fov = 90;
    double nearPlane = 1e-10, farPlane = 1e38;
    int xSamples = 2, ySamples = 2;
    double shutterOpen = 0;  // motion blocks are drawn at their time nearest it
    std::vector<ClipPlane> clipPlanes;
    std::string displayName, displayType;

    // The screen window in effect: the one given, or the default from the
    // frame aspect ratio.
    void window(double out[4]) const;
};

// A surface of the frame: a mesh (in camera space, or in its own space
// with a transform when it is an instance), a set of discs, or an analytic
// shape in its object space.
struct SceneObject {
    std::shared_ptr<const MeshData> mesh;
    std::shared_ptr<const DiscSet> discs;
    std::shared_ptr<const Shape> shape;
    bool moved = false;  // toCamera and fromCamera apply
    Mat4 toCamera, fromCamera;
    std::shared_ptr<const Material> material;
    // A shape's varying or vertex "Cs" and "Os": the values at its four
    // parametric corners, (0, 0), (1, 0), (0, 1), (1, 1); or none.
    std::shared_ptr<const std::vector<Vec3>> cornerCs, cornerOs;
    LightList lights;
    Box bounds;  // camera space
};

struct Frame {
    Camera camera;
    std::vector<SceneObject> objects;
    std::vector<Light> lights;
    int motionBlocks = 0;  // met since the previous frame
};

}  // namespace glimpse
}  // namespace quillet

#endif
