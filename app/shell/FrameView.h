#pragma once

struct World;

// The drawing side of one simulated frame: clear, one view per player with
// its camera and scene, then the overlay. The caller swaps.
void drawFrame(World& world, float dt);
