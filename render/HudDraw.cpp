#include "render/HudDraw.h"

#include "app/Hud.h"
#include "app/World.h"
#include "render/RenderAssets.h"
#include "render/Viewport.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace {

constexpr float HUD_ALPHA_CUT = 0.2f;
constexpr float NEEDLE_DEPTH = 1; // in front of the dials
constexpr float DIGIT_WIDTH = 37, DIGIT_HEIGHT = 44;
constexpr float MESSAGE_WIDTH = 250, MESSAGE_HEIGHT = 100;
constexpr float TITLE_WIDTH = 450, TITLE_HEIGHT = 78;
constexpr float MATCH_CLOCK_TOP = 10;
constexpr float TAG_CLOCK_TOP[2] = {10, 500};
constexpr float NOTICE_DIMMING = 0.55f; // the share of black over a held picture
// "CPU" over its level, each 128 x 32 at one texel a pixel.
constexpr float LABEL_WIDTH = 128, LABEL_HEIGHT = 32;

// A textured quad in overlay pixels: the image upright, s left to right,
// t = 1 at the top edge. Counter-clockwise on screen, so culling keeps it.
void quad(float left, float top, float right, float bottom, float s0 = 0, float t0 = 0,
          float s1 = 1, float t1 = 1) {
    glBegin(GL_QUADS);
    glTexCoord2f(s0, t1);
    glVertex3f(left, top, 0);
    glTexCoord2f(s0, t0);
    glVertex3f(left, bottom, 0);
    glTexCoord2f(s1, t0);
    glVertex3f(right, bottom, 0);
    glTexCoord2f(s1, t1);
    glVertex3f(right, top, 0);
    glEnd();
}

// An optional image the data folder lacks is left out, not drawn white.
void image(const RenderAssets& assets, TextureSlot slot, OverlayRect r) {
    if (assets.textureIds[slot] == 0)
        return;
    glBindTexture(GL_TEXTURE_2D, assets.textureIds[slot]);
    quad(r.left, r.top, r.right, r.bottom);
}

// One glyph of the digit strip (1 to 9, then 0). Digits from 10 on and 0
// itself reach past the strip's end and wrap round to the right glyph.
void drawDigit(int n, float x, float y) {
    quad(x, y, x + DIGIT_WIDTH, y + DIGIT_HEIGHT, (n - 1) / 10.0f, 0, n / 10.0f, 1);
}

void drawClockValue(const RenderAssets& assets, float value, float y) {
    const ClockDigits d = clockDigits(value);
    glBindTexture(GL_TEXTURE_2D, assets.textureIds[TEX_MSG_NUMBERS]);
    drawDigit(d.hundreds, 111, y);
    drawDigit(d.tens, 148, y);
    drawDigit(d.units, 185, y);
    // The point: a sliver of the zero glyph's foot.
    quad(215, y + 40, 220, y + 45, -0.3f, 0.25f, 0, 0.3f);
    drawDigit(d.tenths, 222, y);
}

void drawMessages(const World& world, const RenderAssets& assets) {
    const MatchStatus& status = world.matchStatus;
    if (status.showClock)
        drawClockValue(assets, status.matchClock, MATCH_CLOCK_TOP);
    const OverlayRect message = centredMessage(world, MESSAGE_WIDTH, MESSAGE_HEIGHT);
    if (status.showP1Wins)
        image(assets, TEX_MSG_P1_WINS, message);
    if (status.showP2Wins)
        image(assets, TEX_MSG_P2_WINS, message);
    if (status.showHurryUp)
        image(assets, TEX_MSG_HURRY_UP, message);
    if (status.showGoal)
        image(assets, TEX_MSG_GOAL, message);
    if (status.showTitle)
        image(assets, TEX_MSG_TITLE, centredMessage(world, TITLE_WIDTH, TITLE_HEIGHT));
    if (status.countdownActive) {
        const TextureSlot stage = status.countdownTime > 3   ? TEX_MSG_READY
                                  : status.countdownTime > 1 ? TEX_MSG_SET
                                                             : TEX_MSG_GO;
        image(assets, stage, message);
    }
}

// A needle turned about its pivot, which sits at (pivotX, pivotY) in the
// needle image of the given size.
void needle(const RenderAssets& assets, const Kart& kart, float x, float y, float pivotX,
            float pivotY, float width, float height) {
    glPushMatrix();
    glTranslatef(x, y, NEEDLE_DEPTH);
    glRotatef(speedometerAngle(kart), 0, 0, 1);
    glTranslatef(-pivotX, -pivotY, 0);
    glBindTexture(GL_TEXTURE_2D, assets.textureIds[TEX_NEEDLE]);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 1);
    glVertex3f(0, 0, 0);
    glTexCoord2f(0, 0);
    glVertex3f(0, height, 0);
    glTexCoord2f(1, 0);
    glVertex3f(width, height, 0);
    glTexCoord2f(1, 1);
    glVertex3f(width, 0, 0);
    glEnd();
    glPopMatrix();
}

// Beside the dial of a kart the computer drives: "CPU" and its level, the
// pair's top right corner at (right, top).
void cpuLabel(const World& world, const RenderAssets& assets, int k, float right, float top) {
    if (!world.cpu.drives[k])
        return;
    constexpr TextureSlot LEVELS[CPU_LEVELS] = {TEX_MSG_EASY, TEX_MSG_NORMAL, TEX_MSG_HARD};
    const float left = right - LABEL_WIDTH;
    image(assets, TEX_MSG_CPU, {left, top, right, top + LABEL_HEIGHT});
    image(assets, LEVELS[world.cpu.level],
          {left, top + LABEL_HEIGHT, right, top + 2 * LABEL_HEIGHT});
}

void drawOnePlayer(const World& world, const RenderAssets& assets) {
    drawMessages(world, assets);
    image(assets, TEX_ODOMETER, {920, 658, 1280, 960});
    needle(assets, world.karts[0], 1120, 860, 180, 10, 230, 22);
    cpuLabel(world, assets, 0, 916, 860);
}

void drawTwoPlayers(const World& world, const RenderAssets& assets) {
    if (world.gameMode == GAME_TAG) {
        drawClockValue(assets, world.matchStatus.tagClockShown1, TAG_CLOCK_TOP[0]);
        drawClockValue(assets, world.matchStatus.tagClockShown2, TAG_CLOCK_TOP[1]);
    }
    drawMessages(world, assets);
    image(assets, TEX_ODOMETER, {1100, 330, 1280, 480});
    image(assets, TEX_ODOMETER, {1100, 810, 1280, 960});
    needle(assets, world.karts[0], 1210, 425, 70, 0, 114, 10);
    needle(assets, world.karts[1], 1210, 905, 70, 0, 114, 10);
    cpuLabel(world, assets, 0, 1096, 400);
    cpuLabel(world, assets, 1, 1096, 880);
}

} // namespace

// Overlay pixels over the whole window, origin top left; depth testing is
// left on, as the scene pass leaves it.
void beginOverlay(const RenderAssets& assets) {
    setLogicalViewport(assets.window, 0, 0, WINDOW_WIDTH, WINDOW_HEIGHT);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    gluOrtho2D(0, WINDOW_WIDTH, 0, WINDOW_HEIGHT);
    glScalef(1, -1, 1);
    glTranslatef(0, -WINDOW_HEIGHT, 0);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
}

void endOverlay() {
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}

void dimWindow() {
    glDisable(GL_DEPTH_TEST);
    glColor4f(0, 0, 0, NOTICE_DIMMING);
    quad(0, 0, WINDOW_WIDTH, WINDOW_HEIGHT);
    glEnable(GL_DEPTH_TEST);
}

void drawHud(const World& world, const RenderAssets& assets) {
    beginOverlay(assets);
    glColor4f(1, 1, 1, 1);
    glAlphaFunc(GL_GEQUAL, HUD_ALPHA_CUT);
    glEnable(GL_ALPHA_TEST);
    glEnable(GL_TEXTURE_2D);
    if (world.playerCount == 1)
        drawOnePlayer(world, assets);
    else
        drawTwoPlayers(world, assets);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_ALPHA_TEST);
    endOverlay();
}

void drawNotice(const RenderAssets& assets, TextureSlot notice, float width, float height) {
    beginOverlay(assets);
    // The whole picture darkened, over everything drawn so far.
    glDisable(GL_DEPTH_TEST);
    glColor4f(0, 0, 0, NOTICE_DIMMING);
    quad(0, 0, WINDOW_WIDTH, WINDOW_HEIGHT);
    glColor4f(1, 1, 1, 1);
    glAlphaFunc(GL_GEQUAL, HUD_ALPHA_CUT);
    glEnable(GL_ALPHA_TEST);
    glEnable(GL_TEXTURE_2D);
    const float left = (WINDOW_WIDTH - width) / 2, top = (WINDOW_HEIGHT - height) / 2;
    image(assets, notice, {left, top, left + width, top + height});
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_ALPHA_TEST);
    glEnable(GL_DEPTH_TEST);
    endOverlay();
}
