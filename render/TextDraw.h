// Free text in the overlay from the glyph sheet: menus and notes any
// length, at any height, in whatever colour is current.
#pragma once

#include "assets/GlyphMetrics.h"

#include <cstdint>
#include <string>
#include <string_view>

constexpr const char* GLYPH_SHEET_FILE = "glyphs.tga";

struct GlyphSheet {
    uint32_t texture = 0;
    GlyphMetrics metrics;
    bool loaded() const { return texture != 0; }
};

// Reads, measures and uploads the sheet at path (mipmapped). On failure
// returns false with the reason, naming the file, in *error, and leaves
// *sheet as it was: a fresh one stays unloaded. Needs a GL context.
bool loadGlyphSheet(GlyphSheet* sheet, const std::string& path, std::string* error);

// Width in overlay pixels of a line whose cells are `height` tall.
float textWidth(const GlyphSheet& sheet, std::string_view text, float height);

// One line in overlay pixels (1280 x 960, origin top left, y down; the
// caller has the overlay set up): the first glyph's ink starts at x, the
// cells span top to top + height. Tinted by the current colour. Texturing,
// blending and the state they need are set here and restored after; an
// unloaded sheet draws nothing. Bytes outside 32..126 show as '?'.
void drawText(const GlyphSheet& sheet, std::string_view text, float x, float top, float height);
void drawTextCentred(const GlyphSheet& sheet, std::string_view text, float centreX, float top,
                     float height);
