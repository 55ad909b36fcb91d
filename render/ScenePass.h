#pragma once

struct DrawnMotion;
struct RenderAssets;
struct World;

// The whole 3D world for player 1 or 2, once that player's camera is
// applied, with the karts, the ball and the coconuts where this frame shows
// them. Reads the World; writes only the renderer's own sorting space.
void drawScene(const World& world, const DrawnMotion& drawn, RenderAssets& assets, int player);
