#pragma once

#include "assets/Model.h"

#include <cstdint>

// Start-up, after the models are prepared: every static model and the arena's
// own surfaces into their display-list slots, in a fixed order.
void compileStaticLists(uint32_t* displayLists, const Model* models, const uint32_t* textureIds);
