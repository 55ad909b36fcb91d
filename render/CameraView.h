#pragma once

#include "sim/Camera.h"

// Glides the camera after its kart and multiplies its view onto the
// modelview matrix.
void placeCamera(Camera& camera, float dt);
