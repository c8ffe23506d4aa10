// Shading, light and attribute requests. Colours are always three floats:
// the writer ignores ColorSamples.
#include <cstring>

#include "decl/HandleId.h"
#include "format/GeometryCounts.h"
#include "rib/RequestText.h"
#include "rib/RibStream.h"

namespace quillet {

namespace {

const RtInt kColorSize = 3;
const RtInt kBoundSize = 6;

// Both kinds of light share one numbering per stream, starting at 1; a light
// named by "__handleid" takes its name instead, and the parameter itself is
// not written.
RtLightHandle writeLight(RibStream &writer, const char *keyword, RtToken name, RtInt n, RtToken tokens[],
                         RtPointer values[]) {
    RtInt named = handleIdIndex(n, tokens);
    if (named < 0 || !handleIdName(n, tokens, values)) {
        RtInt number = writer.nextLightHandle++;
        writeNamedParamRequest(writer, keyword, name, number, n, tokens, values);
        return handleFromNumber(number);
    }
    RtPointer handle = nameHandle(writer, handleIdName(n, tokens, values));
    writer.writeBytes(keyword, std::strlen(keyword));
    writer.writeBytes(" ", 1);
    writer.writeQuotedList({name, static_cast<const char *>(handle)});
    ParamListWithout rest(n, tokens, values, named);
    const ClassCounts counts = uncountedCounts();
    writer.writeCountedParamList(counts.vertex, counts.varying, counts.uniform, counts.face, rest.count(),
                                 rest.tokens(), rest.values());
    return handle;
}

}  // namespace

RtVoid RibStream::Color(RtColor color) {
    writeFloatArrayRequest(*this, "Color", color, kColorSize);
}
RtVoid RibStream::Opacity(RtColor color) {
    writeFloatArrayRequest(*this, "Opacity", color, kColorSize);
}

RtVoid RibStream::TextureCoordinates(RtFloat s1, RtFloat t1, RtFloat s2, RtFloat t2, RtFloat s3, RtFloat t3, RtFloat s4,
                                     RtFloat t4) {
    writef("TextureCoordinates [ %g %g %g %g %g %g %g %g ]\n", s1, t1, s2, t2, s3, t3, s4, t4);
}

RtVoid RibStream::ShadingRate(RtFloat size) {
    writef("ShadingRate %g\n", size);
}
RtVoid RibStream::ShadingInterpolation(RtToken type) {
    writeQuotedRequest(*this, "ShadingInterpolation", type);
}
RtVoid RibStream::Matte(RtBoolean onoff) {
    writef("Matte %d\n", static_cast<int>(onoff));
}
RtVoid RibStream::Bound(RtBound bound) {
    writeFloatArrayRequest(*this, "Bound", bound, kBoundSize);
}
RtVoid RibStream::Detail(RtBound bound) {
    writeFloatArrayRequest(*this, "Detail", bound, kBoundSize);
}

RtVoid RibStream::DetailRange(RtFloat minvisible, RtFloat lowertransition, RtFloat uppertransition,
                              RtFloat maxvisible) {
    writef("DetailRange %g %g %g %g\n", minvisible, lowertransition, uppertransition, maxvisible);
}

RtVoid RibStream::GeometricApproximation(RtToken type, RtFloat value) {
    writef("GeometricApproximation ");
    writeQuoted(type);
    writef(" %g\n", value);
}

RtVoid RibStream::GeometricRepresentation(RtToken type) {
    writeQuotedRequest(*this, "GeometricRepresentation", type);
}
RtVoid RibStream::Sides(RtInt sides) {
    writef("Sides %d\n", sides);
}
RtVoid RibStream::Orientation(RtToken orientation) {
    writeQuotedRequest(*this, "Orientation", orientation);
}
RtVoid RibStream::ReverseOrientation() {
    writef("ReverseOrientation\n");
}

// A request of one name and a parameter list: the keyword is the operation's
// name without its V.
#define QUILLET_WRITE_NAMED_LIST(Name)                                                                                 \
    RtVoid RibStream::Name##V(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) {                           \
        declareForStream(n, tokens);                                                                                   \
        writeNamedParamRequest(*this, #Name, name, 0, n, tokens, values);                                              \
    }

QUILLET_WRITE_NAMED_LIST(Attribute)
QUILLET_WRITE_NAMED_LIST(Surface)
QUILLET_WRITE_NAMED_LIST(Displacement)
QUILLET_WRITE_NAMED_LIST(Atmosphere)
QUILLET_WRITE_NAMED_LIST(Interior)
QUILLET_WRITE_NAMED_LIST(Exterior)
QUILLET_WRITE_NAMED_LIST(Imager)

RtLightHandle RibStream::LightSourceV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) {
    declareForStream(n, tokens);
    return writeLight(*this, "LightSource", name, n, tokens, values);
}

RtLightHandle RibStream::AreaLightSourceV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) {
    declareForStream(n, tokens);
    return writeLight(*this, "AreaLightSource", name, n, tokens, values);
}

RtVoid RibStream::Illuminate(RtLightHandle light, RtBoolean onoff) {
    writef("Illuminate ");
    writeHandle(*this, light);
    writef(" %d\n", static_cast<int>(onoff));
}

}  // namespace quillet
