#include "EngineTone.h"

#include <cmath>

namespace {

// The game plays the sample at 10000 to 14000 Hz, so a 200-sample cycle is a
// 50-70 Hz engine beat with its firing harmonics above it.
constexpr int CYCLE_SAMPLES = 200;
constexpr int CYCLES = 33; // about 0.3 s at the file's own rate
constexpr int HARMONICS = 24;
constexpr double PEAK = 0.7 * 32767;
constexpr double TWO_PI = 6.283185307179586;

// Even harmonics carry the firing buzz, odd ones the uneven rumble under it.
double harmonicWeight(int k) {
    return (k % 2 == 0 ? 1.0 : 0.45) / std::pow(k, 0.9);
}

void putText(std::vector<uint8_t>& out, const char* text) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(text[i]));
}

void putLittle(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<uint8_t>((value >> (8 * i)) & 255));
}

} // namespace

std::vector<int16_t> engineTone() {
    const int count = CYCLE_SAMPLES * CYCLES;
    std::vector<double> wave(count);
    double peak = 0;
    for (int n = 0; n < count; ++n) {
        double phase = TWO_PI * (n % CYCLE_SAMPLES) / CYCLE_SAMPLES;
        double v = 0;
        // Pure sines from phase 0: no DC, and the last sample leads into the first.
        for (int k = 1; k <= HARMONICS; ++k)
            v += harmonicWeight(k) * std::sin(k * phase);
        wave[n] = v;
        peak = std::max(peak, std::abs(v));
    }
    std::vector<int16_t> samples(count);
    for (int n = 0; n < count; ++n)
        samples[n] = static_cast<int16_t>(std::lround(wave[n] / peak * PEAK));
    return samples;
}

std::vector<uint8_t> encodeWav(const std::vector<int16_t>& samples, int sampleRate) {
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
    std::vector<uint8_t> out;
    out.reserve(44 + dataBytes);
    putText(out, "RIFF");
    putLittle(out, 36 + dataBytes, 4);
    putText(out, "WAVE");
    putText(out, "fmt ");
    putLittle(out, 16, 4); // format chunk size
    putLittle(out, 1, 2);  // PCM
    putLittle(out, 1, 2);  // mono
    putLittle(out, static_cast<uint32_t>(sampleRate), 4);
    putLittle(out, static_cast<uint32_t>(sampleRate * 2), 4); // bytes per second
    putLittle(out, 2, 2);                                     // bytes per frame
    putLittle(out, 16, 2);                                    // bits per sample
    putText(out, "data");
    putLittle(out, dataBytes, 4);
    for (int16_t s : samples)
        putLittle(out, static_cast<uint16_t>(s), 2);
    return out;
}
