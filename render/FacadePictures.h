#pragma once

#include <cstdint>

// The church picture on the landmark's front and the bike leaning beside it.
// Expects 2D texturing on and culling off; leaves texturing on.
void drawFacadePictures(const uint32_t* textureIds);
