#pragma once

struct DrawnMotion;
struct RenderAssets;
struct World;

// The drawing side of one frame of play: clear, one view per player from
// its camera, then the overlay. Changes nothing in the World; the caller
// swaps.
void drawFrame(const World& world, const DrawnMotion& drawn, RenderAssets& assets);
