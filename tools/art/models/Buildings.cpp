#include "tools/art/models/ArcadeMeasures.h"
#include "tools/art/models/Sculptures.h"
#include "tools/art/models/Shapes.h"

// The town houses behind the arcades: a block with a row of windows above
// the arcade roofs, a pitched or hipped roof and something on top.
namespace {

constexpr float WINDOW_BOTTOM = 10.4f; // clear of the arcade ridge
constexpr float WINDOW_TOP = 12.6f;
constexpr float WINDOW_WIDTH = 1.6f;
constexpr float GLASS_OFFSET = 0.05f;

void addHouseBlock(Mesh* mesh, float width, float height) {
    addBox(mesh, vec(0, 0, HOUSE_BACK), vec(width, height, HOUSE_FRONT), ALL_SIDES & ~SIDE_BOTTOM);
}

void addWindowRow(Mesh* mesh, float width, float spacing) {
    int count = static_cast<int>(width / spacing);
    float margin = (width - count * spacing) / 2;
    for (int i = 0; i < count; ++i) {
        float x = margin + (i + 0.5f) * spacing;
        float z = HOUSE_FRONT + GLASS_OFFSET;
        addFace(mesh,
                {vec(x - WINDOW_WIDTH / 2, WINDOW_BOTTOM, z),
                 vec(x + WINDOW_WIDTH / 2, WINDOW_BOTTOM, z),
                 vec(x + WINDOW_WIDTH / 2, WINDOW_TOP, z),
                 vec(x - WINDOW_WIDTH / 2, WINDOW_TOP, z)},
                vec(0, 0, 1));
    }
}

void addChimney(Mesh* mesh, float x, float z, float yBase, float yTop) {
    addBox(mesh, vec(x - 0.7f, yBase, z - 0.7f), vec(x + 0.7f, yTop, z + 0.7f),
           ALL_SIDES & ~SIDE_BOTTOM);
}

} // namespace

SculptedModel sculptBuildingBig() {
    constexpr float WIDTH = 40, HEIGHT = 15, RIDGE_Y = 20;
    SculptedModel model{"buildingbig.ASE", {}};
    addHouseBlock(model.addPart("walls", ORANGE), WIDTH, HEIGHT);
    // A taller middle bay with a front-facing gable.
    Mesh* bay = model.addPart("middle bay", ORANGE);
    addBox(bay, vec(14, HEIGHT, HOUSE_FRONT - 0.4f), vec(26, 18, HOUSE_FRONT + 0.4f),
           ALL_SIDES & ~SIDE_BOTTOM);
    addExtrusion(bay,
                 {vec(13.5f, 18, HOUSE_FRONT + 0.5f), vec(26.5f, 18, HOUSE_FRONT + 0.5f),
                  vec(20, 22, HOUSE_FRONT + 0.5f)},
                 vec(0, 0, -5));
    addChimney(bay, 5, -22, 16, 22);
    addChimney(bay, 35, -22, 16, 22);
    addGableRoof(model.addPart("roof", RED), -0.3f, WIDTH + 0.3f, HOUSE_FRONT + 0.5f,
                 HOUSE_BACK - 0.5f, HEIGHT, RIDGE_Y, true);
    addWindowRow(model.addPart("windows", BLACK), WIDTH, 4);
    return model;
}

SculptedModel sculptBuildingSmall() {
    constexpr float WIDTH = 25, HEIGHT = 13, ROOF_TOP = 17.5f;
    SculptedModel model{"buildingsmall.ASE", {}};
    addHouseBlock(model.addPart("walls", ORANGE), WIDTH, HEIGHT);
    Mesh* trim = model.addPart("parapet and chimneys", ORANGE);
    addBox(trim, vec(-0.2f, HEIGHT - 0.6f, HOUSE_FRONT - 0.2f),
           vec(WIDTH + 0.2f, HEIGHT, HOUSE_FRONT + 0.3f),
           SIDE_FRONT | SIDE_BOTTOM | SIDE_WEST | SIDE_EAST | SIDE_TOP);
    addChimney(trim, 6, -16, 14, 19.5f);
    addChimney(trim, 19, -24, 14, 19.5f);
    addHipRoof(model.addPart("roof", RED), -0.3f, WIDTH + 0.3f, HOUSE_BACK - 0.4f,
               HOUSE_FRONT + 0.2f, HEIGHT, ROOF_TOP);
    addWindowRow(model.addPart("windows", BLACK), WIDTH, 5);
    return model;
}
