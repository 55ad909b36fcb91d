#include "render/SpriteDraw.h"

#include <GL/gl.h>

void drawSprite(const Sprite& sprite, float cameraX, float cameraZ, float red, float green,
                float blue) {
    const Vec3 across = sprite.acrossFor(cameraX, cameraZ);
    const Vec3& p = sprite.position;
    glColor4f(red, green, blue, sprite.alpha);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, sprite.texture);
    glBegin(GL_QUADS);
    glTexCoord2f(1, 0);
    glVertex3f(p.x - across.x, p.y, p.z - across.z);
    glTexCoord2f(0, 0);
    glVertex3f(p.x + across.x, p.y, p.z + across.z);
    glTexCoord2f(0, 1);
    glVertex3f(p.x + across.x, p.y + sprite.height, p.z + across.z);
    glTexCoord2f(1, 1);
    glVertex3f(p.x - across.x, p.y + sprite.height, p.z - across.z);
    glEnd();
    glDisable(GL_TEXTURE_2D);
}

void drawCirclingSprite(const CirclingSprite& cloud, float cameraX, float cameraZ) {
    glPushMatrix();
    glRotated(cloud.angle, 0, 1, 0);
    // The camera stays in world space, so the pair faces it only roughly:
    // at cloud distance nobody can tell.
    Sprite quad = cloud.sprite;
    quad.position.x = cloud.distance;
    quad.position.z = cloud.distance;
    drawSprite(quad, cameraX, cameraZ, 1, 1, 1);
    quad.position.x = -cloud.distance;
    quad.position.z = -cloud.distance;
    drawSprite(quad, cameraX, cameraZ, 1, 1, 1);
    glPopMatrix();
}
