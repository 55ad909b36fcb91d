#include "sim/SceneryObject.h"

#include <cmath>

void yawMatrix(float yawDegrees, float out[9]) {
    // The exact pi, as the graphics library's own rotation uses: this matrix
    // must agree with what glRotatef builds for the same yaw.
    const double radians = yawDegrees * (PI_EXACT / 180.0);
    const float s = static_cast<float>(std::sin(radians));
    const float c = static_cast<float>(std::cos(radians));
    const float m[9] = {c, 0, -s, 0, 1, 0, s, 0, c};
    for (int i = 0; i < 9; ++i)
        out[i] = m[i];
}

void SceneryObject::place(float x, float y, float z, float yawDegrees, float fullWidth,
                          float fullHeight, float fullLength) {
    active = true;
    position.set(x, y, z);
    yaw = yawDegrees;
    yawMatrix(yawDegrees, orientation);
    width = fullWidth;
    height = fullHeight;
    length = fullLength;
    // A freshly placed box has not been tested yet: nobody is touching it.
    for (auto& row : separated)
        for (bool& axis : row)
            axis = true;
    radius = length3(divide(Vec3{width, height, length}, 2));
}
