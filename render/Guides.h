#pragma once

struct DrawnMotion;
struct RenderAssets;
struct World;

// The per-match guidance: in the race each kart's arrow toward its next
// checkpoint and that checkpoint's post; in tag each kart's arrow toward the
// other; in the ball game the lit ball and each kart's arrow toward the goal
// it attacks. Drawn in the players' translucent guide colours, from the
// karts and the ball as this frame shows them.
void drawGuides(const World& world, const DrawnMotion& drawn, const RenderAssets& assets);
