// Fixed-seed pseudo-random numbers and tileable value noise, so every run of
// the generator paints the same texels.
#pragma once

#include <cstdint>
#include <vector>

struct Rng {
    uint64_t state;

    explicit Rng(uint64_t seed) : state(seed) {}
    uint64_t next();
    // Uniform in [0, 1).
    float uniform();
    float between(float low, float high) { return low + (high - low) * uniform(); }
};

// Smooth noise in [0, 1] that repeats every `period` lattice cells both ways.
struct TileNoise {
    int period = 1;
    std::vector<float> lattice;

    TileNoise(int period, uint64_t seed);
    // u and v in lattice cells; wraps.
    float at(float u, float v) const;
};
