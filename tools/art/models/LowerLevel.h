#pragma once

#include "tools/art/models/Mesh.h"

// The lower circuit's drivable surfaces in world coordinates: the outer
// lanes, the ramps down from the upper level, the two tunnels under the
// field and the cross passages between them. They follow the karts' ground
// height exactly, so wheels stand on what is drawn. Faces look up.
void sculptLowerFloors(Mesh* floors);

// The undersides of the field over the tunnels and passages, just below the
// ground quads that are drawn only from above, and the lintels over the
// tunnel mouths. Faces look down (the lintels outward, toward the lanes).
void sculptUnderfieldCeilings(Mesh* ceilings);
