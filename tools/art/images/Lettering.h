// Text from a TrueType font as coverage masks, stretched so that it looks
// right after the game squeezes the picture onto its quad.
#pragma once

#include "Canvas.h"

#include <stb_truetype.h>

#include <string>
#include <string_view>
#include <vector>

constexpr const char* LETTERING_FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

struct Font {
    std::vector<unsigned char> data;
    stbtt_fontinfo info{};
    float capHeightUnits = 0; // height of 'H' in font units
};

bool loadFont(const char* path, Font* font, std::string* error);

// Text is UTF-8, so a line may use any letter or sign the font has.
std::vector<int> codepoints(std::string_view utf8);

// Width in canvas pixels of a line whose capitals are capHeight pixels tall and
// whose letters are widened by `stretchX`.
float lineWidth(const Font& font, std::string_view text, float capHeight, float stretchX);
// Cap height that makes the line fit both limits.
float fittingCapHeight(const Font& font, std::string_view text, float maxWidth, float maxCap,
                       float stretchX);
Mask letterLine(const Font& font, int width, int height, std::string_view text, float centreX,
                float baselineY, float capHeight, float stretchX);

// Grows a mask by an elliptical brush: outlines that stay even after stretching.
Mask dilate(const Mask& mask, float radiusX, float radiusY);
Mask shifted(const Mask& mask, int dx, int dy);
