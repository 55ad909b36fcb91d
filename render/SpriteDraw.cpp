#include "sim/Sprite.h"

#include <GL/gl.h>

void Sprite::draw(float cameraX, float cameraZ, float red, float green, float blue) const {
    const Vec3 across = acrossFor(cameraX, cameraZ);
    const Vec3& p = position;
    glColor4f(red, green, blue, alpha);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    glBegin(GL_QUADS);
    glTexCoord2f(1, 0);
    glVertex3f(p.x - across.x, p.y, p.z - across.z);
    glTexCoord2f(0, 0);
    glVertex3f(p.x + across.x, p.y, p.z + across.z);
    glTexCoord2f(0, 1);
    glVertex3f(p.x + across.x, p.y + height, p.z + across.z);
    glTexCoord2f(1, 1);
    glVertex3f(p.x - across.x, p.y + height, p.z - across.z);
    glEnd();
    glDisable(GL_TEXTURE_2D);
}

void CirclingSprite::draw(float cameraX, float cameraZ) {
    glPushMatrix();
    glRotated(angle, 0, 1, 0);
    // The camera stays in world space, so the pair faces it only roughly:
    // at cloud distance nobody can tell.
    sprite.position.x = distance;
    sprite.position.z = distance;
    sprite.draw(cameraX, cameraZ, 1, 1, 1);
    sprite.position.x = -distance;
    sprite.position.z = -distance;
    sprite.draw(cameraX, cameraZ, 1, 1, 1);
    glPopMatrix();
}
