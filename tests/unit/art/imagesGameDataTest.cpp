// The painter's real output, read back through the game's own TGA reader.
#include "GameData.h"
#include "assets/TgaReader.h"
#include "tests/unit/assets/TempFolder.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <set>

namespace {

struct Painted {
    TempFolder folder;
    std::map<std::string, TgaImage> images;

    Painted() {
        std::string error;
        EXPECT_TRUE(writeGameData(folder.path.string(), &error)) << error;
        for (const ImageFile& file : imageFiles()) {
            TgaImage image;
            std::string path = (folder.path / file.name).string();
            EXPECT_TRUE(readTga(path.c_str(), &image, &error)) << file.name << ": " << error;
            images[file.name] = std::move(image);
        }
    }
};

// Painting takes a second or two; every test looks at the same output.
const Painted& painted() {
    static Painted once;
    return once;
}

std::vector<uint8_t> fileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Alpha (or 255 for RGB) at (x, row) with row 0 the first row of the file,
// which the game shows at t = 0.
int alphaAt(const TgaImage& image, int x, int row) {
    if (image.channels == 3)
        return 255;
    return image.pixels[(static_cast<size_t>(row) * image.width + x) * 4 + 3];
}

int opaqueInRow(const TgaImage& image, int row) {
    int count = 0;
    for (int x = 0; x < image.width; ++x)
        count += alphaAt(image, x, row) == 255 ? 1 : 0;
    return count;
}

// Red, green, blue, alpha of the texel at (x, y), y counted from the top of
// the picture as the game shows it.
const uint8_t* seenAt(const TgaImage& image, int x, int y) {
    return &image.pixels[(static_cast<size_t>(image.height - 1 - y) * image.width + x) * 4];
}

struct Tally {
    int solid = 0;
    // Shown texels (past the HUD's 0.2 alpha test) that stand out from a
    // white picture behind them, and from a black one.
    int darkOnWhite = 0, lightOnBlack = 0;
    int left = 1 << 30, right = -1, top = 1 << 30, bottom = -1; // solid texels' box
};

Tally tally(const TgaImage& image, int y0, int y1) {
    Tally t;
    for (int y = y0; y < y1; ++y)
        for (int x = 0; x < image.width; ++x) {
            const uint8_t* p = seenAt(image, x, y);
            if (p[3] < 51)
                continue;
            const float alpha = p[3] / 255.0f;
            const float luma = (p[0] * 0.3f + p[1] * 0.6f + p[2] * 0.1f) * alpha;
            t.darkOnWhite += luma + 255 * (1 - alpha) < 90;
            t.lightOnBlack += luma > 150;
            if (p[3] != 255)
                continue;
            ++t.solid;
            t.left = std::min(t.left, x);
            t.right = std::max(t.right, x);
            t.top = std::min(t.top, y);
            t.bottom = std::max(t.bottom, y);
        }
    return t;
}

bool isPowerOfTwo(int v) {
    return v > 0 && (v & (v - 1)) == 0;
}

double channelDifference(const TgaImage& image, int x0, int y0, int x1, int y1) {
    double sum = 0;
    for (int c = 0; c < image.channels; ++c)
        sum += std::abs(
            image.pixels[(static_cast<size_t>(y0) * image.width + x0) * image.channels + c] -
            image.pixels[(static_cast<size_t>(y1) * image.width + x1) * image.channels + c]);
    return sum;
}

} // namespace

TEST(ImagesGameData, EveryTextureOfTheTableLoadsWithItsChannels) {
    const std::set<std::string> expected = {
        "cloud1.tga",     "cloud2.tga",     "cloud3.tga",    "moon.tga",      "particle.tga",
        "floor.tga",      "plasma.tga",     "fence.tga",     "shadow.tga",    "palmtree1.tga",
        "coconut.tga",    "hills.tga",      "lamp.tga",      "bike.tga",      "quorel.tga",
        "bush.tga",       "brakelight.tga", "talvik.tga",    "odometer.tga",  "needle.tga",
        "brick.tga",      "arcadetile.tga", "msgp1wins.tga", "msgp2wins.tga", "msghurryup.tga",
        "msggoal.tga",    "msgready.tga",   "msgset.tga",    "msggo.tga",     "msgtitle.tga",
        "msgnumbers.tga", "msgpaused.tga",  "msgchoose.tga", "msgcpu.tga",    "msgeasy.tga",
        "msgnormal.tga",  "msghard.tga"};
    std::set<std::string> written;
    std::set<std::pair<int, int>> layouts;
    for (const ImageFile& file : imageFiles()) {
        written.insert(file.name);
        const TgaImage& image = painted().images.at(file.name);
        EXPECT_EQ(image.channels, file.format.bitsPerPixel / 8) << file.name;
        EXPECT_FALSE(image.truncated) << file.name;
        EXPECT_TRUE(isPowerOfTwo(image.width) && image.width <= 512) << file.name;
        EXPECT_TRUE(isPowerOfTwo(image.height) && image.height <= 512) << file.name;
        std::vector<uint8_t> bytes = fileBytes(painted().folder.path / file.name);
        layouts.insert({bytes[2], bytes[16]});
    }
    EXPECT_EQ(written, expected);
    // Raw and run-length files, 24 and 32 bits: every decoder path runs in play.
    EXPECT_EQ(layouts, (std::set<std::pair<int, int>>{{2, 24}, {2, 32}, {10, 24}, {10, 32}}));
}

TEST(ImagesGameData, CutOutPicturesHaveClearAndSolidTexels) {
    for (const char* name :
         {"cloud1.tga",     "cloud2.tga",    "cloud3.tga",    "moon.tga",      "particle.tga",
          "palmtree1.tga",  "lamp.tga",      "coconut.tga",   "bush.tga",      "brakelight.tga",
          "bike.tga",       "quorel.tga",    "hills.tga",     "talvik.tga",    "odometer.tga",
          "needle.tga",     "fence.tga",     "msgp1wins.tga", "msgp2wins.tga", "msghurryup.tga",
          "msggoal.tga",    "msgready.tga",  "msgset.tga",    "msggo.tga",     "msgtitle.tga",
          "msgnumbers.tga", "msgpaused.tga", "msgchoose.tga", "msgcpu.tga",    "msgeasy.tga",
          "msgnormal.tga",  "msghard.tga"}) {
        const TgaImage& image = painted().images.at(name);
        ASSERT_EQ(image.channels, 4) << name;
        int clear = 0, solid = 0;
        for (size_t i = 3; i < image.pixels.size(); i += 4) {
            clear += image.pixels[i] == 0;
            solid += image.pixels[i] == 255;
        }
        EXPECT_GT(clear, 0) << name;
        EXPECT_GT(solid, 0) << name;
    }
    // The soft shadow has no solid texels at all, only a translucent middle.
    const TgaImage& shadow = painted().images.at("shadow.tga");
    EXPECT_EQ(alphaAt(shadow, 0, 0), 0);
    EXPECT_GT(alphaAt(shadow, 32, 32), 100);
    EXPECT_LT(alphaAt(shadow, 32, 32), 255);
}

TEST(ImagesGameData, UprightPicturesStandOnTheirFirstRow) {
    // Quads map t = 0 (the file's first row) to the bottom: hills are solid
    // there and open to the sky at the top; the tower, palm and lamp stand on it.
    const TgaImage& hills = painted().images.at("hills.tga");
    EXPECT_EQ(opaqueInRow(hills, 0), hills.width);
    EXPECT_EQ(opaqueInRow(hills, hills.height - 1), 0);
    for (const char* name : {"talvik.tga", "palmtree1.tga", "lamp.tga", "quorel.tga", "bike.tga"}) {
        const TgaImage& image = painted().images.at(name);
        EXPECT_GT(opaqueInRow(image, image.height / 16), 0) << name;
        EXPECT_EQ(opaqueInRow(image, image.height - 1), 0) << name;
    }
}

TEST(ImagesGameData, FacadePicturesPassTheirStrictAlphaTest) {
    // Drawn with colour alpha 0.8 and tested at 0.7: texels need alpha >= 224.
    for (const char* name : {"quorel.tga", "bike.tga", "talvik.tga", "hills.tga"}) {
        const TgaImage& image = painted().images.at(name);
        int shown = 0;
        for (size_t i = 3; i < image.pixels.size(); i += 4)
            shown += image.pixels[i] >= 224;
        EXPECT_GT(shown, static_cast<int>(image.pixels.size() / 4 / 10)) << name;
    }
}

TEST(ImagesGameData, RepeatedSurfacesTileWithoutSeams) {
    // Across the wrap, neighbouring texels differ no more than they do inside.
    for (const char* name :
         {"floor.tga", "brick.tga", "arcadetile.tga", "fence.tga", "plasma.tga", "hills.tga"}) {
        const TgaImage& image = painted().images.at(name);
        int w = image.width, h = image.height;
        double inside = 0, seamX = 0, seamY = 0;
        for (int y = 0; y < h; ++y) {
            seamX += channelDifference(image, w - 1, y, 0, y);
            inside += channelDifference(image, w / 2 - 1, y, w / 2, y);
        }
        for (int x = 0; x < w; ++x)
            seamY += channelDifference(image, x, h - 1, x, 0);
        EXPECT_LE(seamX / h, inside / h + 12) << name;
        if (std::string(name) != "hills.tga") { // the band repeats only sideways
            EXPECT_LE(seamY / w, inside / h + 12) << name;
        }
    }
}

TEST(ImagesGameData, NeedleCoversBothPivotsAndPointsLeft) {
    // Two-player pivot: (70, 0) of a 114 x 10 quad; one-player: (180, 10) of 230 x 22.
    const TgaImage& needle = painted().images.at("needle.tga");
    auto alphaAtQuadPoint = [&](float s, float fromTop) {
        int x = std::min(needle.width - 1, static_cast<int>(s * needle.width));
        int row = std::min(needle.height - 1, static_cast<int>((1 - fromTop) * needle.height));
        return alphaAt(needle, x, row);
    };
    EXPECT_GE(alphaAtQuadPoint(70.0f / 114, 0.1f), 51);
    EXPECT_GE(alphaAtQuadPoint(180.0f / 230, 10.0f / 22), 51);
    EXPECT_GE(alphaAtQuadPoint(0.1f, 0.3f), 51) << "the long part lies left of the pivot";
    EXPECT_EQ(alphaAtQuadPoint(0.99f, 0.3f), 0);
}

TEST(ImagesGameData, DigitStripDecimalBandShowsAsADot) {
    // The point is cut from s in [0.7, 1], t in [0.25, 0.3], drawn 5 pixels
    // square: filtered that small it is roughly the mean of the lower half of
    // the last three cells, which must pass the HUD's 0.2 alpha test.
    const TgaImage& strip = painted().images.at("msgnumbers.tga");
    double alpha = 0;
    int count = 0;
    for (int row = 0; row < strip.height / 2; ++row)
        for (int x = strip.width * 7 / 10; x < strip.width; ++x, ++count)
            alpha += alphaAt(strip, x, row);
    EXPECT_GT(alpha / count, 0.2 * 255);
}

TEST(ImagesGameData, PauseAndMatchChoiceCardsReadOnAnyPicture) {
    struct Expected {
        const char* name;
        int width, height;
    };
    for (const Expected& e : {Expected{"msgpaused.tga", 512, 256}, {"msgchoose.tga", 512, 128}}) {
        const TgaImage& image = painted().images.at(e.name);
        ASSERT_EQ(image.width, e.width) << e.name;
        ASSERT_EQ(image.height, e.height) << e.name;
        // Light fill and dark outline in the big line and in the small print
        // alike: one of them stands out whatever the picture behind is.
        for (auto [y0, y1] : {std::pair{0, e.height / 2}, std::pair{e.height / 2, e.height}}) {
            Tally t = tally(image, y0, y1);
            EXPECT_GT(t.solid, e.width * e.height / 200) << e.name << " rows " << y0;
            EXPECT_GT(t.lightOnBlack, t.solid / 4) << e.name << " rows " << y0;
            EXPECT_GT(t.darkOnWhite, t.solid / 4) << e.name << " rows " << y0;
        }
    }
    // The pause letters float free: every edge of the picture is clear, so the
    // quad's border never shows.
    const TgaImage& paused = painted().images.at("msgpaused.tga");
    int edge = 0;
    for (int x = 0; x < paused.width; ++x)
        edge += seenAt(paused, x, 0)[3] + seenAt(paused, x, paused.height - 1)[3];
    for (int y = 0; y < paused.height; ++y)
        edge += seenAt(paused, 0, y)[3] + seenAt(paused, paused.width - 1, y)[3];
    EXPECT_EQ(edge, 0);
    // The card: clear round corners, a solid gold rim, and a panel dark and
    // translucent enough to show the frozen picture, yet above the HUD's 0.2
    // alpha test.
    const TgaImage& card = painted().images.at("msgchoose.tga");
    for (auto [x, y] : {std::pair{0, 0}, {511, 0}, {0, 127}, {511, 127}, {3, 3}})
        EXPECT_EQ(seenAt(card, x, y)[3], 0) << x << ", " << y;
    EXPECT_EQ(seenAt(card, 3, 64)[3], 255);
    EXPECT_GT(seenAt(card, 3, 64)[0], 200);
    for (auto [x, y] : {std::pair{12, 64}, {256, 10}, {500, 100}}) {
        const uint8_t* p = seenAt(card, x, y);
        EXPECT_GE(p[3], 51) << x << ", " << y;
        EXPECT_LT(p[3], 230) << x << ", " << y;
        EXPECT_LT(p[0] + p[1] + p[2], 3 * 60) << x << ", " << y;
    }
}

TEST(ImagesGameData, CpuAndLevelWordsAreOneCentredSet) {
    Tally first;
    for (const char* name : {"msgcpu.tga", "msgeasy.tga", "msgnormal.tga", "msghard.tga"}) {
        const TgaImage& image = painted().images.at(name);
        ASSERT_EQ(image.width, 128) << name;
        ASSERT_EQ(image.height, 32) << name;
        Tally t = tally(image, 0, image.height);
        EXPECT_GT(t.solid, image.width * image.height / 16) << name;
        EXPECT_GT(t.lightOnBlack, t.solid / 4) << name;
        EXPECT_GT(t.darkOnWhite, t.solid / 4) << name;
        // Clear all round, and centred but for the shadow's few texels right.
        EXPECT_GT(t.left, 0) << name;
        EXPECT_LT(t.right, image.width - 1) << name;
        EXPECT_GT(t.top, 0) << name;
        EXPECT_LT(t.bottom, image.height - 1) << name;
        EXPECT_LE(std::abs(t.left - (image.width - 1 - t.right)), 4) << name;
        if (first.solid == 0) {
            first = t;
            continue;
        }
        // The same letter height: one set, whichever word is shown.
        EXPECT_NEAR(t.top, first.top, 1) << name;
        EXPECT_NEAR(t.bottom, first.bottom, 1) << name;
    }
}

TEST(ImagesGameData, OutputIsTheSameOnEveryRun) {
    TempFolder again;
    std::string error;
    ASSERT_TRUE(writeGameData(again.path.string(), &error)) << error;
    for (const ImageFile& file : imageFiles())
        EXPECT_EQ(fileBytes(painted().folder.path / file.name), fileBytes(again.path / file.name))
            << file.name;
    EXPECT_EQ(fileBytes(painted().folder.path / ENGINE_SAMPLE_FILE),
              fileBytes(again.path / ENGINE_SAMPLE_FILE));
}
