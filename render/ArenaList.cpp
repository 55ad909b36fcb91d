#include "render/ArenaList.h"

#include "assets/TextureSlots.h"
#include "render/ArenaSurfaces.h"

#include <GL/gl.h>

namespace {

TextureSlot textureOf(int quad) {
    if (quad < FLOOR)
        return TEX_BRICK;
    if (quad < FIRST_ARCADE_TILE)
        return TEX_FLOOR;
    return quad < CHURCH_PICTURE ? TEX_ARCADE_TILE : TEX_QUOREL;
}

void sendQuad(int quad) {
    glBegin(GL_QUADS);
    for (const ArenaCorner& c : ARENA_QUADS[quad].corners) {
        glColor3fv(ARENA_COLOURS[c.colour]);
        glTexCoord2f(c.s, c.t);
        glVertex3f(c.x, c.y, c.z);
    }
    glEnd();
}

} // namespace

void drawArena(const uint32_t* textureIds, const ArenaOrder& order) {
    int bound = -1;
    for (int quad : order.quads) {
        const TextureSlot texture = textureOf(quad);
        if (texture != bound) {
            glBindTexture(GL_TEXTURE_2D, textureIds[texture]);
            bound = texture;
        }
        sendQuad(quad);
    }
    // Left as the arena's list always left them: what draws next may read
    // the current colour or the bound texture.
    glBindTexture(GL_TEXTURE_2D, textureIds[TEX_ARCADE_TILE]);
    glColor3f(1, 1, 1);
}

void compileArenaPictureList(uint32_t listId, const uint32_t* textureIds) {
    glNewList(listId, GL_COMPILE);
    glBindTexture(GL_TEXTURE_2D, textureIds[textureOf(CHURCH_PICTURE)]);
    glColor4f(1, 1, 1, 1);
    sendQuad(CHURCH_PICTURE);
    glEndList();
}
