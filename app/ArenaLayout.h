#pragma once

#include "sim/Sprite.h"

#include <vector>

// One palm or lamp billboard standing on the ground.
struct Placement {
    float x, z;      // foot of the billboard
    SpriteLook look; // LOOK_PALM or LOOK_LAMP
};

// Appends the palm rows, the lamp crosses with their randomly scattered
// palms (rand(), so seed first) and the four goal lamps.
void fillPlacements(std::vector<Placement>& list);
