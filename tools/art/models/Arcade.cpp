#include "tools/art/models/ArcadeMeasures.h"
#include "tools/art/models/Sculptures.h"
#include "tools/art/models/Shapes.h"

namespace {

void addColumns(Mesh* mesh) {
    for (int i = 0; i <= 6; ++i) {
        float x = i * BAY;
        addBox(mesh, vec(x - COLUMN_HALF, 0, COLUMN_BACK), vec(x + COLUMN_HALF, SPRING, 0),
               SIDE_WEST | SIDE_EAST | SIDE_FRONT | SIDE_BACK);
    }
}

void addBackWall(Mesh* mesh) {
    addBox(mesh, vec(0, 0, BACK_WALL_BACK), vec(ARCADE_LENGTH, EAVE, BACK_WALL_FRONT),
           SIDE_FRONT | SIDE_BACK);
}

void addArches(Mesh* mesh) {
    for (int i = 0; i < 6; ++i) {
        ArchBay bay;
        bay.x0 = i * BAY;
        bay.width = BAY;
        bay.ySpring = SPRING;
        bay.yTop = PANEL_TOP;
        bay.radius = ARCH_RADIUS;
        bay.zFront = 0;
        bay.zBack = COLUMN_BACK;
        addArchBay(mesh, mesh, mesh, bay);
    }
}

void addRoof(Mesh* mesh) {
    addGableRoof(mesh, 0, ARCADE_LENGTH, ROOF_FRONT, ROOF_BACK, EAVE, RIDGE, false);
    // The walkway's ceiling, seen from under the arches.
    addFace(mesh,
            {vec(0, PANEL_TOP, COLUMN_BACK), vec(ARCADE_LENGTH, PANEL_TOP, COLUMN_BACK),
             vec(ARCADE_LENGTH, PANEL_TOP, BACK_WALL_FRONT), vec(0, PANEL_TOP, BACK_WALL_FRONT)},
            vec(0, -1, 0));
}

void addCorniceAndBases(Mesh* mesh) {
    addBox(mesh, vec(0, PANEL_TOP, -1.1f), vec(ARCADE_LENGTH, EAVE, 0.25f),
           SIDE_FRONT | SIDE_BOTTOM | SIDE_WEST | SIDE_EAST);
    for (int i = 0; i <= 6; ++i) {
        float x = i * BAY;
        addBox(mesh, vec(x - 0.6f, 0, COLUMN_BACK - 0.15f), vec(x + 0.6f, 0.6f, 0.15f),
               SIDE_FRONT | SIDE_TOP);
    }
}

// A stepped gable wall standing a little proud of the roof at each end.
void addEndGables(Mesh* mesh) {
    float zMid = (ROOF_FRONT + ROOF_BACK) / 2;
    Ring profile = {vec(0, PANEL_TOP, ROOF_FRONT + 0.1f), vec(0, EAVE + 0.3f, ROOF_FRONT + 0.1f),
                    vec(0, RIDGE + 0.45f, zMid), vec(0, EAVE + 0.3f, ROOF_BACK - 0.1f),
                    vec(0, PANEL_TOP, ROOF_BACK - 0.1f)};
    addExtrusion(mesh, profile, vec(0.5f, 0, 0));
    Ring far;
    for (Vec3 p : profile)
        far.push_back(vec(ARCADE_LENGTH - 0.5f, p.y, p.z));
    addExtrusion(mesh, far, vec(0.5f, 0, 0));
}

void addRidgeCrest(Mesh* mesh) {
    float zMid = (ROOF_FRONT + ROOF_BACK) / 2;
    addBox(mesh, vec(0, RIDGE - 0.1f, zMid - 0.2f), vec(ARCADE_LENGTH, RIDGE + 0.2f, zMid + 0.2f),
           SIDE_TOP | SIDE_FRONT | SIDE_BACK);
}

SculptedModel arcadePiece(const char* fileName, bool capped) {
    SculptedModel model{fileName, {}};
    addRoof(model.addPart("roof", RED));
    Mesh* columns = model.addPart("columns", GREY);
    addColumns(columns);
    addBackWall(columns);
    addArches(model.addPart("arches", GOLD));
    addCorniceAndBases(model.addPart("cornice", GOLD));
    if (capped)
        addEndGables(model.addPart("end gables", GOLD));
    else
        addRidgeCrest(model.addPart("ridge crest", GOLD));
    return model;
}

} // namespace

SculptedModel sculptArch6Open() {
    return arcadePiece("arch6open.ase", false);
}
SculptedModel sculptArch6Capped() {
    return arcadePiece("arch6capped.ase", true);
}
