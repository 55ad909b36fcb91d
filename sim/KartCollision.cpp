// A kart against an upright box: a sphere test first, then separating axes
// in the kart's frame that also tell which face was crossed, then a slide
// along the face that was hit.

#include "sim/Kart.h"

#include <cmath>

namespace {

constexpr float NEAR_MARGIN = 2.0f;
constexpr float CONTACT_DRAG = 0.98f;

float dot3(const float* a, const float* b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

} // namespace

bool Kart::isNear(const SceneryObject& box) const {
    return length3(subtract(box.position, position)) < radius + box.radius + NEAR_MARGIN;
}

int Kart::testBox(SceneryObject& box) const {
    if (!box.active)
        return -1;
    bool* flags = box.separated[id];
    bool earlier[SEPARATION_AXES];
    for (int k = 0; k < SEPARATION_AXES; ++k)
        earlier[k] = flags[k];

    // The kart's box stands on its position, turned by its heading alone.
    float kartAxes[9];
    yawMatrix(radToDeg(heading), kartAxes);
    const float* boxAxes = box.orientation;
    const float a[3] = {halfSize.x, halfSize.y, halfSize.z};
    const float b[3] = {box.width / 2, box.height / 2, box.length / 2};

    const Vec3 d = subtract(box.position, position);
    const float T[3] = {dot3(floatsOf(d), &kartAxes[0]), d.y, dot3(floatsOf(d), &kartAxes[6])};
    float M[3][3];
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            M[i][j] = dot3(&kartAxes[3 * i], &boxAxes[3 * j]);

    bool anySeparated = false;
    for (int k = 0; k < SEPARATION_AXES; ++k) {
        float L, rA, rB;
        if (k < 3) {
            L = T[k];
            rA = a[k];
            rB = std::fabs(M[k][0]) * b[0] + std::fabs(M[k][1]) * b[1] + std::fabs(M[k][2]) * b[2];
        } else {
            const int j = k - 3;
            L = T[0] * M[0][j] + T[1] * M[1][j] + T[2] * M[2][j];
            rA = std::fabs(M[0][j]) * a[0] + std::fabs(M[1][j]) * a[1] + std::fabs(M[2][j]) * a[2];
            rB = b[j];
        }
        // Touching exactly counts as overlapping.
        flags[k] = std::fabs(L) > rA + rB;
        anySeparated = anySeparated || flags[k];
    }
    if (anySeparated)
        return -1;

    // The face crossed since the last test. Its flag stays set, so the same
    // axis answers again on every test while the overlap lasts.
    for (int k = 0; k < SEPARATION_AXES; ++k) {
        if (earlier[k]) {
            flags[k] = true;
            return k;
        }
    }
    return -1; // already inside at the last test
}

void Kart::resolveContact(int axis, const SceneryObject& box) {
    speed = CONTACT_DRAG * speed;
    const Vec3 move{position.x - previousX, 0, position.z - previousZ};
    position.x = previousX;
    position.z = previousZ;

    Vec3 along;
    switch (axis) {
    case 0: // the kart's side: slide on along its facing direction
        heading = previousHeading;
        along = {std::sin(heading), 0, std::cos(heading)};
        break;
    case 1: // from above or below: bounce back, stay where it was
        bump();
        return;
    case 2: // its front or back: slide across
        heading = previousHeading;
        along = {std::cos(heading), 0, -std::sin(heading)};
        break;
    case 3: // the box's x face: slide along its z axis
        along = {box.orientation[6], box.orientation[7], box.orientation[8]};
        break;
    case 5: // the box's z face: slide along its x axis
        along = {box.orientation[0], box.orientation[1], box.orientation[2]};
        break;
    default:
        return;
    }
    const float keep = dotN(floatsOf(along), floatsOf(move), 3);
    position = add(position, Vec3{along.x * keep, along.y * keep, along.z * keep});
}
