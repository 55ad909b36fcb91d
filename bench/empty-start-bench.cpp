// The start-up reference: a GLUT program that opens the game's window and
// shows one cleared frame, timed as vk-startup-bench times the game, from
// the process's start to that frame on screen. What the game takes beyond
// this is its own.
//
//   vk-empty-start-bench      prints "empty_start total_ms T"

#include "ProcessClock.h"

#include <GL/freeglut.h>
#include <cstdio>
#include <cstdlib>

namespace {

double processStartSeconds = 0;

void firstFrame() {
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glutSwapBuffers();
    glFinish();
    std::printf("empty_start total_ms %.1f\n", 1000 * (boottimeNow() - processStartSeconds));
    std::exit(0);
}

} // namespace

int main(int argc, char** argv) {
    processStartSeconds = processStart();
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(1280, 960);
    glutCreateWindow("vk-empty-start-bench");
    glutDisplayFunc(firstFrame);
    glutMainLoop();
    return 0;
}
