// Vorlane Kart: two players, one keyboard, one split screen.

#include "app/FrameLoop.h"
#include "app/Input.h"
#include "app/World.h"
#include "app/shell/FrameView.h"
#include "app/shell/StartUp.h"
#include "render/Viewport.h"

#include <GL/freeglut.h>
#include <cstdlib>
#include <ctime>

// Program-wide state, constructed before main in this order.
static World world;
static FrameLoop frameLoop;

static void initGame() {
    // The palm scatter and the particle puffs differ from run to run.
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    startUpWorld(world);
}

static void displayFrame() {
    FrameLoop::Step step = frameLoop.simulate(world, glutGet(GLUT_ELAPSED_TIME));
    if (!step.simulated)
        return;
    drawFrame(world, step.dt);
    glutSwapBuffers();
}

static void onKeyDown(unsigned char key, int, int) {
    keyDown(world, key);
}

static void onKeyUp(unsigned char key, int, int) {
    keyUp(world, key);
}

static void onReshape(int width, int height) {
    windowSize = {width, height > 0 ? height : 1};
}

static void idle() {
    glutPostRedisplay();
}

int main(int argc, char** argv) {
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowPosition(100, 50);
    glutInitWindowSize(WINDOW_WIDTH, WINDOW_HEIGHT);
    glutCreateWindow("Vorlane Kart");
    // X11 turns a held key into release/press pairs; a held key must stay held.
    glutIgnoreKeyRepeat(1);
    initGame();
    glutDisplayFunc(displayFrame);
    glutKeyboardFunc(onKeyDown);
    glutKeyboardUpFunc(onKeyUp);
    glutReshapeFunc(onReshape);
    glutIdleFunc(idle);
    glutMainLoop();
    return 0;
}
