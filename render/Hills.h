#pragma once

#include <cstdint>

// Three painted hill bands on the viewer's -z and -x sides and the tower
// picture; drawn with the alpha test on so the hill tops are cut out.
void drawHills(const uint32_t* textureIds);
