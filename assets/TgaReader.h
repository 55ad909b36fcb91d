#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Images wider or taller than this are refused: the largest texture any
// graphics card of the game's era takes, and far beyond any image it needs.
constexpr int32_t MAX_TGA_SIDE = 8192;

// A decoded image: rows in the file's order, red, green, blue (, alpha).
struct TgaImage {
    int32_t channels = 0, width = 0, height = 0;
    std::vector<uint8_t> pixels;
    // The file ended before its last pixel; the missing pixels are zero.
    bool truncated = false;
};

// Decodes a TGA file held in memory: true-colour images only, uncompressed
// (16, 24 or 32 bits) or run-length encoded (24 or 32 bits). On failure
// returns false with a short description of the fault in *error.
bool decodeTga(const uint8_t* data, size_t size, TgaImage* image, std::string* error);

// Reads and decodes one TGA file; "file not found" when there is none.
bool readTga(const char* path, TgaImage* image, std::string* error);
