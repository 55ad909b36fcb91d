#include "render/Outline.h"

#include <GL/gl.h>

namespace {

constexpr float OUTLINE_WIDTH = 4;

void drawBackFacesAsLines(uint32_t outlineList) {
    glPolygonMode(GL_BACK, GL_LINE);
    glCullFace(GL_FRONT);
    glColor3f(0, 0, 0);
    glCallList(outlineList);
    glCullFace(GL_BACK);
    glPolygonMode(GL_BACK, GL_FILL);
}

} // namespace

void drawOutlined(uint32_t fillList, uint32_t outlineList) {
    glLineWidth(OUTLINE_WIDTH);
    // Pushes the lines behind the filled faces they border.
    glEnable(GL_POLYGON_OFFSET_LINE);
    glPolygonOffset(1, 1);
    drawBackFacesAsLines(outlineList);
    glDisable(GL_POLYGON_OFFSET_LINE);
    glCallList(fillList);
}

void drawOutline(uint32_t outlineList) {
    glLineWidth(OUTLINE_WIDTH);
    drawBackFacesAsLines(outlineList);
}
