// Checks that the game's own mipmaps are texel for texel the ones the
// graphics utility library builds, for every image in the working directory's
// texture table and for a few awkward shapes: one line per image, then
// "mipmaps: same" and status 0, or the first difference and status 1.

#include "assets/TextureTable.h"
#include "assets/TgaReader.h"
#include "assets/upload/TextureUpload.h"

#include <GL/freeglut.h>
#include <GL/glu.h>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::vector<uint8_t> level(GLuint texture, int n, int channels, int* width, int* height) {
    glBindTexture(GL_TEXTURE_2D, texture);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, n, GL_TEXTURE_WIDTH, width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, n, GL_TEXTURE_HEIGHT, height);
    std::vector<uint8_t> texels(static_cast<size_t>(*width) * *height * channels);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, n, channels == 4 ? GL_RGBA : GL_RGB, GL_UNSIGNED_BYTE,
                  texels.data());
    return texels;
}

bool same(const std::string& name, const TgaImage& image) {
    GLuint ours = 0, library = 0;
    glGenTextures(1, &ours);
    glBindTexture(GL_TEXTURE_2D, ours);
    uploadMipmaps(image);
    glGenTextures(1, &library);
    glBindTexture(GL_TEXTURE_2D, library);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    gluBuild2DMipmaps(GL_TEXTURE_2D, image.channels, image.width, image.height,
                      image.channels == 4 ? GL_RGBA : GL_RGB, GL_UNSIGNED_BYTE,
                      image.pixels.data());
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    int levels = 0;
    for (int n = 0;; ++n, ++levels) {
        int w1 = 0, h1 = 0, w2 = 0, h2 = 0;
        const auto a = level(ours, n, image.channels, &w1, &h1);
        const auto b = level(library, n, image.channels, &w2, &h2);
        if (w1 != w2 || h1 != h2 || a != b) {
            std::printf("%s: level %d differs (%dx%d against %dx%d)\n", name.c_str(), n, w1, h1, w2,
                        h2);
            return false;
        }
        if (w1 <= 1 && h1 <= 1)
            break;
    }
    std::printf("%s: %d levels the same\n", name.c_str(), levels + 1);
    glDeleteTextures(1, &ours);
    glDeleteTextures(1, &library);
    return true;
}

TgaImage noise(int channels, int width, int height) {
    TgaImage image;
    image.channels = channels;
    image.width = width;
    image.height = height;
    unsigned state = 12345;
    for (int i = 0; i < width * height * channels; ++i) {
        state = state * 1103515245 + 12345;
        image.pixels.push_back(static_cast<uint8_t>(state >> 16));
    }
    return image;
}

void check() {
    bool ok = true;
    for (const TextureFile& file : TEXTURE_FILES) {
        TgaImage image;
        std::string error;
        if (!readTga(file.file, &image, &error)) {
            std::printf("%s: %s\n", file.file, error.c_str());
            ok = false;
            continue;
        }
        ok = same(file.file, image) && ok;
    }
    // Rows of odd byte lengths, single rows and columns, a non-square strip.
    const int shapes[][3] = {{3, 1, 1}, {3, 2, 2}, {4, 1, 8}, {3, 16, 1}, {3, 64, 4}, {4, 2, 32}};
    for (const auto& s : shapes)
        ok = same("noise " + std::to_string(s[0]) + "x" + std::to_string(s[1]) + "x" +
                      std::to_string(s[2]),
                  noise(s[0], s[1], s[2])) &&
             ok;
    std::printf(ok ? "mipmaps: same\n" : "mipmaps: different\n");
    std::exit(ok ? 0 : 1);
}

} // namespace

int main(int argc, char** argv) {
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE);
    glutInitWindowSize(64, 64);
    glutCreateWindow("vk-mip-check");
    glutDisplayFunc(check);
    glutMainLoop();
    return 0;
}
