#include "render/TextDraw.h"

#include "assets/TgaReader.h"
#include "assets/upload/TextureUpload.h"

#include <GL/gl.h>

namespace {

// Each quad reaches this far past its glyph's ink, in cell sides, so the
// faint edge smaller mipmap levels spread round the ink is drawn too.
constexpr float INK_PAD = 1.0f / 32;

GLuint boundTexture() {
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    return static_cast<GLuint>(bound);
}

// Glyph `code`'s ink, padded, at (left, top) in overlay pixels: counter-
// clockwise on screen as the overlay's other quads.
void glyphQuad(const GlyphMetrics& metrics, int code, float left, float top, float height) {
    const float s0 = (code % GLYPH_COLUMNS + metrics.left[code] - INK_PAD) / GLYPH_COLUMNS;
    const float s1 =
        (code % GLYPH_COLUMNS + metrics.left[code] + metrics.width[code] + INK_PAD) / GLYPH_COLUMNS;
    // t runs up the picture; cell row 0 is its top.
    const float t1 = 1 - static_cast<float>(code / GLYPH_COLUMNS) / GLYPH_ROWS;
    const float t0 = t1 - 1.0f / GLYPH_ROWS;
    const float x0 = left - INK_PAD * height;
    const float x1 = left + (metrics.width[code] + INK_PAD) * height;
    const float bottom = top + height;
    glTexCoord2f(s0, t1);
    glVertex2f(x0, top);
    glTexCoord2f(s0, t0);
    glVertex2f(x0, bottom);
    glTexCoord2f(s1, t0);
    glVertex2f(x1, bottom);
    glTexCoord2f(s1, t1);
    glVertex2f(x1, top);
}

} // namespace

bool loadGlyphSheet(GlyphSheet* sheet, const std::string& path, std::string* error) {
    TgaImage image;
    std::string fault;
    if (!readTga(path.c_str(), &image, &fault)) {
        *error = path + ": " + fault;
        return false;
    }
    // Missing texels would be missing letters.
    if (image.truncated) {
        *error = path + ": the file ends before its last pixel";
        return false;
    }
    GlyphMetrics metrics;
    if (!measureGlyphs(image, &metrics, &fault)) {
        *error = path + ": " + fault;
        return false;
    }
    const GLuint previous = boundTexture();
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    // Filters before the first level, as the game's other textures (see
    // loadTexture); clamped, so no cell takes in the sheet's far side.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    uploadMipmaps(image);
    glBindTexture(GL_TEXTURE_2D, previous);
    if (sheet->texture != 0) {
        const GLuint old = sheet->texture;
        glDeleteTextures(1, &old);
    }
    sheet->texture = texture;
    sheet->metrics = metrics;
    return true;
}

float textWidth(const GlyphSheet& sheet, std::string_view text, float height) {
    return glyphLineWidth(sheet.metrics, text, height);
}

void drawText(const GlyphSheet& sheet, std::string_view text, float x, float top, float height) {
    if (!sheet.loaded() || text.empty())
        return;
    // Enables, blend and alpha functions; the binding by hand.
    glPushAttrib(GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT);
    const GLuint previous = boundTexture();
    // Text goes over whatever is there, its soft edges whole.
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_ALPHA_TEST);
    glDisable(GL_LIGHTING);
    glDisable(GL_FOG);
    glDisable(GL_CULL_FACE);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glBindTexture(GL_TEXTURE_2D, sheet.texture);
    glBegin(GL_QUADS);
    float pen = x;
    for (size_t i = 0; i < text.size(); ++i) {
        const int code = shownGlyph(text[i]);
        if (i > 0)
            pen += GLYPH_GAP * height;
        if (code != ' ' && sheet.metrics.width[code] > 0)
            glyphQuad(sheet.metrics, code, pen, top, height);
        pen += sheet.metrics.width[code] * height;
    }
    glEnd();
    glBindTexture(GL_TEXTURE_2D, previous);
    glPopAttrib();
}

void drawTextCentred(const GlyphSheet& sheet, std::string_view text, float centreX, float top,
                     float height) {
    drawText(sheet, text, centreX - textWidth(sheet, text, height) / 2, top, height);
}
