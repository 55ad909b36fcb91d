#include "shell/MenuView.h"

#include "app/Menu.h"
#include "app/World.h"
#include "render/HudDraw.h"
#include "render/RenderAssets.h"
#include "render/TextDraw.h"

#include <GL/freeglut.h>
#include <string_view>

namespace {

constexpr float CENTRE_X = WINDOW_WIDTH / 2.0f;
constexpr float TITLE_TOP = 90, TITLE_HEIGHT = 72;
constexpr float PANEL_LEFT = 300, PANEL_RIGHT = 980;
constexpr float LABEL_LEFT = 340, VALUE_RIGHT = 940;
constexpr float NOTE_TOP = 880, NOTE_HEIGHT = 40;
// The pause sign's picture, 512 x 256, over the pause menu in place of its
// title when it is there.
constexpr float SIGN_WIDTH = 384, SIGN_HEIGHT = 192, SIGN_TOP = 20;

// Rows of a long page are set closer.
struct RowLayout {
    float top, pitch, height;
};
RowLayout layoutFor(int rows) {
    return rows > 9 ? RowLayout{200, 46, 38} : RowLayout{230, 62, 50};
}

// Text from the glyph sheet, or plain stroke letters without it.
struct Lettering {
    const GlyphSheet& sheet;

    // GLUT's Roman stroke letters stand about 119 units from baseline to
    // the top of a capital; a cell of the sheet is about a third taller.
    static constexpr float STROKE_CELL = 160;

    float width(std::string_view text, float height) const {
        if (sheet.loaded())
            return textWidth(sheet, text, height);
        float units = 0;
        for (char c : text)
            units += glutStrokeWidth(GLUT_STROKE_ROMAN, static_cast<unsigned char>(c));
        return units * height / STROKE_CELL;
    }

    void draw(std::string_view text, float x, float top, float height) const {
        if (sheet.loaded()) {
            drawText(sheet, text, x, top, height);
            return;
        }
        const float scale = height / STROKE_CELL;
        glPushMatrix();
        glTranslatef(x, top + height * 0.8f, 0);
        glScalef(scale, -scale, 1);
        glLineWidth(2);
        for (char c : text)
            glutStrokeCharacter(GLUT_STROKE_ROMAN, static_cast<unsigned char>(c));
        glLineWidth(1);
        glPopMatrix();
    }

    void centred(std::string_view text, float top, float height) const {
        draw(text, CENTRE_X - width(text, height) / 2, top, height);
    }
};

void flatQuad(float left, float top, float right, float bottom) {
    glBegin(GL_QUADS);
    glVertex2f(left, top);
    glVertex2f(left, bottom);
    glVertex2f(right, bottom);
    glVertex2f(right, top);
    glEnd();
}

void title(const Menu& menu, const RenderAssets& assets, const Lettering& text) {
    const uint32_t sign = assets.textureIds[TEX_MSG_PAUSED];
    if (menu.page() == PAGE_PAUSE && sign != 0) {
        glColor4f(1, 1, 1, 1);
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, sign);
        const float left = CENTRE_X - SIGN_WIDTH / 2, right = CENTRE_X + SIGN_WIDTH / 2;
        glBegin(GL_QUADS);
        glTexCoord2f(0, 1);
        glVertex2f(left, SIGN_TOP);
        glTexCoord2f(0, 0);
        glVertex2f(left, SIGN_TOP + SIGN_HEIGHT);
        glTexCoord2f(1, 0);
        glVertex2f(right, SIGN_TOP + SIGN_HEIGHT);
        glTexCoord2f(1, 1);
        glVertex2f(right, SIGN_TOP);
        glEnd();
        glDisable(GL_TEXTURE_2D);
        return;
    }
    glColor4f(1, 1, 1, 1);
    text.centred(menu.title(), TITLE_TOP, TITLE_HEIGHT);
}

} // namespace

void drawMenu(const Menu& menu, const World& world, const Settings& settings,
              const RenderAssets& assets, const GlyphSheet& glyphs, int32_t nowMs) {
    MenuRow rows[MAX_MENU_ROWS];
    const int count = menu.rows(world, settings, rows);
    const int chosen = menu.cursor[menu.depth > 0 ? menu.depth - 1 : 0];
    const RowLayout layout = layoutFor(count);
    const Lettering text{glyphs};

    beginOverlay(assets);
    dimWindow();
    glDisable(GL_DEPTH_TEST);
    // A darker panel behind the rows, and a bar behind the chosen one.
    glColor4f(0, 0, 0, 0.35f);
    flatQuad(PANEL_LEFT, layout.top - 20, PANEL_RIGHT, layout.top + count * layout.pitch + 10);
    if (chosen >= 0 && chosen < count) {
        const float top = layout.top + chosen * layout.pitch - 6;
        glColor4f(1.0f, 0.78f, 0.2f, 0.35f);
        flatQuad(PANEL_LEFT + 10, top, PANEL_RIGHT - 10, top + layout.height + 8);
    }
    title(menu, assets, text);
    for (int i = 0; i < count; ++i) {
        const float top = layout.top + i * layout.pitch;
        if (i == chosen)
            glColor4f(1.0f, 0.86f, 0.25f, 1);
        else
            glColor4f(1, 1, 1, 1);
        text.draw(rows[i].label, LABEL_LEFT, top, layout.height);
        if (!rows[i].value.empty()) {
            const float w = text.width(rows[i].value, layout.height);
            text.draw(rows[i].value, VALUE_RIGHT - w, top, layout.height);
        }
    }
    if (menu.noteShows(nowMs)) {
        glColor4f(1.0f, 0.7f, 0.45f, 1);
        text.centred(menu.note, NOTE_TOP, NOTE_HEIGHT);
    }
    glColor4f(1, 1, 1, 1);
    glEnable(GL_DEPTH_TEST);
    endOverlay();
}
