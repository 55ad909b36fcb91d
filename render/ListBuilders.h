#pragma once

#include "assets/Model.h"

#include <cstdint>

// Scenery in three hard bands of each mesh's colour, chosen per face against
// the mesh's light direction: the shading is paid once, here.
void compileBandedList(const Model& model, uint32_t listId);

// The model's faces as they are; with useColour every mesh is that colour,
// without it the list takes whatever colour is current when called.
void compilePlainList(const Model& model, uint32_t listId, bool useColour, float red, float green,
                      float blue);
