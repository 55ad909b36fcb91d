#include "render/Buildings.h"

#include "render/ListSlots.h"
#include "render/Outline.h"
#include "sim/Arena.h"

#include <GL/gl.h>

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

} // namespace

void drawBuildings(const uint32_t* displayLists) {
    for (const BuildingPlace& b : BUILDINGS) {
        glPushMatrix();
        glTranslatef(b.x, 0, b.z);
        glRotatef(b.turn, 0, 1, 0);
        glScalef(b.widthScale, 1, 1);
        drawOutlined(displayLists[listOf(b.model)], 0);
        glPopMatrix();
    }
}
