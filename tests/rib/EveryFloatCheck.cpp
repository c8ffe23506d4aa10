// Checks the shortest float text ("precision" 0) of every float bit pattern,
// through the list writer that float arrays use, 64 patterns to a list. A
// finite value's text must read back to the same float through strtof and
// through (float)strtod (from_chars, which rounds as they do in the C locale),
// and be std::to_chars' shortest text, or longer only where (float)strtod
// reads that one otherwise. Zero, NaN and the infinities must be "%g"'s text,
// and the list must say when it held NaN or an infinity.
//
// Too long for the test run (a few minutes on two cores); run it after a
// change to rib/ShortestFloat:
//
//   every_float_check [--stride N]   every Nth pattern only
#include <algorithm>
#include <atomic>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "format/FloatFormat.h"

using namespace quillet;

namespace {

const uint32_t kListLength = 64;

std::atomic<uint64_t> failures{0};

float fromBits(uint32_t bits) {
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

bool readsBack(const std::string &text, float value) {
    float single = 0;
    double twice = 0;
    const char *end = text.data() + text.size();
    const auto asFloat = std::from_chars(text.data(), end, single);
    const auto asDouble = std::from_chars(text.data(), end, twice);
    return asFloat.ptr == end && asDouble.ptr == end && single == value && float(twice) == value;
}

// What a value's text should be, or empty when the check is by reading back.
std::string expectedText(float value) {
    if (std::isfinite(value) && value != 0) return std::string();
    char text[kGeneralTextMax + 1];
    return std::string(text, formatGeneral(text, value));
}

bool textIsRight(float value, const std::string &text) {
    const std::string fixed = expectedText(value);
    if (!fixed.empty()) return text == fixed;
    char reference[32];
    const auto end = std::to_chars(reference, reference + sizeof reference, value, std::chars_format::general);
    const std::string shortest(reference, end.ptr);
    if (!readsBack(text, value)) return false;
    return readsBack(shortest, value) ? text == shortest : text.size() > shortest.size();
}

void fail(uint32_t bits, const std::string &text) {
    if (failures.fetch_add(1) < 10) std::printf("0x%08X: %s\n", unsigned(bits), text.c_str());
}

// The patterns first, first + stride, ... below last, a list at a time.
void checkRange(uint64_t first, uint64_t last, uint64_t stride) {
    std::vector<float> values;
    std::vector<uint32_t> patterns;
    std::vector<char> text(kListLength * (kGeneralTextMax + 1));
    for (uint64_t bits = first; bits < last;) {
        values.clear();
        patterns.clear();
        for (; bits < last && values.size() < kListLength; bits += stride) {
            patterns.push_back(uint32_t(bits));
            values.push_back(fromBits(uint32_t(bits)));
        }
        bool nonFinite = false;
        const size_t length = formatFloatList(text.data(), values.data(), values.size(), kShortestPrecision, nonFinite);
        bool anyNonFinite = false;
        size_t start = 0;
        for (size_t i = 0; i < values.size(); ++i) {
            size_t stop = start;
            while (stop < length && text[stop] != ' ') ++stop;
            const std::string one(text.data() + start, stop - start);
            if (!textIsRight(values[i], one)) fail(patterns[i], one);
            anyNonFinite |= !std::isfinite(values[i]);
            start = stop + 1;
        }
        if (start != length + 1 || nonFinite != anyNonFinite) fail(patterns[0], "(the list around this pattern)");
    }
}

}  // namespace

int main(int argc, char **argv) {
    uint64_t stride = 1;
    if (argc == 3 && std::strcmp(argv[1], "--stride") == 0) stride = std::strtoull(argv[2], nullptr, 10);
    if (stride == 0 || (argc != 1 && argc != 3)) {
        std::fprintf(stderr, "usage: every_float_check [--stride N]\n");
        return 2;
    }
    const uint64_t patterns = uint64_t(1) << 32;
    const unsigned workers = std::max(1u, std::thread::hardware_concurrency());
    // Each worker takes whole strides of the patterns, so that together they
    // check exactly the patterns that one would.
    const uint64_t share = (patterns / stride / workers + 1) * stride;
    std::vector<std::thread> threads;
    for (unsigned w = 0; w < workers; ++w) {
        const uint64_t first = std::min(patterns, w * share);
        const uint64_t last = std::min(patterns, first + share);
        threads.emplace_back(checkRange, first, last, stride);
    }
    for (std::thread &t : threads) t.join();
    std::printf("%llu patterns checked (every %llu), %llu wrong\n",
                static_cast<unsigned long long>((patterns + stride - 1) / stride),
                static_cast<unsigned long long>(stride), static_cast<unsigned long long>(failures.load()));
    return failures.load() == 0 ? 0 : 1;
}
