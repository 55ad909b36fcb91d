#include "assets/AseScanner.h"

#include <cmath>
#include <cstdlib>
#include <limits>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

const char* findAseLineEnd(const char* p, const char* end) {
#ifdef __SSE2__
    // Sixteen bytes at a time while sixteen are left: most of a file is the
    // ends of lines passed over.
    const __m128i newline = _mm_set1_epi8('\n');
    const __m128i carriageReturn = _mm_set1_epi8('\r');
    while (end - p >= 16) {
        __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        int hits = _mm_movemask_epi8(
            _mm_or_si128(_mm_cmpeq_epi8(bytes, newline), _mm_cmpeq_epi8(bytes, carriageReturn)));
        if (hits)
            return p + __builtin_ctz(static_cast<unsigned>(hits));
        p += 16;
    }
#endif
    while (p < end && !isAseLineEnd(*p))
        ++p;
    return p;
}

bool AseScanner::readFloatByStrtof(float* value) {
    // strtof wants a terminated string; no number in a model file is longer.
    char digits[64];
    size_t n = 0;
    while (at + n < end && n + 1 < sizeof digits && !isAseBlank(at[n]) && at[n] != '\0') {
        digits[n] = at[n];
        ++n;
    }
    digits[n] = '\0';
    char* stop = digits;
    float parsed = std::strtof(digits, &stop);
    if (stop == digits)
        return false;
    *value = parsed;
    at += stop - digits;
    return true;
}

bool AseScanner::readQuotedWord(std::string_view* word) {
    skipBlanks();
    if (!accept('"'))
        return false;
    return nextWord(word);
}

namespace {

// Exact in an x87 extended double, whose 64-bit significand holds 5^27.
constexpr long double POWERS[] = {1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,
                                  1e7L,  1e8L,  1e9L,  1e10L, 1e11L, 1e12L, 1e13L,
                                  1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L, 1e20L,
                                  1e21L, 1e22L, 1e23L, 1e24L, 1e25L, 1e26L, 1e27L};
constexpr int MAX_POWER = 27;
constexpr bool WIDE_LONG_DOUBLE = std::numeric_limits<long double>::digits >= 64;

} // namespace

// Rounded once to 64 bits, then to a float: right unless the first rounding
// landed exactly halfway between two floats, where the second cannot know
// which way the exact value lay.
bool roundDecimal(uint64_t digits, int exponent, float* magnitude) {
    if (!WIDE_LONG_DOUBLE || exponent > MAX_POWER || exponent < -MAX_POWER)
        return false;
    long double wide = static_cast<long double>(digits);
    wide = exponent >= 0 ? wide * POWERS[exponent] : wide / POWERS[-exponent];
    float narrow = static_cast<float>(wide);
    if (!(narrow >= FLT_MIN && narrow <= FLT_MAX))
        return false;
    long double back = narrow;
    if (back != wide) {
        float neighbour =
            std::nextafter(narrow, wide > back ? std::numeric_limits<float>::infinity() : 0.0f);
        if (wide == (back + static_cast<long double>(neighbour)) / 2)
            return false;
    }
    *magnitude = narrow;
    return true;
}
