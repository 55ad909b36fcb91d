#include "Lettering.h"

#include <gtest/gtest.h>

TEST(ImagesLettering, TextIsReadAsUtf8) {
    EXPECT_EQ(codepoints("5 · 6"), (std::vector<int>{'5', ' ', 0xB7, ' ', '6'}));
    EXPECT_EQ(codepoints("\xE2\x82\xAC\xF0\x9F\x8F\x81"), (std::vector<int>{0x20AC, 0x1F3C1}));
    // Broken sequences become one replacement sign each; the letters around
    // them survive.
    EXPECT_EQ(codepoints("a\xC2"), (std::vector<int>{'a', 0xFFFD}));
    EXPECT_EQ(codepoints("\xB7z"), (std::vector<int>{0xFFFD, 'z'}));
    EXPECT_EQ(codepoints("\xE2\x82z"), (std::vector<int>{0xFFFD, 'z'}));
    EXPECT_TRUE(codepoints("").empty());
}

TEST(ImagesLettering, MiddleDotIsOneSmallCentredMark) {
    Font font;
    std::string error;
    ASSERT_TRUE(loadFont(LETTERING_FONT, &font, &error)) << error;
    const int width = 64, height = 64;
    const float cap = 40, baseline = 52;
    Mask dot = letterLine(font, width, height, "·", width / 2.0f, baseline, cap, 1);
    int left = width, right = -1, top = height, bottom = -1;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (dot.at(x, y) > 0.5f) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
    ASSERT_GE(right, left) << "the dot has ink";
    // Its two bytes read as two letters would give a wide, tall mark.
    EXPECT_LT(right - left, cap / 3);
    EXPECT_LT(bottom - top, cap / 3);
    EXPECT_NEAR((left + right) / 2.0f, width / 2.0f, 2);
    // It sits between the baseline and the cap line.
    EXPECT_GT(top, baseline - cap);
    EXPECT_LT(bottom, baseline - cap / 5);
    // And it is measured as one narrow sign, not as two.
    EXPECT_LT(lineWidth(font, "a·a", cap, 1), lineWidth(font, "aaa", cap, 1));
}
