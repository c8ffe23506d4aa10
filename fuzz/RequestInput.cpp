// Decoding of fuzz input into call arguments.
#include "fuzz/RequestInput.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "quillet/DeclTable.h"
#include "format/FloatFormat.h"
#include "format/TokenWords.h"

using namespace quillet;

namespace {

// Values of one parameter beyond this are not built: the pair gets a null
// value instead (which the writer reports).
const size_t kMaxElements = 4096;

RtToken *const kStandardTokens[] = {
    &RI_P,
    &RI_PW,
    &RI_PZ,
    &RI_N,
    &RI_NP,
    &RI_CS,
    &RI_OS,
    &RI_S,
    &RI_T,
    &RI_ST,
    &RI_KA,
    &RI_KD,
    &RI_KS,
    &RI_ROUGHNESS,
    &RI_SPECULARCOLOR,
    &RI_TEXTURENAME,
    &RI_FROM,
    &RI_TO,
    &RI_INTENSITY,
    &RI_LIGHTCOLOR,
    &RI_WIDTH,
    &RI_CONSTANTWIDTH,
    &RI_FOV,
    &RI_ORIGIN,
    &RI_AMPLITUDE,
    &RI_BACKGROUND,
    &RI_W_HOMOGENEOUS,
};

const char *const kNamedTokens[] = {
    "P", "Cs", "st", "N", "Pw", "width", "format", "binary", "compression", "gzip", "name", "Ci", "fz0",
};

const char *const kClassWords[] = {"", "constant ", "uniform ", "varying ", "vertex ", "facevarying "};
const char *const kTypeWords[] = {"float",  "point",  "color",  "string", "integer", "int", "vector",
                                  "normal", "hpoint", "matrix", "mpoint", "bogus",   ""};
const char *const kArrayParts[] = {"", "", "[2]", "[3]", "[0]", "[-1]", "[]", "[", "[40000]", "[7] ", "[1]"};
const char *const kDeclaredNames[] = {"fz0", "fz1", "fz2", "fz3", " fz0", "varying float fz1"};

// Texts that have been trouble for writers and readers of quoted strings.
const char *const kOddTexts[] = {
    "",
    " ",
    "  P",
    "float",
    "float ",
    "varying",
    "string[2] s",
    "float[",
    "int[0] z",
    "mpoint m",
    "\"",
    "\\",
    "a\nb",
    "\r\t\v",
    "\x01\x7f\xff",
    "%s%d%n",
    "##",
    "#",
    "]",
    "[",
    "\"quoted\\\"",
    "uniform   color   c",
    "vertex point[2]P",
    "float[3]P",
};

template <typename T, size_t N>
T pick(RequestInput &input, T const (&table)[N]) {
    return table[input.choose(static_cast<int>(N))];
}

// Values of one element of each type as a parameter list writes them; an
// mpoint, or a parameter without a type, carries none.
countmodel::Count valuesPerElement(ParamType type) {
    switch (type) {
    case ParamType::Float:
    case ParamType::String:
    case ParamType::Integer: return 1;
    case ParamType::Point:
    case ParamType::Color:
    case ParamType::Vector:
    case ParamType::Normal: return 3;
    case ParamType::Hpoint: return 4;
    case ParamType::Matrix: return 16;
    default: return 0;
    }
}

// The fast %g text must be exactly printf's.
void checkGeneral(RtFloat value) {
    char fast[kGeneralTextMax];
    char expected[64];
    size_t length = formatGeneral(fast, value);
    int expectedLength = std::snprintf(expected, sizeof expected, "%g", static_cast<double>(value));
    if (length != static_cast<size_t>(expectedLength) || std::memcmp(fast, expected, length) != 0) __builtin_trap();
}

}  // namespace

int RequestInput::choose(int count) {
    return in.ConsumeIntegralInRange<int>(0, count - 1);
}

bool RequestInput::flag() {
    return in.ConsumeBool();
}

RtInt RequestInput::count() {
    switch (choose(8)) {
    case 0: return -in.ConsumeIntegralInRange<RtInt>(1, 3);
    case 1: return 0;
    case 2: return in.ConsumeIntegralInRange<RtInt>(0, 40);
    default: return in.ConsumeIntegralInRange<RtInt>(1, 6);
    }
}

RtInt RequestInput::anyInt() {
    return in.ConsumeIntegral<RtInt>();
}

RtFloat RequestInput::number() {
    RtFloat value;
    if (flag()) {
        value = static_cast<RtFloat>(in.ConsumeIntegralInRange<int>(-8, 8));
    } else {
        uint32_t bits = in.ConsumeIntegral<uint32_t>();
        std::memcpy(&value, &bits, sizeof value);
    }
    checkGeneral(value);
    return value;
}

const char *RequestInput::copy(const std::string &text) {
    char *stored = static_cast<char *>(block(text.size() + 1));
    std::memcpy(stored, text.c_str(), text.size() + 1);
    return stored;
}

const char *RequestInput::text() {
    switch (choose(8)) {
    case 0: return nullptr;
    case 1: return copy(pick(*this, kOddTexts));
    case 2: return copy(std::string(in.ConsumeIntegralInRange<size_t>(0, 12000), '"'));
    default: return copy(in.ConsumeRandomLengthString(48));
    }
}

const char *RequestInput::nonNullText() {
    const char *chosen = text();
    return chosen ? chosen : copy("");
}

const char *RequestInput::declaredName() {
    return copy(pick(*this, kDeclaredNames));
}

const char *RequestInput::declaration() {
    switch (choose(6)) {
    case 0: return nullptr;
    case 1: return copy(in.ConsumeRandomLengthString(24));
    default: {
        std::string words = pick(*this, kClassWords);
        words += pick(*this, kTypeWords);
        words += pick(*this, kArrayParts);
        return copy(words);
    }
    }
}

RtToken RequestInput::token() {
    switch (choose(10)) {
    case 0:
    case 1: return *pick(*this, kStandardTokens);
    case 2: return copy(pick(*this, kNamedTokens));
    case 3:
    case 4: {
        std::string inline_ = pick(*this, kClassWords);
        inline_ += pick(*this, kTypeWords);
        inline_ += pick(*this, kArrayParts);
        inline_ += std::string(static_cast<size_t>(choose(3)), ' ');
        inline_ += pick(*this, kNamedTokens);
        return copy(inline_);
    }
    case 5: return declaredName();
    case 6: return copy(pick(*this, kOddTexts));
    case 7: return copy(in.ConsumeRandomLengthString(32));
    case 8: return copy("undeclared");
    default: return flag() ? nullptr : copy("P");
    }
}

void *RequestInput::block(size_t bytes) {
    blocks.emplace_back(new unsigned char[bytes]);
    return blocks.back().get();
}

RtFloat *RequestInput::floats(countmodel::Count count) {
    const size_t n = count > 0 ? static_cast<size_t>(count) : 0;
    RtFloat *values = static_cast<RtFloat *>(block(n * sizeof(RtFloat)));
    for (size_t i = 0; i < n; ++i) values[i] = number();
    return values;
}

RtInt *RequestInput::ints(countmodel::Count count, RtInt low, RtInt high) {
    const size_t n = count > 0 ? static_cast<size_t>(count) : 0;
    RtInt *values = static_cast<RtInt *>(block(n * sizeof(RtInt)));
    for (size_t i = 0; i < n; ++i) values[i] = in.ConsumeIntegralInRange(low, high);
    return values;
}

RtInt *RequestInput::wildInts(countmodel::Count count, RtInt low, RtInt high) {
    RtInt *values = ints(count, low, high);
    for (countmodel::Count i = 0; i < count; ++i)
        if (choose(16) == 0) values[i] = anyInt();
    return values;
}

RtToken *RequestInput::strings(countmodel::Count count) {
    const size_t n = count > 0 ? static_cast<size_t>(count) : 0;
    RtToken *values = static_cast<RtToken *>(block(n * sizeof(RtToken)));
    for (size_t i = 0; i < n; ++i) values[i] = text();
    return values;
}

RtPointer RequestInput::valueFor(RtToken token, const countmodel::ClassCounts &counts) {
    if (choose(16) == 0) return nullptr;
    // The stream options read their values by name: a string for "format"
    // and "compression", an integer for "binary" and "gzip".
    const bool namedString = isToken(token, "format") || isToken(token, "compression");
    const bool namedInt = isToken(token, "binary") || isToken(token, "gzip");
    size_t elements = 0;
    ParamType type = ParamType::Float;
    if (const ParamDecl *decl = token ? DeclTable::lookup(token) : nullptr) {
        type = decl->type;
        countmodel::Count perClass;
        switch (decl->paramClass) {
        case ParamClass::None:
        case ParamClass::Constant: perClass = 1; break;
        case ParamClass::Uniform: perClass = counts.uniform; break;
        case ParamClass::Varying: perClass = counts.varying; break;
        case ParamClass::Vertex: perClass = counts.vertex; break;
        default: return nullptr;  // a class the model does not know: no values to read
        }
        const countmodel::Count length = decl->arrayLength;
        if (counts.readsParams && perClass > 0 && length > 0) {
            if (perClass > countmodel::Count(kMaxElements) || length > countmodel::Count(kMaxElements)) return nullptr;
            const countmodel::Count total = perClass * length * valuesPerElement(type);
            if (total > countmodel::Count(kMaxElements)) return nullptr;
            elements = static_cast<size_t>(total);
        }
    }
    size_t bytes = elements * 4;
    if (type == ParamType::String) bytes = elements * sizeof(RtToken);
    if (namedString && bytes < sizeof(RtToken)) bytes = sizeof(RtToken);
    if (namedInt && bytes < sizeof(RtInt)) bytes = sizeof(RtInt);
    unsigned char *value = static_cast<unsigned char *>(block(bytes));
    if (type == ParamType::String) {
        for (size_t i = 0; i < elements; ++i) reinterpret_cast<RtToken *>(value)[i] = text();
    } else {
        for (size_t i = 0; i + 4 <= bytes; i += 4) {
            uint32_t bits = type == ParamType::Integer ? static_cast<uint32_t>(anyInt()) : 0;
            if (type != ParamType::Integer) {
                RtFloat f = number();
                std::memcpy(&bits, &f, 4);
            }
            std::memcpy(value + i, &bits, 4);
        }
    }
    if (namedString) {
        const char *option = flag() ? (flag() ? "binary" : "gzip") : nonNullText();
        std::memcpy(value, &option, sizeof option);
    }
    return value;
}

PairList RequestInput::params(const countmodel::ClassCounts &counts) {
    PairList list;
    const int form = choose(10);
    list.n = form == 0 ? -in.ConsumeIntegralInRange<RtInt>(1, 3) : choose(form == 1 ? kMaxPairs + 1 : 4);
    const RtInt stored = list.n > 0 ? list.n : 0;
    list.tokens = static_cast<RtToken *>(block(stored * sizeof(RtToken)));
    list.values = static_cast<RtPointer *>(block(stored * sizeof(RtPointer)));
    for (RtInt i = 0; i < stored; ++i) {
        list.tokens[i] = token();
        list.values[i] = valueFor(list.tokens[i], counts);
        list.listedTokens[i] = list.tokens[i];
        list.listedValues[i] = list.values[i];
    }
    if (form == 2 && stored > 0) {
        if (flag())
            list.tokens = nullptr;
        else
            list.values = nullptr;
    }
    return list;
}
