#include "render/SpriteDraw.h"

#include <GL/gl.h>

void SpriteBatch::add(const Sprite& sprite, float cameraX, float cameraZ, float red, float green,
                      float blue) {
    const uint32_t shown = assets.textureOf(sprite.look);
    if (!open || shown != texture) {
        // A texture can only change between draws.
        if (open)
            glEnd();
        else
            glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, shown);
        texture = shown;
        glBegin(GL_QUADS);
        open = true;
    }
    const Vec3 across = sprite.acrossFor(cameraX, cameraZ);
    const Vec3& p = sprite.position;
    glColor4f(red, green, blue, sprite.alpha);
    glTexCoord2f(1, 0);
    glVertex3f(p.x - across.x, p.y, p.z - across.z);
    glTexCoord2f(0, 0);
    glVertex3f(p.x + across.x, p.y, p.z + across.z);
    glTexCoord2f(0, 1);
    glVertex3f(p.x + across.x, p.y + sprite.height, p.z + across.z);
    glTexCoord2f(1, 1);
    glVertex3f(p.x - across.x, p.y + sprite.height, p.z - across.z);
}

void SpriteBatch::finish() {
    if (!open)
        return;
    glEnd();
    glDisable(GL_TEXTURE_2D);
    open = false;
}

void drawSprite(const RenderAssets& assets, const Sprite& sprite, float cameraX, float cameraZ,
                float red, float green, float blue) {
    SpriteBatch batch{assets};
    batch.add(sprite, cameraX, cameraZ, red, green, blue);
    batch.finish();
}

void drawCirclingSprite(const RenderAssets& assets, const CirclingSprite& cloud, float cameraX,
                        float cameraZ) {
    glPushMatrix();
    glRotated(cloud.angle, 0, 1, 0);
    // The camera stays in world space, so the pair faces it only roughly:
    // at cloud distance nobody can tell.
    Sprite quad = cloud.sprite;
    quad.position.x = cloud.distance;
    quad.position.z = cloud.distance;
    SpriteBatch pair{assets};
    pair.add(quad, cameraX, cameraZ, 1, 1, 1);
    quad.position.x = -cloud.distance;
    quad.position.z = -cloud.distance;
    pair.add(quad, cameraX, cameraZ, 1, 1, 1);
    pair.finish();
    glPopMatrix();
}
