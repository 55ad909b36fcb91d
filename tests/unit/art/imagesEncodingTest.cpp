#include "Canvas.h"
#include "EngineTone.h"
#include "TgaWriter.h"
#include "assets/TgaReader.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace {

TgaImage decoded(const std::vector<uint8_t>& bytes) {
    TgaImage image;
    std::string error;
    EXPECT_TRUE(decodeTga(bytes.data(), bytes.size(), &image, &error)) << error;
    EXPECT_FALSE(image.truncated);
    return image;
}

uint32_t little32(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

uint16_t little16(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | b[at + 1] << 8;
}

} // namespace

TEST(ImagesTga, RowsAreStoredBottomFirstInEveryLayout) {
    // Top row red, bottom row blue: the game's reader puts the file's first
    // row at t = 0, the bottom of an upright quad.
    Canvas canvas = Canvas::blank(3, 2);
    for (int x = 0; x < 3; ++x) {
        canvas.blend(x, 0, hexColour(0xFF0000), 1);
        canvas.blend(x, 1, hexColour(0x0000FF), 1);
    }
    for (int bits : {24, 32})
        for (TgaPacking packing : {TgaPacking::Raw, TgaPacking::RunLength}) {
            TgaImage image = decoded(encodeTga(canvas, {bits, packing}));
            ASSERT_EQ(image.channels, bits / 8);
            ASSERT_EQ(image.width, 3);
            ASSERT_EQ(image.height, 2);
            const uint8_t* first = image.pixels.data();
            const uint8_t* last = image.pixels.data() + 3 * image.channels;
            EXPECT_EQ(first[0], 0);
            EXPECT_EQ(first[2], 255);
            EXPECT_EQ(last[0], 255);
            EXPECT_EQ(last[2], 0);
            if (bits == 32) {
                EXPECT_EQ(first[3], 255);
            }
        }
}

TEST(ImagesTga, RunLengthMatchesRawOnLongRunsAndNoise) {
    // Runs longer than one packet, literals, and a run ending exactly at a row end.
    Canvas canvas = Canvas::blank(300, 3);
    uint32_t seed = 7;
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 300; ++x) {
            seed = seed * 1103515245u + 12345u;
            bool noisy = y == 1 || (y == 2 && x > 250);
            Rgba colour = noisy ? hexColour(seed >> 8 & 0xFFFFFF, ((seed >> 4) & 255) / 255.0f)
                                : hexColour(0x336699, 0.5f);
            canvas.blend(x, y, colour, 1);
        }
    for (int bits : {24, 32}) {
        std::vector<uint8_t> packed = encodeTga(canvas, {bits, TgaPacking::RunLength});
        std::vector<uint8_t> raw = encodeTga(canvas, {bits, TgaPacking::Raw});
        EXPECT_EQ(packed[2], 10);
        EXPECT_EQ(raw[2], 2);
        EXPECT_EQ(decoded(packed).pixels, decoded(raw).pixels);
        EXPECT_LT(packed.size(), raw.size());
    }
}

TEST(ImagesTga, HiddenTexelsCarryTheNearestVisibleColour) {
    // Filtering mixes in the colour of clear texels: it must not be black.
    Canvas canvas = Canvas::blank(4, 1);
    canvas.blend(0, 0, hexColour(0xFF8000), 1);
    TgaImage image = decoded(encodeTga(canvas, {32, TgaPacking::Raw}));
    for (int x = 1; x < 4; ++x) {
        const uint8_t* p = &image.pixels[x * 4];
        EXPECT_EQ(p[0], 255);
        EXPECT_EQ(p[1], 128);
        EXPECT_EQ(p[2], 0);
        EXPECT_EQ(p[3], 0);
    }
    canvas.hiddenColour = hexColour(0x00FF00, 0);
    image = decoded(encodeTga(canvas, {32, TgaPacking::Raw}));
    EXPECT_EQ(image.pixels[4], 0);
    EXPECT_EQ(image.pixels[5], 255);
}

TEST(ImagesEngineTone, WavHeaderDescribesPcm16Mono) {
    std::vector<int16_t> samples = engineTone();
    std::vector<uint8_t> wav = encodeWav(samples, ENGINE_SAMPLE_RATE);
    ASSERT_EQ(wav.size(), 44 + samples.size() * 2);
    EXPECT_EQ(std::string(wav.begin(), wav.begin() + 4), "RIFF");
    EXPECT_EQ(little32(wav, 4), wav.size() - 8);
    EXPECT_EQ(std::string(wav.begin() + 8, wav.begin() + 16), "WAVEfmt ");
    EXPECT_EQ(little32(wav, 16), 16u);
    EXPECT_EQ(little16(wav, 20), 1); // PCM
    EXPECT_EQ(little16(wav, 22), 1); // mono
    EXPECT_EQ(little32(wav, 24), static_cast<uint32_t>(ENGINE_SAMPLE_RATE));
    EXPECT_EQ(little32(wav, 28), static_cast<uint32_t>(ENGINE_SAMPLE_RATE * 2));
    EXPECT_EQ(little16(wav, 32), 2);
    EXPECT_EQ(little16(wav, 34), 16);
    EXPECT_EQ(std::string(wav.begin() + 36, wav.begin() + 40), "data");
    EXPECT_EQ(little32(wav, 40), samples.size() * 2);
    EXPECT_EQ(static_cast<int16_t>(little16(wav, 44)), samples[0]);
}

TEST(ImagesEngineTone, LoopsWithoutAClick) {
    std::vector<int16_t> s = engineTone();
    double seconds = static_cast<double>(s.size()) / ENGINE_SAMPLE_RATE;
    EXPECT_GT(seconds, 0.1);
    EXPECT_LT(seconds, 1.0);
    int peak = 0, largestStep = 0;
    double sum = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        peak = std::max(peak, std::abs(static_cast<int>(s[i])));
        if (i > 0)
            largestStep = std::max(largestStep, std::abs(s[i] - s[i - 1]));
        sum += s[i];
    }
    EXPECT_GT(peak, 8000) << "audible";
    EXPECT_LT(peak, 32767) << "no clipping";
    // The seam from the last sample back to the first is no bigger than any
    // step inside the tone, and the tone has no offset that would thump.
    EXPECT_LE(std::abs(s.front() - s.back()), largestStep);
    EXPECT_EQ(s.front(), 0);
    EXPECT_LT(std::abs(sum / s.size()), 0.01 * peak);
    // Whole engine cycles of 200 samples, the 50 Hz beat at the game's
    // 10000 Hz: looped, the sample after the last is the cycle's next.
    constexpr size_t CYCLE = 200;
    ASSERT_EQ(s.size() % CYCLE, 0u);
    size_t unlike = 0;
    for (size_t i = CYCLE; i < s.size(); ++i)
        unlike += s[i] != s[i - CYCLE];
    EXPECT_EQ(unlike, 0u);
}
