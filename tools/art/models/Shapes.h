#pragma once

#include "tools/art/models/Mesh.h"

#include <vector>

// Building blocks for the sculptors. Every shape winds its faces outward, so
// the banded shading and back-face culling see the side a player looks at.

using Ring = std::vector<Vec3>;

// A flat convex polygon, wound so that its normal agrees with outward.
void addFace(Mesh* mesh, const Ring& corners, Vec3 outward);

enum BoxSide : unsigned {
    SIDE_WEST = 1,   // -x
    SIDE_EAST = 2,   // +x
    SIDE_BOTTOM = 4, // -y
    SIDE_TOP = 8,    // +y
    SIDE_BACK = 16,  // -z
    SIDE_FRONT = 32, // +z
    ALL_SIDES = 63,
};

// An axis-aligned box; sides that can never be seen may be left out.
void addBox(Mesh* mesh, Vec3 lo, Vec3 hi, unsigned sides = ALL_SIDES);

// Points round an ellipse in a horizontal plane, counter-clockwise seen from
// above; the first one sits at phaseDegrees from +x.
Ring ringXZ(float cx, float y, float cz, float rx, float rz, int segments, float phaseDegrees = 0);

// The solid between two rings of the same length (a prism, a frustum, a
// column); the rings must bound a convex solid.
void addPrism(Mesh* mesh, const Ring& lower, const Ring& upper, bool bottomCap, bool topCap);

// A pyramid or cone from a convex base ring up to one apex.
void addPyramid(Mesh* mesh, const Ring& base, Vec3 apex, bool baseCap);

// A pitched roof with its ridge along x, eaves at zFront and zBack.
void addGableRoof(Mesh* mesh, float x0, float x1, float zFront, float zBack, float yEave,
                  float yRidge, bool gableEnds);

// A hipped roof over the rectangle x0..x1, z0..z1, its ridge along the
// longer side (a pyramid when square).
void addHipRoof(Mesh* mesh, float x0, float x1, float z0, float z1, float yEave, float yTop);

// One bay of a wall pierced by a round arch: the wall spans x0..x0+width and
// ySpring..yTop, between zBack and zFront; the arch is a half circle centred
// on the bay at the springing line. The face toward +z goes into front, the
// face toward -z into back and the arch's curved underside into soffit.
struct ArchBay {
    float x0 = 0, width = 5;
    float ySpring = 4, yTop = 7;
    float radius = 2;
    float zFront = 0, zBack = -1;
    int segments = 5;
};
void addArchBay(Mesh* front, Mesh* back, Mesh* soffit, const ArchBay& bay);

// A convex flat profile swept straight along step: a slab, a pediment, a
// parapet. The profile's own face looks away from step.
void addExtrusion(Mesh* mesh, const Ring& profile, Vec3 step);

// A ring in the xy plane round the origin (a steering wheel rim).
void addTorus(Mesh* mesh, float majorRadius, float minorRadius, int majorSegments,
              int minorSegments);

// A solid swept through a row of convex cross-sections (all with the same
// number of points), closed at both ends.
void addLoft(Mesh* mesh, const std::vector<Ring>& sections);
