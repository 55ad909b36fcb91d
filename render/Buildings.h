#pragma once

#include "render/RenderAssets.h"

// Every building of the layout table at its place that the view can see,
// filled and unlined. Expects the view's projection and camera set, lighting
// and texturing off and depth testing on.
void drawBuildings(const RenderAssets& assets);
