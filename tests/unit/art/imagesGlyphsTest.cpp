// The glyph sheet as the renderer reads it: through the game's TGA reader
// and its glyph measure.
#include "GameData.h"
#include "assets/GlyphMetrics.h"
#include "assets/TgaReader.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

namespace {

constexpr int CELL = 64;

struct Sheet {
    std::vector<uint8_t> bytes;
    TgaImage image;
};

Sheet paintSheet() {
    Font font;
    std::string error;
    EXPECT_TRUE(loadFont(LETTERING_FONT, &font, &error)) << error;
    Sheet sheet;
    sheet.bytes = encodeTga(glyphSheetFile().paint(font), glyphSheetFile().format);
    EXPECT_TRUE(decodeTga(sheet.bytes.data(), sheet.bytes.size(), &sheet.image, &error)) << error;
    return sheet;
}

const Sheet& painted() {
    static const Sheet once = paintSheet();
    return once;
}

// Red, green, blue, alpha at (x, y) of glyph code's cell, y from the cell's
// top as the picture is seen.
const uint8_t* texel(const TgaImage& image, int code, int x, int y) {
    const int column = code % 16 * CELL + x;
    const int row = image.height - 1 - (code / 16 * CELL + y);
    return &image.pixels[(static_cast<size_t>(row) * image.width + column) * 4];
}

// The box of a cell's texels that pass `keep`, in cell texels.
struct Box {
    int left = CELL, right = -1, top = CELL, bottom = -1;
    bool empty() const { return right < left; }
};

template <typename Keep> Box boxOf(const TgaImage& image, int code, Keep keep) {
    Box box;
    for (int y = 0; y < CELL; ++y)
        for (int x = 0; x < CELL; ++x)
            if (keep(texel(image, code, x, y))) {
                box.left = std::min(box.left, x), box.right = std::max(box.right, x);
                box.top = std::min(box.top, y), box.bottom = std::max(box.bottom, y);
            }
    return box;
}

bool anyInk(const uint8_t* p) {
    return p[3] != 0;
}

// The white letter itself, not its outline.
bool fill(const uint8_t* p) {
    return p[3] == 255 && p[0] > 200 && p[1] > 200 && p[2] > 200;
}

bool darkOutline(const uint8_t* p) {
    return p[3] == 255 && p[0] < 60 && p[1] < 60 && p[2] < 90;
}

} // namespace

TEST(ImagesGlyphs, SheetIsTheSameOnEveryRunAndReadsAsASheet) {
    EXPECT_STREQ(glyphSheetFile().name, "glyphs.tga");
    EXPECT_EQ(paintSheet().bytes, painted().bytes);
    const TgaImage& image = painted().image;
    EXPECT_EQ(image.width, 1024);
    EXPECT_EQ(image.height, 512);
    EXPECT_EQ(image.channels, 4);
    EXPECT_FALSE(image.truncated);
    GlyphMetrics metrics;
    std::string error;
    EXPECT_TRUE(measureGlyphs(image, &metrics, &error)) << error;
}

TEST(ImagesGlyphs, EveryPrintableGlyphKeepsInsideItsCell) {
    const TgaImage& image = painted().image;
    int commonLeft = -1;
    for (int code = 0; code < 128; ++code) {
        const Box ink = boxOf(image, code, anyInk);
        if (code <= ' ' || code == 127) {
            EXPECT_TRUE(ink.empty()) << "code " << code << " has ink";
            continue;
        }
        ASSERT_FALSE(ink.empty()) << "'" << char(code) << "' has no ink";
        // A clear gutter on every side keeps neighbours apart in the smaller
        // mipmap levels; the right and bottom ones are the tight ones.
        EXPECT_GE(ink.left, 2) << "'" << char(code) << "'";
        EXPECT_GE(ink.top, 1) << "'" << char(code) << "'";
        EXPECT_LE(ink.right, CELL - 3) << "'" << char(code) << "' reaches the right edge";
        EXPECT_LE(ink.bottom, CELL - 2) << "'" << char(code) << "' reaches the bottom edge";
        if (commonLeft < 0)
            commonLeft = ink.left;
        EXPECT_NEAR(ink.left, commonLeft, 1) << "'" << char(code) << "' starts elsewhere";
        EXPECT_FALSE(boxOf(image, code, fill).empty()) << "'" << char(code) << "' has no fill";
    }
}

TEST(ImagesGlyphs, LettersStandOnOneBaselineInADarkOutline) {
    const TgaImage& image = painted().image;
    const Box h = boxOf(image, 'H', fill);
    ASSERT_FALSE(h.empty());
    const int cap = h.bottom - h.top + 1;
    EXPECT_GE(cap, 35);
    EXPECT_LE(cap, 42);
    // Flat-footed letters and digits end on the same row; flat-topped
    // capitals start on the same row.
    for (char c : std::string("EFHIKLNTXZxz1247")) {
        const Box box = boxOf(image, c, fill);
        EXPECT_NEAR(box.bottom, h.bottom, 1) << "'" << c << "' stands elsewhere";
    }
    for (char c : std::string("EFHIKLNTXZ57")) {
        const Box box = boxOf(image, c, fill);
        EXPECT_NEAR(box.top, h.top, 1) << "'" << c << "' is another height";
    }
    // Descenders go below the baseline, within the cell.
    for (char c : std::string("gjpqy")) {
        const Box box = boxOf(image, c, fill);
        EXPECT_GT(box.bottom, h.bottom + 5) << "'" << c << "'";
    }
    // The outline, about 3 texels, round every letter: solid and dark just
    // left of the H's stem and just under its foot (past the fill's own
    // soft edge).
    const int middle = (h.top + h.bottom) / 2;
    int darkLeft = 0, darkBelow = 0;
    for (int d = 1; d <= 3; ++d) {
        darkLeft += darkOutline(texel(image, 'H', h.left - d, middle));
        darkBelow += darkOutline(texel(image, 'H', h.left + 2, h.bottom + d));
    }
    EXPECT_GE(darkLeft, 1);
    EXPECT_GE(darkBelow, 1);
    const Box solid = boxOf(image, 'H', [](const uint8_t* p) { return p[3] == 255; });
    EXPECT_GE(h.left - solid.left, 2);
    EXPECT_LE(h.left - solid.left, 4);
    EXPECT_GE(solid.bottom - h.bottom, 2);
    EXPECT_LE(solid.bottom - h.bottom, 4);
}

TEST(ImagesGlyphs, MeasuredWidthsSetTextProportionally) {
    GlyphMetrics metrics;
    std::string error;
    ASSERT_TRUE(measureGlyphs(painted().image, &metrics, &error)) << error;
    // A narrow letter is measured narrow and a wide one wide.
    EXPECT_LT(metrics.width['i'], metrics.width['n']);
    EXPECT_LT(metrics.width['n'], metrics.width['m']);
    EXPECT_LT(metrics.width['I'], metrics.width['W'] / 3);
    EXPECT_LE(metrics.left['W'] + metrics.width['W'], 1);
    EXPECT_GT(glyphLineWidth(metrics, "WWW", 64), glyphLineWidth(metrics, "iii", 64) * 3);
}
