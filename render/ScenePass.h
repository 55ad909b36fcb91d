#pragma once

struct World;

// The whole 3D world for player 1 or 2, once that player's camera is
// applied. Reads the World; writes only the placement list's sort order.
void drawScene(const World& world, int player);
