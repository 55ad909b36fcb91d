#pragma once

struct DrawnMotion;
struct World;

// The whole 3D world for player 1 or 2, once that player's camera is
// applied, with the karts, the ball and the coconuts where this frame shows
// them. Reads the World; writes only the placement list's sort order.
void drawScene(const World& world, const DrawnMotion& drawn, int player);
