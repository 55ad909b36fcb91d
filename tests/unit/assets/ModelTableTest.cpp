#include "assets/ModelTable.h"

#include "TempFolder.h"
#include "assets/TextureTable.h"
#include "render/ShadingRamp.h"
#include "tools/testing/StandInData.h"

#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <string>

namespace {

void expectColour(ShadeColor c, int r, int g, int b) {
    EXPECT_EQ(c.r, r);
    EXPECT_EQ(c.g, g);
    EXPECT_EQ(c.b, b);
}

void expectPalette(const MeshObject& object, const Palette& palette) {
    for (int i = 0; i < 3; ++i)
        expectColour(object.shadeColors[i], palette.colors[i].r, palette.colors[i].g,
                     palette.colors[i].b);
}

void expectLight(const MeshObject& object, float x, float y, float z) {
    EXPECT_FLOAT_EQ(object.lightDir.x, x);
    EXPECT_FLOAT_EQ(object.lightDir.y, y);
    EXPECT_FLOAT_EQ(object.lightDir.z, z);
}

// The model slots as the game holds them.
struct ModelShelf {
    Model models[MODEL_SLOTS];
};

std::unique_ptr<ModelShelf> shelfWithObjects(int objectsPerModel) {
    auto shelf = std::make_unique<ModelShelf>();
    for (Model& model : shelf->models) {
        model.objects.resize(objectsPerModel);
        model.objectCount = objectsPerModel;
    }
    return shelf;
}

} // namespace

TEST(TextureTable, LoadsEveryImageOnceInSlotOrderSkippingElevenAndTwelve) {
    std::set<int> slots;
    std::set<std::string> files;
    int previous = 0;
    for (const TextureFile& t : TEXTURE_FILES) {
        EXPECT_GT(t.slot, previous);
        previous = t.slot;
        slots.insert(t.slot);
        files.insert(t.file);
    }
    EXPECT_EQ(slots.size(), static_cast<size_t>(TEXTURE_FILE_COUNT));
    EXPECT_EQ(files.size(), static_cast<size_t>(TEXTURE_FILE_COUNT));
    EXPECT_LT(previous, TEXTURE_SLOTS);
    EXPECT_FALSE(slots.count(0) || slots.count(11) || slots.count(12));
    EXPECT_STREQ(TEXTURE_FILES[0].file, "cloud1.tga");
    EXPECT_STREQ(TEXTURE_FILES[3].file, "moon.tga");
    EXPECT_EQ(TEXTURE_FILES[10].slot, TEX_COCONUT);
    EXPECT_STREQ(TEXTURE_FILES[30].file, "msgnumbers.tga");
    EXPECT_EQ(TEXTURE_FILES[30].slot, 33);
}

TEST(ShadingRamp, ThreeBandsSelectedByTheDotProduct) {
    auto levelAt = [](float s) {
        return shadingRampLevel(static_cast<int>(s * SHADING_RAMP_TEXELS));
    };
    EXPECT_EQ(levelAt(0), 0.2f);
    EXPECT_EQ(levelAt(0.124f), 0.2f);
    EXPECT_EQ(levelAt(0.125f), 0.5f);
    EXPECT_EQ(levelAt(0.43f), 0.5f);
    EXPECT_EQ(levelAt(0.44f), 1.0f);
    EXPECT_EQ(shadingRampLevel(SHADING_RAMP_TEXELS - 1), 1.0f);
    int counts[3] = {};
    for (int i = 0; i < SHADING_RAMP_TEXELS; ++i)
        ++counts[shadingRampLevel(i) == 0.2f ? 0 : shadingRampLevel(i) == 0.5f ? 1 : 2];
    EXPECT_EQ(counts[0], 4);
    EXPECT_EQ(counts[1], 10);
    EXPECT_EQ(counts[2], 18);
}

TEST(ModelTable, LoadOrderDiffersFromSlotOrder) {
    std::set<int> slots;
    for (const ModelFile& m : MODEL_FILES)
        slots.insert(m.slot);
    EXPECT_EQ(slots.size(), static_cast<size_t>(MODEL_SLOTS)); // every slot, once
    EXPECT_STREQ(MODEL_FILES[0].file, "arch6capped.ase");
    EXPECT_STREQ(MODEL_FILES[1].file, "arch6open.ase");
    EXPECT_STREQ(MODEL_FILES[2].file, "tower.ase");
    EXPECT_EQ(MODEL_FILES[9].slot, MODEL_LANDMARK);
    EXPECT_STREQ(MODEL_FILES[16].file, "steam.ASE");
}

TEST(ModelTable, LoadsEveryFileIntoItsSlotAndCarriesOnPastMissingOnes) {
    TempFolder folder;
    for (int i = 0; i < MODEL_FILE_COUNT; ++i)
        if (MODEL_FILES[i].slot != MODEL_TOWER) // one model missing
            folder.write(MODEL_FILES[i].file, standInAse(i + 1));
    auto shelf = std::make_unique<ModelShelf>();
    testing::internal::CaptureStderr();
    {
        WorkingDirectory inFolder(folder.path);
        loadModels(shelf->models);
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Error: Unable to find or open the file: tower.ase\n");
    for (int i = 0; i < MODEL_FILE_COUNT; ++i) {
        int expected = MODEL_FILES[i].slot == MODEL_TOWER ? 0 : i + 1;
        EXPECT_EQ(shelf->models[MODEL_FILES[i].slot].objectCount, expected) << MODEL_FILES[i].file;
    }
}

TEST(ModelTable, PreparationGivesEachSetItsPalettesAndOverrides) {
    auto shelf = shelfWithObjects(STAND_IN_OBJECTS);
    prepareModels(shelf->models);
    Model* m = shelf->models;

    // The buildings' object 2 and the corner arch's object 1 are overridden.
    for (int slot : {MODEL_BUILDING_BIG, MODEL_BUILDING_SMALL}) {
        expectPalette(m[slot].objects[2], PALETTE_RED);
        expectLight(m[slot].objects[2], 0, 0, 1);
        expectPalette(m[slot].objects[3], PALETTE_BLACK);
    }
    expectPalette(m[MODEL_ARCH_CORNER].objects[1], PALETTE_GOLD);
    expectLight(m[MODEL_ARCH_CORNER].objects[1], -1, 1, 1);
    expectPalette(m[MODEL_ARCH_CORNER].objects[8], PALETTE_GREY);
    expectLight(m[MODEL_ARCH_CORNER].objects[8], 0, 1, -1);

    // Spot checks of each set, including their last objects.
    expectPalette(m[MODEL_ARCH_CAPPED].objects[1], PALETTE_GREY);
    expectPalette(m[MODEL_ARCH_OPEN].objects[4], PALETTE_GOLD);
    expectPalette(m[MODEL_ARCH_TRIPLE].objects[2], PALETTE_ORANGE);
    expectPalette(m[MODEL_TOWER].objects[4], PALETTE_GREY);
    expectPalette(m[MODEL_ARCH_FRONT].objects[10], PALETTE_GOLD);
    expectLight(m[MODEL_ARCH_FRONT].objects[10], 0, 1, -1);
    expectPalette(m[MODEL_LANDMARK].objects[13], PALETTE_ORANGE);
    expectPalette(m[MODEL_FRONT_CAP].objects[3], PALETTE_RED);
    expectPalette(m[MODEL_SIDE_CAP].objects[1], PALETTE_GOLD);
    expectPalette(m[MODEL_PLANT].objects[8], PALETTE_BROWN);
    expectPalette(m[MODEL_STEAM].objects[0], PALETTE_UMBER);
    expectLight(m[MODEL_STEAM].objects[0], -1, 0, -1);
    expectPalette(m[MODEL_STEAM].objects[6], PALETTE_SLATE);
    expectLight(m[MODEL_STEAM].objects[8], 0, 0.3f, 1);

    // Objects past a set keep zero colours, as do the unprepared models.
    expectPalette(m[MODEL_ARCH_OPEN].objects[5], Palette{});
    for (int slot : {MODEL_KART_OUTLINE, MODEL_ARROW}) {
        expectPalette(m[slot].objects[0], Palette{});
        expectLight(m[slot].objects[0], 0, 0, 0);
    }

    // The palettes as painted: grey darkest band brighter, red lit = middle.
    expectColour(PALETTE_GREY.colors[2], 70, 70, 70);
    expectColour(PALETTE_RED.colors[1], 70, 13, 3);
    expectColour(PALETTE_SLATE.colors[0], 22, 23, 35);
}

TEST(ModelTable, KartBodyGetsLitColoursOnly) {
    auto shelf = shelfWithObjects(STAND_IN_OBJECTS);
    prepareModels(shelf->models);
    const Model& kart = shelf->models[MODEL_KART_BODY];
    expectColour(kart.objects[0].shadeColors[0], 20, 20, 20);
    expectColour(kart.objects[5].shadeColors[0], 70, 80, 10);
    expectColour(kart.objects[6].shadeColors[0], 30, 30, 30);
    expectColour(kart.objects[8].shadeColors[0], 30, 30, 30);
    expectColour(kart.objects[10].shadeColors[0], 20, 20, 20);
    expectPalette(kart.objects[7], Palette{});
    expectColour(kart.objects[4].shadeColors[1], 0, 0, 0);
    expectLight(kart.objects[4], 0, 0, 0);
}

TEST(ModelTable, PreparationSkipsObjectsAModelLacks) {
    for (int count : {0, 1, 3}) {
        auto shelf = shelfWithObjects(count);
        prepareModels(shelf->models);
        if (count > 0)
            expectPalette(shelf->models[MODEL_LANDMARK].objects[0], PALETTE_GREY);
        EXPECT_EQ(shelf->models[MODEL_LANDMARK].objects.size(), static_cast<size_t>(count));
    }
}
