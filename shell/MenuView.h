#pragma once

#include <cstdint>

struct GlyphSheet;
struct Menu;
struct RenderAssets;
struct Settings;
struct World;

// The menu over the held picture: the picture dimmed, the page's title, its
// rows with the chosen one lit, and a note under them. Text comes from the
// glyph sheet, or GLUT's plain stroke letters when the sheet is missing.
void drawMenu(const Menu& menu, const World& world, const Settings& settings,
              const RenderAssets& assets, const GlyphSheet& glyphs, int32_t nowMs);
