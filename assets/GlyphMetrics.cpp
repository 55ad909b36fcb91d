#include "assets/GlyphMetrics.h"

#include <algorithm>

bool measureGlyphs(const TgaImage& image, GlyphMetrics* metrics, std::string* error) {
    const std::string size = std::to_string(image.width) + " x " + std::to_string(image.height);
    if (image.channels != 4) {
        *error = "a glyph sheet needs an alpha channel; this " + size + " image has none";
        return false;
    }
    const int cell = image.width / GLYPH_COLUMNS;
    if (cell == 0 || image.width != cell * GLYPH_COLUMNS || image.height != cell * GLYPH_ROWS) {
        *error = "a glyph sheet is 16 x 8 square cells; this image is " + size;
        return false;
    }
    GlyphMetrics measured;
    for (int code = 0; code < GLYPH_COUNT; ++code) {
        const int cellLeft = code % GLYPH_COLUMNS * cell;
        // Rows come bottom first: the top row of cells is at the end.
        const int cellFirstRow = (GLYPH_ROWS - 1 - code / GLYPH_COLUMNS) * cell;
        int first = cell, last = -1;
        for (int row = cellFirstRow; row < cellFirstRow + cell; ++row) {
            const uint8_t* texel =
                &image.pixels[(static_cast<size_t>(row) * image.width + cellLeft) * 4];
            for (int x = 0; x < cell; ++x)
                if (texel[x * 4 + 3] != 0) {
                    first = std::min(first, x);
                    last = std::max(last, x);
                }
        }
        if (last >= first) {
            measured.left[code] = static_cast<float>(first) / cell;
            measured.width[code] = static_cast<float>(last - first + 1) / cell;
        }
    }
    measured.left[' '] = 0;
    measured.width[' '] = SPACE_ADVANCE;
    *metrics = measured;
    return true;
}

int shownGlyph(char c) {
    const unsigned char code = static_cast<unsigned char>(c);
    return code >= ' ' && code <= '~' ? code : '?';
}

float glyphLineWidth(const GlyphMetrics& metrics, std::string_view text, float height) {
    if (text.empty())
        return 0;
    float cells = GLYPH_GAP * static_cast<float>(text.size() - 1);
    for (char c : text)
        cells += metrics.width[shownGlyph(c)];
    return cells * height;
}
