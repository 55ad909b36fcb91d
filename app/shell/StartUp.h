#pragma once

struct World;

// Everything between a fresh GL context and the first frame: the fixed GL
// state, the textures, the models and their shading, the static display lists
// and the first match. The game, its bench and its view tool share it so that
// they all draw the same arena.
void startUpWorld(World& world);
