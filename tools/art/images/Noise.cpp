#include "Noise.h"

#include <cmath>

uint64_t Rng::next() {
    // splitmix64: tiny, well mixed and the same on every platform.
    uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

float Rng::uniform() {
    return static_cast<float>(next() >> 40) / static_cast<float>(1ull << 24);
}

TileNoise::TileNoise(int period, uint64_t seed) : period(period) {
    Rng rng(seed);
    lattice.resize(static_cast<size_t>(period) * period);
    for (float& value : lattice)
        value = rng.uniform();
}

float TileNoise::at(float u, float v) const {
    auto wrap = [this](int i) { return ((i % period) + period) % period; };
    auto smooth = [](float t) { return t * t * (3 - 2 * t); };
    float fu = std::floor(u);
    float fv = std::floor(v);
    int i = static_cast<int>(fu);
    int j = static_cast<int>(fv);
    float tu = smooth(u - fu);
    float tv = smooth(v - fv);
    auto value = [&](int a, int b) { return lattice[wrap(b) * period + wrap(a)]; };
    float top = value(i, j) + (value(i + 1, j) - value(i, j)) * tu;
    float bottom = value(i, j + 1) + (value(i + 1, j + 1) - value(i, j + 1)) * tu;
    return top + (bottom - top) * tv;
}
