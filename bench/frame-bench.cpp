// How long the game takes to draw a frame of a match, against two reference
// frames drawn in the same window: an empty one (clear and swap) and the
// fill-rate floor every picture of this arena pays (the gradient sky box and
// one mipmapped textured ground quad, in the same views). Plays a replay
// script (an autopilot race, say) and draws every frame of it three ways.
// Reads the game's data from the working directory. Reported, never judged.
//
//   vk-frame-bench SCRIPT [FRAMES [VIEWS]]     VIEWS 1 or 2 (2)
//
// Prints one line: "frame views V frames N scene_ms S floor_ms F empty_ms E
// scene_cpu_ms S floor_cpu_ms F empty_cpu_ms E overdraw O floor_overdraw F":
// wall-clock milliseconds per frame, then this thread's processor time per
// frame, which with LP_NUM_THREADS=0 (the software renderer on this thread
// alone) is the drawing work itself, whatever else the machine is doing;
// then how many fragments passed the depth test per pixel of the window, in
// the match's frame and in the floor's, counted with an occlusion query on
// every tenth frame, drawn again outside the timing.

#include "ReplayScript.h"

#include "app/Hud.h"
#include "app/World.h"
#include "render/CameraView.h"
#include "render/RenderAssets.h"
#include "render/SkyBox.h"
#include "render/Viewport.h"
#include "shell/FrameView.h"
#include "shell/StartUp.h"

// The occlusion query is GL 1.5; the game itself keeps to 1.1.
#define GL_GLEXT_PROTOTYPES
#include <GL/freeglut.h>
#include <GL/glext.h>
#include <GL/glu.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>

namespace {

constexpr int WARM_UP_FRAMES = 50;
constexpr int COUNT_EVERY = 10;
// The ground quad covers the whole arena, its texture as dense as the field's.
constexpr float GROUND_EXTENT[4] = {-160, 160, -30, 170}; // x from, x to, z from, z to
constexpr float FLOOR_REPEATS_PER_UNIT = 172.0f / 212;

World world;
RenderAssets assets;
ReplayScript script;
int frames = 3000;
int views = 2;

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double threadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

struct FrameTime {
    double wall = 0, cpu = 0;

    void add(const FrameTime& other) {
        wall += other.wall;
        cpu += other.cpu;
    }
};

// The viewports and projections the game's frame sets, with each camera's
// view as it stands (no glide: the scene frame has just moved them).
void setView(int player) {
    const int half = WINDOW_HEIGHT / 2;
    if (world.playerCount == 1)
        setLogicalViewport(assets.window, 0, 0, WINDOW_WIDTH, WINDOW_HEIGHT);
    else
        setLogicalViewport(assets.window, 0, player == 1 ? half : 0, WINDOW_WIDTH, half);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45, world.playerCount == 1 ? 4.0 / 3.0 : 8.0 / 3.0, static_cast<double>(0.1f),
                   500);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    placeCamera(world.cameras[player - 1]);
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
        glBindTexture(GL_TEXTURE_2D, assets.textureIds[TEX_FLOOR]);
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
template <typename Draw> FrameTime timeFrame(Draw draw) {
    const Clock::time_point start = Clock::now();
    const double cpuStart = threadSeconds();
    draw();
    glutSwapBuffers();
    glFinish();
    return {secondsSince(start), threadSeconds() - cpuStart};
}

// Fragments that passed the depth test in one drawing of a frame.
template <typename Draw> double fragmentsDrawn(Draw draw) {
    GLuint query = 0;
    glGenQueries(1, &query);
    glBeginQuery(GL_SAMPLES_PASSED, query);
    draw();
    glEndQuery(GL_SAMPLES_PASSED);
    GLuint samples = 0;
    glGetQueryObjectuiv(query, GL_QUERY_RESULT, &samples);
    glDeleteQueries(1, &query);
    return samples;
}

void run() {
    ScriptPlayer player;
    player.loop.restart(world);
    DrawnMotion drawn;
    FrameTime scene, floor, empty;
    double fragments = 0, floorFragments = 0;
    int counted = 0, fragmentFrames = 0;
    for (size_t i = 0; i < script.frames.size() && counted < frames; ++i) {
        const float dt = static_cast<float>(script.frames[i].ms) / 1000;
        if (!player.play(world, script.frames[i]))
            continue;
        player.loop.poseForDrawing(world, dt, &drawn);
        if (static_cast<int>(i) >= WARM_UP_FRAMES && counted % COUNT_EVERY == 0) {
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            fragments += fragmentsDrawn([&] { drawFrame(world, drawn, assets); });
            floorFragments += fragmentsDrawn(drawFloorFrame);
            ++fragmentFrames;
        }
        const FrameTime sceneTime = timeFrame([&] { drawFrame(world, drawn, assets); });
        const FrameTime floorTime = timeFrame(drawFloorFrame);
        const FrameTime emptyTime =
            timeFrame([] { glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT); });
        if (static_cast<int>(i) < WARM_UP_FRAMES)
            continue;
        scene.add(sceneTime);
        floor.add(floorTime);
        empty.add(emptyTime);
        ++counted;
    }
    if (counted == 0) {
        std::fprintf(stderr, "vk-frame-bench: the script has too few frames\n");
        std::exit(1);
    }
    const double perFrame = 1000.0 / counted;
    const double pixels = static_cast<double>(assets.window.width) * assets.window.height;
    std::printf("frame views %d frames %d scene_ms %.3f floor_ms %.3f empty_ms %.3f "
                "scene_cpu_ms %.3f floor_cpu_ms %.3f empty_cpu_ms %.3f overdraw %.3f "
                "floor_overdraw %.3f\n",
                world.playerCount, counted, scene.wall * perFrame, floor.wall * perFrame,
                empty.wall * perFrame, scene.cpu * perFrame, floor.cpu * perFrame,
                empty.cpu * perFrame, fragments / fragmentFrames / pixels,
                floorFragments / fragmentFrames / pixels);
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
    world.diagnostics = std::fopen("/dev/null", "w");
    std::srand(script.seed);
    startUpWorld(world, assets);
    world.playerCount = views;
    glutDisplayFunc(run);
    glutMainLoop();
    return 0;
}
