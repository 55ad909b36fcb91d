#pragma once

#include <vector>

// The arithmetic of vk-tone, apart from the file reading, so that its
// readings can be checked against tones of known pitch.

struct PitchRange {
    double lowestHz, highestHz;
};

struct Pitch {
    double hz;      // 0: silent, or nothing periodic within the range
    double clarity; // the normalised autocorrelation at that period, up to 1
};

// The fundamental of a mono stretch by autocorrelation: the shortest period
// in the range that repeats nearly as well as the best one, so that a tone
// whose second harmonic is stronger than its first is not read an octave up,
// and one that repeats every two periods is not read an octave down.
Pitch fundamental(const std::vector<float>& samples, double sampleRate, PitchRange range);

// The largest difference between a sample and the one a period earlier, over
// the peak, for the samples from FROM on (those before are the previous
// periods to compare with). Each period is compared at the lag within 2 % of
// PERIOD (in samples, fractional) that fits it best: near 0 for a steady
// tone or one that drifts slowly, near 1 or above for a click, a gap or a
// jump in phase. A fast glide (a few Hz a second and more) reads high too:
// within a period its high harmonics move against the one before.
double seam(const std::vector<float>& samples, double period, long from = 0);
