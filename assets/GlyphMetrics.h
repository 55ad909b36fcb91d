// Where each glyph of a glyph sheet has ink, so text can be set
// proportionally from a sheet of equal cells.
#pragma once

#include "assets/TgaReader.h"

#include <string>
#include <string_view>

// A sheet is 16 columns by 8 rows of square cells, cell n for character code
// n, row 0 at the top of the picture.
constexpr int GLYPH_COLUMNS = 16;
constexpr int GLYPH_ROWS = 8;
constexpr int GLYPH_COUNT = GLYPH_COLUMNS * GLYPH_ROWS;

// Lengths along a line are in cell sides, so they scale with the height the
// text is drawn at.
constexpr float SPACE_ADVANCE = 0.3f;  // how far a space moves the next glyph on
constexpr float GLYPH_GAP = 1.0f / 64; // between one glyph's ink and the next's

struct GlyphMetrics {
    // The ink's first column, from the cell's left edge, and its width,
    // outline included, both in cell sides. An empty cell has width 0; the
    // space has no ink and SPACE_ADVANCE as its width.
    float left[GLYPH_COUNT] = {};
    float width[GLYPH_COUNT] = {};
};

// Measures the alpha channel of a decoded sheet (rows bottom first, as
// readTga gives them). Refuses, with the reason in *error, an image without
// alpha or one that is not 16 x 8 square cells.
bool measureGlyphs(const TgaImage& image, GlyphMetrics* metrics, std::string* error);

// The cell a byte of text is drawn from: printable ASCII and the space as
// themselves, anything else as '?'.
int shownGlyph(char c);

// Width of a line of text drawn with cells `height` tall: from the first
// glyph's ink to the last one's, in the units of `height`.
float glyphLineWidth(const GlyphMetrics& metrics, std::string_view text, float height);
