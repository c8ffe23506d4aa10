// Parameter declarations: storage class, value type and array length.
#ifndef QUILLET_PARAMDECL_H
#define QUILLET_PARAMDECL_H

#include <atomic>
#include <cstddef>
#include <cstdint>

#include "quillet/SymbolTable.h"

namespace quillet {

enum class ParamClass : int8_t {
    None = 0,
    Constant = 1,
    Uniform = 2,
    Varying = 3,
    Vertex = 4,
    FaceVarying = 5,
    FaceVertex = 6
};

enum class ParamType : int8_t {
    None = 0,
    Float = 1,
    Point = 2,
    Color = 3,
    String = 4,
    Integer = 5,
    Vector = 6,
    Normal = 7,
    Hpoint = 8,
    Matrix = 9,
    Mpoint = 16
};

QUILLET_API const char *typeName(int code);
QUILLET_API const char *className(int code);
// Element size in bytes of one value of the type (a string is one pointer).
QUILLET_API int typeElementBytes(int code);
// Floats per element of a float-based type, 0 for the others.
QUILLET_API int typeFloatCount(int code);
// "class type", then "[n]" for n > 1 or "[]" for n <= 0 (no values), so that
// the text reads back as the same declaration. size is the buffer's.
QUILLET_API void formatDeclaration(char *buffer, size_t size, int paramClass, int type, int arrayLength);

class QUILLET_API ParamDecl : public SymbolEntry {
public:
    ParamDecl(const char *key, const char *tokenName);
    ~ParamDecl() override;

    void format(char *buffer, size_t size) const;
    // Bytes of one value: element size x array length, held to int's range.
    int valueBytes() const;

    const char *tokenName;
    ParamType type;
    ParamClass paramClass;
    // 1 for a plain declaration, n for "[n]" (kept whole), 0 for "[]".
    int arrayLength;
    // Set once a stream's Declare request has written this declaration:
    // every later stream writes it again before it uses it.
    std::atomic<bool> declaredByRequest{false};
};

}  // namespace quillet

#endif
