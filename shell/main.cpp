// Vorlane Kart: two players, one keyboard, one split screen.

#include "app/FrameLoop.h"
#include "app/Input.h"
#include "app/Menu.h"
#include "app/Settings.h"
#include "app/World.h"
#include "render/HudDraw.h"
#include "render/RenderAssets.h"
#include "render/TextDraw.h"
#include "render/Viewport.h"
#include "shell/ConfigFiles.h"
#include "shell/DataFolder.h"
#include "shell/FrameView.h"
#include "shell/Gamepads.h"
#include "shell/MenuView.h"
#include "shell/RandomSeed.h"
#include "shell/StartUp.h"
#include "shell/TagClockVariable.h"
#include "shell/TimeScaleVariable.h"
#include "support/Sound.h"
#include "support/audio/EngineSound.h"

#include <GL/freeglut.h>
#include <cctype>
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
static Menu menu;
static Settings settings;      // as the player has them now
static Settings savedSettings; // as the settings file holds them
static GlyphSheet glyphs;
static StickSteps stickSteps[2];
// The menu's picture must be drawn again: it changed, or the window did.
static bool menuStale = false;
static bool menuNoteShown = false;
static int timeScale = 1; // the game's time against the wall clock's, for tests

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

// Ctrl-C or a polite kill ends the game between frames the way a closed
// window does: the main loop returns and GLUT lets go of the window and its
// GL context before the process ends.
static volatile std::sig_atomic_t quitRequested = 0;

// Full screen and back. Without a window manager freeglut puts the window
// back somewhere off the screen's corner: it goes back where it was.
static void setFullScreen(bool on) {
    static bool fullScreen = false;
    static int windowX = 0, windowY = 0;
    if (on == fullScreen)
        return;
    if (on) {
        windowX = glutGet(GLUT_WINDOW_X);
        windowY = glutGet(GLUT_WINDOW_Y);
        glutFullScreenToggle();
        glutPositionWindow(0, 0);
    } else {
        glutFullScreenToggle();
        glutPositionWindow(windowX, windowY);
    }
    fullScreen = on;
}

static void toggleFullScreen() {
    settings.fullScreen = !settings.fullScreen;
    setFullScreen(settings.fullScreen);
}

// What a menu choice leaves for the shell to do.
static void carryOut(const MenuResult& result) {
    if (result.changed)
        menuStale = true;
    if (result.quit)
        quitRequested = 1;
    if (result.fullScreenChanged)
        setFullScreen(settings.fullScreen);
    if (!result.savedControl.empty()) {
        std::string error;
        if (!saveControl(result.savedControl, result.savedValue, &error))
            std::fprintf(stderr, "vorlane-kart: %s\n", error.c_str());
    }
}

static int32_t menuClock() {
    return glutGet(GLUT_ELAPSED_TIME);
}

// The settings written again whenever one of them changed, whichever way:
// a menu, a key ('1', '2', '3', F1 to F3, F11) or a match chosen.
static void keepSettings() {
    copyWorldSettings(world, settings);
    audioOutput.effectsGain = settings.effectsVolume / 10.0f;
    if (settings == savedSettings)
        return;
    saveSettings(settings);
    savedSettings = settings;
}

// A pad's presses in a menu: the d-pad, the stick, A and B; while a
// binding waits, the next button pressed is it.
static void padsInMenu(const PadEvents& events) {
    const bool binding = menu.waitingForBinding();
    for (int seat = 0; seat < 2; ++seat) {
        for (int b = PAD_A; b < PAD_BUTTONS; ++b) {
            if (!events.pressed[seat][b])
                continue;
            MenuCommand command;
            if (binding)
                carryOut(menu.bindButton(static_cast<PadButton>(b), world, menuClock()));
            else if (menuCommandOfButton(static_cast<PadButton>(b), &command))
                carryOut(menu.command(command, world, settings, menuClock()));
            if (!menu.open() || menu.waitingForBinding() != binding)
                return;
        }
        MenuCommand steps[2];
        const int n = stickSteps[seat].step(world.pads[seat].stick, world.pads[seat].stickY, steps);
        for (int i = 0; i < n && !binding; ++i)
            carryOut(menu.command(steps[i], world, settings, menuClock()));
    }
}

// Once a frame: the pads' state for the next ticks, and what their one-shot
// buttons ask for. A player's pad unplugged during a match pauses it.
static void readPads() {
    PadInput readings[2];
    const PadEvents events = gamepads.poll(readings, world.padLayouts);
    takePadReadings(world, readings, events.pressed);
    const bool playing = !world.awaitingModeSelection;
    if (events.pause && playing && !menu.waitingForBinding())
        world.setPaused(!world.paused);
    // The hand-over button held for the menu: what a tap of '0' does.
    if (events.menu && playing && !world.paused)
        tapSlot(world, SLOT_MODE_SELECT);
    for (int k = 0; k < 2; ++k) {
        if (events.camera[k] && !world.paused && playing)
            world.cameras[k].nextMode();
        if (events.seatLost[k] && !events.seatGained[k] && playing)
            world.setPaused(true);
    }
    if (menu.open())
        padsInMenu(events);
}

// The glyph sheet for the menus: without it they are set in plain letters.
static void loadGlyphs(const std::string& dataFolder) {
    const std::string path = (dataFolder.empty() ? "" : dataFolder + "/").append("glyphs.tga");
    std::string error;
    if (!loadGlyphSheet(&glyphs, path, &error))
        std::fprintf(stderr,
                     "vorlane-kart: cannot load texture \"%s\": %s; the menus use plain letters\n",
                     path.c_str(), error.c_str());
}

static void initGame() {
    // The palm scatter and the particle puffs differ from run to run, unless
    // a test pins the seed.
    seedRandom();
    world.tagClockSeconds = tagClockFromEnvironment(TAG_CLOCK_SECONDS);
    timeScale = timeScaleFromEnvironment();
    loadControls(world);
    settings = loadSettings();
    savedSettings = settings;
    const DataFolder data = findGameData();
    startUpWorld(world, renderAssets, nullptr, data.folder);
    loadGlyphs(data.folder);
    applyWorldSettings(settings, world);
    frameLoop.restart(world);
    const std::string folder = configFolder();
    gamepads.start(folder.empty() ? nullptr : (folder + "/gamecontrollerdb.txt").c_str());
    // After the pictures: a game that cannot start says only why.
    startAudio(audioOutput,
               (data.folder.empty() ? "" : data.folder + "/").append("ray01.wav").c_str());
    setFullScreen(settings.fullScreen);
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
    const bool choosing = world.awaitingModeSelection;
    const int32_t now = glutGet(GLUT_ELAPSED_TIME);
    const FrameLoop::Step step = frameLoop.simulate(world, now * timeScale);
    // The match menu opens on the match chosen last, by a menu or a mode key.
    if (choosing && !world.awaitingModeSelection)
        settings.lastMatch = world.gameMode;
    if (menu.follow(world, settings)) {
        menuStale = true;
        // A button or key that closed the menu is not a kart control.
        if (!menu.open())
            for (bool& waits : world.padWaitsForRelease)
                waits = true;
    }
    keepSettings();
    if (menu.open() && menu.noteShows(now) != menuNoteShown)
        menuStale = true;
    // The held picture under a menu is drawn again only when the menu changes.
    const bool drawMenuNow = menu.open() && menuStale;
    if (!step.simulated && !drawMenuNow)
        return;
    // Paused, the picture is the one from before the pause, dimmed.
    if (step.simulated && !world.paused)
        frameLoop.poseForDrawing(world, step.dt, &drawnMotion);
    drawFrame(world, drawnMotion, renderAssets);
    if (menu.open()) {
        drawMenu(menu, world, settings, renderAssets, glyphs, now);
        menuNoteShown = menu.noteShows(now);
        menuStale = false;
    }
    glutSwapBuffers();
}

static void onKeyDown(unsigned char key, int, int) {
    constexpr unsigned char CTRL_Q = 17, ENTER = 13, ESCAPE = 27;
    if (key == CTRL_Q) {
        quitRequested = 1;
        return;
    }
    if (key == ENTER && (glutGetModifiers() & GLUT_ACTIVE_ALT) != 0) {
        toggleFullScreen();
        return;
    }
    if (!menu.open()) {
        keyDown(world, key);
        return;
    }
    const unsigned char lower = static_cast<unsigned char>(std::tolower(key));
    if (menu.waitingForBinding()) {
        if (key == ESCAPE)
            carryOut(menu.command(MENU_BACK, world, settings, menuClock()));
        else
            carryOut(menu.bindKey(lower, world, menuClock()));
        return;
    }
    MenuCommand command;
    // 'p' pauses and resumes as ever; the mode keys start their match.
    if (!(world.paused && lower == 'p') && menuCommandOfKey(world.bindings, lower, &command))
        carryOut(menu.command(command, world, settings, menuClock()));
    else
        keyDown(world, key);
}

static void onSpecialKeyDown(int key, int, int) {
    if (key == GLUT_KEY_F11) {
        toggleFullScreen();
        return;
    }
    if (menu.open() && !menu.waitingForBinding()) {
        const MenuCommand command = key == GLUT_KEY_UP     ? MENU_UP
                                    : key == GLUT_KEY_DOWN ? MENU_DOWN
                                    : key == GLUT_KEY_LEFT ? MENU_LEFT
                                                           : MENU_RIGHT;
        if (key == GLUT_KEY_UP || key == GLUT_KEY_DOWN || key == GLUT_KEY_LEFT ||
            key == GLUT_KEY_RIGHT) {
            carryOut(menu.command(command, world, settings, menuClock()));
            return;
        }
    }
    if (key == GLUT_KEY_F1 || key == GLUT_KEY_F2)
        toggleCpu(world, key == GLUT_KEY_F1 ? 0 : 1);
    else if (key == GLUT_KEY_F3)
        cycleCpuLevel(world);
    if (menu.open())
        menuStale = true;
}

static void onKeyUp(unsigned char key, int, int) {
    keyUp(world, key);
}

static void onReshape(int width, int height) {
    renderAssets.window = {width, height > 0 ? height : 1};
    menuStale = true;
}

static void requestQuit(int) {
    quitRequested = 1;
}

static void idle() {
    if (quitRequested)
        glutLeaveMainLoop();
    // A held picture needs no more than a few frames a second.
    if (world.paused || world.awaitingModeSelection)
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
