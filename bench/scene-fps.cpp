// Frames per second of the game's own drawing: the split-screen views with
// their cameras and scene passes, as the frame loop draws them. Reads the
// game's data from the working directory. Reported, never judged.
//
//   vk-scene-fps [FRAMES] [PLAYERS]

#include "app/World.h"
#include "app/shell/FrameView.h"
#include "app/shell/StartUp.h"

#include <GL/freeglut.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

World world;
int frames = 200;

void run() {
    // One frame to settle the cameras and warm the driver up.
    drawFrame(world, 0.016f);
    glFinish();
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < frames; ++i) {
        drawFrame(world, 0.016f);
        glutSwapBuffers();
    }
    glFinish();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("views %d, frames %d, seconds %.3f, fps %.1f\n", world.playerCount, frames, seconds,
                frames / seconds);
    std::exit(0);
}

} // namespace

int main(int argc, char** argv) {
    glutInit(&argc, argv);
    if (argc > 1)
        frames = std::atoi(argv[1]) > 0 ? std::atoi(argv[1]) : frames;
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(WINDOW_WIDTH, WINDOW_HEIGHT);
    glutCreateWindow("vk-scene-fps");
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    startUpWorld(world);
    if (argc > 2 && std::atoi(argv[2]) == 1)
        world.playerCount = 1;
    glutDisplayFunc(run);
    glutMainLoop();
    return 0;
}
