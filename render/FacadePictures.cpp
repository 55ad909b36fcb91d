#include "render/FacadePictures.h"

#include "assets/TextureSlots.h"

#include <GL/gl.h>

void drawFacadePictures(const uint32_t* textureIds) {
    glPushMatrix();
    glBindTexture(GL_TEXTURE_2D, textureIds[TEX_QUOREL]);
    // Alpha 0.8 against the 0.7 test: only the texels solid enough survive.
    glColor4f(1, 1, 1, 0.8f);
    glBegin(GL_QUADS);
    glTexCoord2f(1, 0);
    glVertex3f(-12.5f, 3, 0.05f);
    glTexCoord2f(0, 0);
    glVertex3f(12.5f, 3, 0.05f);
    glTexCoord2f(0, 1);
    glVertex3f(12.5f, 25, 0.05f);
    glTexCoord2f(1, 1);
    glVertex3f(-12.5f, 25, 0.05f);
    glEnd();

    glTranslated(4, 0, 1);
    glBindTexture(GL_TEXTURE_2D, textureIds[TEX_BIKE]);
    glBegin(GL_QUADS);
    glTexCoord2f(1, 0);
    glVertex3f(1.5f, 0, 0);
    glTexCoord2f(0, 0);
    glVertex3f(-1.5f, 0, 0);
    glTexCoord2f(0, 1);
    glVertex3f(-1.5f, 1.5f, 0);
    glTexCoord2f(1, 1);
    glVertex3f(1.5f, 1.5f, 0);
    glEnd();
    glPopMatrix();
}
