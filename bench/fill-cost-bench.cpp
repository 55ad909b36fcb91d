// What one full-window pass of each kind of fragment costs the software
// renderer, so a frame's time can be read as so many passes: a flat colour,
// the arena's mipmapped, colour-blended texture, the same blended over what
// is there, and a pass that fails the depth test everywhere. Each pass is a
// window-filling quad; the figure is processor time per pass on this
// thread, best of three. Reported, never judged.
//
//   LP_NUM_THREADS=0 vk-fill-cost-bench
//
// Prints one line: "fill flat_ms F textured_ms T blended_ms B hidden_ms H".

#include <GL/freeglut.h>
#include <GL/glu.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace {

constexpr int WIDTH = 1280, HEIGHT = 960;
constexpr int PASSES = 10, FRAMES = 10, TRIES = 3;
constexpr int TEXTURE_SIZE = 128;

double threadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// Corners in colours of their own, as the brick gradient has them.
void fillWindow(float depth) {
    glBegin(GL_QUADS);
    glColor3f(1, 0.5f, 0.5f);
    glTexCoord2f(0, 0);
    glVertex3f(-1, -1, depth);
    glColor3f(0.5f, 1, 0.5f);
    glTexCoord2f(8, 0);
    glVertex3f(1, -1, depth);
    glColor3f(0.5f, 0.5f, 1);
    glTexCoord2f(8, 6);
    glVertex3f(1, 1, depth);
    glColor3f(1, 1, 1);
    glTexCoord2f(0, 6);
    glVertex3f(-1, 1, depth);
    glEnd();
}

// Milliseconds per pass; each pass is drawn over the last at a nearer depth,
// or, hidden, behind a near quad drawn first.
template <typename SetUp> double msPerPass(SetUp setUp, bool hidden) {
    double best = 1e9;
    for (int t = 0; t < TRIES; ++t) {
        double spent = 0;
        for (int f = 0; f < FRAMES; ++f) {
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            glDisable(GL_TEXTURE_2D);
            glDisable(GL_BLEND);
            if (hidden)
                fillWindow(-0.99f);
            glFinish();
            const double start = threadSeconds();
            setUp();
            for (int p = 0; p < PASSES; ++p)
                fillWindow(hidden ? 0.5f : 0.9f - 0.1f * p);
            glFinish();
            spent += threadSeconds() - start;
        }
        best = std::min(best, spent / (FRAMES * PASSES));
    }
    return best * 1000;
}

void run() {
    const auto none = [] {};
    const auto textured = [] { glEnable(GL_TEXTURE_2D); };
    const auto blended = [] {
        glEnable(GL_TEXTURE_2D);
        glEnable(GL_BLEND);
    };
    // A first pass of each kind outside the timing, so no shader is built
    // while the clock runs.
    msPerPass(none, false);
    msPerPass(textured, false);
    msPerPass(blended, false);
    msPerPass(textured, true);
    std::printf("fill flat_ms %.3f textured_ms %.3f blended_ms %.3f hidden_ms %.3f\n",
                msPerPass(none, false), msPerPass(textured, false), msPerPass(blended, false),
                msPerPass(textured, true));
    std::exit(0);
}

} // namespace

int main(int argc, char** argv) {
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(WIDTH, HEIGHT);
    glutCreateWindow("vk-fill-cost-bench");
    // The arena's texture state: a repeating mipmapped RGB picture, nearest
    // level, linear within it, modulating the colour; depth test on.
    std::vector<unsigned char> texels(TEXTURE_SIZE * TEXTURE_SIZE * 3);
    for (size_t i = 0; i < texels.size(); ++i)
        texels[i] = static_cast<unsigned char>(i * 37);
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    gluBuild2DMipmaps(GL_TEXTURE_2D, 3, TEXTURE_SIZE, TEXTURE_SIZE, GL_RGB, GL_UNSIGNED_BYTE,
                      texels.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_DEPTH_TEST);
    glShadeModel(GL_SMOOTH);
    glutDisplayFunc(run);
    glutMainLoop();
    return 0;
}
