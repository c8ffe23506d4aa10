// Predeclaration: every new stream declares the standard parameters and a
// list of renderer option and attribute names in the process-wide table and
// points the token variables at the interned copies so that later lookups
// match them by pointer.
#include "decl/Predeclare.h"

#include <atomic>
#include <cstdint>

#include "quillet/DeclTable.h"

namespace quillet {

namespace {

const char kFloat[] = "float";
const char kColor[] = "color";
const char kPoint[] = "point";
const char kString[] = "string";
const char kInteger[] = "integer";
const char kInteger2[] = "integer[2]";
const char kInt2[] = "int[2]";
const char kFloat2[] = "float[2]";
const char kFloat4[] = "float[4]";
const char kFloat6[] = "float[6]";
const char kMatrix[] = "matrix";
const char kConstantFloat[] = "constant float";
const char kVaryingFloat[] = "varying float";
const char kVaryingFloat2[] = "varying float[2]";
const char kVaryingColor[] = "varying color";
const char kVaryingNormal[] = "varying normal";
const char kVertexPoint[] = "vertex point";
const char kVertexFloat[] = "vertex float";
const char kVertexHpoint[] = "vertex hpoint";

struct Predeclared {
    const char *name;         // null: the token variable's current text
    const char *declaration;  // null: only interned
    RtToken *variable;        // receives the result when not null
};

// In declaration order.
const Predeclared kPredeclared[] = {
    // Phase 1: the standard parameters, through their token variables.
    {nullptr, kFloat, &RI_INTENSITY},
    {nullptr, kColor, &RI_LIGHTCOLOR},
    {nullptr, kPoint, &RI_FROM},
    {nullptr, kPoint, &RI_TO},
    {nullptr, kFloat, &RI_CONEANGLE},
    {nullptr, kFloat, &RI_CONEDELTAANGLE},
    {nullptr, kFloat, &RI_BEAMDISTRIBUTION},
    {nullptr, kFloat, &RI_KA},
    {nullptr, kFloat, &RI_KD},
    {nullptr, kFloat, &RI_KS},
    {nullptr, kFloat, &RI_KR},
    {nullptr, kFloat, &RI_ROUGHNESS},
    {nullptr, kString, &RI_TEXTURENAME},
    {nullptr, kColor, &RI_SPECULARCOLOR},
    {nullptr, kFloat, &RI_MINDISTANCE},
    {nullptr, kFloat, &RI_MAXDISTANCE},
    {nullptr, kColor, &RI_BACKGROUND},
    {nullptr, kFloat, &RI_DISTANCE},
    {nullptr, kFloat, &RI_AMPLITUDE},
    {nullptr, kString, &RI_RGB},
    {nullptr, kVaryingNormal, &RI_N},
    {nullptr, kPoint, &RI_NP},
    {nullptr, kVertexPoint, &RI_P},
    {nullptr, kVertexFloat, &RI_PZ},
    {nullptr, kVertexHpoint, &RI_PW},
    {nullptr, kVaryingColor, &RI_CS},
    {nullptr, kVaryingColor, &RI_OS},
    {nullptr, kVaryingFloat, &RI_S},
    {nullptr, kVaryingFloat, &RI_T},
    {nullptr, kVaryingFloat2, &RI_ST},
    {nullptr, kFloat, &RI_FOV},
    {nullptr, kVaryingFloat, &RI_WIDTH},
    {nullptr, kConstantFloat, &RI_CONSTANTWIDTH},
    // Phase 2: renderer option and attribute names from their literal texts;
    // only "shader" is stored back into its variable.
    {"look_behind", kInteger, nullptr},
    {"patch_maxlevel", kInteger, nullptr},
    {"patch_minlevel", kInteger, nullptr},
    {"patch_splitdepth", kInteger, nullptr},
    {"patch_multiplier", kFloat, nullptr},
    {"verbose", kInteger, nullptr},
    {"maxsamples", kInteger, nullptr},
    {"minsamples", kInteger, nullptr},
    {"use_hierarchy", kInteger, nullptr},
    {"branch_ratio", kFloat, nullptr},
    {"max_branch_ratio", kFloat, nullptr},
    {"max_raylevel", kInteger, nullptr},
    {"debug", kInteger, nullptr},
    {"patchsize", kFloat, nullptr},
    {"elemsize", kFloat, nullptr},
    {"minsize", kFloat, nullptr},
    {"has_caustics", kInteger, nullptr},
    {"has_shadows", kInteger, nullptr},
    {"archive", kString, nullptr},
    {"include", kString, nullptr},
    {"texture", kString, nullptr},
    {"shader", kString, &RI_SHADER},
    {"procedural", kString, nullptr},
    {"serverresource", kString, nullptr},
    {"resource", kString, nullptr},
    {"display", kString, nullptr},
    {"casts_shadows", kString, nullptr},
    {"shadows", kString, nullptr},
    {"shadowrays", kInteger, nullptr},
    {"minshadowbias", kFloat, nullptr},
    {"maxshadowbias", kFloat, nullptr},
    {"zonal", kString, nullptr},
    {"averagecolor", kColor, nullptr},
    {"emissioncolor", kColor, nullptr},
    {"refractioncolor", kColor, nullptr},
    {"refractionindex", kFloat, nullptr},
    {"origin", kInteger2, nullptr},
    {"verbosity", kString, nullptr},
    {"steps", kInteger, nullptr},
    {"minpatchsamples", kInteger, nullptr},
    {"cache", kString, nullptr},
    {"prmanspecular", kInteger, nullptr},
    {"cooktorrancespecular", kInteger, nullptr},
    {"truedisplacement", kInteger, nullptr},
    {"use_shadingrate", kInteger, nullptr},
    {"visibility", kInteger, nullptr},
    {"name", kString, nullptr},
    {"shadinggroup", kString, nullptr},
    {"displacement", kFloat, nullptr},
    {"gridsize", kInteger, nullptr},
    {"bucketsize", kInteger2, nullptr},
    {"algorithm", kString, nullptr},
    {"interleave", kString, nullptr},
    {"binary", kInteger, nullptr},
    {"eyesplits", kInteger, nullptr},
    {"jitter", kInteger, nullptr},
    {"bias0", kFloat, nullptr},
    {"bias1", kFloat, nullptr},
    {"zlerp", kFloat, nullptr},
    {"texturememory", kInteger, nullptr},
    {"geommemory", kInteger, nullptr},
    {"derivmemory", kInteger, nullptr},
    {"coordinatesystem", kString, nullptr},
    {"sphere", kFloat, nullptr},
    {"enable gaussian", kInteger, nullptr},
    {"enable lerp", kInteger, nullptr},
    {"disable", kInteger, nullptr},
    {"automatic", kInteger, nullptr},
    {"pdisc", kInteger, nullptr},
    {"pdisk", kInteger, nullptr},
    {"colorclamp", kFloat2, nullptr},
    {"endofframe", kInteger, nullptr},
    {"profile_shaders", kInteger, nullptr},
    {"merge", kInteger, nullptr},
    {"sense", kString, nullptr},
    {"nsamples", kInteger, nullptr},
    {"primary", kInteger, nullptr},
    {"secondary", kInteger, nullptr},
    {"shadow", kInteger, nullptr},
    {"udivisions", kInteger, nullptr},
    {"vdivisions", kInteger, nullptr},
    {"windowid", kInteger, nullptr},
    {"windowlocation", kInt2, nullptr},
    {"windowdpy", kInteger, nullptr},
    {"windowrc", kInteger, nullptr},
    {"windowstyle", kInteger, nullptr},
    {"windowvi", kInteger, nullptr},
    {"windowcmap", kInteger, nullptr},
    {"pickregion", kFloat4, nullptr},
    {"clearfb", kInteger, nullptr},
    {"clearcolor", kColor, nullptr},
    {"framebufferaddr", kString, nullptr},
    {"scanlinecallback", kString, nullptr},
    {"waitforlastframe", kInteger, nullptr},
    {"doublebuffer", kInteger, nullptr},
    {"dumpimage", kInteger, nullptr},
    {"resolutionunit", kString, nullptr},
    {"resolution", kFloat2, nullptr},
    {"compression", kString, nullptr},
    {"zcompression", kString, nullptr},
    {"rowsperstrip", kString, nullptr},
    {"zthreshold", kColor, nullptr},
    {"extremedisplacement", kInteger, nullptr},
    {"backfacetolerance", kFloat, nullptr},
    {"doubleshaded", kInteger, nullptr},
    {"transform", kMatrix, nullptr},
    {"outputalldeclares", kInteger, nullptr},
    {"zblur", kFloat6, nullptr},
    {"rasterorient", kInteger, nullptr},
    {"subpixel", kInteger, nullptr},
    {"filename", kString, nullptr},
    {"strategy", kInteger, nullptr},
    {"mpcache", kInteger, nullptr},
    {"mpmemory", kInteger, nullptr},
    {"mpcachedir", kString, nullptr},
    {"mpcachestride", kInteger, nullptr},
    {"ysplits", kInteger, nullptr},
    {"timer", kInteger, nullptr},
    {"opacitycull", kInteger, nullptr},
    {"othreshold", kColor, nullptr},
    {"hair", kInteger, nullptr},
    {"minwidth", kConstantFloat, nullptr},
    {"clampwidth", kInteger, nullptr},
    {"safetyfile", kInteger, nullptr},
    {"centered", kInteger, nullptr},
    {"extrapolate", kInteger, nullptr},
    {"curvethinning", kInteger, nullptr},
    {"curvethinthreshold", kInteger, nullptr},
    {"useprmandspy", kInteger, nullptr},
    {"useprmannoise", kInteger, nullptr},
    {"maxerror", kFloat, nullptr},
    {"maxpixeldist", kFloat, nullptr},
    {"minvalid", kInteger, nullptr},
    {"interpolate", kInteger, nullptr},
    {"seedfile", kString, nullptr},
    {"savefile", kString, nullptr},
    {"preseed", kInteger, nullptr},
    {"resize", kString, nullptr},
    {"stitch", kInteger, nullptr},
    {"maxdepth", kInteger, nullptr},
    {"vpimage", kInteger, nullptr},
    {"vpdepth", kInteger, nullptr},
    {"enable", kInteger, nullptr},
    {"newgroup", kInteger, nullptr},
    // Phase 3.
    {nullptr, kVaryingFloat, &RI_NONDIFFUSE},
    {nullptr, kVaryingFloat, &RI_NONSPECULAR},
    // Phase 4: tokens without declaration, only interned.
    {nullptr, nullptr, &RI_BOX},
    {nullptr, nullptr, &RI_CATMULLROM},
    {nullptr, nullptr, &RI_GAUSSIAN},
    {nullptr, nullptr, &RI_TRIANGLE},
    {nullptr, nullptr, &RI_SINC},
    {nullptr, nullptr, &RI_FILTER},
    {nullptr, nullptr, &RI_SWIDTH},
    {nullptr, nullptr, &RI_TWIDTH},
    {nullptr, nullptr, &RI_FILL},
    {nullptr, nullptr, &RI_FIDELITY},
    {nullptr, nullptr, &RI_SAMPLES},
    {nullptr, nullptr, &RI_BLUR},
    {nullptr, nullptr, &RI_SBLUR},
    {nullptr, nullptr, &RI_TBLUR},
    {nullptr, nullptr, &RI_BIAS},
    {nullptr, nullptr, &RI_LERP},
    {nullptr, nullptr, &RI_GAPBIAS},
    {nullptr, nullptr, &RI_GAPOPT},
    {nullptr, nullptr, &RI_SOURCE},
    {nullptr, nullptr, &RI_REFBLUR},
    {nullptr, nullptr, &RI_SREFBLUR},
    {nullptr, nullptr, &RI_TREFBLUR},
    {nullptr, nullptr, &RI_IGNOREABOVE},
    {nullptr, nullptr, &RI_BILINEAR},
    {nullptr, nullptr, &RI_BICUBIC},
    {nullptr, nullptr, &RI_LINEAR},
    {nullptr, nullptr, &RI_CUBIC},
    {nullptr, nullptr, &RI_COMMENT},
    {nullptr, nullptr, &RI_STRUCTURE},
    {nullptr, nullptr, &RI_VERBATIM},
    {nullptr, nullptr, &RI_IDENTIFIER},
    {nullptr, nullptr, &RI_NAME},
    {nullptr, nullptr, &RI_IGNORE},
    {nullptr, nullptr, &RI_PRINT},
    {nullptr, nullptr, &RI_ABORT},
    {nullptr, nullptr, &RI_HANDLER},
    {nullptr, nullptr, &RI_CONSTANT},
    {nullptr, nullptr, &RI_SMOOTH},
    {nullptr, nullptr, &RI_HIDDEN},
    {nullptr, nullptr, &RI_PAINT},
    {nullptr, nullptr, &RI_INSIDE},
    {nullptr, nullptr, &RI_OUTSIDE},
    {nullptr, nullptr, &RI_LH},
    {nullptr, nullptr, &RI_RH},
    {nullptr, nullptr, &RI_PERIODIC},
    {nullptr, nullptr, &RI_NONPERIODIC},
    {nullptr, nullptr, &RI_CLAMP},
    {nullptr, nullptr, &RI_BLACK},
    {nullptr, nullptr, &RI_PRIMITIVE},
    {nullptr, nullptr, &RI_INTERSECTION},
    {nullptr, nullptr, &RI_UNION},
    {nullptr, nullptr, &RI_DIFFERENCE},
    {nullptr, nullptr, &RI_PERSPECTIVE},
    {nullptr, nullptr, &RI_ORTHOGRAPHIC},
    {nullptr, nullptr, &RI_HOLE},
    {nullptr, nullptr, &RI_CREASE},
    {nullptr, nullptr, &RI_CORNER},
    {nullptr, nullptr, &RI_INTERPOLATEBOUNDARY},
    {nullptr, nullptr, &RI_RASTER},
    {nullptr, nullptr, &RI_SCREEN},
    {nullptr, nullptr, &RI_NDC},
    {nullptr, nullptr, &RI_CAMERA},
    {nullptr, nullptr, &RI_EYE},
    {nullptr, nullptr, &RI_WORLD},
    {nullptr, nullptr, &RI_CURRENT},
    {nullptr, nullptr, &RI_OBJECT},
    // Phase 5.
    {nullptr, kString, &RI_CATEGORY},
    {nullptr, kVertexFloat, &RI_W_HOMOGENEOUS},
};

}  // namespace

void declareStandardTokens() {
    // The table's change count right after the last full declaring.
    static std::atomic<uint64_t> settled{UINT64_MAX};
    if (settled.load(std::memory_order_acquire) == DeclTable::changes()) return;
    for (const Predeclared &entry : kPredeclared) {
        RtToken token = declareRequest(entry.name ? entry.name : *entry.variable, entry.declaration);
        if (entry.variable) *entry.variable = token;
    }
    settled.store(DeclTable::changes(), std::memory_order_release);
}

}  // namespace quillet
