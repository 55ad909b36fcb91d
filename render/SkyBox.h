#pragma once

struct SkyColours;

// The gradient box round the viewer, 500 across and 100 high; resets the
// line width to 1 for the pass.
void drawSkyBox(const SkyColours& sky);
