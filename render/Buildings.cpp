#include "render/Buildings.h"

#include "render/ListSlots.h"
#include "render/Outline.h"
#include "sim/Arena.h"
#include "support/Vec3.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>

namespace {

// The list each building model is compiled into.
ListSlot listOf(BuildingModel model) {
    constexpr ListSlot LISTS[] = {
        LIST_ARCH_OPEN,    LIST_ARCH_CAPPED,    LIST_ARCH_PAIR, LIST_ARCH_TRIPLE,
        LIST_ARCH_CORNER,  LIST_TOWER,          LIST_LANDMARK,  LIST_ARCH_FRONT,
        LIST_BUILDING_BIG, LIST_BUILDING_SMALL, LIST_FRONT_CAP, LIST_SIDE_CAP,
    };
    return LISTS[model];
}

// Where the building puts its list's sphere: turned and stretched along its
// own x, then moved to its place.
bool buildingOutside(const ViewFrustum& view, const BuildingPlace& b, const BoundingSphere& s) {
    if (s.radius < 0)
        return true;
    float sinCos[2];
    sinCosDeg(sinCos, b.turn);
    const float n = sinCos[0], c = sinCos[1];
    const float x = s.centre.x * b.widthScale;
    const Vec3 centre{b.x + c * x + n * s.centre.z, s.centre.y, b.z - n * x + c * s.centre.z};
    // A unit's slack for the float sums on either side.
    const float radius = s.radius * std::max(std::fabs(b.widthScale), 1.0f) + 1;
    return sphereOutside(view, centre, radius);
}

} // namespace

void drawBuildings(const RenderAssets& assets) {
    float projection[16], camera[16];
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    glGetFloatv(GL_MODELVIEW_MATRIX, camera);
    const ViewFrustum view = frustumFrom(projection, camera);
    const uint32_t* displayLists = assets.displayLists;
    for (const BuildingPlace& b : BUILDINGS) {
        const ListSlot list = listOf(b.model);
        if (buildingOutside(view, b, assets.listBounds[list]))
            continue;
        glPushMatrix();
        glTranslatef(b.x, 0, b.z);
        glRotatef(b.turn, 0, 1, 0);
        glScalef(b.widthScale, 1, 1);
        drawOutlined(displayLists[list], 0);
        glPopMatrix();
    }
}
