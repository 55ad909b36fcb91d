// Plays a replay script in a real window through the game's own start-up,
// frame and drawing, and saves the picture of chosen frames as PNG files:
// screenshots of real matches, driven by a script (the autopilot's, say).
// Reads the game's data from the working directory.
//
//   vk-replay-shot [--cpu 1|2|both] [--level easy|normal|hard] SCRIPT OUT_DIR FRAME [FRAME...]
//
// --cpu and --level seat the game's CPU as vorlane-replay does.
// Writes OUT_DIR/frame-N.png for each FRAME, counted as the replay tool
// counts them, from 1. Only the frames asked for are drawn; the cameras
// glide through the others as they would.

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

#include "ReplayScript.h"

#include "app/World.h"
#include "app/cpu/CpuPlayers.h"
#include "render/RenderAssets.h"
#include "shell/FrameView.h"
#include "shell/StartUp.h"

#include <GL/freeglut.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

World world;
RenderAssets assets;
ReplayScript script;
std::string outDir;
std::set<size_t> wanted;

bool save(size_t frame) {
    std::vector<unsigned char> rgb(WINDOW_WIDTH * WINDOW_HEIGHT * 3);
    glFinish();
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, WINDOW_WIDTH, WINDOW_HEIGHT, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    stbi_flip_vertically_on_write(1);
    const std::string path = outDir + "/frame-" + std::to_string(frame) + ".png";
    if (!stbi_write_png(path.c_str(), WINDOW_WIDTH, WINDOW_HEIGHT, 3, rgb.data(),
                        WINDOW_WIDTH * 3)) {
        std::fprintf(stderr, "vk-replay-shot: cannot write %s\n", path.c_str());
        return false;
    }
    std::printf("%s\n", path.c_str());
    return true;
}

// The whole script in one display callback: the window exists and the GL
// context is current.
void play() {
    int status = 0;
    ScriptPlayer player;
    player.loop.restart(world);
    DrawnMotion drawn;
    const size_t last = *wanted.rbegin();
    for (size_t i = 0; i < script.frames.size() && i < last; ++i) {
        // A mode-choice frame draws nothing, as in the game.
        if (!player.play(world, script.frames[i]))
            continue;
        // The game shows a frame's own length in milliseconds.
        player.loop.poseForDrawing(world, static_cast<float>(script.frames[i].ms) / 1000, &drawn);
        if (wanted.count(i + 1) != 0) {
            drawFrame(world, drawn, assets);
            if (!save(i + 1))
                status = 1;
        }
    }
    std::exit(status);
}

int usage() {
    std::fprintf(stderr, "usage: vk-replay-shot [--cpu 1|2|both] [--level easy|normal|hard] "
                         "SCRIPT OUT_DIR FRAME [FRAME...]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    glutInit(&argc, argv);
    int first = 1; // the script's argument, after the CPU options
    std::string error;
    for (int taken; first < argc && (taken = takeCpuOption(argc, argv, first, &world.cpu, &error));
         first += taken)
        if (taken < 0) {
            std::fprintf(stderr, "vk-replay-shot: %s\n", error.c_str());
            return usage();
        }
    if (argc - first < 3)
        return usage();
    std::ifstream file(argv[first], std::ios::binary);
    if (!file) {
        std::fprintf(stderr, "vk-replay-shot: cannot open \"%s\"\n", argv[first]);
        return 2;
    }
    std::ostringstream text;
    text << file.rdbuf();
    if (!parseReplayScript(text.str(), &script, &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 2;
    }
    outDir = argv[first + 1];
    for (int i = first + 2; i < argc; ++i) {
        const long frame = std::atol(argv[i]);
        if (frame < 1)
            return usage();
        wanted.insert(static_cast<size_t>(frame));
    }

    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(WINDOW_WIDTH, WINDOW_HEIGHT);
    glutCreateWindow("vk-replay-shot");
    world.diagnostics = stderr;
    std::srand(script.seed);
    startUpWorld(world, assets);
    glutDisplayFunc(play);
    glutMainLoop();
    return 0;
}
