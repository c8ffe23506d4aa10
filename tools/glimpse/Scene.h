// Interprets requests into frames: options and the camera, the graphics
// state with its attribute and transform blocks, lights, retained objects,
// and the surfaces that the previewer draws. Each WorldEnd hands the frame
// over to be rendered.
#ifndef GLIMPSE_SCENE_H
#define GLIMPSE_SCENE_H

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "Frame.h"
#include "RequestShapes.h"

// Requests counted by keyword, in order of first appearance.
class Tally {
public:
    void add(const std::string &keyword);
    bool empty() const { return counts.empty(); }
    // "15 Hyperboloid, 1 Disk", or "none".
    std::string text() const;
    void clear() { counts.clear(); }

private:
    std::vector<std::pair<std::string, int>> counts;
};

class Scene {
public:
    enum class Outcome { Handled, Skipped, Problem };
    using FrameDone = std::function<void(const Frame &frame, const Tally &drawn, const Tally &skipped)>;

    explicit Scene(FrameDone done);

    Outcome apply(const std::string &keyword, const SplitRequest &request);
    // A request that the previewer does not interpret.
    void skip(const std::string &keyword) { skipped.add(keyword); }
    // At the end of the stream: renders a world left open.
    void finish();
    int framesRendered() const { return frames; }
    // What was wrong with the last request that gave Outcome::Problem.
    const std::string &problem() const { return lastProblem; }

private:
    struct State {
        Material material;
        std::vector<int> lights;
        Mat4 ctm;  // object to camera
    };
    struct Saved {
        State state;
        bool transformOnly;
    };
    using Recorded = std::pair<std::string, SplitRequest>;

    Outcome dispatch(const std::string &keyword, const SplitRequest &request);
    Outcome structure(const std::string &keyword, const SplitRequest &request);
    Outcome transform(const std::string &keyword, const SplitRequest &request);
    Outcome shading(const std::string &keyword, const SplitRequest &request);
    Outcome option(const std::string &keyword, const SplitRequest &request);
    Outcome quadric(const std::string &keyword, const SplitRequest &request);
    Outcome polygon(const std::string &keyword, const SplitRequest &request);
    Outcome instantiate(int id);
    Outcome fail(const std::string &text);
    void push(bool transformOnly);
    void pop(bool transformOnly);
    void worldEnd();
    void addLight(const std::string &name, int handle, const SplitRequest &request);
    bool add(std::unique_ptr<Shape> shape);
    Mat4 base() const;

    FrameDone onFrame;
    Camera options;
    std::vector<Camera> savedOptions;
    State state;
    std::vector<Saved> stack;
    size_t worldDepth = 0;  // stack size at WorldBegin
    bool inWorld = false;
    Mat4 cameraTransform;
    Frame frame;
    size_t lightsBeforeWorld = 0;
    std::map<int, int> lightHandles;
    std::map<std::string, Mat4> coordinateSystems;
    std::map<int, std::vector<Recorded>> objects;
    int recording = 0;  // the object being recorded, 0 for none
    bool inMotion = false, motionTaken = false;
    int instanceDepth = 0;
    Tally drawn, skipped;
    int frames = 0;
    std::string lastProblem;
};

#endif
