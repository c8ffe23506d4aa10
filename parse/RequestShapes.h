// The one table of RIB requests: keyword, request code and the kinds of its
// fixed arguments. The parser finds keywords through it and nowhere else.
#ifndef QUILLET_PARSE_REQUESTSHAPES_H
#define QUILLET_PARSE_REQUESTSHAPES_H

#include <cstddef>

namespace quillet {

enum class Request {
    Version,
    FrameBegin,
    FrameEnd,
    WorldBegin,
    WorldEnd,
    AttributeBegin,
    AttributeEnd,
    TransformBegin,
    TransformEnd,
    SolidBegin,
    SolidEnd,
    ObjectBegin,
    ObjectEnd,
    ObjectInstance,
    MotionBegin,
    MotionEnd,
    Declare,
    ErrorHandler,
    ReadArchive,
    Identity,
    ConcatTransform,
    Transform,
    Perspective,
    Translate,
    Rotate,
    Scale,
    Skew,
    CoordinateSystem,
    CoordSysTransform,
    Sphere,
    Cone,
    Cylinder,
    Hyperboloid,
    Paraboloid,
    Disk,
    Torus,
    Color,
    Opacity,
    TextureCoordinates,
    ShadingRate,
    ShadingInterpolation,
    Matte,
    Bound,
    Detail,
    DetailRange,
    GeometricApproximation,
    GeometricRepresentation,
    Sides,
    Orientation,
    ReverseOrientation,
    Illuminate,
    Attribute,
    Surface,
    Displacement,
    Atmosphere,
    Interior,
    Exterior,
    Imager,
    LightSource,
    AreaLightSource,
    Format,
    FrameAspectRatio,
    ScreenWindow,
    CropWindow,
    Clipping,
    DepthOfField,
    Shutter,
    PixelVariance,
    PixelSamples,
    PixelFilter,
    Exposure,
    Quantize,
    ColorSamples,
    RelativeDetail,
    Projection,
    Display,
    Hider,
    Option,
    Polygon,
    GeneralPolygon,
    PointsPolygons,
    PointsGeneralPolygons,
    Basis,
    Patch,
    PatchMesh,
    NuPatch,
    TrimCurve,
    Curves,
    Points,
    SubdivisionMesh,
    Blobby,
    Procedural,
    Geometry,
    MakeTexture,
    MakeLatLongEnvironment,
    MakeCubeFaceEnvironment,
    MakeShadow,
    // the later interface versions
    ArchiveBegin,
    ArchiveEnd,
    IfBegin,
    ElseIf,
    Else,
    IfEnd,
    Resource,
    ResourceBegin,
    ResourceEnd,
    ClippingPlane,
    Camera,
    ScopedCoordinateSystem,
    System,
    Volume,
    Procedural2,
};

// Argument kinds, one character each: i integer, n number, s string,
// F float array, I integer array, S string array (F, I and S followed by
// digits have that fixed length), B basis (a name or 16 numbers), T the
// optional tag arrays of SubdivisionMesh, h a light or object handle (an
// integer or a string).
struct RequestShape {
    const char *keyword;
    Request request;
    const char *args;
    bool params;  // a parameter list follows
};

// The shape of a keyword, or null.
const RequestShape *findRequestShape(const char *keyword, size_t length);

}  // namespace quillet

#endif
