#include "app/ArenaLayout.h"
#include "app/World.h"
#include "assets/TextureSlots.h"
#include "render/FacadePictures.h"
#include "render/GroundColour.h"
#include "render/Hills.h"
#include "render/ListSlots.h"
#include "render/SkyBox.h"

#include <GL/gl.h>
#include <algorithm>

namespace {

constexpr float ALPHA_CUT = 0.7f;

struct Viewer {
    float x, z;
};

// The sky, moon, clouds and hills ride along with the viewing kart and
// ignore depth, so they never come nearer and never hide the arena.
void drawBackground(World& world, const Kart& viewingKart) {
    glDisable(GL_DEPTH_TEST);
    glPushMatrix();
    glTranslated(viewingKart.position.x, 0, viewingKart.position.z);
    drawSkyBox(world.skyColours);
    world.moonSprite.draw(0, 0, 1, 1, 1);
    for (CirclingSprite& cloud : world.clouds)
        cloud.draw(0, 0);
    glAlphaFunc(GL_GEQUAL, ALPHA_CUT);
    glEnable(GL_ALPHA_TEST);
    drawHills(world.textureIds);
    glDisable(GL_ALPHA_TEST);
    glPopMatrix();
    glEnable(GL_DEPTH_TEST);
}

void drawPlantAndArrow(const uint32_t* displayLists) {
    glPushMatrix();
    glCallList(displayLists[LIST_PLANT]);
    glTranslated(10, 0, 10);
    glCallList(displayLists[LIST_ARROW]);
    glPopMatrix();
}

// Grass under everything outside the brick walls.
void drawOuterGround() {
    glColor3fv(GROUND_GREEN);
    glBegin(GL_QUADS);
    glVertex3f(-115, -0.1f, -300);
    glVertex3f(-115, -0.1f, 300);
    glVertex3f(115, -0.1f, 300);
    glVertex3f(115, -0.1f, -300);
    glEnd();
}

// Cut-out pictures and the textured twin of the plant prop, seen from both
// sides.
void drawAlphaTestedProps(const World& world) {
    glEnable(GL_TEXTURE_2D);
    glAlphaFunc(GL_GEQUAL, ALPHA_CUT);
    glEnable(GL_ALPHA_TEST);
    glDisable(GL_CULL_FACE);
    glColor4f(1, 1, 1, 1);
    drawFacadePictures(world.textureIds);
    drawPlantAndArrow(world.displayLists);
    glEnable(GL_CULL_FACE);
    glDisable(GL_ALPHA_TEST);
    glDisable(GL_TEXTURE_2D);
}

// Translucent edges blend only over what is already drawn, so the palms and
// lamps go far to near and leave the depth buffer alone.
void drawPlacements(World& world, Viewer viewer) {
    glColor4f(1, 1, 1, 1);
    glDepthMask(GL_FALSE);
    for (Placement& p : placements) {
        const float dx = p.x - viewer.x, dz = p.z - viewer.z;
        p.sortKey = dx * dx + dz * dz;
    }
    std::sort(placements.begin(), placements.end(),
              [](const Placement& a, const Placement& b) { return a.sortKey < b.sortKey; });
    const auto palmTexture = static_cast<int32_t>(world.textureIds[TEX_PALM]);
    for (auto p = placements.rbegin(); p != placements.rend(); ++p) {
        Sprite& sprite = p->texture == palmTexture ? world.palmSprite : world.lampSprite;
        sprite.position.x = p->x;
        sprite.position.z = p->z;
        sprite.draw(viewer.x, viewer.z, 1, 1, 1);
    }
    glDepthMask(GL_TRUE);
}

} // namespace

void World::drawScene(int player) {
    const int index = player == 1 ? 0 : 1;
    const Kart& viewingKart = karts[index];
    const Viewer viewer{cameras[index].position.x, cameras[index].position.z};

    drawBackground(*this, viewingKart);
    drawBuildings();

    glColor4f(1, 1, 1, 1);
    glCallList(displayLists[LIST_STEAM]);

    glEnable(GL_TEXTURE_2D);
    glShadeModel(GL_SMOOTH);
    glCallList(displayLists[LIST_ARENA]);
    glShadeModel(GL_FLAT);
    glDisable(GL_TEXTURE_2D);

    drawPlantAndArrow(displayLists);
    drawOuterGround();
    drawAlphaTestedProps(*this);
    drawPlacements(*this, viewer);
}
