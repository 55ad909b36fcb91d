#include "render/Hills.h"

#include "assets/TextureSlots.h"
#include "render/GroundColour.h"

#include <GL/gl.h>

namespace {

struct HillBand {
    float colour[3];
    float distance; // from the viewer, on the -z and -x sides
    float top;
    float sLeft, sRight; // texture s at the band's two ends
};

// Far to near, each nearer band drawn over the farther ones. The far band's
// picture is shifted by a tenth so the crests do not line up.
constexpr HillBand HILL_BANDS[3] = {
    {{0.58f, 0.75f, 0.5f}, 140, 40, 1.1f, 0.1f},
    {{0.12f, 0.6f, 0.08f}, 120, 30, 0, 1},
    {{GROUND_GREEN[0], GROUND_GREEN[1], GROUND_GREEN[2]}, 100, 10, 1, 0},
};
constexpr float HALF_SPAN = 250;

void band(const HillBand& b) {
    glColor4f(b.colour[0], b.colour[1], b.colour[2], 1);
    const float d = -b.distance;
    // Across the -z side.
    glTexCoord2f(b.sLeft, 0);
    glVertex3f(-HALF_SPAN, 0, d);
    glTexCoord2f(b.sRight, 0);
    glVertex3f(HALF_SPAN, 0, d);
    glTexCoord2f(b.sRight, 1);
    glVertex3f(HALF_SPAN, b.top, d);
    glTexCoord2f(b.sLeft, 1);
    glVertex3f(-HALF_SPAN, b.top, d);
    // Along the -x side.
    glTexCoord2f(b.sLeft, 0);
    glVertex3f(d, 0, HALF_SPAN);
    glTexCoord2f(b.sRight, 0);
    glVertex3f(d, 0, -HALF_SPAN);
    glTexCoord2f(b.sRight, 1);
    glVertex3f(d, b.top, -HALF_SPAN);
    glTexCoord2f(b.sLeft, 1);
    glVertex3f(d, b.top, HALF_SPAN);
}

void towerPicture() {
    glColor4f(1, 1, 1, 1);
    glTexCoord2f(0, 0);
    glVertex3f(-180, 0, 100);
    glTexCoord2f(1, 0);
    glVertex3f(-200, 0, 90);
    glTexCoord2f(1, 1);
    glVertex3f(-200, 50, 90);
    glTexCoord2f(0, 1);
    glVertex3f(-180, 50, 100);
}

} // namespace

void drawHills(const uint32_t* textureIds) {
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, textureIds[TEX_HILLS]);
    glBegin(GL_QUADS);
    for (const HillBand& b : HILL_BANDS)
        band(b);
    glEnd();
    glBindTexture(GL_TEXTURE_2D, textureIds[TEX_TALVIK]);
    glBegin(GL_QUADS);
    towerPicture();
    glEnd();
    glDisable(GL_TEXTURE_2D);
}
