#include "render/GlState.h"

#include "app/World.h"

#include <GL/gl.h>
#include <GL/glu.h>

void setFixedGlState() {
    const GLfloat white[] = {1, 1, 1, 1};
    const GLfloat lightAlongX[] = {1, 0, 0, 0};
    const GLfloat ambient[] = {0.1f, 0.1f, 0.1f, 1};

    glMaterialfv(GL_FRONT, GL_SPECULAR, white);
    glMaterialf(GL_FRONT, GL_SHININESS, 50);
    glLightfv(GL_LIGHT0, GL_POSITION, lightAlongX);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, white);
    glLightfv(GL_LIGHT0, GL_SPECULAR, white);
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambient);

    glEnable(GL_CULL_FACE);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glShadeModel(GL_FLAT);
    glAlphaFunc(GL_GEQUAL, 0.7f);
    glClearColor(1, 1, 1, 1);

    glViewport(0, 0, WINDOW_WIDTH, WINDOW_HEIGHT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45, 1.33, 1, 500);
    glMatrixMode(GL_MODELVIEW);
}
