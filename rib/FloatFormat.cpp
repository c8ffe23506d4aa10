// "%g" without printf: the digits come from std::to_chars and are laid out by
// the rules of the general conversion with precision 6.
//
// A normal float whose shortest round-trip form has at most six significant
// digits has exactly the digits that rounding its value to six digits gives
// (its neighbours are far closer together than six-digit decimals), so the
// shortest form is used when it is that short. Every other value is rounded
// to six digits by to_chars in scientific form with precision 5, which rounds
// exactly as printf does.
#include "rib/FloatFormat.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

const int kPrecision = 6;

// Decimal digits and exponent of a value: digits[0].digits[1..] x 10^exponent.
struct Decimal {
    char digits[24];
    int count;
    int exponent;
};

// Reads to_chars' scientific text ("d.ddde+XX" or "de-XX") without sign.
void parseScientific(const char *first, const char *last, Decimal &d) {
    d.count = 0;
    const char *p = first;
    for (; p < last && *p != 'e'; ++p)
        if (*p != '.') d.digits[d.count++] = *p;
    ++p;  // 'e'
    bool negative = *p == '-';
    ++p;
    int e = 0;
    for (; p < last; ++p) e = e * 10 + (*p - '0');
    d.exponent = negative ? -e : e;
    while (d.count > 1 && d.digits[d.count - 1] == '0') --d.count;
}

// Rounds a non-negative finite double to six significant digits.
void roundToPrecision(double magnitude, Decimal &d) {
    char text[32];
    auto r = std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific,
                           kPrecision - 1);
    parseScientific(text, r.ptr, d);
}

size_t layout(char *buffer, bool negative, const Decimal &d) {
    char *p = buffer;
    if (negative) *p++ = '-';
    const int x = d.exponent;
    if (x < -4 || x >= kPrecision) {
        *p++ = d.digits[0];
        if (d.count > 1) {
            *p++ = '.';
            std::memcpy(p, d.digits + 1, d.count - 1);
            p += d.count - 1;
        }
        *p++ = 'e';
        *p++ = x < 0 ? '-' : '+';
        int e = x < 0 ? -x : x;
        if (e >= 100) {
            *p++ = char('0' + e / 100);
            e %= 100;
        }
        *p++ = char('0' + e / 10);
        *p++ = char('0' + e % 10);
    } else if (x >= 0) {
        const int whole = x + 1;
        if (d.count <= whole) {
            std::memcpy(p, d.digits, d.count);
            p += d.count;
            for (int i = d.count; i < whole; ++i) *p++ = '0';
        } else {
            std::memcpy(p, d.digits, whole);
            p += whole;
            *p++ = '.';
            std::memcpy(p, d.digits + whole, d.count - whole);
            p += d.count - whole;
        }
    } else {
        *p++ = '0';
        *p++ = '.';
        for (int i = -1; i > x; --i) *p++ = '0';
        std::memcpy(p, d.digits, d.count);
        p += d.count;
    }
    return size_t(p - buffer);
}

// inf and nan as printf writes them; returns 0 for finite values.
size_t formatSpecial(char *buffer, bool negative, bool isNan, bool isInf) {
    if (!isNan && !isInf) return 0;
    char *p = buffer;
    if (negative) *p++ = '-';
    std::memcpy(p, isNan ? "nan" : "inf", 3);
    return size_t(p + 3 - buffer);
}

}  // namespace

size_t formatGeneral(char *buffer, float value) {
    const bool negative = std::signbit(value);
    if (size_t n = formatSpecial(buffer, negative, std::isnan(value), std::isinf(value))) return n;
    const float magnitude = std::fabs(value);
    Decimal d;
    if (std::isnormal(magnitude)) {
        char text[32];
        auto r = std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific);
        parseScientific(text, r.ptr, d);
        if (d.count <= kPrecision) return layout(buffer, negative, d);
    }
    roundToPrecision(double(magnitude), d);
    return layout(buffer, negative, d);
}

size_t formatGeneral(char *buffer, double value) {
    const double magnitude = std::fabs(value);
    if (magnitude <= std::numeric_limits<float>::max() && double(float(value)) == value)
        return formatGeneral(buffer, float(value));
    const bool negative = std::signbit(value);
    if (size_t n = formatSpecial(buffer, negative, std::isnan(value), std::isinf(value))) return n;
    Decimal d;
    roundToPrecision(magnitude, d);
    return layout(buffer, negative, d);
}
