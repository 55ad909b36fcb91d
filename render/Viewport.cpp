#include "render/Viewport.h"

#include "app/World.h"

#include <GL/gl.h>
#include <cmath>

WindowSize windowSize = {WINDOW_WIDTH, WINDOW_HEIGHT};

// Scale the edges rather than the sizes, so that the two half-height views
// always meet without a gap or an overlap.
static int scaleEdge(int logical, int real, int logicalSpan) {
    return static_cast<int>(std::lround(static_cast<double>(logical) * real / logicalSpan));
}

void setLogicalViewport(int x, int y, int width, int height) {
    int left = scaleEdge(x, windowSize.width, WINDOW_WIDTH);
    int right = scaleEdge(x + width, windowSize.width, WINDOW_WIDTH);
    int bottom = scaleEdge(y, windowSize.height, WINDOW_HEIGHT);
    int top = scaleEdge(y + height, windowSize.height, WINDOW_HEIGHT);
    glViewport(left, bottom, right - left, top - bottom);
}
