#pragma once

#include <cstdint>

// Every building of the layout table at its place, filled and unlined.
// Expects lighting and texturing off and depth testing on.
void drawBuildings(const uint32_t* displayLists);
