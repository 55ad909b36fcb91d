#include "render/ScenePass.h"

#include "app/TickBlend.h"
#include "app/World.h"
#include "assets/TextureSlots.h"
#include "render/ArenaList.h"
#include "render/Buildings.h"
#include "render/FacadePictures.h"
#include "render/GroundColour.h"
#include "render/Guides.h"
#include "render/Hills.h"
#include "render/KartDraw.h"
#include "render/ListSlots.h"
#include "render/ParticleDraw.h"
#include "render/ProjectileDraw.h"
#include "render/RenderAssets.h"
#include "render/SkyBox.h"
#include "render/SpriteDraw.h"
#include "sim/Arena.h"

#include <GL/gl.h>
#include <algorithm>

namespace {

constexpr float ALPHA_CUT = 0.7f;

struct Viewer {
    float x, z;
};

// The sky, moon, clouds and hills ride along with the viewing kart and lie
// behind everything, so they never come nearer and never hide the arena.
// They are drawn after the arena's opaque surfaces, at the far end of the
// depth range and only where nothing was drawn yet: the picture is the same
// as painting them first, without filling every pixel of the window twice.
void drawBackground(const World& world, const RenderAssets& assets, const Kart& viewingKart) {
    glDepthRange(1, 1);
    glDepthFunc(GL_LEQUAL);
    glDepthMask(GL_FALSE);
    glPushMatrix();
    glTranslated(viewingKart.position.x, 0, viewingKart.position.z);
    glDisable(GL_BLEND); // the sky's gradient is opaque
    drawSkyBox(world.skyColours);
    glEnable(GL_BLEND);
    drawSprite(assets, world.moonSprite, 0, 0, 1, 1, 1);
    for (const CirclingSprite& cloud : world.clouds)
        drawCirclingSprite(assets, cloud, 0, 0);
    glAlphaFunc(GL_GEQUAL, ALPHA_CUT);
    glEnable(GL_ALPHA_TEST);
    drawHills(assets.textureIds);
    glDisable(GL_ALPHA_TEST);
    glPopMatrix();
    glDepthMask(GL_TRUE);
    glDepthFunc(GL_LESS);
    glDepthRange(0, 1);
}

// The arena binds its own textures and blends its vertex colours.
void drawArenaSurfaces(const RenderAssets& assets, Vec3 eye) {
    static const ArenaContacts contacts = findArenaContacts();
    glEnable(GL_TEXTURE_2D);
    glShadeModel(GL_SMOOTH);
    drawArena(assets.textureIds, orderArenaNearestFirst(contacts, eye));
    glShadeModel(GL_FLAT);
    glDisable(GL_TEXTURE_2D);
}

void callArenaPicture(uint32_t list) {
    glEnable(GL_TEXTURE_2D);
    glShadeModel(GL_SMOOTH);
    glCallList(list);
    glShadeModel(GL_FLAT);
    glDisable(GL_TEXTURE_2D);
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
    const GroundQuad& g = OUTER_GROUND;
    glDisable(GL_BLEND);
    glColor3fv(GROUND_GREEN);
    glBegin(GL_QUADS);
    glVertex3f(g.x0, g.y, g.z0);
    glVertex3f(g.x0, g.y, g.z1);
    glVertex3f(g.x1, g.y, g.z1);
    glVertex3f(g.x1, g.y, g.z0);
    glEnd();
    glEnable(GL_BLEND);
}

// Cut-out pictures and the textured twin of the plant prop, seen from both
// sides.
void drawAlphaTestedProps(const RenderAssets& assets) {
    glEnable(GL_TEXTURE_2D);
    glAlphaFunc(GL_GEQUAL, ALPHA_CUT);
    glEnable(GL_ALPHA_TEST);
    glDisable(GL_CULL_FACE);
    glColor4f(1, 1, 1, 1);
    drawFacadePictures(assets.textureIds);
    drawPlantAndArrow(assets.displayLists);
    glEnable(GL_CULL_FACE);
    glDisable(GL_ALPHA_TEST);
    glDisable(GL_TEXTURE_2D);
}

// Translucent edges blend only over what is already drawn, so the palms and
// lamps go far to near and leave the depth buffer alone. The renderer keeps
// its own copy to sort, each view starting from the order the last one left.
void drawPlacements(const World& world, RenderAssets& assets, Viewer viewer) {
    std::vector<Billboard>& billboards = assets.billboards;
    if (billboards.size() != world.placements.size()) {
        billboards.clear();
        for (const Placement& p : world.placements)
            billboards.push_back({0, p.x, p.z, p.look});
    }
    glColor4f(1, 1, 1, 1);
    glDepthMask(GL_FALSE);
    for (Billboard& b : billboards) {
        const float dx = b.x - viewer.x, dz = b.z - viewer.z;
        b.sortKey = dx * dx + dz * dz;
    }
    std::sort(billboards.begin(), billboards.end(),
              [](const Billboard& a, const Billboard& b) { return a.sortKey < b.sortKey; });
    Sprite palm = world.palmSprite, lamp = world.lampSprite;
    SpriteBatch farthestFirst{assets};
    for (auto b = billboards.rbegin(); b != billboards.rend(); ++b) {
        Sprite& sprite = b->look == LOOK_PALM ? palm : lamp;
        sprite.position.x = b->x;
        sprite.position.z = b->z;
        farthestFirst.add(sprite, viewer.x, viewer.z, 1, 1, 1);
    }
    farthestFirst.finish();
    glDepthMask(GL_TRUE);
}

} // namespace

void drawScene(const World& world, const DrawnMotion& drawn, RenderAssets& assets, int player) {
    const int index = player == 1 ? 0 : 1;
    const Kart& viewingKart = drawn.karts[index];
    const Viewer viewer{world.cameras[index].position.x, world.cameras[index].position.z};
    const uint32_t* displayLists = assets.displayLists;

    // Everything opaque that fully hides what lies behind it comes first,
    // unblended: its fragments are all opaque, and blending them would only
    // read the picture back to write the same colour...
    glDisable(GL_BLEND);
    drawBuildings(assets);
    glColor4f(1, 1, 1, 1);
    glCallList(displayLists[LIST_STEAM]);
    drawArenaSurfaces(assets, world.cameras[index].eye);
    glEnable(GL_BLEND);
    // ... then the background where it still shows, then what is seen
    // through or over it.
    drawBackground(world, assets, viewingKart);
    callArenaPicture(displayLists[LIST_ARENA_PICTURE]);

    for (const ParticleSystem& vent : world.particleSystems)
        drawParticleSystem(assets, vent, viewer.x, viewer.z);
    // The plant's faces carry their own opaque colours and leave the last of
    // them current for the arrow: blending would change nothing, and without
    // it the plant is drawn in the buildings' state, one shader fewer for the
    // software renderer to build on the first frame.
    glDisable(GL_BLEND);
    drawPlantAndArrow(displayLists);
    glEnable(GL_BLEND);
    drawGuides(world, drawn, assets);
    drawOuterGround();

    // Only the viewer's own exhaust, over everything so far: it rises from
    // under the kart, where the ground would hide it.
    glDisable(GL_DEPTH_TEST);
    drawParticleSystem(assets, viewingKart.exhaust, viewer.x, viewer.z);
    glEnable(GL_DEPTH_TEST);
    for (const Kart& kart : drawn.karts)
        drawKart(kart, assets);
    drawProjectiles(assets, drawn.projectiles, viewer.x, viewer.z);

    drawAlphaTestedProps(assets);
    drawPlacements(world, assets, viewer);
}
