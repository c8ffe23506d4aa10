// The storage-class and type words of declarations, written once for the
// grammar, the inline-declaration prefix and the names of the codes.
#ifndef QUILLET_DECLARATIONWORDS_H
#define QUILLET_DECLARATIONWORDS_H

namespace quillet {
namespace words {

inline constexpr char kConstant[] = "constant";
inline constexpr char kUniform[] = "uniform";
inline constexpr char kVarying[] = "varying";
inline constexpr char kVertex[] = "vertex";
inline constexpr char kFaceVarying[] = "facevarying";
inline constexpr char kFaceVertex[] = "facevertex";

inline constexpr char kFloat[] = "float";
inline constexpr char kInteger[] = "integer";
inline constexpr char kInt[] = "int";  // read as integer
inline constexpr char kPoint[] = "point";
inline constexpr char kColor[] = "color";
inline constexpr char kString[] = "string";
inline constexpr char kVector[] = "vector";
inline constexpr char kNormal[] = "normal";
inline constexpr char kHpoint[] = "hpoint";
inline constexpr char kMatrix[] = "matrix";
inline constexpr char kMpoint[] = "mpoint";

}  // namespace words
}  // namespace quillet

#endif
