#pragma once

struct RenderAssets;
struct World;

// The overlay over the whole window, drawn last: speedometers, clocks and
// the centred messages. Depth testing stays on as the scene pass leaves it,
// so an image drawn earlier hides a later one where both are opaque.
void drawHud(const World& world, const RenderAssets& assets);
