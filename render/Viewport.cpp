#include "render/Viewport.h"

#include "app/World.h"

#include <GL/gl.h>
#include <cmath>

// Scale the edges rather than the sizes, so that the two half-height views
// always meet without a gap or an overlap.
static int scaleEdge(int logical, int real, int logicalSpan) {
    return static_cast<int>(std::lround(static_cast<double>(logical) * real / logicalSpan));
}

void setLogicalViewport(WindowSize window, int x, int y, int width, int height) {
    int left = scaleEdge(x, window.width, WINDOW_WIDTH);
    int right = scaleEdge(x + width, window.width, WINDOW_WIDTH);
    int bottom = scaleEdge(y, window.height, WINDOW_HEIGHT);
    int top = scaleEdge(y + height, window.height, WINDOW_HEIGHT);
    glViewport(left, bottom, right - left, top - bottom);
}
