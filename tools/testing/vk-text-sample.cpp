// Draws menu-like lines from the glyph sheet at a few heights over a mid-grey
// window, with a light and a dark band behind two of them, and saves the
// picture: for looking at the text the way the menus will show it.
//
//   vk-text-sample SHEET.tga OUT.png

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

#include "app/World.h"
#include "render/TextDraw.h"

#include <GL/freeglut.h>
#include <GL/glu.h>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

GlyphSheet sheet;
std::string outPath;

void band(float top, float bottom, float grey) {
    glColor3f(grey, grey, grey);
    glRectf(0, top, WINDOW_WIDTH, bottom);
}

void drawSample() {
    glClearColor(0.5f, 0.5f, 0.5f, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glViewport(0, 0, WINDOW_WIDTH, WINDOW_HEIGHT);
    // The overlay's pixels: origin top left, y down.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluOrtho2D(0, WINDOW_WIDTH, WINDOW_HEIGHT, 0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    band(600, 680, 0.95f);
    band(680, 760, 0.08f);

    glColor3f(1, 1, 1);
    drawTextCentred(sheet, "VORLANE KART", WINDOW_WIDTH / 2.0f, 20, 64);
    glColor3f(1, 0.85f, 0.3f);
    drawTextCentred(sheet, "> Start a match <", WINDOW_WIDTH / 2.0f, 100, 48);
    glColor3f(1, 1, 1);
    drawTextCentred(sheet, "Players: 2   Time: 3:00", WINDOW_WIDTH / 2.0f, 150, 48);
    drawTextCentred(sheet, "Controls...", WINDOW_WIDTH / 2.0f, 200, 48);
    drawText(sheet, "The quick brown fox jumps over the lazy dog.", 40, 280, 36);
    drawText(sheet, "THE QUICK BROWN FOX JUMPS OVER THE LAZY DOG!", 40, 320, 36);
    drawText(sheet, "0123456789 Volume 80% (W, A, S, D) = keys", 40, 360, 36);
    drawText(sheet, "!\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~", 40, 400, 36);
    drawText(sheet, "Height 64: Wolf Mill jog", 40, 460, 64);
    drawText(sheet, "Height 48: Wolf Mill jog", 40, 530, 48);
    glColor3f(0.6f, 0.9f, 1);
    drawText(sheet, "On a light band: Sound Effects 100%", 40, 610, 48);
    drawText(sheet, "On a dark band: Music 25%", 40, 690, 48);
    glColor3f(1, 1, 1);
    drawText(sheet, "Outside ASCII: caf\xC3\xA9 \x01 ends", 40, 780, 36);
    // Where the line's measured width says it ends.
    const float width = textWidth(sheet, "Measured width", 36);
    drawText(sheet, "Measured width", 40, 830, 36);
    glColor3f(1, 0.2f, 0.2f);
    glRectf(40, 870, 40 + width, 874);
    glFinish();

    std::vector<unsigned char> rgb(WINDOW_WIDTH * WINDOW_HEIGHT * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, WINDOW_WIDTH, WINDOW_HEIGHT, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    stbi_flip_vertically_on_write(1);
    if (!stbi_write_png(outPath.c_str(), WINDOW_WIDTH, WINDOW_HEIGHT, 3, rgb.data(),
                        WINDOW_WIDTH * 3)) {
        std::fprintf(stderr, "vk-text-sample: cannot write %s\n", outPath.c_str());
        std::exit(1);
    }
    std::exit(0);
}

} // namespace

int main(int argc, char** argv) {
    glutInit(&argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: vk-text-sample SHEET.tga OUT.png\n");
        return 2;
    }
    outPath = argv[2];
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(WINDOW_WIDTH, WINDOW_HEIGHT);
    glutCreateWindow("vk-text-sample");
    std::string error;
    if (!loadGlyphSheet(&sheet, argv[1], &error)) {
        std::fprintf(stderr, "vk-text-sample: %s\n", error.c_str());
        return 1;
    }
    glutDisplayFunc(drawSample);
    glutMainLoop();
    return 0;
}
