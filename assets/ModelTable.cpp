#include "assets/ModelTable.h"

#include "assets/AseReader.h"

void setShadeColor(ShadeColor* color, int8_t r, int8_t g, int8_t b) {
    color->r = r;
    color->g = g;
    color->b = b;
}

void assignShading(MeshObject* object, const Palette& palette, Vec3 lightDir) {
    for (int i = 0; i < 3; ++i)
        object->shadeColors[i] = palette.colors[i];
    object->lightDir = lightDir;
}

void loadModels(Model* models, const std::string& folder) {
    // A model that fails to load stays empty and draws nothing; the rest load.
    for (const ModelFile& model : MODEL_FILES) {
        const std::string path = folder.empty() ? model.file : folder + "/" + model.file;
        loadAse(&models[model.slot], path.c_str());
    }
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
    shadeObjects(m, 0, 0, PALETTE_RED, LIGHT_UP_FRONT);
    shadeObjects(m, 1, 1, PALETTE_GREY, LIGHT_UP_BACK);
    shadeObjects(m, 2, 4, PALETTE_GOLD, LIGHT_UP_FRONT);
}

static void prepareArchPairSet(Model& m) {
    shadeObjects(m, 0, 2, PALETTE_ORANGE, LIGHT_UP_FRONT);
}

static void prepareCornerSet(Model& m) {
    shadeObjects(m, 0, 0, PALETTE_RED, LIGHT_UP_FRONT);
    shadeObjects(m, 1, 1, PALETTE_GOLD, LIGHT_UP_FRONT);
    shadeObjects(m, 2, 2, PALETTE_RED, LIGHT_UP_FRONT);
    shadeObjects(m, 3, 7, PALETTE_GOLD, LIGHT_UP_FRONT);
    shadeObjects(m, 8, 8, PALETTE_GREY, LIGHT_UP_BACK);
    overrideLight(m, 1, {-1, 1, 1});
}

static void prepareBuildingSet(Model& m) {
    shadeObjects(m, 0, 1, PALETTE_ORANGE, LIGHT_UP_FRONT);
    shadeObjects(m, 2, 2, PALETTE_RED, LIGHT_UP_FRONT);
    shadeObjects(m, 3, 3, PALETTE_BLACK, LIGHT_UP_FRONT);
    overrideLight(m, 2, {0, 0, 1});
}

static void prepareTowerSet(Model& m) {
    shadeObjects(m, 0, 0, PALETTE_GOLD, LIGHT_UP_FRONT);
    shadeObjects(m, 1, 2, PALETTE_RED, LIGHT_UP_FRONT);
    shadeObjects(m, 3, 3, PALETTE_BLACK, LIGHT_UP_FRONT);
    shadeObjects(m, 4, 4, PALETTE_GREY, LIGHT_UP_BACK);
}

static void prepareFrontSet(Model& m) {
    shadeObjects(m, 0, 0, PALETTE_GREY, LIGHT_UP_FRONT);
    shadeObjects(m, 1, 2, PALETTE_RED, LIGHT_UP_FRONT);
    shadeObjects(m, 3, 6, PALETTE_GOLD, LIGHT_UP_FRONT);
    shadeObjects(m, 7, 10, PALETTE_GOLD, LIGHT_UP_BACK);
}

static void prepareLandmarkSet(Model& m) {
    shadeObjects(m, 0, 0, PALETTE_GREY, LIGHT_UP_BACK);
    shadeObjects(m, 1, 1, PALETTE_RED, LIGHT_UP_FRONT);
    shadeObjects(m, 2, 7, PALETTE_GOLD, LIGHT_UP_FRONT);
    shadeObjects(m, 8, 9, PALETTE_RED, LIGHT_UP_FRONT);
    shadeObjects(m, 10, 10, PALETTE_GOLD, LIGHT_UP_FRONT);
    shadeObjects(m, 11, 12, PALETTE_RED, LIGHT_UP_FRONT);
    shadeObjects(m, 13, 13, PALETTE_ORANGE, LIGHT_UP_BACK);
}

static void prepareCapSetA(Model& m) {
    shadeObjects(m, 0, 0, PALETTE_GOLD, LIGHT_UP_FRONT);
    shadeObjects(m, 1, 3, PALETTE_RED, LIGHT_UP_FRONT);
}

static void prepareCapSetB(Model& m) {
    shadeObjects(m, 0, 1, PALETTE_GOLD, LIGHT_UP_FRONT);
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
    shadeObjects(m, 0, 0, PALETTE_GOLD, LIGHT_UP_FRONT);
    shadeObjects(m, 1, 8, PALETTE_BROWN, LIGHT_UP_FRONT);
}

static void prepareSteamSet(Model& m) {
    shadeObjects(m, 0, 0, PALETTE_UMBER, LIGHT_SIDE_BACK);
    shadeObjects(m, 1, 1, PALETTE_STEEL, LIGHT_SIDE_BACK);
    shadeObjects(m, 2, 2, PALETTE_STEEL, LIGHT_LOW_FRONT);
    shadeObjects(m, 3, 3, PALETTE_RED, LIGHT_LOW_FRONT);
    shadeObjects(m, 4, 4, PALETTE_STEEL, LIGHT_LOW_FRONT);
    shadeObjects(m, 5, 5, PALETTE_STONE, LIGHT_LOW_FRONT);
    shadeObjects(m, 6, 6, PALETTE_SLATE, LIGHT_LOW_FRONT);
    shadeObjects(m, 7, 7, PALETTE_STEEL, LIGHT_LOW_FRONT);
    shadeObjects(m, 8, 8, PALETTE_GOLD, LIGHT_LOW_FRONT);
}

void prepareModels(Model* models) {
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
