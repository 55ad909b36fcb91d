#include "assets/ModelTable.h"

#include "assets/AseReader.h"

Palette paletteRed, paletteGold, paletteOrange, paletteGrey, paletteBrown, paletteBlack,
    paletteStone, paletteSlate, paletteSteel, paletteUmber;
Vec3 lightUpFront, lightUpBack, lightSideBack, lightLowFront;

void setShadeColor(ShadeColor* color, int8_t r, int8_t g, int8_t b) {
    color->r = r;
    color->g = g;
    color->b = b;
}

static void setPalette(Palette* palette, ShadeColor lit, ShadeColor middle, ShadeColor dark) {
    palette->colors[0] = lit;
    palette->colors[1] = middle;
    palette->colors[2] = dark;
}

void initShadingTables() {
    // Grey's dark band is brighter than its lit one, and red's lit and middle
    // bands are equal: that is how the scenery was painted.
    setPalette(&paletteRed, {70, 13, 3}, {70, 13, 3}, {15, 3, 0});
    setPalette(&paletteGold, {94, 70, 11}, {41, 16, 0}, {15, 3, 0});
    setPalette(&paletteOrange, {60, 32, 11}, {51, 16, 0}, {30, 10, 0});
    setPalette(&paletteGrey, {50, 50, 50}, {50, 50, 50}, {70, 70, 70});
    setPalette(&paletteBrown, {52, 16, 0}, {52, 16, 0}, {52, 16, 0});
    setPalette(&paletteBlack, {10, 10, 10}, {10, 10, 10}, {10, 10, 10});
    setPalette(&paletteStone, {42, 32, 30}, {32, 22, 19}, {22, 14, 11});
    setPalette(&paletteSlate, {22, 23, 35}, {13, 15, 28}, {8, 8, 18});
    setPalette(&paletteSteel, {40, 40, 40}, {30, 30, 30}, {20, 20, 20});
    setPalette(&paletteUmber, {30, 15, 0}, {25, 12, 0}, {20, 9, 0});
    lightUpFront = {0, 1, 1};
    lightUpBack = {0, 1, -1};
    lightSideBack = {-1, 0, -1};
    lightLowFront = {0, 0.3f, 1};
}

void assignShading(MeshObject* object, const Palette& palette, Vec3 lightDir) {
    for (int i = 0; i < 3; ++i)
        object->shadeColors[i] = palette.colors[i];
    object->lightDir = lightDir;
}

void loadModels(Model* models) {
    // A model that fails to load stays empty and draws nothing; the rest load.
    for (const ModelFile& model : MODEL_FILES)
        loadAse(&models[model.slot], model.file);
}

// Objects are addressed by their place in the file. A file with fewer objects
// than its set names (a stand-in, or a missing file) just has fewer shaded.
static MeshObject* objectAt(Model& model, int index) {
    return index < static_cast<int>(model.objects.size()) ? &model.objects[index] : nullptr;
}

static void shadeObjects(Model& model, int first, int last, const Palette& palette, Vec3 light) {
    for (int i = first; i <= last; ++i)
        if (MeshObject* object = objectAt(model, i))
            assignShading(object, palette, light);
}

static void overrideLight(Model& model, int index, Vec3 light) {
    if (MeshObject* object = objectAt(model, index))
        object->lightDir = light;
}

static void prepareArchSet(Model& m) {
    shadeObjects(m, 0, 0, paletteRed, lightUpFront);
    shadeObjects(m, 1, 1, paletteGrey, lightUpBack);
    shadeObjects(m, 2, 4, paletteGold, lightUpFront);
}

static void prepareArchPairSet(Model& m) {
    shadeObjects(m, 0, 2, paletteOrange, lightUpFront);
}

static void prepareCornerSet(Model& m) {
    shadeObjects(m, 0, 0, paletteRed, lightUpFront);
    shadeObjects(m, 1, 1, paletteGold, lightUpFront);
    shadeObjects(m, 2, 2, paletteRed, lightUpFront);
    shadeObjects(m, 3, 7, paletteGold, lightUpFront);
    shadeObjects(m, 8, 8, paletteGrey, lightUpBack);
    overrideLight(m, 1, {-1, 1, 1});
}

static void prepareBuildingSet(Model& m) {
    shadeObjects(m, 0, 1, paletteOrange, lightUpFront);
    shadeObjects(m, 2, 2, paletteRed, lightUpFront);
    shadeObjects(m, 3, 3, paletteBlack, lightUpFront);
    overrideLight(m, 2, {0, 0, 1});
}

static void prepareTowerSet(Model& m) {
    shadeObjects(m, 0, 0, paletteGold, lightUpFront);
    shadeObjects(m, 1, 2, paletteRed, lightUpFront);
    shadeObjects(m, 3, 3, paletteBlack, lightUpFront);
    shadeObjects(m, 4, 4, paletteGrey, lightUpBack);
}

static void prepareFrontSet(Model& m) {
    shadeObjects(m, 0, 0, paletteGrey, lightUpFront);
    shadeObjects(m, 1, 2, paletteRed, lightUpFront);
    shadeObjects(m, 3, 6, paletteGold, lightUpFront);
    shadeObjects(m, 7, 10, paletteGold, lightUpBack);
}

static void prepareLandmarkSet(Model& m) {
    shadeObjects(m, 0, 0, paletteGrey, lightUpBack);
    shadeObjects(m, 1, 1, paletteRed, lightUpFront);
    shadeObjects(m, 2, 7, paletteGold, lightUpFront);
    shadeObjects(m, 8, 9, paletteRed, lightUpFront);
    shadeObjects(m, 10, 10, paletteGold, lightUpFront);
    shadeObjects(m, 11, 12, paletteRed, lightUpFront);
    shadeObjects(m, 13, 13, paletteOrange, lightUpBack);
}

static void prepareCapSetA(Model& m) {
    shadeObjects(m, 0, 0, paletteGold, lightUpFront);
    shadeObjects(m, 1, 3, paletteRed, lightUpFront);
}

static void prepareCapSetB(Model& m) {
    shadeObjects(m, 0, 1, paletteGold, lightUpFront);
}

static void setLitColour(Model& model, int first, int last, ShadeColor colour) {
    for (int i = first; i <= last; ++i)
        if (MeshObject* object = objectAt(model, i))
            setShadeColor(&object->shadeColors[0], colour.r, colour.g, colour.b);
}

// The kart body is ramp-shaded from its lit colour alone; objects 4 and 5
// take each kart's own colour when drawn, and object 7 stays black.
static void prepareKartBody(Model& m) {
    setLitColour(m, 0, 3, {20, 20, 20});
    setLitColour(m, 4, 5, {70, 80, 10});
    setLitColour(m, 6, 6, {30, 30, 30});
    setLitColour(m, 8, 8, {30, 30, 30});
    setLitColour(m, 9, 10, {20, 20, 20});
}

static void preparePlantSet(Model& m) {
    shadeObjects(m, 0, 0, paletteGold, lightUpFront);
    shadeObjects(m, 1, 8, paletteBrown, lightUpFront);
}

static void prepareSteamSet(Model& m) {
    shadeObjects(m, 0, 0, paletteUmber, lightSideBack);
    shadeObjects(m, 1, 1, paletteSteel, lightSideBack);
    shadeObjects(m, 2, 2, paletteSteel, lightLowFront);
    shadeObjects(m, 3, 3, paletteRed, lightLowFront);
    shadeObjects(m, 4, 4, paletteSteel, lightLowFront);
    shadeObjects(m, 5, 5, paletteStone, lightLowFront);
    shadeObjects(m, 6, 6, paletteSlate, lightLowFront);
    shadeObjects(m, 7, 7, paletteSteel, lightLowFront);
    shadeObjects(m, 8, 8, paletteGold, lightLowFront);
}

void prepareModels(Model* models) {
    initShadingTables();
    prepareArchSet(models[MODEL_ARCH_CAPPED]);
    prepareArchSet(models[MODEL_ARCH_OPEN]);
    prepareArchPairSet(models[MODEL_ARCH_PAIR]);
    prepareArchPairSet(models[MODEL_ARCH_TRIPLE]);
    prepareCornerSet(models[MODEL_ARCH_CORNER]);
    prepareBuildingSet(models[MODEL_BUILDING_BIG]);
    prepareBuildingSet(models[MODEL_BUILDING_SMALL]);
    prepareTowerSet(models[MODEL_TOWER]);
    prepareFrontSet(models[MODEL_ARCH_FRONT]);
    prepareLandmarkSet(models[MODEL_LANDMARK]);
    prepareCapSetA(models[MODEL_FRONT_CAP]);
    prepareCapSetB(models[MODEL_SIDE_CAP]);
    prepareKartBody(models[MODEL_KART_BODY]);
    preparePlantSet(models[MODEL_PLANT]);
    prepareSteamSet(models[MODEL_STEAM]);
}
