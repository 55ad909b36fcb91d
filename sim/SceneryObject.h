#pragma once

#include "support/Vec3.h"

// Rows of the separation table: one per possible tester (a kart's id).
constexpr int SEPARATION_ROWS = 24;
constexpr int SEPARATION_AXES = 6;

// An upright box, possibly turned about y: the arena's solid walls and posts
// and each kart's own box.
struct SceneryObject {
    Vec3 position;                                      // centre
    float orientation[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1}; // row-major; rows 0 and 2 are local x and z
    float length = 0;                                   // along local z
    float width = 0;                                    // along local x
    float height = 0;                                   // along y
    float yaw = 0;                                      // degrees
    bool separated[SEPARATION_ROWS][SEPARATION_AXES] = {};
    float radius = 0; // bounding sphere
    bool active = false;

    void place(float x, float y, float z, float yawDegrees, float fullWidth, float fullHeight,
               float fullLength);
};

// The rotation by -yaw degrees about y, row-major:
// (cos Y, 0, -sin Y), (0, 1, 0), (sin Y, 0, cos Y).
void yawMatrix(float yawDegrees, float out[9]);
