#pragma once

#include <cstdint>
#include <vector>

// One palm or lamp billboard standing on the ground.
struct Placement {
    float sortKey;   // squared horizontal distance to the camera last drawn for
    float x, z;      // foot of the billboard
    int32_t texture; // GL name: the palm or the lamp picture
};

// Every palm and lamp in the arena, in set-up order until the first view
// sorts it far to near. Filled once at set-up, never emptied.
extern std::vector<Placement> placements;

// Appends the palm rows, the lamp crosses with their randomly scattered
// palms (rand(), so seed first) and the four goal lamps.
void fillPlacements(std::vector<Placement>& list, const uint32_t* textureIds);
