#include "render/SkyBox.h"

#include "app/World.h"
#include "render/GroundColour.h"

#include <GL/gl.h>

namespace {

constexpr double SKY_BOX_SPAN = 500;
constexpr float FLOOR_Y = -0.1f;
constexpr float CEILING_Y = 100;

// One wall from its two bottom corners: bottom colour below, top colour above.
void wall(const SkyColours& sky, float x0, float z0, float x1, float z1) {
    glColor3fv(sky.bottom);
    glVertex3f(x0, FLOOR_Y, z0);
    glVertex3f(x1, FLOOR_Y, z1);
    glColor3fv(sky.top);
    glVertex3f(x1, CEILING_Y, z1);
    glVertex3f(x0, CEILING_Y, z0);
}

} // namespace

void drawSkyBox(const SkyColours& sky) {
    glPushMatrix();
    glScaled(SKY_BOX_SPAN, 1, SKY_BOX_SPAN);
    glShadeModel(GL_SMOOTH);
    glBegin(GL_QUADS);
    wall(sky, -0.5f, -0.5f, 0.5f, -0.5f);
    wall(sky, 0.5f, 0.5f, -0.5f, 0.5f);
    wall(sky, 0.5f, -0.5f, 0.5f, 0.5f);
    wall(sky, -0.5f, 0.5f, -0.5f, -0.5f);
    // The top colour is still current for the ceiling.
    glVertex3f(0.5f, CEILING_Y, 0.5f);
    glVertex3f(-0.5f, CEILING_Y, 0.5f);
    glVertex3f(-0.5f, CEILING_Y, -0.5f);
    glVertex3f(0.5f, CEILING_Y, -0.5f);
    glColor3fv(GROUND_GREEN);
    glVertex3f(-0.5f, FLOOR_Y, -0.5f);
    glVertex3f(-0.5f, FLOOR_Y, 0.5f);
    glVertex3f(0.5f, FLOOR_Y, 0.5f);
    glVertex3f(0.5f, FLOOR_Y, -0.5f);
    glEnd();
    glShadeModel(GL_FLAT);
    glLineWidth(1);
    glPopMatrix();
}
