#pragma once

#include "assets/TgaReader.h"

// The next smaller level of a mipmap chain: each texel the mean of the 2 x 2
// texels it covers, rounded to nearest, or once a side is 1 the mean of the
// 2 along the other, rounded down: exactly as the graphics utility library
// halves an image, so the textures look the same whichever built them.
// Needs a side above 1 and both sides powers of two.
TgaImage halvedImage(const TgaImage& image);

// Both sides powers of two: the chain can be built by halving alone.
bool halvesEvenly(const TgaImage& image);
