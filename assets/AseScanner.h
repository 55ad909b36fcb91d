#pragma once

#include <cstdint>
#include <string_view>

// Longest word the ASE reader keeps: its word buffer is 255 bytes with the
// terminator. Longer words are read whole but kept cut to this length.
constexpr size_t ASE_WORD_LIMIT = 254;

// Reads an ASE text the way a formatted stream read would: words are runs of
// non-blank characters, numbers skip leading blanks. Never reads outside
// [begin, end), whatever the bytes are.
struct AseScanner {
    const char* begin = nullptr;
    const char* end = nullptr;
    const char* at = nullptr;

    AseScanner(const char* text, size_t size) : begin(text), end(text + size), at(text) {}

    void seek(const char* position) { at = position; }
    void skipBlanks();
    // The next word, or false at the end of the text.
    bool nextWord(std::string_view* word);
    // Passes over the rest of the current line, however long it is; a lone
    // CR ends a line too.
    void discardLine();
    // The next character if it is c.
    bool accept(char c);
    // A decimal integer after optional blanks; out-of-range values clamp.
    bool readInt(int32_t* value);
    // A floating-point number after optional blanks.
    bool readFloat(float* value);
    // Optional blanks, an opening double quote, then the next word (which may
    // follow further blanks, as a formatted read would allow).
    bool readQuotedWord(std::string_view* word);
};
