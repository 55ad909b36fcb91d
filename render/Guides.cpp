#include "render/Guides.h"

#include "app/TickBlend.h"
#include "app/World.h"
#include "render/ListSlots.h"
#include "render/RenderAssets.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <cmath>

namespace {

constexpr float GUIDE_COLOURS[2][4] = {{0, 0.25f, 0.8f, 0.7f}, {0, 0.8f, 0.25f, 0.7f}};
constexpr float ARROW_AHEAD = 4; // along the kart's heading
constexpr float ARROW_ABOVE = 2;
constexpr float MARKER_WIDTH = 0.4f, MARKER_HEIGHT = 4;
constexpr int BALL_SLICES = 20;

void setGuideColour(int kart) {
    glColor4fv(GUIDE_COLOURS[kart]);
}

// Hovers ahead of and above the kart, turned toward the target. A target at
// the kart's own position has no direction: no arrow.
void drawGuideArrow(const RenderAssets& assets, const Kart& kart, float tx, float ty, float tz) {
    const Vec3 delta{tx - kart.position.x, ty - kart.position.y, tz - kart.position.z};
    const float length = length3(delta);
    if (!(length > 0))
        return;
    // The sine of the ratio, not its arcsine: a little flatter on the ramps.
    const float tilt = std::sin(delta.y / length);
    float turn = angleToXAxis(delta);
    if (delta.z > 0)
        turn = -turn;
    const float h = kart.heading;
    glPushMatrix();
    glTranslatef(kart.position.x + ARROW_AHEAD * std::sin(h),
                 kart.position.y + ARROW_ABOVE + ARROW_AHEAD * std::sin(tilt),
                 kart.position.z + ARROW_AHEAD * std::cos(h));
    glRotated(tilt / ARROW_PI * 180, 1, 0, 0);
    glRotated(turn / ARROW_PI * 180, 0, 1, 0);
    glCallList(assets.displayLists[LIST_ARROW]);
    glPopMatrix();
}

// A unit cube about the origin. Each face: its normal and two axes across
// it whose cross product is the normal, so its corners run anticlockwise
// seen from outside.
void unitCube() {
    static const float FACES[6][3][3] = {
        {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}, {{-1, 0, 0}, {0, 0, 1}, {0, 1, 0}},
        {{0, 1, 0}, {0, 0, 1}, {1, 0, 0}}, {{0, -1, 0}, {1, 0, 0}, {0, 0, 1}},
        {{0, 0, 1}, {1, 0, 0}, {0, 1, 0}}, {{0, 0, -1}, {0, 1, 0}, {1, 0, 0}},
    };
    static const float CORNERS[4][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};
    glBegin(GL_QUADS);
    for (const auto& face : FACES) {
        const float* n = face[0];
        glNormal3fv(n);
        for (const auto& c : CORNERS) {
            float v[3];
            for (int i = 0; i < 3; ++i)
                v[i] = 0.5f * (n[i] + c[0] * face[1][i] + c[1] * face[2][i]);
            glVertex3fv(v);
        }
    }
    glEnd();
}

// A post standing on the point; the caller sets the colour.
void drawMarker(const Checkpoint& point) {
    glPushMatrix();
    glTranslatef(point.x, point.y + MARKER_HEIGHT / 2, point.z);
    glScalef(MARKER_WIDTH, MARKER_HEIGHT, MARKER_WIDTH);
    unitCube();
    glPopMatrix();
}

// Lit by light 0 and the start-up material: the only lit thing in the arena.
void drawBall(const Ball& ball, GLUquadric* sphere) {
    if (sphere == nullptr)
        return;
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glPushMatrix();
    glTranslatef(ball.position.x, ball.position.y, ball.position.z);
    glColor3f(0, 1, 0);
    gluSphere(sphere, ball.radius, BALL_SLICES, BALL_SLICES);
    glPopMatrix();
    glDisable(GL_LIGHTING);
    glDisable(GL_LIGHT0);
}

void raceGuides(const DrawnMotion& drawn, const RenderAssets& assets) {
    for (int k = 0; k < 2; ++k) {
        const Kart& kart = drawn.karts[k];
        if (kart.checkpoints.isFinished())
            continue;
        const Checkpoint& next = kart.checkpoints.current();
        setGuideColour(k);
        drawGuideArrow(assets, kart, next.x, next.y, next.z);
        drawMarker(next);
    }
}

void collectGuides(const World& world, const DrawnMotion& drawn, const RenderAssets& assets) {
    if (world.goalList.isFinished())
        return;
    const Checkpoint& next = world.goalList.current();
    for (int k = 0; k < 2; ++k) {
        setGuideColour(k);
        drawGuideArrow(assets, drawn.karts[k], next.x, next.y, next.z);
        drawMarker(next);
    }
}

void tagGuides(const DrawnMotion& drawn, const RenderAssets& assets) {
    for (int k = 0; k < 2; ++k) {
        const Vec3& other = drawn.karts[1 - k].position;
        setGuideColour(k);
        drawGuideArrow(assets, drawn.karts[k], other.x, other.y, other.z);
    }
}

void ballGuides(const DrawnMotion& drawn, const RenderAssets& assets) {
    drawBall(drawn.ball, assets.ballSphere);
    for (int k = 0; k < 2; ++k) {
        const Vec3& goal = GOAL_POINTS[k];
        setGuideColour(k);
        drawGuideArrow(assets, drawn.karts[k], goal.x, goal.y, goal.z);
    }
}

} // namespace

void drawGuides(const World& world, const DrawnMotion& drawn, const RenderAssets& assets) {
    switch (world.gameMode) {
    case GAME_RACE:
        raceGuides(drawn, assets);
        break;
    case GAME_COLLECT:
        collectGuides(world, drawn, assets);
        break;
    case GAME_TAG:
        tagGuides(drawn, assets);
        break;
    case GAME_BALL:
        ballGuides(drawn, assets);
        break;
    default:
        break;
    }
}
