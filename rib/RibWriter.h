// RibWriter: the stream context that writes every request as RIB to a file,
// the standard output stream or a pipe into a renderer program.
#ifndef QUILLET_RIBWRITER_H
#define QUILLET_RIBWRITER_H

#include <cstdio>
#include <initializer_list>
#include <memory>
#include <unordered_set>

#include "ri/RenderContext.h"

namespace quillet {

class ParamList;

class OutputBuffer;
class StreamTarget;
struct FloatEncoding;

class QUILLET_API RibWriter : public RenderContext {
public:
    // name: null for the standard output stream, "raylume", "glimpse" or
    // "prman" for a pipe into that program, "|command" for a pipe into any
    // command, anything else a file name. The option list ("format",
    // "binary", "compression", "gzip", "precision" with pointers to their
    // values) ends with RI_NULL.
    explicit RibWriter(const char *name, ...);

    // A stream that the caller opened: the writer writes the header, the
    // requests and the final newline into it and flushes it at the end, but
    // never closes it. name only labels reports. Options as above.
    struct OpenStream {
        FILE *stream;
        const char *name;
    };
    explicit RibWriter(OpenStream stream, ...);
    ~RibWriter() override;

    RibWriter(const RibWriter &) = delete;
    RibWriter &operator=(const RibWriter &) = delete;

    RtVoid FrameBegin(RtInt frame) override;
    RtVoid FrameEnd() override;
    RtVoid WorldBegin() override;
    RtVoid WorldEnd() override;
    RtVoid Format(RtInt xresolution, RtInt yresolution, RtFloat pixelaspectratio) override;
    RtVoid FrameAspectRatio(RtFloat ratio) override;
    RtVoid ScreenWindow(RtFloat left, RtFloat right, RtFloat bottom, RtFloat top) override;
    RtVoid CropWindow(RtFloat xmin, RtFloat xmax, RtFloat ymin, RtFloat ymax) override;
    RtVoid ProjectionV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) override;
    RtVoid Clipping(RtFloat hither, RtFloat yon) override;
    RtVoid DepthOfField(RtFloat fstop, RtFloat focallength, RtFloat focaldistance) override;
    RtVoid Shutter(RtFloat opentime, RtFloat closetime) override;
    RtVoid PixelVariance(RtFloat variation) override;
    RtVoid PixelSamples(RtFloat xsamples, RtFloat ysamples) override;
    RtVoid PixelFilter(RtFilterFunc function, RtFloat xwidth, RtFloat ywidth) override;
    RtVoid Exposure(RtFloat gain, RtFloat gamma) override;
    RtVoid Quantize(RtToken type, RtInt one, RtInt min, RtInt max, RtFloat ditheramplitude) override;
    RtVoid DisplayV(const char *name, RtToken type, RtToken mode, RtInt n, RtToken tokens[],
                    RtPointer values[]) override;
    RtVoid HiderV(RtToken type, RtInt n, RtToken tokens[], RtPointer values[]) override;
    RtVoid ColorSamples(RtInt n, RtFloat nRGB[], RtFloat RGBn[]) override;
    RtVoid RelativeDetail(RtFloat relativedetail) override;
    RtVoid OptionV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) override;
    RtVoid AttributeBegin() override;
    RtVoid AttributeEnd() override;
    RtVoid Color(RtColor color) override;
    RtVoid Opacity(RtColor color) override;
    RtVoid TextureCoordinates(RtFloat s1, RtFloat t1, RtFloat s2, RtFloat t2, RtFloat s3, RtFloat t3, RtFloat s4,
                              RtFloat t4) override;
    RtVoid ShadingRate(RtFloat size) override;
    RtVoid ShadingInterpolation(RtToken type) override;
    RtVoid Matte(RtBoolean onoff) override;
    RtVoid Bound(RtBound bound) override;
    RtVoid Detail(RtBound bound) override;
    RtVoid DetailRange(RtFloat minvisible, RtFloat lowertransition, RtFloat uppertransition,
                       RtFloat maxvisible) override;
    RtVoid GeometricApproximation(RtToken type, RtFloat value) override;
    RtVoid GeometricRepresentation(RtToken type) override;
    RtVoid Sides(RtInt sides) override;
    RtVoid Orientation(RtToken orientation) override;
    RtVoid ReverseOrientation() override;
    RtVoid AttributeV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) override;
    RtVoid Identity() override;
    RtVoid ConcatTransform(RtMatrix transform) override;
    RtVoid Transform(RtMatrix transform) override;
    RtVoid Perspective(RtFloat fov) override;
    RtVoid Translate(RtFloat dx, RtFloat dy, RtFloat dz) override;
    RtVoid Rotate(RtFloat angle, RtFloat dx, RtFloat dy, RtFloat dz) override;
    RtVoid Scale(RtFloat sx, RtFloat sy, RtFloat sz) override;
    RtVoid Skew(RtFloat angle, RtFloat dx1, RtFloat dy1, RtFloat dz1, RtFloat dx2, RtFloat dy2, RtFloat dz2) override;
    RtVoid CoordinateSystem(RtToken space) override;
    RtVoid CoordSysTransform(RtToken space) override;
    RtPoint *TransformPoints(RtToken fromspace, RtToken tospace, RtInt n, RtPoint points[]) override;
    RtVoid TransformBegin() override;
    RtVoid TransformEnd() override;
    RtVoid MotionBeginV(RtInt n, RtFloat times[]) override;
    RtVoid MotionEnd() override;
    RtVoid SurfaceV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) override;
    RtVoid DisplacementV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) override;
    RtVoid AtmosphereV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) override;
    RtVoid InteriorV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) override;
    RtVoid ExteriorV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) override;
    RtVoid ImagerV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) override;
    RtLightHandle LightSourceV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) override;
    RtLightHandle AreaLightSourceV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) override;
    RtVoid Illuminate(RtLightHandle light, RtBoolean onoff) override;
    RtVoid ConeV(RtFloat height, RtFloat radius, RtFloat thetamax, RtInt n, RtToken tokens[],
                 RtPointer values[]) override;
    RtVoid CylinderV(RtFloat radius, RtFloat zmin, RtFloat zmax, RtFloat thetamax, RtInt n, RtToken tokens[],
                     RtPointer values[]) override;
    RtVoid DiskV(RtFloat height, RtFloat radius, RtFloat thetamax, RtInt n, RtToken tokens[],
                 RtPointer values[]) override;
    RtVoid HyperboloidV(RtPoint point1, RtPoint point2, RtFloat thetamax, RtInt n, RtToken tokens[],
                        RtPointer values[]) override;
    RtVoid ParaboloidV(RtFloat rmax, RtFloat zmin, RtFloat zmax, RtFloat thetamax, RtInt n, RtToken tokens[],
                       RtPointer values[]) override;
    RtVoid SphereV(RtFloat radius, RtFloat zmin, RtFloat zmax, RtFloat thetamax, RtInt n, RtToken tokens[],
                   RtPointer values[]) override;
    RtVoid TorusV(RtFloat majorradius, RtFloat minorradius, RtFloat phimin, RtFloat phimax, RtFloat thetamax, RtInt n,
                  RtToken tokens[], RtPointer values[]) override;
    RtVoid PolygonV(RtInt nvertices, RtInt n, RtToken tokens[], RtPointer values[]) override;
    RtVoid GeneralPolygonV(RtInt nloops, RtInt nvertices[], RtInt n, RtToken tokens[], RtPointer values[]) override;
    RtVoid PointsPolygonsV(RtInt npolys, RtInt nvertices[], RtInt vertices[], RtInt n, RtToken tokens[],
                           RtPointer values[]) override;
    RtVoid PointsGeneralPolygonsV(RtInt npolys, RtInt nloops[], RtInt nvertices[], RtInt vertices[], RtInt n,
                                  RtToken tokens[], RtPointer values[]) override;
    RtVoid Basis(RtBasis ubasis, RtInt ustep, RtBasis vbasis, RtInt vstep) override;
    RtVoid PatchV(RtToken type, RtInt n, RtToken tokens[], RtPointer values[]) override;
    RtVoid PatchMeshV(RtToken type, RtInt nu, RtToken uwrap, RtInt nv, RtToken vwrap, RtInt n, RtToken tokens[],
                      RtPointer values[]) override;
    RtVoid TrimCurve(RtInt nloops, RtInt ncurves[], RtInt order[], RtFloat knot[], RtFloat min[], RtFloat max[],
                     RtInt n[], RtFloat u[], RtFloat v[], RtFloat w[]) override;
    RtVoid NuPatchV(RtInt nu, RtInt uorder, RtFloat uknot[], RtFloat umin, RtFloat umax, RtInt nv, RtInt vorder,
                    RtFloat vknot[], RtFloat vmin, RtFloat vmax, RtInt n, RtToken tokens[],
                    RtPointer values[]) override;
    RtVoid CurvesV(RtToken type, RtInt ncurves, RtInt nvertices[], RtToken wrap, RtInt n, RtToken tokens[],
                   RtPointer values[]) override;
    RtVoid PointsV(RtInt npoints, RtInt n, RtToken tokens[], RtPointer values[]) override;
    RtVoid SubdivisionMeshV(RtToken scheme, RtInt nfaces, RtInt nvertices[], RtInt vertices[], RtInt ntags,
                            RtToken tags[], RtInt nargs[], RtInt intargs[], RtFloat floatargs[], RtInt n,
                            RtToken tokens[], RtPointer values[]) override;
    RtVoid BlobbyV(RtInt nleaf, RtInt ncode, RtInt code[], RtInt nflt, RtFloat flt[], RtInt nstr, RtToken str[],
                   RtInt n, RtToken tokens[], RtPointer values[]) override;
    RtVoid Procedural(RtPointer data, RtBound bound, RtProcSubdivFunc subdivfunc, RtProcFreeFunc freefunc) override;
    RtVoid GeometryV(RtToken type, RtInt n, RtToken tokens[], RtPointer values[]) override;
    RtVoid SolidBegin(RtToken operation) override;
    RtVoid SolidEnd() override;
    RtObjectHandle ObjectBegin() override;
    RtVoid ObjectEnd() override;
    RtVoid ObjectInstance(RtObjectHandle handle) override;
    RtVoid MakeTextureV(const char *picturename, const char *texturename, RtToken swrap, RtToken twrap,
                        RtFilterFunc filterfunc, RtFloat swidth, RtFloat twidth, RtInt n, RtToken tokens[],
                        RtPointer values[]) override;
    RtVoid MakeLatLongEnvironmentV(const char *picturename, const char *texturename, RtFilterFunc filterfunc,
                                   RtFloat swidth, RtFloat twidth, RtInt n, RtToken tokens[],
                                   RtPointer values[]) override;
    RtVoid MakeCubeFaceEnvironmentV(const char *px, const char *nx, const char *py, const char *ny, const char *pz,
                                    const char *nz, const char *texturename, RtFloat fov, RtFilterFunc filterfunc,
                                    RtFloat swidth, RtFloat twidth, RtInt n, RtToken tokens[],
                                    RtPointer values[]) override;
    RtVoid MakeShadowV(const char *picturename, const char *texturename, RtInt n, RtToken tokens[],
                       RtPointer values[]) override;
    RtToken Declare(const char *name, const char *declaration) override;
    RtVoid VArchiveRecord(RtToken type, const char *format, va_list args) override;
    RtVoid ReadArchiveV(RtToken name, RtArchiveCallback callback, RtInt n, RtToken tokens[],
                        RtPointer values[]) override;
    RtVoid ErrorHandler(RtErrorHandler handler) override;

    // Value encoders: floats follow binaryEncoding and floatPrecision,
    // integers and strings are text.
    void writeFloat(RtFloat value);
    void writeFloatArray(const RtFloat values[], RtInt count);
    void writeIntArray(const RtInt values[], RtInt count);
    void writeStringArray(const RtToken values[], RtInt count);

    // Parameter lists: every declared pair, then the newline ending the request.
    void writeParamList(const char *name, RtInt handle, RtInt n, RtToken tokens[], RtPointer values[]);
    void writeCountedParamList(RtInt vertexCount, RtInt varyingCount, RtInt uniformCount, RtInt n, RtToken tokens[],
                               RtPointer values[]);
    // The same with the count of facevarying and facevertex parameters, which
    // the form above takes to be the varying count.
    void writeCountedParamList(RtInt vertexCount, RtInt varyingCount, RtInt uniformCount, RtInt faceCount, RtInt n,
                               RtToken tokens[], RtPointer values[]);

    // Formatted text into the stream. Understands %d, %i, %ld, %g, %f, %s and
    // %%. "%g" and "%f" take floats (promoted to double) and write what
    // printf writes in the C locale, or the stream's precision when it has
    // one. %s writes its text as it stands (a null string writes nothing):
    // quoted RIB strings go through writeQuoted. A format that begins with a
    // capital letter begins a request.
    void writef(const char *format, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 2, 3)))
#endif
        ;
    // One string between double quotes, escaped as RIB strings are read; a
    // null string is written as "".
    void writeQuoted(const char *text);
    // Several strings as writeQuoted writes them, a blank between two.
    void writeQuotedList(std::initializer_list<const char *> texts);
    // Raw bytes; bytes that begin with a capital letter begin a request.
    void writeBytes(const char *bytes, size_t length);

    // Before a request with a parameter list: a Declare line for each token
    // of the list that a Declare request declared and this stream has not
    // written (it was declared while another stream was open).
    void declareForStream(RtInt n, RtToken tokens[]);

    // The encoding of floats in this stream.
    FloatEncoding floatEncoding() const;
    // A NaN or an infinity was written as text: reported once per request.
    void reportNonFinite();

    RtErrorHandler errorHandler;
    // The open target, and the one buffer that every request writes into.
    std::unique_ptr<StreamTarget> target;
    std::unique_ptr<OutputBuffer> out;
    const char *targetName;
    RtInt isPipe;
    RtInt uStep;
    RtInt vStep;
    RtInt binaryEncoding;
    RtInt compressed;
    // Float text: kDefaultPrecision ("%g") or 0 to 9 (rib/FloatFormat.h).
    RtInt floatPrecision;
    RtInt nextLightHandle;
    RtInt nextObjectHandle;
    // The start of the request being written (its keyword is cut from it
    // when a report needs it), and whether a non-finite value in it has
    // been reported.
    char requestName[32];
    size_t requestNameLength;
    bool nonFiniteReported;

    // The user declarations whose Declare line this stream has written.
    std::unordered_set<const void *> writtenDeclarations;

private:
    void writeDeclare(const char *name, const char *declaration);
    void applyOptions(ParamList &options);
    // Writes the header and declares the standard tokens.
    void begin();
    void beginRequest(const char *text, size_t length);
};

}  // namespace quillet

using quillet::RibWriter;

#endif
