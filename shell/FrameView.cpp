#include "shell/FrameView.h"

#include "app/World.h"
#include "render/CameraView.h"
#include "render/HudDraw.h"
#include "render/RenderAssets.h"
#include "render/ScenePass.h"
#include "render/Viewport.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace {

constexpr double FIELD_OF_VIEW = 45.0;
// The near plane is the float 0.1 widened to double, not the double 0.1:
// every view's depth range is drawn with that value.
constexpr double NEAR_PLANE = static_cast<double>(0.1f);
constexpr double FAR_PLANE = 500.0;
constexpr int HALF_HEIGHT = WINDOW_HEIGHT / 2;

void setProjection(double aspect) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(FIELD_OF_VIEW, aspect, NEAR_PLANE, FAR_PLANE);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

// One player's view, once its viewport and projection are set.
void drawView(const World& world, const DrawnMotion& drawn, RenderAssets& assets, int player) {
    placeCamera(world.cameras[player - 1]);
    drawScene(world, drawn, assets, player);
}

} // namespace

void drawFrame(const World& world, const DrawnMotion& drawn, RenderAssets& assets) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    for (int i = 0; i < world.playerCount; ++i) {
        if (i == 0 && world.playerCount == 1) {
            setLogicalViewport(assets.window, 0, 0, WINDOW_WIDTH, WINDOW_HEIGHT);
            setProjection(4.0 / 3.0);
        } else {
            int bottom = i == 0 ? HALF_HEIGHT : 0;
            setLogicalViewport(assets.window, 0, bottom, WINDOW_WIDTH, HALF_HEIGHT);
            setProjection(8.0 / 3.0);
        }
        drawView(world, drawn, assets, i + 1);
    }
    drawHud(world, assets);
}
