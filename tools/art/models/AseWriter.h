#pragma once

#include "tools/art/models/SculptedModel.h"

#include <string>

// The model as ASE text: one material and one *GEOMOBJECT per part. Game
// coordinates (x, y, z) are written as the file's (x, -z, y), the inverse of
// the reader's y-up conversion.
std::string aseText(const SculptedModel& model);
