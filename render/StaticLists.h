#pragma once

#include "assets/Model.h"
#include "render/ViewFrustum.h"

#include <cstdint>

// Start-up, after the models are prepared: every static model and the arena's
// own surfaces into their display-list slots, in a fixed order; the
// buildings' lists get their bounds beside them.
void compileStaticLists(uint32_t* displayLists, BoundingSphere* listBounds, const Model* models,
                        const uint32_t* textureIds);
