// How long the game takes to draw a frame of a match, against two reference
// frames drawn in the same window: an empty one (clear and swap) and the
// fill-rate floor every picture of this arena pays (the gradient sky box and
// one mipmapped textured ground quad, in the same views). Plays a replay
// script (an autopilot race, say) and draws every frame of it three ways.
// Reads the game's data from the working directory. Reported, never judged.
//
//   vk-frame-bench SCRIPT [FRAMES [VIEWS]]     VIEWS 1 or 2 (2)
//
// Prints one line: "frame views V frames N scene_ms S floor_ms F empty_ms E".

#include "ReplayScript.h"

#include "app/Hud.h"
#include "app/World.h"
#include "app/shell/FrameView.h"
#include "app/shell/StartUp.h"
#include "render/SkyBox.h"
#include "render/Viewport.h"
#include "support/Diagnostics.h"

#include <GL/freeglut.h>
#include <GL/glu.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace {

constexpr int WARM_UP_FRAMES = 50;
// The ground quad covers the whole arena, its texture as dense as the field's.
constexpr float GROUND_EXTENT[4] = {-160, 160, -30, 170}; // x from, x to, z from, z to
constexpr float FLOOR_REPEATS_PER_UNIT = 172.0f / 212;

World world;
ReplayScript script;
int frames = 3000;
int views = 2;

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The viewports and projections the game's frame sets, with each camera's
// view as it stands (no glide: the scene frame has just moved them).
void setView(int player) {
    const int half = WINDOW_HEIGHT / 2;
    if (world.playerCount == 1)
        setLogicalViewport(0, 0, WINDOW_WIDTH, WINDOW_HEIGHT);
    else
        setLogicalViewport(0, player == 1 ? half : 0, WINDOW_WIDTH, half);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45, world.playerCount == 1 ? 4.0 / 3.0 : 8.0 / 3.0, static_cast<double>(0.1f),
                   500);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const Camera& camera = world.cameras[player - 1];
    const CameraAim aim = aimCamera(camera.position, camera.mode, *camera.kart, 0);
    gluLookAt(aim.eye.x, aim.eye.y, aim.eye.z, aim.centre.x, aim.centre.y, aim.centre.z, 0, 1, 0);
}

void drawFloorFrame() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    for (int player = 1; player <= world.playerCount; ++player) {
        setView(player);
        const Vec3& at = world.karts[player - 1].position;
        glDisable(GL_DEPTH_TEST);
        glPushMatrix();
        glTranslated(at.x, 0, at.z);
        drawSkyBox(world.skyColours);
        glPopMatrix();
        glEnable(GL_DEPTH_TEST);
        const float* e = GROUND_EXTENT;
        const float s = (e[1] - e[0]) * FLOOR_REPEATS_PER_UNIT;
        const float t = (e[3] - e[2]) * FLOOR_REPEATS_PER_UNIT;
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, world.textureIds[TEX_FLOOR]);
        glColor3f(1, 1, 1);
        glBegin(GL_QUADS);
        glTexCoord2f(0, 0);
        glVertex3f(e[0], 0.05f, e[3]);
        glTexCoord2f(s, 0);
        glVertex3f(e[1], 0.05f, e[3]);
        glTexCoord2f(s, t);
        glVertex3f(e[1], 0.05f, e[2]);
        glTexCoord2f(0, t);
        glVertex3f(e[0], 0.05f, e[2]);
        glEnd();
        glDisable(GL_TEXTURE_2D);
    }
}

// Each kind of frame ends with the swap and a finish, so its whole cost lands
// in its own time.
template <typename Draw> double timeFrame(Draw draw) {
    const Clock::time_point start = Clock::now();
    draw();
    glutSwapBuffers();
    glFinish();
    return secondsSince(start);
}

void run() {
    std::string held;
    double scene = 0, floor = 0, empty = 0;
    int counted = 0;
    for (size_t i = 0; i < script.frames.size() && counted < frames; ++i) {
        const float dt = script.frames[i].dt;
        if (!playScriptFrame(world, script.frames[i], held))
            continue;
        const double sceneTime = timeFrame([dt] { drawFrame(world, dt); });
        const double floorTime = timeFrame(drawFloorFrame);
        const double emptyTime =
            timeFrame([] { glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT); });
        if (static_cast<int>(i) < WARM_UP_FRAMES)
            continue;
        scene += sceneTime;
        floor += floorTime;
        empty += emptyTime;
        ++counted;
    }
    if (counted == 0) {
        std::fprintf(stderr, "vk-frame-bench: the script has too few frames\n");
        std::exit(1);
    }
    std::printf("frame views %d frames %d scene_ms %.3f floor_ms %.3f empty_ms %.3f\n",
                world.playerCount, counted, 1000 * scene / counted, 1000 * floor / counted,
                1000 * empty / counted);
    std::exit(0);
}

} // namespace

int main(int argc, char** argv) {
    glutInit(&argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: vk-frame-bench SCRIPT [FRAMES [VIEWS]]\n");
        return 2;
    }
    std::ifstream file(argv[1], std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    std::string error;
    if (!file || !parseReplayScript(text.str(), &script, &error)) {
        std::fprintf(stderr, "vk-frame-bench: cannot play \"%s\" %s\n", argv[1], error.c_str());
        return 2;
    }
    if (argc > 2 && std::atoi(argv[2]) > 0)
        frames = std::atoi(argv[2]);
    if (argc > 3)
        views = std::atoi(argv[3]) == 1 ? 1 : 2;
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(WINDOW_WIDTH, WINDOW_HEIGHT);
    glutCreateWindow("vk-frame-bench");
    diagnosticStream = std::fopen("/dev/null", "w");
    std::srand(script.seed);
    startUpWorld(world);
    world.playerCount = views;
    glutDisplayFunc(run);
    glutMainLoop();
    return 0;
}
