#include "assets/AseScanner.h"

#include <cstdlib>

static bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

void AseScanner::skipBlanks() {
    while (at < end && isBlank(*at))
        ++at;
}

bool AseScanner::nextWord(std::string_view* word) {
    skipBlanks();
    if (at == end)
        return false;
    const char* start = at;
    while (at < end && !isBlank(*at))
        ++at;
    *word = std::string_view(start, static_cast<size_t>(at - start));
    return true;
}

void AseScanner::discardLine() {
    while (at < end && *at != '\n' && *at != '\r')
        ++at;
}

bool AseScanner::accept(char c) {
    if (at < end && *at == c) {
        ++at;
        return true;
    }
    return false;
}

bool AseScanner::readInt(int32_t* value) {
    skipBlanks();
    const char* p = at;
    bool negative = false;
    if (p < end && (*p == '+' || *p == '-'))
        negative = *p++ == '-';
    if (p == end || *p < '0' || *p > '9')
        return false;
    int64_t magnitude = 0;
    for (; p < end && *p >= '0' && *p <= '9'; ++p)
        if (magnitude <= INT32_MAX)
            magnitude = magnitude * 10 + (*p - '0');
    if (negative)
        magnitude = -magnitude;
    *value = static_cast<int32_t>(magnitude < INT32_MIN   ? INT32_MIN
                                  : magnitude > INT32_MAX ? INT32_MAX
                                                          : magnitude);
    at = p;
    return true;
}

bool AseScanner::readFloat(float* value) {
    skipBlanks();
    // strtof wants a terminated string; no number in a model file is longer.
    char digits[64];
    size_t n = 0;
    while (at + n < end && n + 1 < sizeof digits && !isBlank(at[n]) && at[n] != '\0') {
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
