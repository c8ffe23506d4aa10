#include "parse/RequestShapes.h"

#include <string_view>
#include <unordered_map>

namespace quillet {

namespace {

const RequestShape kShapes[] = {
    // structure
    {"version", Request::Version, "n", false},
    {"FrameBegin", Request::FrameBegin, "i", false},
    {"FrameEnd", Request::FrameEnd, "", false},
    {"WorldBegin", Request::WorldBegin, "", false},
    {"WorldEnd", Request::WorldEnd, "", false},
    {"AttributeBegin", Request::AttributeBegin, "", false},
    {"AttributeEnd", Request::AttributeEnd, "", false},
    {"TransformBegin", Request::TransformBegin, "", false},
    {"TransformEnd", Request::TransformEnd, "", false},
    {"SolidBegin", Request::SolidBegin, "s", false},
    {"SolidEnd", Request::SolidEnd, "", false},
    {"ObjectBegin", Request::ObjectBegin, "h", false},
    {"ObjectEnd", Request::ObjectEnd, "", false},
    {"ObjectInstance", Request::ObjectInstance, "h", false},
    {"MotionBegin", Request::MotionBegin, "F", false},
    {"MotionEnd", Request::MotionEnd, "", false},
    {"Declare", Request::Declare, "ss", false},
    {"ErrorHandler", Request::ErrorHandler, "s", false},
    {"ReadArchive", Request::ReadArchive, "s", true},
    // transforms
    {"Identity", Request::Identity, "", false},
    {"ConcatTransform", Request::ConcatTransform, "F16", false},
    {"Transform", Request::Transform, "F16", false},
    {"Perspective", Request::Perspective, "n", false},
    {"Translate", Request::Translate, "nnn", false},
    {"Rotate", Request::Rotate, "nnnn", false},
    {"Scale", Request::Scale, "nnn", false},
    {"Skew", Request::Skew, "nnnnnnn", false},
    {"CoordinateSystem", Request::CoordinateSystem, "s", false},
    {"CoordSysTransform", Request::CoordSysTransform, "s", false},
    // quadrics
    {"Sphere", Request::Sphere, "nnnn", true},
    {"Cone", Request::Cone, "nnn", true},
    {"Cylinder", Request::Cylinder, "nnnn", true},
    {"Hyperboloid", Request::Hyperboloid, "nnnnnnn", true},
    {"Paraboloid", Request::Paraboloid, "nnnn", true},
    {"Disk", Request::Disk, "nnn", true},
    {"Torus", Request::Torus, "nnnnn", true},
    // shading and attributes
    {"Color", Request::Color, "F3", false},
    {"Opacity", Request::Opacity, "F3", false},
    {"TextureCoordinates", Request::TextureCoordinates, "F8", false},
    {"ShadingRate", Request::ShadingRate, "n", false},
    {"ShadingInterpolation", Request::ShadingInterpolation, "s", false},
    {"Matte", Request::Matte, "i", false},
    {"Bound", Request::Bound, "F6", false},
    {"Detail", Request::Detail, "F6", false},
    {"DetailRange", Request::DetailRange, "nnnn", false},
    {"GeometricApproximation", Request::GeometricApproximation, "sn", false},
    {"GeometricRepresentation", Request::GeometricRepresentation, "s", false},
    {"Sides", Request::Sides, "i", false},
    {"Orientation", Request::Orientation, "s", false},
    {"ReverseOrientation", Request::ReverseOrientation, "", false},
    {"Illuminate", Request::Illuminate, "hi", false},
    {"Attribute", Request::Attribute, "s", true},
    {"Surface", Request::Surface, "s", true},
    {"Displacement", Request::Displacement, "s", true},
    {"Atmosphere", Request::Atmosphere, "s", true},
    {"Interior", Request::Interior, "s", true},
    {"Exterior", Request::Exterior, "s", true},
    {"Imager", Request::Imager, "s", true},
    {"LightSource", Request::LightSource, "sh", true},
    {"AreaLightSource", Request::AreaLightSource, "sh", true},
    // options
    {"Format", Request::Format, "iin", false},
    {"FrameAspectRatio", Request::FrameAspectRatio, "n", false},
    {"ScreenWindow", Request::ScreenWindow, "nnnn", false},
    {"CropWindow", Request::CropWindow, "nnnn", false},
    {"Clipping", Request::Clipping, "nn", false},
    {"DepthOfField", Request::DepthOfField, "nnn", false},
    {"Shutter", Request::Shutter, "nn", false},
    {"PixelVariance", Request::PixelVariance, "n", false},
    {"PixelSamples", Request::PixelSamples, "nn", false},
    {"PixelFilter", Request::PixelFilter, "snn", false},
    {"Exposure", Request::Exposure, "nn", false},
    {"Quantize", Request::Quantize, "siiin", false},
    {"ColorSamples", Request::ColorSamples, "FF", false},
    {"RelativeDetail", Request::RelativeDetail, "n", false},
    {"Projection", Request::Projection, "s", true},
    {"Display", Request::Display, "sss", true},
    {"Hider", Request::Hider, "s", true},
    {"Option", Request::Option, "s", true},
    // polygons and patches
    {"Polygon", Request::Polygon, "", true},
    {"GeneralPolygon", Request::GeneralPolygon, "I", true},
    {"PointsPolygons", Request::PointsPolygons, "II", true},
    {"PointsGeneralPolygons", Request::PointsGeneralPolygons, "III", true},
    {"Basis", Request::Basis, "BiBi", false},
    {"Patch", Request::Patch, "s", true},
    {"PatchMesh", Request::PatchMesh, "sisis", true},
    {"NuPatch", Request::NuPatch, "iiFnniiFnn", true},
    {"TrimCurve", Request::TrimCurve, "IIFFFIFFF", false},
    // curves, points, subdivision, blobby, procedural, geometry
    {"Curves", Request::Curves, "sIs", true},
    {"Points", Request::Points, "", true},
    {"SubdivisionMesh", Request::SubdivisionMesh, "sIIT", true},
    {"Blobby", Request::Blobby, "iIFS", true},
    {"Procedural", Request::Procedural, "sSF6", false},
    {"Geometry", Request::Geometry, "s", true},
    // texture making
    {"MakeTexture", Request::MakeTexture, "sssssnn", true},
    {"MakeLatLongEnvironment", Request::MakeLatLongEnvironment, "sssnn", true},
    {"MakeCubeFaceEnvironment", Request::MakeCubeFaceEnvironment, "sssssssnsnn", true},
    {"MakeShadow", Request::MakeShadow, "ss", true},
    // the later interface versions
    {"ArchiveBegin", Request::ArchiveBegin, "s", true},
    {"ArchiveEnd", Request::ArchiveEnd, "", false},
    {"IfBegin", Request::IfBegin, "s", false},
    {"ElseIf", Request::ElseIf, "s", false},
    {"Else", Request::Else, "", false},
    {"IfEnd", Request::IfEnd, "", false},
    {"Resource", Request::Resource, "ss", true},
    {"ResourceBegin", Request::ResourceBegin, "", false},
    {"ResourceEnd", Request::ResourceEnd, "", false},
    {"ClippingPlane", Request::ClippingPlane, "nnnnnn", false},
    {"Camera", Request::Camera, "s", true},
    {"ScopedCoordinateSystem", Request::ScopedCoordinateSystem, "s", false},
    {"System", Request::System, "s", false},
    {"Volume", Request::Volume, "sF6I", true},
    {"Procedural2", Request::Procedural2, "ss", true},
};

using ShapeMap = std::unordered_map<std::string_view, const RequestShape *>;

ShapeMap buildShapeMap() {
    ShapeMap map;
    for (const RequestShape &shape : kShapes) map.emplace(shape.keyword, &shape);
    return map;
}

}  // namespace

const RequestShape *findRequestShape(const char *keyword, size_t length) {
    static const ShapeMap shapes = buildShapeMap();
    auto it = shapes.find(std::string_view(keyword, length));
    return it == shapes.end() ? nullptr : it->second;
}

}  // namespace quillet
