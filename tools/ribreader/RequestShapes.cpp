#include "RequestShapes.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

const RequestShape kShapes[] = {
    // structure
    {"version", "n", false},
    {"FrameBegin", "i", false},
    {"FrameEnd", "", false},
    {"WorldBegin", "", false},
    {"WorldEnd", "", false},
    {"AttributeBegin", "", false},
    {"AttributeEnd", "", false},
    {"TransformBegin", "", false},
    {"TransformEnd", "", false},
    {"SolidBegin", "s", false},
    {"SolidEnd", "", false},
    {"ObjectBegin", "i", false},
    {"ObjectEnd", "", false},
    {"ObjectInstance", "i", false},
    {"MotionBegin", "F", false},
    {"MotionEnd", "", false},
    {"Declare", "ss", false},
    {"ErrorHandler", "s", false},
    {"ReadArchive", "s", true},
    // transforms
    {"Identity", "", false},
    {"ConcatTransform", "F16", false},
    {"Transform", "F16", false},
    {"Perspective", "n", false},
    {"Translate", "nnn", false},
    {"Rotate", "nnnn", false},
    {"Scale", "nnn", false},
    {"Skew", "nnnnnnn", false},
    {"CoordinateSystem", "s", false},
    {"CoordSysTransform", "s", false},
    // quadrics
    {"Sphere", "nnnn", true},
    {"Cone", "nnn", true},
    {"Cylinder", "nnnn", true},
    {"Hyperboloid", "nnnnnnn", true},
    {"Paraboloid", "nnnn", true},
    {"Disk", "nnn", true},
    {"Torus", "nnnnn", true},
    // shading and attributes
    {"Color", "F3", false},
    {"Opacity", "F3", false},
    {"TextureCoordinates", "F8", false},
    {"ShadingRate", "n", false},
    {"ShadingInterpolation", "s", false},
    {"Matte", "i", false},
    {"Bound", "F6", false},
    {"Detail", "F6", false},
    {"DetailRange", "nnnn", false},
    {"GeometricApproximation", "sn", false},
    {"GeometricRepresentation", "s", false},
    {"Sides", "i", false},
    {"Orientation", "s", false},
    {"ReverseOrientation", "", false},
    {"Illuminate", "ii", false},
    {"Attribute", "s", true},
    {"Surface", "s", true},
    {"Displacement", "s", true},
    {"Atmosphere", "s", true},
    {"Interior", "s", true},
    {"Exterior", "s", true},
    {"Imager", "s", true},
    {"LightSource", "si", true},
    {"AreaLightSource", "si", true},
    // options
    {"Format", "iin", false},
    {"FrameAspectRatio", "n", false},
    {"ScreenWindow", "nnnn", false},
    {"CropWindow", "nnnn", false},
    {"Clipping", "nn", false},
    {"DepthOfField", "nnn", false},
    {"Shutter", "nn", false},
    {"PixelVariance", "n", false},
    {"PixelSamples", "nn", false},
    {"PixelFilter", "snn", false},
    {"Exposure", "nn", false},
    {"Quantize", "siiin", false},
    {"ColorSamples", "FF", false},
    {"RelativeDetail", "n", false},
    {"Projection", "s", true},
    {"Display", "sss", true},
    {"Hider", "s", true},
    {"Option", "s", true},
    // polygons and patches
    {"Polygon", "", true},
    {"GeneralPolygon", "I", true},
    {"PointsPolygons", "II", true},
    {"PointsGeneralPolygons", "III", true},
    {"Basis", "BiBi", false},
    {"Patch", "s", true},
    {"PatchMesh", "sisis", true},
    {"NuPatch", "iiFnniiFnn", true},
    {"TrimCurve", "IIFFFIFFF", false},
    // curves, points, subdivision, blobby, procedural, geometry
    {"Curves", "sIs", true},
    {"Points", "", true},
    {"SubdivisionMesh", "sII*", true},
    {"Blobby", "iIFS", true},
    {"Procedural", "sSF6", false},
    {"Geometry", "s", true},
    // texture making
    {"MakeTexture", "ssssnn", true},
    {"MakeLatLongEnvironment", "sssnn", true},
    {"MakeCubeFaceEnvironment", "ssssssssnsnn", true},
    {"MakeShadow", "ss", true},
};

// Walks the request's values, flattening number arrays into loose numbers
// where the shape asks for numbers.
class Cursor {
public:
    explicit Cursor(const std::vector<RibValue> &values) : args(values) {}

    bool atEnd() const { return index >= args.size(); }
    bool insideArray() const { return sub > 0; }
    const RibValue &current() const { return args[index]; }
    size_t position() const { return index; }

    // A loose number, or the next element of a number array.
    bool takeNumber(bool integer, RibValue &out) {
        if (atEnd()) return false;
        const RibValue &v = args[index];
        if (v.kind == RibValue::Kind::Number) {
            if (integer && !v.integer) return false;
            out = v;
            ++index;
            return true;
        }
        if (v.kind != RibValue::Kind::NumberArray || sub >= v.numbers.size() || (integer && !v.integers)) return false;
        out = RibValue::makeNumber(v.numbers[sub], v.integers);
        if (++sub == v.numbers.size()) {
            sub = 0;
            ++index;
        }
        return true;
    }

    void skip() { ++index; }

private:
    const std::vector<RibValue> &args;
    size_t index = 0;
    size_t sub = 0;
};

std::string argumentProblem(size_t position, const std::string &what) {
    return "argument " + std::to_string(position) + " should be " + what;
}

bool isEmptyArray(const RibValue &v) {
    return v.isArray() && v.size() == 0;
}

// An array argument: NumberArray (integers only for 'I') of the given length
// (any when length < 0), a StringArray for 'S', or loose numbers gathered.
bool takeArray(Cursor &cursor, char code, long length, RibValue &out) {
    if (cursor.atEnd() || cursor.insideArray()) return false;
    const RibValue &v = cursor.current();
    if (code == 'S') {
        if (v.kind != RibValue::Kind::StringArray && !isEmptyArray(v)) return false;
        out = v;
        out.kind = RibValue::Kind::StringArray;
        cursor.skip();
        return true;
    }
    if (v.kind == RibValue::Kind::NumberArray || isEmptyArray(v)) {
        if ((code == 'I' && !v.integers) || (length >= 0 && static_cast<long>(v.size()) != length)) return false;
        out = v;
        out.kind = RibValue::Kind::NumberArray;
        cursor.skip();
        return true;
    }
    if (length <= 0 || v.kind != RibValue::Kind::Number) return false;
    RibValue gathered;
    gathered.kind = RibValue::Kind::NumberArray;
    for (long k = 0; k < length; ++k) {
        RibValue n;
        if (!cursor.takeNumber(code == 'I', n)) return false;
        gathered.numbers.push_back(n.number);
        gathered.integers = gathered.integers && n.integer;
    }
    out = gathered;
    return true;
}

// Sum of every step-th number from start. The stream may hold any number
// there, so the sum is limited to the range of int (no array is longer).
long sumOf(const RibValue &array, size_t start, size_t step) {
    const double limit = std::numeric_limits<int>::max();
    double sum = 0;
    for (size_t k = start; k < array.numbers.size(); k += step)
        sum = std::min(limit, std::max(-limit, sum + array.numbers[k]));
    return sum == sum ? static_cast<long>(sum) : 0;
}

// SubdivisionMesh: tags, nargs, then the integer and float arguments; the
// last two may be left out when they would be empty.
bool takeSubdivisionTags(Cursor &cursor, SplitRequest &out, std::string &problem) {
    if (cursor.atEnd() || cursor.current().isString()) return true;  // no tags at all
    RibValue tags, nargs, ints, floats;
    ints.kind = floats.kind = RibValue::Kind::NumberArray;
    if (!takeArray(cursor, 'S', -1, tags)) {
        problem = argumentProblem(4, "an array of tag names");
        return false;
    }
    if (!takeArray(cursor, 'I', static_cast<long>(2 * tags.size()), nargs)) {
        problem = argumentProblem(5, "an array of two integers per tag");
        return false;
    }
    long intCount = sumOf(nargs, 0, 2), floatCount = sumOf(nargs, 1, 2);
    bool emptyNext = !cursor.atEnd() && isEmptyArray(cursor.current());
    if (intCount > 0 || emptyNext) {
        if (!takeArray(cursor, 'I', intCount, ints)) {
            problem = argumentProblem(6, "the tags' integer arguments");
            return false;
        }
    }
    emptyNext = !cursor.atEnd() && isEmptyArray(cursor.current());
    if (floatCount > 0 || emptyNext) {
        if (!takeArray(cursor, 'F', floatCount, floats)) {
            problem = argumentProblem(7, "the tags' float arguments");
            return false;
        }
    }
    out.fixed.push_back(tags);
    out.fixed.push_back(nargs);
    out.fixed.push_back(ints);
    out.fixed.push_back(floats);
    return true;
}

}  // namespace

const RequestShape *findRequestShape(const std::string &keyword) {
    for (const RequestShape &shape : kShapes)
        if (keyword == shape.keyword) return &shape;
    return nullptr;
}

bool splitRequest(const RibRequest &request, const RequestShape &shape, SplitRequest &out, std::string &problem) {
    out = SplitRequest();
    Cursor cursor(request.args);
    size_t position = 0;
    for (const char *code = shape.args; *code; ++code) {
        ++position;
        RibValue value;
        bool ok = false;
        std::string what;
        switch (*code) {
        case 'n':
            ok = cursor.takeNumber(false, value);
            what = "a number";
            break;
        case 'i':
            ok = cursor.takeNumber(true, value);
            what = "an integer";
            break;
        case 's':
            ok = !cursor.atEnd() && !cursor.insideArray() && cursor.current().isString();
            if (ok) {
                value = cursor.current();
                cursor.skip();
            }
            what = "a string";
            break;
        case 'B':
            ok = !cursor.atEnd() && !cursor.insideArray() && cursor.current().isString();
            if (ok) {
                value = cursor.current();
                cursor.skip();
            } else {
                ok = takeArray(cursor, 'F', 16, value);
            }
            what = "a basis name or 16 numbers";
            break;
        case 'F':
        case 'I':
        case 'S': {
            char *end = nullptr;
            long length = std::strtol(code + 1, &end, 10);
            if (end == code + 1) length = -1;
            ok = takeArray(cursor, *code, length, value);
            what = *code == 'S' ? "an array of strings" : *code == 'I' ? "an array of integers" : "an array of numbers";
            if (length >= 0) what = "an array of " + std::to_string(length) + " numbers";
            code = end - 1;
            break;
        }
        case '*':
            if (!takeSubdivisionTags(cursor, out, problem)) return false;
            continue;
        }
        if (!ok) {
            problem = cursor.atEnd() ? std::string("too few arguments") : argumentProblem(position, what);
            return false;
        }
        out.fixed.push_back(std::move(value));
    }
    if (cursor.insideArray()) {
        problem = "number array longer than the request's arguments";
        return false;
    }
    while (!cursor.atEnd()) {
        const RibValue &name = cursor.current();
        if (!shape.params) {
            problem = "too many arguments";
            return false;
        }
        if (!name.isString()) {
            problem = "parameter name expected at argument " + std::to_string(cursor.position() + 1);
            return false;
        }
        cursor.skip();
        if (cursor.atEnd()) {
            problem = "parameter \"" + name.string + "\" has no value";
            return false;
        }
        out.params.emplace_back(name.string, cursor.current());
        cursor.skip();
    }
    return true;
}
