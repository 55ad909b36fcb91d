// Renders the arena from chosen viewpoints into PNG files, with the game's
// own loading and scene pass: for looking at the scenery from anywhere, not
// just from behind a kart. Reads the game's data from the working directory.
//
//   vk-views OUT_DIR NAME EX EY EZ CX CY CZ [--mean X Y W H]... [NAME ...]...
//
// E is the eye, C the point looked at. Each view is 1280 x 960. Every
// --mean prints "mean NAME X Y W H R G B" for a region of the view before
// it, in window pixels from the top left.

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

#include "app/TickBlend.h"
#include "app/World.h"
#include "render/RenderAssets.h"
#include "render/ScenePass.h"
#include "shell/StartUp.h"

#include <GL/freeglut.h>
#include <GL/glu.h>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

namespace {

struct Region {
    int x, y, w, h;
};

struct View {
    std::string name;
    Vec3 eye, centre;
    std::vector<Region> means;
};

// Twice the far plane.
constexpr float OUT_OF_SIGHT = 1000;

World world;
RenderAssets assets;
std::string outDir;
std::vector<View> views;

void render(const View& view) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glViewport(0, 0, WINDOW_WIDTH, WINDOW_HEIGHT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45, 4.0 / 3.0, 0.1, 500);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    // The background follows the viewing kart and the billboards turn to the
    // camera: put both at the eye. The kart itself, and its shadow, go far
    // enough below the eye to fall past the far plane: only its x and z count.
    world.karts[0].position = {view.eye.x, view.eye.y - OUT_OF_SIGHT, view.eye.z};
    for (float& ground : world.karts[0].groundHeight)
        ground = view.eye.y - OUT_OF_SIGHT;
    world.cameras[0].position = view.eye;
    gluLookAt(view.eye.x, view.eye.y, view.eye.z, view.centre.x, view.centre.y, view.centre.z, 0, 1,
              0);
    DrawnMotion still;
    blendMotion(world, TickPoses{}, 1, &still);
    drawScene(world, still, assets, 1);
    glFinish();
}

// rgb holds the rows bottom first, as GL reads them.
void printMean(const View& view, const Region& r, const std::vector<unsigned char>& rgb) {
    double sum[3] = {0, 0, 0};
    long count = 0;
    for (int y = r.y; y < r.y + r.h; ++y)
        for (int x = r.x; x < r.x + r.w; ++x) {
            if (x < 0 || y < 0 || x >= WINDOW_WIDTH || y >= WINDOW_HEIGHT)
                continue;
            const unsigned char* p = &rgb[((WINDOW_HEIGHT - 1 - y) * WINDOW_WIDTH + x) * 3];
            for (int c = 0; c < 3; ++c)
                sum[c] += p[c];
            ++count;
        }
    if (count == 0)
        count = 1;
    std::printf("mean %s %d %d %d %d %.1f %.1f %.1f\n", view.name.c_str(), r.x, r.y, r.w, r.h,
                sum[0] / count, sum[1] / count, sum[2] / count);
}

bool save(const View& view) {
    std::vector<unsigned char> rgb(WINDOW_WIDTH * WINDOW_HEIGHT * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, WINDOW_WIDTH, WINDOW_HEIGHT, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    for (const Region& r : view.means)
        printMean(view, r, rgb);
    stbi_flip_vertically_on_write(1);
    const std::string path = outDir + "/" + view.name + ".png";
    if (!stbi_write_png(path.c_str(), WINDOW_WIDTH, WINDOW_HEIGHT, 3, rgb.data(),
                        WINDOW_WIDTH * 3)) {
        std::fprintf(stderr, "vk-views: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

void renderAll() {
    int status = 0;
    for (const View& view : views) {
        render(view);
        if (!save(view))
            status = 1;
    }
    std::exit(status);
}

int usage() {
    std::fprintf(stderr, "usage: vk-views OUT_DIR NAME EX EY EZ CX CY CZ [...]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    glutInit(&argc, argv);
    if (argc < 9)
        return usage();
    outDir = argv[1];
    for (int i = 2; i < argc;) {
        auto f = [&](int k) { return static_cast<float>(std::atof(argv[i + k])); };
        if (std::string(argv[i]) == "--mean") {
            if (views.empty() || i + 5 > argc)
                return usage();
            views.back().means.push_back({std::atoi(argv[i + 1]), std::atoi(argv[i + 2]),
                                          std::atoi(argv[i + 3]), std::atoi(argv[i + 4])});
            i += 5;
        } else {
            if (i + 7 > argc)
                return usage();
            views.push_back({argv[i], {f(1), f(2), f(3)}, {f(4), f(5), f(6)}, {}});
            i += 7;
        }
    }

    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(WINDOW_WIDTH, WINDOW_HEIGHT);
    glutCreateWindow("vk-views");
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    startUpWorld(world, assets);
    glutDisplayFunc(renderAll);
    glutMainLoop();
    return 0;
}
