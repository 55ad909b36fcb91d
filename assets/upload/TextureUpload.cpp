#include "assets/upload/TextureUpload.h"

#include "assets/MipChain.h"
#include "assets/TextureTable.h"
#include "assets/TgaReader.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <cstdio>
#include <cstdlib>

namespace {

// Rows of a decoded image are packed tight, whatever their length.
struct TightRows {
    GLint saved = 4;
    TightRows() {
        glGetIntegerv(GL_UNPACK_ALIGNMENT, &saved);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    }
    ~TightRows() { glPixelStorei(GL_UNPACK_ALIGNMENT, saved); }
};

bool fitsAsItIs(const TgaImage& image) {
    GLint largest = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
    return halvesEvenly(image) && image.width <= largest && image.height <= largest;
}

} // namespace

void uploadMipmaps(const TgaImage& image) {
    TightRows tight;
    const GLenum format = image.channels == 4 ? GL_RGBA : GL_RGB;
    if (!fitsAsItIs(image)) {
        gluBuild2DMipmaps(GL_TEXTURE_2D, image.channels, image.width, image.height, format,
                          GL_UNSIGNED_BYTE, image.pixels.data());
        return;
    }
    glTexImage2D(GL_TEXTURE_2D, 0, image.channels, image.width, image.height, 0, format,
                 GL_UNSIGNED_BYTE, image.pixels.data());
    if (image.width == 1 && image.height == 1)
        return;
    TgaImage level = halvedImage(image);
    for (GLint n = 1;; ++n) {
        glTexImage2D(GL_TEXTURE_2D, n, image.channels, level.width, level.height, 0, format,
                     GL_UNSIGNED_BYTE, level.pixels.data());
        if (level.width == 1 && level.height == 1)
            break;
        level = halvedImage(level);
    }
}

bool loadTexture(uint32_t* textureIds, const char* path, int index, bool optional) {
    if (!path)
        return false;
    TgaImage image;
    std::string error;
    if (!readTga(path, &image, &error)) {
        if (optional) {
            std::fprintf(stderr,
                         "vorlane-kart: cannot load texture \"%s\": %s; playing without it\n", path,
                         error.c_str());
            return false;
        }
        // The game cannot run without its pictures, and a silent exit would
        // leave the player guessing.
        std::fprintf(stderr, "vorlane-kart: cannot load texture \"%s\": %s\n", path, error.c_str());
        std::exit(1);
    }
    if (image.truncated)
        std::fprintf(stderr,
                     "vorlane-kart: texture \"%s\" is truncated; its missing pixels are black\n",
                     path);
    glGenTextures(1, &textureIds[index]);
    glBindTexture(GL_TEXTURE_2D, textureIds[index]);
    // The filters before the first level: told the texture is mipmapped
    // before it has any, the software renderer makes room for the chain
    // once; told after, it touches about 1.8 times the chain's memory while
    // the levels come in, a page fault for every page.
    // Wrap modes stay at repeat: surfaces tile with coordinates far above 1.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    uploadMipmaps(image);
    return true;
}

void loadTextures(uint32_t* textureIds, const std::string& folder) {
    for (const TextureFile& texture : TEXTURE_FILES) {
        const std::string path = folder.empty() ? texture.file : folder + "/" + texture.file;
        loadTexture(textureIds, path.c_str(), texture.slot, texture.optional);
    }
}
