// The glyph sheet the renderer writes free text with: one 64 x 64 cell a
// character code, 16 to a row, row 0 at the top. White letters in a dark
// outline read over any picture, and a tint from the caller colours the
// white alone. Each glyph's ink starts at the same small margin from its
// cell's left edge, so the renderer measures it and sets the letters
// proportionally; the empty gutters round every glyph keep neighbours out
// of each other's smaller mipmap levels.
#include "Paintings.h"

#include <algorithm>
#include <string>

namespace {

constexpr int CELL = 64;
constexpr int COLUMNS = 16, ROWS = 8;
constexpr int FIRST_DRAWN = 33, LAST_DRAWN = 126;
// Capital height: as tall as the tallest accent and the deepest descender
// allow within the gutters below.
constexpr float CAP = 37;
constexpr float OUTLINE = 3;
// Clear texels between a glyph's outline and its cell's left edge; on the
// right the widest glyph keeps at least as many, narrowed if it must be.
constexpr float MARGIN = 3;

struct Reach {
    float above = 0, below = 0; // ink over and under the baseline, in pixels
};

// The tallest and deepest ink of the drawn characters, outline included.
Reach verticalReach(const Font& font) {
    const float scale = CAP / font.capHeightUnits;
    Reach reach;
    for (int c = FIRST_DRAWN; c <= LAST_DRAWN; ++c) {
        int x0, y0, x1, y1;
        if (!stbtt_GetCodepointBox(&font.info, c, &x0, &y0, &x1, &y1))
            continue;
        reach.above = std::max(reach.above, y1 * scale);
        reach.below = std::max(reach.below, -y0 * scale);
    }
    // The outline's soft edge and the rasteriser's own reach half a pixel
    // beyond the brush each.
    reach.above += OUTLINE + 1;
    reach.below += OUTLINE + 1;
    return reach;
}

// One cell's letter and outline, painted into the sheet at (left, top).
void paintGlyph(Canvas& sheet, const Font& font, int code, int left, int top, float baseline) {
    const std::string text(1, static_cast<char>(code));
    // Outline and softened edges on either side of the ink.
    const float room = CELL - 2 * MARGIN - 2 * (OUTLINE + 1);
    const float natural = lineWidth(font, text, CAP, 1);
    const float stretchX = natural > room ? room / natural : 1;
    const float inkWidth = natural * stretchX;
    const float inkLeft = MARGIN + OUTLINE + 1;
    const Mask letter =
        letterLine(font, CELL, CELL, text, inkLeft + inkWidth / 2, baseline, CAP, stretchX);
    const Mask outline = dilate(letter, OUTLINE, OUTLINE);
    const Rgba fill = hexColour(0xFFFFFF);
    for (int y = 0; y < CELL; ++y)
        for (int x = 0; x < CELL; ++x) {
            sheet.blend(left + x, top + y, INK, outline.at(x, y));
            sheet.blend(left + x, top + y, fill, letter.at(x, y));
        }
}

} // namespace

Canvas paintGlyphSheet(const Font& font) {
    Canvas sheet = Canvas::blank(COLUMNS * CELL, ROWS * CELL);
    // Filtering at the edges of the ink pulls in the outline's colour, never
    // a stray one.
    sheet.hiddenColour = Rgba{INK.r, INK.g, INK.b, 0};
    const Reach reach = verticalReach(font);
    const float baseline = (CELL - reach.above - reach.below) / 2 + reach.above;
    for (int code = FIRST_DRAWN; code <= LAST_DRAWN; ++code)
        paintGlyph(sheet, font, code, code % COLUMNS * CELL, code / COLUMNS * CELL, baseline);
    return sheet;
}
