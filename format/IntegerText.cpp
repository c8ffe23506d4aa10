// Integer text of nine and ten digits, digit pair by digit pair, and the
// integer-text rule.
#include "format/IntegerText.h"

#include <charconv>

#include "format/DigitPairs.h"

namespace quillet {

size_t formatUint32(char *text, uint32_t n) {
    static const uint32_t kPowers[] = {10u, 100u, 1000u, 10000u, 100000u, 1000000u, 10000000u, 100000000u, 1000000000u};
    size_t length = 1;
    while (length < 10 && n >= kPowers[length - 1]) ++length;
    char *d = text + length;
    while (n >= 100) {
        d -= 2;
        putTwoDigits(d, n % 100);
        n /= 100;
    }
    if (n >= 10)
        putTwoDigits(d - 2, n);
    else
        d[-1] = char('0' + n);
    return length;
}

bool readsAsInteger(const char *first, const char *last, int32_t &value) {
    if (first < last && *first == '+') ++first;
    const bool negative = first < last && *first == '-';
    const auto result = std::from_chars(first, last, value);
    return result.ec == std::errc() && result.ptr == last && !(negative && value == 0);
}

}  // namespace quillet
