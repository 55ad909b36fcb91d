// How long the game takes from its start to its first frame on screen, step
// by step: the window, the textures, the models, their shading, the display
// lists, the set-up of the first match and the first frame itself. Reads the
// game's data from the working directory. Reported, never judged.
//
//   vk-startup-bench
//
// Prints one line: "startup window_ms W textures_ms T models_ms M shading_ms S
// lists_ms L setup_ms U first_frame_ms F total_ms A", the total counted from
// the process's own start.

#include "app/FrameLoop.h"
#include "app/World.h"
#include "render/RenderAssets.h"
#include "shell/FrameView.h"
#include "shell/StartUp.h"

#include "ProcessClock.h"

#include <GL/freeglut.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

World world;
RenderAssets assets;
StartUpTimes steps;
double windowSeconds = 0;
double processStartSeconds = 0; // on CLOCK_BOOTTIME's scale

void firstFrame() {
    const auto start = std::chrono::steady_clock::now();
    FrameLoop loop;
    loop.restart(world);
    DrawnMotion drawn;
    loop.poseForDrawing(world, 0.016f, &drawn);
    drawFrame(world, drawn, assets);
    glutSwapBuffers();
    glFinish();
    const double frame =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double total = boottimeNow() - processStartSeconds;
    std::printf("startup window_ms %.1f textures_ms %.1f models_ms %.1f shading_ms %.1f "
                "lists_ms %.1f setup_ms %.1f first_frame_ms %.1f total_ms %.1f\n",
                1000 * windowSeconds, 1000 * steps.textures, 1000 * steps.models,
                1000 * steps.shading, 1000 * (steps.lists + steps.glState), 1000 * steps.setUp,
                1000 * frame, 1000 * total);
    std::exit(0);
}

} // namespace

int main(int argc, char** argv) {
    processStartSeconds = processStart();
    const auto start = std::chrono::steady_clock::now();
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(WINDOW_WIDTH, WINDOW_HEIGHT);
    glutCreateWindow("vk-startup-bench");
    windowSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::srand(1);
    startUpWorld(world, assets, &steps);
    glutDisplayFunc(firstFrame);
    glutMainLoop();
    return 0;
}
