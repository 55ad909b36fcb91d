#pragma once

#include <cstdint>

// The one-dimensional grey ramp that cuts smooth kart shading into three
// hard bands: a dot product of 0 to 1 picks a texel.
constexpr int SHADING_RAMP_TEXELS = 32;

constexpr float shadingRampLevel(int texel) {
    if (texel < 4)
        return 0.2f; // s < 0.125
    if (texel < 14)
        return 0.5f; // s < 0.4375
    return 1.0f;
}

// Makes the ramp texture in textureIds[0] and leaves it bound to
// GL_TEXTURE_1D for the rest of the run.
void makeShadingRamp(uint32_t* textureIds);
