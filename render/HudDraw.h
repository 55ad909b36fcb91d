#pragma once

#include "assets/TextureSlots.h"

struct RenderAssets;
struct World;

// The overlay over the whole window, drawn last: speedometers, clocks and
// the centred messages. Depth testing stays on as the scene pass leaves it,
// so an image drawn earlier hides a later one where both are opaque.
void drawHud(const World& world, const RenderAssets& assets);

// Over the held picture of a paused game or of the match choice: the whole
// window dimmed, and a notice image of the given size in overlay pixels,
// centred. An optional image the data folder lacks is left out (so are the
// HUD's): the dimming shows alone.
void drawNotice(const RenderAssets& assets, TextureSlot notice, float width, float height);

// Overlay pixels over the whole window, origin top left, for drawing over
// the views; depth testing is left on, as the scene pass leaves it.
void beginOverlay(const RenderAssets& assets);
void endOverlay();
// Inside an overlay: the whole picture darkened, as under a notice.
void dimWindow();
