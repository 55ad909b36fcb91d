// Vorlane Kart: two players, one keyboard, one split screen.

#include "app/FrameLoop.h"
#include "app/Input.h"
#include "app/World.h"
#include "render/HudDraw.h"
#include "render/RenderAssets.h"
#include "render/Viewport.h"
#include "shell/ConfigFiles.h"
#include "shell/DataFolder.h"
#include "shell/FrameView.h"
#include "shell/Gamepads.h"
#include "shell/RandomSeed.h"
#include "shell/StartUp.h"
#include "shell/TagClockVariable.h"
#include "support/Sound.h"
#include "support/audio/EngineSound.h"

#include <GL/freeglut.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <unistd.h>

// Program-wide state, constructed before main in this order.
static World world;
static FrameLoop frameLoop;
static DrawnMotion drawnMotion; // the karts, ball and coconuts as this frame shows them
static RenderAssets renderAssets;
static AudioOutput audioOutput;
static Gamepads gamepads;

// The pause sign's size on the 1280 x 960 overlay: its picture, 512 x 256,
// drawn a little larger.
constexpr float PAUSED_SIGN_WIDTH = 640, PAUSED_SIGN_HEIGHT = 320;
// The match-choice card, 512 x 128, likewise.
constexpr float CHOICE_CARD_WIDTH = 800, CHOICE_CARD_HEIGHT = 200;

// The game's files, wherever it was started from; when they are nowhere,
// where it looked, and then the working directory's own complaint.
static DataFolder findGameData() {
    char cwd[4096] = ".";
    if (getcwd(cwd, sizeof cwd) == nullptr)
        std::snprintf(cwd, sizeof cwd, ".");
    char exe[4096] = {};
    const ssize_t n = readlink("/proc/self/exe", exe, sizeof exe - 1);
    const DataFolder data =
        findDataFolder(cwd, n > 0 ? std::string(exe, static_cast<size_t>(n)) : "", VK_DATA_FROM_BIN,
                       VK_INSTALLED_DATA);
    if (!data.found) {
        std::string where;
        for (const std::string& folder : data.searched)
            where += (where.empty() ? "" : ", ") + folder;
        std::fprintf(stderr, "vorlane-kart: the game's files (%s) are in none of: %s\n",
                     DATA_MARKER, where.c_str());
    }
    return data;
}

static void closeSound() {
    stopAudio(audioOutput);
    gamepads.stop();
}

// Once a frame: the pads' state for the next ticks, and what their one-shot
// buttons ask for. A player's pad unplugged during a match pauses it.
static void readPads() {
    const PadEvents events = gamepads.poll(world.pads, world.padLayouts);
    const bool playing = !world.awaitingModeSelection;
    if (events.pause && playing)
        world.setPaused(!world.paused);
    for (int k = 0; k < 2; ++k) {
        if (events.camera[k] && !world.paused)
            world.cameras[k].nextMode();
        if (events.seatLost[k] && !events.seatGained[k] && playing)
            world.setPaused(true);
    }
}

static void initGame() {
    // The palm scatter and the particle puffs differ from run to run, unless
    // a test pins the seed.
    seedRandom();
    world.tagClockSeconds = tagClockFromEnvironment(TAG_CLOCK_SECONDS);
    loadControls(world);
    const DataFolder data = findGameData();
    startUpWorld(world, renderAssets, nullptr, data.folder);
    frameLoop.restart(world);
    const std::string settings = configFolder();
    gamepads.start(settings.empty() ? nullptr : (settings + "/gamecontrollerdb.txt").c_str());
    // After the pictures: a game that cannot start says only why.
    startAudio(audioOutput,
               (data.folder.empty() ? "" : data.folder + "/").append("ray01.wav").c_str());
    // Runs however the game ends: from main's return or an exit in a library.
    std::atexit(closeSound);
}

static void displayFrame() {
    readPads();
    // Only player 1's kart is heard, and only while a match is on.
    if (world.awaitingModeSelection || world.paused)
        silenceEngine(audioOutput);
    else
        setEngineTone(audioOutput, world.sound, world.karts[0].speed, world.karts[0].maxSpeed);
    const FrameLoop::Step step = frameLoop.simulate(world, glutGet(GLUT_ELAPSED_TIME));
    if (!step.simulated)
        return;
    // Paused, the picture is the one from before the pause, dimmed.
    if (!world.paused)
        frameLoop.poseForDrawing(world, step.dt, &drawnMotion);
    drawFrame(world, drawnMotion, renderAssets);
    if (world.paused)
        drawNotice(renderAssets, TEX_MSG_PAUSED, PAUSED_SIGN_WIDTH, PAUSED_SIGN_HEIGHT);
    // The frame that leaves for the match choice is the last one drawn until
    // a match is chosen: it carries the choice, over the picture dimmed.
    else if (world.awaitingModeSelection)
        drawNotice(renderAssets, TEX_MSG_CHOOSE, CHOICE_CARD_WIDTH, CHOICE_CARD_HEIGHT);
    glutSwapBuffers();
}

// Ctrl-C or a polite kill ends the game between frames the way a closed
// window does: the main loop returns and GLUT lets go of the window and its
// GL context before the process ends.
static volatile std::sig_atomic_t quitRequested = 0;

// Full screen and back. Without a window manager freeglut puts the window
// back somewhere off the screen's corner: it goes back where it was.
static void toggleFullScreen() {
    static bool fullScreen = false;
    static int windowX = 0, windowY = 0;
    if (!fullScreen) {
        windowX = glutGet(GLUT_WINDOW_X);
        windowY = glutGet(GLUT_WINDOW_Y);
        glutFullScreenToggle();
        glutPositionWindow(0, 0);
    } else {
        glutFullScreenToggle();
        glutPositionWindow(windowX, windowY);
    }
    fullScreen = !fullScreen;
}

static void onKeyDown(unsigned char key, int, int) {
    constexpr unsigned char CTRL_Q = 17, ENTER = 13;
    if (key == CTRL_Q) {
        quitRequested = 1;
        return;
    }
    if (key == ENTER && (glutGetModifiers() & GLUT_ACTIVE_ALT) != 0) {
        toggleFullScreen();
        return;
    }
    keyDown(world, key);
}

static void onSpecialKeyDown(int key, int, int) {
    if (key == GLUT_KEY_F11)
        toggleFullScreen();
    else if (key == GLUT_KEY_F1 || key == GLUT_KEY_F2)
        toggleCpu(world, key == GLUT_KEY_F1 ? 0 : 1);
    else if (key == GLUT_KEY_F3)
        cycleCpuLevel(world);
}

static void onKeyUp(unsigned char key, int, int) {
    keyUp(world, key);
}

static void onReshape(int width, int height) {
    renderAssets.window = {width, height > 0 ? height : 1};
}

static void requestQuit(int) {
    quitRequested = 1;
}

static void idle() {
    if (quitRequested)
        glutLeaveMainLoop();
    // A held picture needs no more than a few frames a second.
    if (world.paused)
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
    glutPostRedisplay();
}

int main(int argc, char** argv) {
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowPosition(100, 50);
    glutInitWindowSize(WINDOW_WIDTH, WINDOW_HEIGHT);
    glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_GLUTMAINLOOP_RETURNS);
    glutCreateWindow("Vorlane Kart");
    // X11 turns a held key into release/press pairs; a held key must stay held.
    glutIgnoreKeyRepeat(1);
    std::signal(SIGINT, requestQuit);
    std::signal(SIGTERM, requestQuit);
    initGame();
    glutDisplayFunc(displayFrame);
    glutKeyboardFunc(onKeyDown);
    glutKeyboardUpFunc(onKeyUp);
    glutSpecialFunc(onSpecialKeyDown);
    glutReshapeFunc(onReshape);
    glutIdleFunc(idle);
    glutMainLoop();
    return 0;
}
