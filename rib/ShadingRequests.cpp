// Placeholder: these requests write nothing until their writers land.
#pragma GCC diagnostic ignored "-Wunused-parameter"
#include "rib/RibWriter.h"

RtVoid RibWriter::Color(RtColor color) {}
RtVoid RibWriter::Opacity(RtColor color) {}
RtVoid RibWriter::TextureCoordinates(RtFloat s1, RtFloat t1, RtFloat s2, RtFloat t2, RtFloat s3, RtFloat t3, RtFloat s4, RtFloat t4) {}
RtVoid RibWriter::ShadingRate(RtFloat size) {}
RtVoid RibWriter::ShadingInterpolation(RtToken type) {}
RtVoid RibWriter::Matte(RtBoolean onoff) {}
RtVoid RibWriter::Bound(RtBound bound) {}
RtVoid RibWriter::Detail(RtBound bound) {}
RtVoid RibWriter::DetailRange(RtFloat minvisible, RtFloat lowertransition, RtFloat uppertransition, RtFloat maxvisible) {}
RtVoid RibWriter::GeometricApproximation(RtToken type, RtFloat value) {}
RtVoid RibWriter::GeometricRepresentation(RtToken type) {}
RtVoid RibWriter::Sides(RtInt sides) {}
RtVoid RibWriter::Orientation(RtToken orientation) {}
RtVoid RibWriter::ReverseOrientation() {}
RtVoid RibWriter::AttributeV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) {}
RtVoid RibWriter::Attribute(RtToken name, ...) {}
RtVoid RibWriter::Surface(RtToken name, ...) {}
RtVoid RibWriter::SurfaceV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) {}
RtVoid RibWriter::Displacement(RtToken name, ...) {}
RtVoid RibWriter::DisplacementV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) {}
RtVoid RibWriter::Atmosphere(RtToken name, ...) {}
RtVoid RibWriter::AtmosphereV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) {}
RtVoid RibWriter::Interior(RtToken name, ...) {}
RtVoid RibWriter::InteriorV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) {}
RtVoid RibWriter::Exterior(RtToken name, ...) {}
RtVoid RibWriter::ExteriorV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) {}
RtVoid RibWriter::Imager(RtToken name, ...) {}
RtVoid RibWriter::ImagerV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) {}
RtLightHandle RibWriter::LightSource(RtToken name, ...) { return nullptr; }
RtLightHandle RibWriter::LightSourceV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) { return nullptr; }
RtLightHandle RibWriter::AreaLightSource(RtToken name, ...) { return nullptr; }
RtLightHandle RibWriter::AreaLightSourceV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) { return nullptr; }
RtVoid RibWriter::Illuminate(RtLightHandle light, RtBoolean onoff) {}
