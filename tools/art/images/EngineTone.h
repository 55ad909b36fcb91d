// The engine sample: a buzzy tone that repeats seamlessly, and its WAV file.
#pragma once

#include <cstdint>
#include <vector>

constexpr int ENGINE_SAMPLE_RATE = 22050;

// 16-bit mono samples; a whole number of cycles, starting and ending at rest.
std::vector<int16_t> engineTone();
// RIFF WAVE, PCM 16-bit mono.
std::vector<uint8_t> encodeWav(const std::vector<int16_t>& samples, int sampleRate);
