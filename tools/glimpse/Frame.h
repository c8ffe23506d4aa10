// One frame as the previewer renders it: the camera options and every
// surface in camera space with its shading and its lights.
#ifndef GLIMPSE_FRAME_H
#define GLIMPSE_FRAME_H

#include <memory>
#include <string>
#include <vector>

#include "Math.h"
#include "Shapes.h"

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

struct Instance {
    std::shared_ptr<const Shape> shape;
    Mat4 toCamera, fromCamera;
    Material material;
    std::vector<int> lights;  // indices into Frame::lights
};

struct Camera {
    int width = 640, height = 480;
    double pixelAspect = 1;
    double frameAspect = 0;  // 0: from the resolution
    bool screenWindowSet = false;
    double screen[4] = {0, 0, 0, 0};  // left, right, bottom, top
    bool perspective = false;
    double fov = 90;
    double nearPlane = 1e-10, farPlane = 1e38;
    std::string displayName, displayType;

    // The screen window in effect: the one given, or the default from the
    // frame aspect ratio.
    void window(double out[4]) const;
};

struct Frame {
    Camera camera;
    std::vector<Instance> instances;
    std::vector<Light> lights;
};

#endif
