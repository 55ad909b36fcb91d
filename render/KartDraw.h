#pragma once

#include "assets/Model.h"
#include "render/RenderAssets.h"
#include "sim/Kart.h"

#include <cstdint>

// Start-up, once: the one wheel every kart of every match is drawn with, its
// size taken from shape.
uint32_t makeWheelList(const Kart& shape);

// One kart at its pose: its shadow on the ground under its wheels, then the
// wheels, the ramp-shaded body, its black outline and, while braking, the
// brake light. Expects depth test and back-face culling on and no texture
// target enabled; leaves the matrix stack as it found it and the colour black.
void drawKart(const Kart& kart, const RenderAssets& assets);

// The four wheels in the kart's frame: rolling, the front pair steered.
void drawKartWheels(const Kart& kart, uint32_t wheelList);

// The body in hard bands of the shading ramp (bound to GL_TEXTURE_1D at
// start-up), its paint meshes in the kart's colour, the steering wheel turned
// by the turn rate. A damaged model draws what it safely can.
void drawKartBody(const Kart& kart, const Model& body);
