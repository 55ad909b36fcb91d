#include "assets/TgaReader.h"

#include "TempFolder.h"
#include "tools/testing/StandInData.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

Bytes header(int type, int width, int height, int depth, int idLength = 0) {
    Bytes h(18, 0);
    h[0] = static_cast<uint8_t>(idLength);
    h[2] = static_cast<uint8_t>(type);
    h[12] = static_cast<uint8_t>(width & 0xff);
    h[13] = static_cast<uint8_t>(width >> 8);
    h[14] = static_cast<uint8_t>(height & 0xff);
    h[15] = static_cast<uint8_t>(height >> 8);
    h[16] = static_cast<uint8_t>(depth);
    return h;
}

Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TgaImage decode(const Bytes& bytes) {
    TgaImage image;
    std::string error;
    EXPECT_TRUE(decodeTga(bytes.data(), bytes.size(), &image, &error)) << error;
    return image;
}

std::string refusal(const Bytes& bytes) {
    TgaImage image;
    image.width = 77; // must stay untouched
    std::string error;
    EXPECT_FALSE(decodeTga(bytes.data(), bytes.size(), &image, &error));
    EXPECT_EQ(image.width, 77);
    return error;
}

} // namespace

TEST(TgaReader, UncompressedPixelsTurnFromBgrToRgbWithoutFlippingRows) {
    TgaImage rgb = decode(header(2, 2, 1, 24) + Bytes{0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00});
    EXPECT_EQ(rgb.channels, 3);
    EXPECT_EQ(rgb.width, 2);
    EXPECT_EQ(rgb.height, 1);
    EXPECT_EQ(rgb.pixels, (Bytes{255, 0, 0, 0, 0, 255}));
    EXPECT_FALSE(rgb.truncated);

    // Alpha stays fourth; the first row of the file stays first.
    TgaImage rgba = decode(header(2, 1, 2, 32) + Bytes{1, 2, 3, 4, 5, 6, 7, 8});
    EXPECT_EQ(rgba.channels, 4);
    EXPECT_EQ(rgba.pixels, (Bytes{3, 2, 1, 4, 7, 6, 5, 8}));
}

TEST(TgaReader, HighColourPixelsKeepFiveBitsPerChannel) {
    TgaImage image = decode(header(2, 3, 1, 16) + Bytes{0x00, 0x7C, 0x1F, 0x00, 0x00, 0x80});
    EXPECT_EQ(image.channels, 3);
    EXPECT_EQ(image.pixels, (Bytes{248, 0, 0, 0, 0, 248, 0, 0, 0}));
}

TEST(TgaReader, RunLengthPacketsRepeatOrCopyPixels) {
    // 0x82: one pixel three times; 0x01: two pixels as they are.
    TgaImage rgb = decode(header(10, 5, 1, 24) + Bytes{0x82, 1, 2, 3, 0x01, 4, 5, 6, 7, 8, 9});
    EXPECT_EQ(rgb.pixels, (Bytes{3, 2, 1, 3, 2, 1, 3, 2, 1, 6, 5, 4, 9, 8, 7}));
    // Packets may cross rows.
    TgaImage rgba = decode(header(10, 2, 2, 32) + Bytes{0x83, 10, 20, 30, 40});
    EXPECT_EQ(rgba.channels, 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(Bytes(rgba.pixels.begin() + 4 * i, rgba.pixels.begin() + 4 * i + 4),
                  (Bytes{30, 20, 10, 40}));
}

TEST(TgaReader, ImageIdColourMapAndFooterAreSkipped) {
    // ID length 5: the pixels start at byte 23.
    Bytes withId = header(2, 1, 1, 24, 5) + Bytes{9, 9, 9, 9, 9} + Bytes{1, 2, 3};
    EXPECT_EQ(decode(withId).pixels, (Bytes{3, 2, 1}));
    // A footer after the pixels changes nothing.
    Bytes footer(26, 'F');
    EXPECT_EQ(decode(withId + footer).pixels, (Bytes{3, 2, 1}));
    // A true-colour image carrying a two-entry 24-bit colour map.
    Bytes mapped = header(2, 1, 1, 24);
    mapped[1] = 1;
    mapped[5] = 2;
    mapped[7] = 24;
    EXPECT_EQ(decode(mapped + Bytes{0, 0, 0, 0, 0, 0} + Bytes{1, 2, 3}).pixels, (Bytes{3, 2, 1}));
}

TEST(TgaReader, TruncatedFilesLeaveTheMissingPixelsZero) {
    // Half a pixel short in each decoder.
    TgaImage raw = decode(header(2, 2, 1, 24) + Bytes{1, 2, 3, 4});
    EXPECT_TRUE(raw.truncated);
    EXPECT_EQ(raw.pixels, (Bytes{3, 2, 1, 0, 0, 0}));
    TgaImage high = decode(header(2, 2, 1, 16) + Bytes{0x00, 0x7C, 0x1F});
    EXPECT_TRUE(high.truncated);
    EXPECT_EQ(high.pixels, (Bytes{248, 0, 0, 0, 0, 0}));
    TgaImage run = decode(header(10, 4, 1, 24) + Bytes{0x81, 1, 2, 3, 0x01, 4});
    EXPECT_TRUE(run.truncated);
    EXPECT_EQ(run.pixels, (Bytes{3, 2, 1, 3, 2, 1, 0, 0, 0, 0, 0, 0}));
    TgaImage none = decode(header(10, 2, 1, 32));
    EXPECT_EQ(none.pixels, Bytes(8, 0));
}

TEST(TgaReader, FourChannelPacketsCutShortKeepTheWholePixelsBeforeTheCut) {
    // A raw packet of three pixels with one and a half present.
    TgaImage raw = decode(header(10, 4, 1, 32) + Bytes{0x02, 1, 2, 3, 4, 5, 6});
    EXPECT_TRUE(raw.truncated);
    EXPECT_EQ(raw.pixels, (Bytes{3, 2, 1, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    // A run whose one pixel is cut, after a run that is whole.
    TgaImage run = decode(header(10, 4, 1, 32) + Bytes{0x81, 1, 2, 3, 4, 0x81, 5, 6, 7});
    EXPECT_TRUE(run.truncated);
    EXPECT_EQ(run.pixels, (Bytes{3, 2, 1, 4, 3, 2, 1, 4, 0, 0, 0, 0, 0, 0, 0, 0}));
    // An uncompressed image one byte short: its last pixel stays zero.
    TgaImage whole = decode(header(2, 2, 1, 32) + Bytes{1, 2, 3, 4, 5, 6, 7});
    EXPECT_TRUE(whole.truncated);
    EXPECT_EQ(whole.pixels, (Bytes{3, 2, 1, 4, 0, 0, 0, 0}));
}

TEST(TgaReader, FilesOutsideTheSubsetAreRefusedWithTheirFault) {
    EXPECT_EQ(refusal(Bytes(10, 0)), "truncated header");
    EXPECT_EQ(refusal(header(2, 1, 1, 8) + Bytes{1}), "unsupported pixel depth 8");
    EXPECT_EQ(refusal(header(2, 1, 1, 15) + Bytes{1, 2}), "unsupported pixel depth 15");
    EXPECT_EQ(refusal(header(10, 1, 1, 16) + Bytes{0, 1, 2}),
              "unsupported pixel depth 16 for a run-length encoded image");
    EXPECT_EQ(refusal(header(1, 1, 1, 8) + Bytes{1}), "colour-mapped images are not supported");
    EXPECT_EQ(refusal(header(9, 1, 1, 8) + Bytes{1}), "colour-mapped images are not supported");
    EXPECT_EQ(refusal(header(3, 1, 1, 8) + Bytes{1}), "greyscale images are not supported");
    EXPECT_EQ(refusal(header(0, 1, 1, 24)), "unsupported image type 0");
    EXPECT_EQ(refusal(header(10, 2, 1, 24) + Bytes{0x82, 1, 2, 3}),
              "run-length packet runs past the last pixel");
    EXPECT_EQ(refusal(header(10, 1, 1, 24) + Bytes{0x01, 1, 2, 3, 4, 5, 6}),
              "run-length packet runs past the last pixel");
    EXPECT_EQ(refusal(header(2, 1, 1, 24, 200) + Bytes{1, 2, 3}),
              "image ID runs past the end of the file");
    EXPECT_EQ(refusal(header(2, 0, 4, 24)), "zero image size 0 x 4");
    EXPECT_EQ(refusal(header(2, 4, 0, 24)), "zero image size 4 x 0");
    EXPECT_EQ(refusal(header(2, 9000, 2, 24)),
              "image size 9000 x 2 exceeds the limit of 8192 x 8192");
    Bytes badMap = header(2, 1, 1, 24);
    badMap[1] = 1;
    badMap[5] = 0xff;
    badMap[6] = 0xff;
    badMap[7] = 32;
    EXPECT_EQ(refusal(badMap + Bytes{1, 2, 3}), "colour map runs past the end of the file");
}

TEST(TgaReaderFiles, ReadsFilesAndNamesMissingOnes) {
    TempFolder folder;
    std::string path = folder.write("stand.tga", standInTga(4, 10, 20, 30, 40));
    TgaImage image;
    std::string error;
    ASSERT_TRUE(readTga(path.c_str(), &image, &error)) << error;
    EXPECT_EQ(image.width, 4);
    EXPECT_EQ(image.channels, 4);
    EXPECT_EQ(image.pixels.size(), 64u);
    EXPECT_EQ(image.pixels[0], 10);
    EXPECT_EQ(image.pixels[3], 40);

    EXPECT_FALSE(readTga((folder.path / "moon.tga").c_str(), &image, &error));
    EXPECT_EQ(error, "file not found");
    EXPECT_FALSE(readTga(folder.path.c_str(), &image, &error)); // a folder
    EXPECT_FALSE(error.empty());
}
