#pragma once

#include "sim/Camera.h"

// Multiplies the camera's view, as its last glide left it, onto the
// modelview matrix.
void placeCamera(const Camera& camera);
