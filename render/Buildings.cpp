#include "render/Buildings.h"

#include "render/BuildingTable.h"
#include "render/Outline.h"

#include <GL/gl.h>

void drawBuildings(const uint32_t* displayLists) {
    for (const BuildingPlacement& b : BUILDINGS) {
        glPushMatrix();
        glTranslatef(b.x, 0, b.z);
        glRotatef(b.turn, 0, 1, 0);
        glScalef(b.widthScale, 1, 1);
        drawOutlined(displayLists[b.list], 0);
        glPopMatrix();
    }
}
