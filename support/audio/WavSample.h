#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Samples longer than this are refused: the engine tone is a fraction of a
// second, and a huge file would only stall the start.
constexpr int64_t MAX_SAMPLE_FRAMES = int64_t{10} * 48000;

// A sound file read whole: 16-bit samples, interleaved when stereo.
struct WavSample {
    int channels = 0; // 1 or 2
    int rate = 0;     // frames per second
    std::vector<int16_t> samples;
};

// Reads a sound file (WAV or any format the reader knows). On failure returns
// false with a short description of the fault in *error.
bool readWavSample(const char* path, WavSample* sample, std::string* error);
