#include "assets/upload/TextureUpload.h"

#include "assets/TextureTable.h"
#include "assets/TgaReader.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <cstdio>
#include <cstdlib>

void loadTexture(uint32_t* textureIds, const char* path, int index) {
    if (!path)
        return;
    TgaImage image;
    std::string error;
    if (!readTga(path, &image, &error)) {
        // The game cannot run without its pictures, and a silent exit would
        // leave the player guessing.
        std::fprintf(stderr, "vorlane-kart: cannot load texture \"%s\": %s\n", path, error.c_str());
        std::exit(1);
    }
    if (image.truncated)
        std::fprintf(stderr,
                     "vorlane-kart: texture \"%s\" is truncated; its missing pixels are black\n",
                     path);
    GLenum format = image.channels == 4 ? GL_RGBA : GL_RGB;
    glGenTextures(1, &textureIds[index]);
    glBindTexture(GL_TEXTURE_2D, textureIds[index]);
    gluBuild2DMipmaps(GL_TEXTURE_2D, image.channels, image.width, image.height, format,
                      GL_UNSIGNED_BYTE, image.pixels.data());
    // Wrap modes stay at repeat: surfaces tile with coordinates far above 1.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
}

void loadTextures(uint32_t* textureIds) {
    for (const TextureFile& texture : TEXTURE_FILES)
        loadTexture(textureIds, texture.file, texture.slot);
}
