#include "tools/testing/ToneAnalysis.h"

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr double RATE = 44100;
constexpr double TWO_PI = 6.283185307179586;
const PitchRange ENGINE_RANGE{30, 250};

// A buzz like the engine sample's: its even harmonics, the second above all,
// stronger than the fundamental. The pitch glides from `from` to `to` Hz.
std::vector<float> buzz(double from, double to, double seconds, double gain = 0.3) {
    const long n = static_cast<long>(seconds * RATE);
    std::vector<float> out(static_cast<size_t>(n));
    double phase = 0;
    for (long i = 0; i < n; ++i) {
        double v = 0;
        for (int k = 1; k <= 24; ++k)
            v += (k % 2 == 0 ? 1.0 : 0.45) / std::pow(k, 0.9) * std::sin(k * phase);
        out[static_cast<size_t>(i)] = static_cast<float>(gain * v / 3);
        phase += TWO_PI * (from + (to - from) * i / n) / RATE;
    }
    return out;
}

TEST(ToneAnalysis, ReadsTheFundamentalNotAnOctave) {
    for (double hz : {50.0, 62.5, 70.0, 110.0}) {
        SCOPED_TRACE(hz);
        const Pitch p = fundamental(buzz(hz, hz, 0.1), RATE, ENGINE_RANGE);
        EXPECT_NEAR(p.hz, hz, 0.05);
        EXPECT_GT(p.clarity, 0.99);
    }
    // A pure tone repeats at two periods just as well as at one.
    std::vector<float> sine(4410);
    for (size_t i = 0; i < sine.size(); ++i)
        sine[i] = static_cast<float>(0.5 * std::sin(TWO_PI * 100 * i / RATE));
    EXPECT_NEAR(fundamental(sine, RATE, ENGINE_RANGE).hz, 100, 0.05);
    // A glide reads near its middle; loudness does not matter.
    const Pitch glide = fundamental(buzz(55, 57, 0.1, 0.001), RATE, ENGINE_RANGE);
    EXPECT_GT(glide.hz, 55.5);
    EXPECT_LT(glide.hz, 56.5);
}

TEST(ToneAnalysis, NamesNoPitchForSilenceNoiseOrTooShortAStretch) {
    EXPECT_EQ(fundamental(std::vector<float>(4410, 0), RATE, ENGINE_RANGE).hz, 0);
    std::vector<float> noise(4410);
    uint32_t state = 12345;
    for (float& v : noise) {
        state = state * 1664525u + 1013904223u;
        v = static_cast<float>(state >> 8) / (1 << 24) - 0.5f;
    }
    EXPECT_EQ(fundamental(noise, RATE, ENGINE_RANGE).hz, 0);
    // Shorter than two of the longest periods: nothing to compare.
    EXPECT_EQ(fundamental(buzz(50, 50, 0.03), RATE, ENGINE_RANGE).hz, 0);
}

TEST(ToneAnalysis, SeamStandsOutOfASteadyOrCreepingTone) {
    const std::vector<float> steady = buzz(70, 70, 0.1);
    EXPECT_LT(seam(steady, RATE / 70), 0.02);
    // Near top speed: pitch and loudness still creep up, a step every frame.
    std::vector<float> creeping = buzz(69.8, 70.1, 0.1);
    for (size_t i = 0; i < creeping.size(); ++i)
        creeping[i] *= static_cast<float>(1 + 0.002 * (i / 882));
    EXPECT_LT(seam(creeping, RATE / 69.95), 0.05);
    // A loop that is not whole cycles: a tenth of a cycle skipped.
    std::vector<float> skipped = steady;
    skipped.erase(skipped.begin() + 2000, skipped.begin() + 2063);
    EXPECT_GT(seam(skipped, RATE / 70), 0.5);
    // A period of silence, as a loop restarting late would leave.
    std::vector<float> gap = steady;
    std::fill(gap.begin() + 2500, gap.begin() + 3200, 0.0f);
    EXPECT_GT(seam(gap, RATE / 70), 0.5);
    // What lies before FROM is only compared with, never judged.
    EXPECT_LT(seam(skipped, RATE / 70, 2063 + 2 * 630), 0.02);
    EXPECT_EQ(seam(std::vector<float>(4410, 0), RATE / 70), 0);
}

} // namespace
