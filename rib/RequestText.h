// Shapes of request line shared by several request writers.
#ifndef QUILLET_REQUESTTEXT_H
#define QUILLET_REQUESTTEXT_H

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "rib/RibStream.h"

namespace quillet {

// The newline that ends a request without a parameter list.
void endRequest(RibStream &writer);

// keyword, a blank, one float array through writeFloatArray, newline:
// "Color [1 0.5 0]" in ASCII, the keyword and a binary array token in binary.
void writeFloatArrayRequest(RibStream &writer, const char *keyword, const RtFloat values[], RtInt count);

// keyword, a blank, each number through writeFloat, newline:
// "Translate 1 2 3 " in ASCII (every number followed by a blank).
void writeFloatsRequest(RibStream &writer, const char *keyword, std::initializer_list<RtFloat> numbers);

// keyword, a blank, the text in double quotes and the newline:
// "Orientation \"inside\"".
void writeQuotedRequest(RibStream &writer, const char *keyword, const char *text);

// keyword, then writeParamList(name, handle, ...): a blank and the name in
// double quotes (a null name as ""), a blank and the handle (when above 0), every
// declared parameter and the newline. "Surface \"plastic\" \"Kd\" [0.5]".
void writeNamedParamRequest(RibStream &writer, const char *keyword, const char *name, RtInt handle, RtInt n,
                            RtToken tokens[], RtPointer values[]);

// Every declared parameter, each value counted once as an uncounted list
// has it, then the newline: the tail of a request whose arguments the
// caller wrote. No parameters write the newline alone.
void writeParamsAndEnd(RibStream &writer, RtInt n, RtToken tokens[], RtPointer values[]);

// A light or object handle: the name in double quotes for a named one (in
// writer.namedHandles), otherwise its number.
void writeHandle(RibStream &writer, RtPointer handle);
// The handle of a light or object named name: the pool's copy of the name,
// remembered as named.
RtPointer nameHandle(RibStream &writer, const char *name);

// A parameter list without its entry at skip (none when skip is negative).
class ParamListWithout {
public:
    ParamListWithout(RtInt n, RtToken tokens[], RtPointer values[], RtInt skip);
    RtInt count() const { return static_cast<RtInt>(tokenArray.size()); }
    RtToken *tokens() { return tokenArray.data(); }
    RtPointer *values() { return valueArray.data(); }

private:
    std::vector<RtToken> tokenArray;
    std::vector<RtPointer> valueArray;
};

// Light and object handles are the numbers that the writer issued.
inline RtPointer handleFromNumber(RtInt number) {
    return reinterpret_cast<RtPointer>(static_cast<std::intptr_t>(number));
}
inline long numberOfHandle(RtPointer handle) {
    return static_cast<long>(reinterpret_cast<std::intptr_t>(handle));
}

}  // namespace quillet

#endif
