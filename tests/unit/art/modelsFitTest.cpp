// The models fit the places the game puts them in: arcade pieces meet edge
// to edge, the church front carries its picture, houses rise above the
// arcades, the kart keeps to its footprint and clear of its wheels.
#include "tests/unit/art/modelsGenerated.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

constexpr float ARCADE_RIDGE = 9.6f;

TEST(ModelsFit, ArcadePiecesSpanThirtyAlongXAndStandOnTheGround) {
    for (const char* name : {"arch6open.ase", "arch6capped.ase"}) {
        const Model& model = generatedModel(name);
        Bounds columns = boundsOf(model.objects[1]);
        EXPECT_NEAR(columns.lo.x, -0.45f, 1e-3f) << name; // half a column past each end
        EXPECT_NEAR(columns.hi.x, 30.45f, 1e-3f) << name;
        Bounds arches = boundsOf(model.objects[2]);
        EXPECT_NEAR(arches.lo.x, 0, 1e-3f) << name;
        EXPECT_NEAR(arches.hi.x, 30, 1e-3f) << name;
        Bounds roof = boundsOf(model.objects[0]);
        EXPECT_NEAR(roof.lo.x, 0, 1e-3f) << name;
        EXPECT_NEAR(roof.hi.x, 30, 1e-3f) << name;
        Bounds all = boundsOf(model);
        EXPECT_EQ(all.lo.y, 0) << name;
        // The field side is +z; the walkway behind the arches reaches back to -9.
        EXPECT_LE(all.hi.z, 0.5f) << name;
        EXPECT_GE(all.lo.z, -9.7f) << name;
        EXPECT_NEAR(columns.hi.z, 0, 1e-3f) << name;
    }
}

TEST(ModelsFit, ChurchIsTwentyFiveWideWithItsFrontAtZeroUnderThePicture) {
    const Model& church = generatedModel("quorel.ASE");
    Bounds all = boundsOf(church);
    EXPECT_NEAR(all.lo.x, -12.5f, 1e-3f);
    EXPECT_NEAR(all.hi.x, 12.5f, 1e-3f);
    EXPECT_EQ(all.lo.y, 0);
    EXPECT_NEAR(all.hi.z, 0, 1e-3f); // nothing stands in front of the picture
    // The facade wall fills the picture's rectangle right behind it.
    Bounds facade = boundsOf(church.objects[2]);
    EXPECT_NEAR(facade.hi.z, 0, 1e-3f);
    EXPECT_LE(facade.lo.x, -12.5f + 1e-3f);
    EXPECT_GE(facade.hi.x, 12.5f - 1e-3f);
    EXPECT_GE(facade.hi.y, 22);
    EXPECT_GT(all.hi.y, 25); // the towers and dome show above the picture
}

TEST(ModelsFit, HousesFillTheirWidthBehindTheWalkwayAndRiseAboveTheArcades) {
    struct House {
        const char* name;
        float width;
    };
    for (House house : {House{"buildingsmall.ASE", 25}, House{"archpair.ASE", 10},
                        House{"buildingbig.ASE", 40}, House{"archtriple.ASE", 15}}) {
        const Model& model = generatedModel(house.name);
        Bounds walls = boundsOf(model.objects[0]);
        EXPECT_NEAR(walls.lo.x, 0, 0.25f) << house.name;
        EXPECT_NEAR(walls.hi.x, house.width, 0.25f) << house.name;
        Bounds all = boundsOf(model);
        EXPECT_EQ(all.lo.y, 0) << house.name;
        EXPECT_LE(all.hi.z, -8.5f) << house.name; // behind the arcade walkway
        EXPECT_GT(all.hi.y, ARCADE_RIDGE + 4) << house.name;
    }
}

TEST(ModelsFit, TowerLeavesTheGoalMouthOpen) {
    const Model& tower = generatedModel("tower.ase");
    Bounds all = boundsOf(tower);
    EXPECT_NEAR(all.lo.x, -0.3f, 0.35f);
    EXPECT_NEAR(all.hi.x, 25.3f, 0.35f);
    EXPECT_EQ(all.lo.y, 0);
    // The goal posts' collision boxes leave x 8 to 17 free up to the arch.
    for (const MeshObject& o : tower.objects)
        for (const Vec3& v : o.vertices)
            EXPECT_FALSE(v.x > 8.05f && v.x < 16.95f && v.y < 6.4f) << v.x << " " << v.y;
}

TEST(ModelsFit, CornerAndCapsStandOnTheGround) {
    for (const char* name : {"archCorner.ASE", "archFront.ASE", "frontcap.ASE", "ewcap.ASE"})
        EXPECT_EQ(boundsOf(generatedModel(name)).lo.y, 0) << name;
    // The side cap closes the passage between the two side rows 23.3 apart.
    Bounds side = boundsOf(generatedModel("ewcap.ASE"));
    EXPECT_LE(side.lo.x, -11.65f);
    EXPECT_GE(side.hi.x, 11.65f);
    EXPECT_LE(side.hi.z, 0.5f);
    // The front gate spans the 25 between its neighbouring arcade pieces.
    Bounds gate = boundsOf(generatedModel("archFront.ASE").objects[0]);
    EXPECT_NEAR(gate.lo.x, -12.5f, 1e-3f);
    EXPECT_NEAR(gate.hi.x, 12.5f, 1e-3f);
}

// The game turns the wheel 43 degrees about x and moves it to its hub.
Vec3 steeringWheelInKart(Vec3 v) {
    float a = 43 * 3.14159265f / 180;
    return Vec3{v.x + 0.234f, v.y * std::cos(a) - v.z * std::sin(a) + 0.996f,
                v.y * std::sin(a) + v.z * std::cos(a) + 0.159f};
}

bool insideAWheel(Vec3 v) {
    bool acrossWheel = std::fabs(v.x) > 0.41f + 1e-3f && std::fabs(v.x) < 0.61f - 1e-3f;
    bool alongWheel = std::fabs(std::fabs(v.z) - 0.65f) < 0.2f - 1e-3f;
    return acrossWheel && alongWheel && v.y < 0.4f - 1e-3f;
}

TEST(ModelsFit, KartBodyKeepsToItsFootprintAndClearOfItsWheels) {
    const Model& kart = generatedModel("cart.ASE");
    ASSERT_EQ(kart.objectCount, 11);
    Bounds body;
    for (int i = 0; i < 11; ++i)
        for (const Vec3& raw : kart.objects[i].vertices) {
            Vec3 v = i == 10 ? steeringWheelInKart(raw) : raw;
            body.include(v);
            EXPECT_FALSE(insideAWheel(v)) << "object " << i;
        }
    EXPECT_GE(body.lo.x, -0.61f);
    EXPECT_LE(body.hi.x, 0.61f);
    EXPECT_GE(body.lo.z, -0.9f);
    EXPECT_LE(body.hi.z, 0.9f);
    EXPECT_GE(body.lo.y, 0);
    EXPECT_LT(body.hi.y, 1.75f);
    // The wheel is modelled round its own origin, in its own xy plane.
    Bounds wheel = boundsOf(kart.objects[10]);
    EXPECT_NEAR(wheel.lo.x + wheel.hi.x, 0, 1e-3f);
    EXPECT_NEAR(wheel.lo.y + wheel.hi.y, 0, 1e-3f);
    EXPECT_LT(wheel.hi.z - wheel.lo.z, 0.1f);
    // The outline shell is the body grown a little.
    Bounds shell = boundsOf(generatedModel("cartbg.ASE"));
    EXPECT_GT(shell.hi.x, body.hi.x - 0.05f);
    EXPECT_LE(shell.hi.x, 0.61f + 0.05f);
    EXPECT_GE(shell.lo.z, -0.9f - 0.05f);
    EXPECT_LE(shell.hi.z, 0.9f + 0.05f);
}

TEST(ModelsFit, ArrowPointsAlongXAboutOneAndAHalfLong) {
    const MeshObject& arrow = generatedModel("arrow.ASE").objects[0];
    Bounds b = boundsOf(arrow);
    EXPECT_NEAR(b.hi.x - b.lo.x, 1.5f, 0.1f);
    float widthAtTip = 0, widthAtTail = 0;
    for (const Vec3& v : arrow.vertices) {
        if (v.x > b.hi.x - 1e-3f)
            widthAtTip = std::max(widthAtTip, std::fabs(v.z));
        if (v.x < b.lo.x + 1e-3f)
            widthAtTail = std::max(widthAtTail, std::fabs(v.z));
    }
    EXPECT_LT(widthAtTip, widthAtTail);
}

TEST(ModelsFit, PlantStandsInFrontOfTheChurchAtTheOrigin) {
    Bounds b = boundsOf(generatedModel("plant.ASE"));
    EXPECT_GT(b.lo.z, 0.05f); // in front of the church picture
    EXPECT_LT(b.hi.z, 5);
    EXPECT_LT(std::fabs(b.lo.x + b.hi.x), 0.5f);
    EXPECT_EQ(b.lo.y, 0);
}

TEST(ModelsFit, SteamHasAVentAtEveryEmitter) {
    const Model& steam = generatedModel("steam.ASE");
    const Vec3 emitters[6] = {{-40, -10, 22}, {-40, -10, 68}, {40, -10, 22},
                              {40, -10, 68},  {25, -10, 45},  {-130, -10, 45}};
    for (const Vec3& e : emitters) {
        bool near = false;
        for (const MeshObject& o : steam.objects)
            for (const Vec3& v : o.vertices)
                near = near || (std::hypot(v.x - e.x, v.z - e.z) < 8 && std::fabs(v.y - e.y) < 6);
        EXPECT_TRUE(near) << e.x << " " << e.z;
    }
}

} // namespace
