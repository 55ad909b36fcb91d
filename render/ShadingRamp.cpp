#include "render/ShadingRamp.h"

#include <GL/gl.h>

void makeShadingRamp(uint32_t* textureIds) {
    float texels[SHADING_RAMP_TEXELS][3];
    for (int i = 0; i < SHADING_RAMP_TEXELS; ++i)
        texels[i][0] = texels[i][1] = texels[i][2] = shadingRampLevel(i);
    glGenTextures(1, &textureIds[0]);
    glBindTexture(GL_TEXTURE_1D, textureIds[0]);
    // Nearest, or the bands would blur into each other.
    glTexParameteri(GL_TEXTURE_1D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_1D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexImage1D(GL_TEXTURE_1D, 0, GL_RGB, SHADING_RAMP_TEXELS, 0, GL_RGB, GL_FLOAT, texels);
}
