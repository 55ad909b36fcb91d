#include "assets/GlyphMetrics.h"

#include <gtest/gtest.h>
#include <string>

namespace {

constexpr int CELL = 8;

// A blank sheet of 8-texel cells, rows bottom first as readTga gives them.
TgaImage blankSheet(int cell = CELL, int channels = 4) {
    TgaImage image;
    image.channels = channels;
    image.width = GLYPH_COLUMNS * cell;
    image.height = GLYPH_ROWS * cell;
    image.pixels.assign(static_cast<size_t>(image.width) * image.height * channels, 0);
    return image;
}

// Sets the texel at (x, y) of glyph code's cell, y from the cell's top as
// the picture is seen.
void setTexel(TgaImage& image, int code, int x, int y, uint8_t alpha, uint8_t colour = 255) {
    const int column = code % GLYPH_COLUMNS * CELL + x;
    const int fromTop = code / GLYPH_COLUMNS * CELL + y;
    const int row = image.height - 1 - fromTop;
    uint8_t* texel = &image.pixels[(static_cast<size_t>(row) * image.width + column) * 4];
    texel[0] = texel[1] = texel[2] = colour;
    texel[3] = alpha;
}

GlyphMetrics measured(const TgaImage& image) {
    GlyphMetrics metrics;
    std::string error;
    EXPECT_TRUE(measureGlyphs(image, &metrics, &error)) << error;
    return metrics;
}

std::string refusal(const TgaImage& image) {
    GlyphMetrics metrics;
    metrics.width['A'] = 0.5f; // must stay untouched
    std::string error;
    EXPECT_FALSE(measureGlyphs(image, &metrics, &error));
    EXPECT_EQ(metrics.width['A'], 0.5f);
    return error;
}

} // namespace

TEST(GlyphMetrics, InkIsMeasuredFromAlphaInCellSides) {
    TgaImage image = blankSheet();
    // 'A' (row 4 from the top) from column 2 to 5, over two rows.
    setTexel(image, 'A', 2, 3, 255);
    setTexel(image, 'A', 5, 6, 1); // the faintest edge is ink too
    // Top and bottom rows of cells: read the other way up, they would swap.
    setTexel(image, 1, 1, 0, 255);
    setTexel(image, 113, 6, 7, 255);
    // Ink at a cell's right edge stays out of the next cell.
    setTexel(image, 'B', 7, 4, 255);
    // Colour alone, as bled into hidden texels, is no ink.
    for (int x = 0; x < CELL; ++x)
        setTexel(image, 'C', x, 4, 0, 200);

    const GlyphMetrics metrics = measured(image);
    EXPECT_FLOAT_EQ(metrics.left['A'], 2.0f / CELL);
    EXPECT_FLOAT_EQ(metrics.width['A'], 4.0f / CELL);
    EXPECT_FLOAT_EQ(metrics.left[1], 1.0f / CELL);
    EXPECT_FLOAT_EQ(metrics.width[1], 1.0f / CELL);
    EXPECT_FLOAT_EQ(metrics.left[113], 6.0f / CELL);
    EXPECT_FLOAT_EQ(metrics.left[17], 0);
    EXPECT_FLOAT_EQ(metrics.width[17], 0) << "row 1's cell under code 1 is empty";
    EXPECT_FLOAT_EQ(metrics.left['B'], 7.0f / CELL);
    EXPECT_FLOAT_EQ(metrics.width['B'], 1.0f / CELL);
    EXPECT_FLOAT_EQ(metrics.width['C'], 0);
    EXPECT_FLOAT_EQ(metrics.width['D'], 0);
}

TEST(GlyphMetrics, EmptyCellsHaveNoWidthAndTheSpaceAFixedAdvance) {
    TgaImage image = blankSheet();
    setTexel(image, ' ', 0, 0, 255); // ink in the space's cell changes nothing
    const GlyphMetrics metrics = measured(image);
    for (int code = 0; code < GLYPH_COUNT; ++code) {
        if (code == ' ')
            continue;
        EXPECT_EQ(metrics.width[code], 0) << "code " << code;
        EXPECT_EQ(metrics.left[code], 0) << "code " << code;
    }
    EXPECT_FLOAT_EQ(metrics.left[' '], 0);
    EXPECT_FLOAT_EQ(metrics.width[' '], SPACE_ADVANCE);
    // Any square cell size measures to the same shares.
    TgaImage large = blankSheet(64);
    EXPECT_FLOAT_EQ(measured(large).width[' '], SPACE_ADVANCE);
}

TEST(GlyphMetrics, RefusesImagesThatAreNotASheet) {
    EXPECT_NE(refusal(blankSheet(CELL, 3)).find("alpha"), std::string::npos);
    TgaImage square = blankSheet();
    square.height = square.width; // 16 x 16 cells
    square.pixels.resize(static_cast<size_t>(square.width) * square.height * 4);
    EXPECT_NE(refusal(square).find("128 x 128"), std::string::npos);
    TgaImage uneven = blankSheet();
    uneven.width = 100, uneven.height = 50; // cells of 6.25 texels
    uneven.pixels.resize(100 * 50 * 4);
    EXPECT_NE(refusal(uneven).find("100 x 50"), std::string::npos);
    TgaImage tiny = blankSheet();
    tiny.width = 8, tiny.height = 4;
    tiny.pixels.resize(8 * 4 * 4);
    EXPECT_NE(refusal(tiny).find("16 x 8"), std::string::npos);
    TgaImage none;
    none.channels = 4;
    refusal(none);
}

TEST(GlyphMetrics, LinesAreMeasuredFromInkToInkWithGaps) {
    GlyphMetrics metrics;
    metrics.width['A'] = 0.5f;
    metrics.width['i'] = 0.125f;
    metrics.width['?'] = 0.25f;
    metrics.width[' '] = SPACE_ADVANCE;
    EXPECT_FLOAT_EQ(glyphLineWidth(metrics, "", 64), 0);
    EXPECT_FLOAT_EQ(glyphLineWidth(metrics, "A", 64), 32);
    EXPECT_FLOAT_EQ(glyphLineWidth(metrics, "Ai", 64), (0.625f + GLYPH_GAP) * 64);
    EXPECT_FLOAT_EQ(glyphLineWidth(metrics, "A i", 32),
                    (0.625f + SPACE_ADVANCE + 2 * GLYPH_GAP) * 32);
    // Bytes the sheet has no glyph for take the question mark's width, one
    // each: a two-byte letter shows as two.
    EXPECT_FLOAT_EQ(glyphLineWidth(metrics, "\xC3\xA9", 64), (0.5f + GLYPH_GAP) * 64);
    EXPECT_FLOAT_EQ(glyphLineWidth(metrics, std::string("\0\x7F", 2), 64), (0.5f + GLYPH_GAP) * 64);
}

TEST(GlyphMetrics, OnlyPrintableAsciiIsShownAsItself) {
    EXPECT_EQ(shownGlyph(' '), ' ');
    EXPECT_EQ(shownGlyph('!'), '!');
    EXPECT_EQ(shownGlyph('~'), '~');
    EXPECT_EQ(shownGlyph('\x1F'), '?');
    EXPECT_EQ(shownGlyph('\x7F'), '?');
    EXPECT_EQ(shownGlyph('\n'), '?');
    EXPECT_EQ(shownGlyph('\xE9'), '?');
}
