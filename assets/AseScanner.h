#pragma once

#include <cfloat>
#include <cstdint>
#include <string_view>

// Longest word the ASE reader keeps: its word buffer is 255 bytes with the
// terminator. Longer words are read whole but kept cut to this length.
constexpr size_t ASE_WORD_LIMIT = 254;

// Space, tab, LF, VT, FF or CR: what a formatted read skips.
inline bool isAseBlank(char c) {
    return c == ' ' || static_cast<unsigned char>(c - '\t') <= '\r' - '\t';
}

// digits * 10^exponent correctly rounded to a float, or false when it cannot
// be sure of the rounding (the result would be subnormal or overflow, or lies
// too close to halfway between two floats).
bool roundDecimal(uint64_t digits, int exponent, float* magnitude);

// Reads a number the way std::strtof reads one at the start of [at, end)
// (C locale): the same float and the same characters consumed. Decides the
// plain decimal forms models are written in ("-41.5000", "0.25", "1e-3") on
// its own, correctly rounded; returns nullptr for anything else (no digits,
// hex, inf, nan, more than 19 digits, 40 characters or more, a result it
// cannot round with certainty), which strtof must then decide. Otherwise
// returns the character after the number. Inline: a model is mostly numbers.
[[gnu::always_inline]] inline const char* readPlainDecimal(const char* at, const char* end,
                                                           float* value) {
    // Nothing from stop on is looked at; a number that reaches it is left to
    // strtof, as it may go on beyond.
    const char* stop = end - at > 40 ? at + 40 : end;
    uint64_t digits = 0; // wraps past 19 digits, which are refused below
    // Appends the run of digits at p to digits, and moves p past it.
    auto run = [stop, &digits](const char*& p) {
        for (unsigned digit; p < stop && (digit = static_cast<unsigned char>(*p - '0')) <= 9; ++p)
            digits = digits * 10 + digit;
    };
    const char* p = at;
    // Without a branch: signs come and go from one number to the next.
    bool negative = p < stop && *p == '-';
    p += negative || (p < stop && *p == '+');
    const char* whole = p;
    run(p);
    long count = p - whole;
    // strtof reads "0x..." as hexadecimal.
    if (count == 1 && *whole == '0' && p < stop && (*p == 'x' || *p == 'X'))
        return nullptr;
    int exponent = 0;
    if (p < stop && *p == '.') {
        const char* fraction = ++p;
        run(p);
        exponent = -static_cast<int>(p - fraction);
        count += p - fraction;
    }
    if (count == 0 || count > 19)
        return nullptr; // ".", "-", "inf", "nan" or a long number: strtof decides
    // An exponent counts only with a digit; otherwise the number ends before
    // the 'e'.
    const char* looked = p;
    if (p < stop && (*p == 'e' || *p == 'E')) {
        const char* q = p + 1;
        bool negativeExponent = false;
        if (q < stop && (*q == '+' || *q == '-'))
            negativeExponent = *q++ == '-';
        unsigned digit;
        if (q < stop && (digit = static_cast<unsigned char>(*q - '0')) <= 9) {
            int written = 0;
            for (; q < stop && (digit = static_cast<unsigned char>(*q - '0')) <= 9; ++q)
                if (written < 100000) // far beyond any float already
                    written = written * 10 + static_cast<int>(digit);
            exponent += negativeExponent ? -written : written;
            p = q;
        }
        looked = q;
    }
    if (looked >= stop && stop != end)
        return nullptr;

    float magnitude;
    if (digits == 0) {
        magnitude = 0;
    } else if (FLT_EVAL_METHOD == 0 && digits <= (uint64_t{1} << 24) && exponent >= -10 &&
               exponent <= 10) {
        // Both operands exact in a float (5^10 < 2^24), so one correctly
        // rounded operation.
        static constexpr float POWERS[] = {1e0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f,
                                           1e6f, 1e7f, 1e8f, 1e9f, 1e10f};
        float w = static_cast<float>(digits);
        magnitude = exponent >= 0 ? w * POWERS[exponent] : w / POWERS[-exponent];
    } else if (!roundDecimal(digits, exponent, &magnitude)) {
        return nullptr;
    }
    *value = negative ? -magnitude : magnitude;
    return p;
}

// A lone CR ends a line as LF does.
inline bool isAseLineEnd(char c) {
    return c == '\n' || c == '\r';
}

// The first line end at or after p, or end.
const char* findAseLineEnd(const char* p, const char* end);

// Reads an ASE text the way a formatted stream read would: words are runs of
// non-blank characters, numbers skip leading blanks. Never reads outside
// [begin, end), whatever the bytes are. The calls made for every number are
// defined here, to be inlined.
struct AseScanner {
    const char* begin = nullptr;
    const char* end = nullptr;
    const char* at = nullptr;

    AseScanner(const char* text, size_t size) : begin(text), end(text + size), at(text) {}

    void seek(const char* position) { at = position; }

    void skipBlanks() {
        while (at < end && isAseBlank(*at))
            ++at;
    }

    // The next word, or false at the end of the text.
    bool nextWord(std::string_view* word) {
        skipBlanks();
        if (at == end)
            return false;
        const char* start = at;
        while (at < end && !isAseBlank(*at))
            ++at;
        *word = std::string_view(start, static_cast<size_t>(at - start));
        return true;
    }

    // Passes over the rest of the current line, however long it is; a lone
    // CR ends a line too.
    void discardLine() { at = findAseLineEnd(at, end); }

    // The next character if it is c.
    bool accept(char c) {
        if (at < end && *at == c) {
            ++at;
            return true;
        }
        return false;
    }

    // A decimal integer after optional blanks; out-of-range values clamp.
    bool readInt(int32_t* value) {
        skipBlanks();
        const char* p = at;
        bool negative = false;
        if (p < end && (*p == '+' || *p == '-'))
            negative = *p++ == '-';
        if (p == end || static_cast<unsigned char>(*p - '0') > 9)
            return false;
        int64_t magnitude = 0;
        for (unsigned digit; p < end && (digit = static_cast<unsigned char>(*p - '0')) <= 9; ++p)
            if (magnitude <= INT32_MAX) // held once past the range
                magnitude = magnitude * 10 + digit;
        if (negative)
            magnitude = -magnitude;
        *value = static_cast<int32_t>(magnitude < INT32_MIN   ? INT32_MIN
                                      : magnitude > INT32_MAX ? INT32_MAX
                                                              : magnitude);
        at = p;
        return true;
    }

    // A floating-point number after optional blanks, read as strtof reads it.
    bool readFloat(float* value) {
        skipBlanks();
        if (const char* after = readPlainDecimal(at, end, value)) {
            at = after;
            return true;
        }
        return readFloatByStrtof(value);
    }

    // Optional blanks, an opening double quote, then the next word (which may
    // follow further blanks, as a formatted read would allow).
    bool readQuotedWord(std::string_view* word);

  private:
    bool readFloatByStrtof(float* value);
};
