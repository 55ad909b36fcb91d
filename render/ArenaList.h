#pragma once

#include <cstdint>

// The arena's own surfaces: the floor, its tiled border, the brick faces of
// the raised ground and the church picture. Binds its textures itself; call
// it with 2D texturing on and smooth shading.
void compileArenaList(uint32_t listId, const uint32_t* textureIds);
