#include "app/World.h"
#include "render/BuildingTable.h"
#include "render/Outline.h"

#include <GL/gl.h>

void World::drawBuildings() {
    for (const BuildingPlacement& b : BUILDINGS) {
        glPushMatrix();
        glTranslatef(b.x, 0, b.z);
        glRotatef(b.turn, 0, 1, 0);
        glScalef(b.widthScale, 1, 1);
        drawOutlined(displayLists[b.list], 0);
        glPopMatrix();
    }
}
