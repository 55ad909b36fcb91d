#pragma once

#include <cstdint>

// Black back-face lines, then the filled list. outlineList 0 draws no lines.
// Leaves the line width 4 and the colour black.
void drawOutlined(uint32_t fillList, uint32_t outlineList);

// The lines alone, after the filled model: depth hides all but the silhouette.
void drawOutline(uint32_t outlineList);
