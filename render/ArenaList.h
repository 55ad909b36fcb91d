#pragma once

#include "render/ArenaOrder.h"

#include <cstdint>

// The arena's opaque surfaces, in the view's order: the floor, its tiled
// border and the brick faces of the raised ground. Binds its textures
// itself; call it with 2D texturing on and smooth shading.
void drawArena(const uint32_t* textureIds, const ArenaOrder& order);

// The church picture on the landmark's front, the arena's one see-through
// surface, kept apart so that it is drawn over the sky, not before it.
void compileArenaPictureList(uint32_t listId, const uint32_t* textureIds);
