#include "render/FaceShade.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

// A face in the plane z = 0 wound counter-clockwise seen from +z: normal +z.
const Vec3 P{0, 0, 0}, Q{1, 0, 0}, R{0, 1, 0};

// A unit light whose dot product with +z is d.
Vec3 lightWithDot(float d) {
    return Vec3{std::sqrt(1 - d * d), 0, d};
}

TEST(FaceShade, PicksTheBandByTheAngleToTheLight) {
    EXPECT_EQ(faceShade(P, Q, R, Vec3{0, 0, 1}), SHADE_LIT);
    EXPECT_EQ(faceShade(P, Q, R, lightWithDot(0.0001f)), SHADE_LIT);
    EXPECT_EQ(faceShade(P, Q, R, lightWithDot(0)), SHADE_MIDDLE);
    EXPECT_EQ(faceShade(P, Q, R, lightWithDot(-0.49f)), SHADE_MIDDLE);
    EXPECT_EQ(faceShade(P, Q, R, Vec3{0, 0, -1}), SHADE_DARK);
}

TEST(FaceShade, ExactlyMinusOneHalfIsDark) {
    // The face's normal is +y; the light's y is -0.5 exactly.
    const Vec3 light{0, -0.5f, 0};
    EXPECT_EQ(faceShade(Vec3{0, 0, 0}, Vec3{0, 0, 1}, Vec3{1, 0, 0}, light), SHADE_DARK);
}

TEST(FaceShade, WindingDecidesWhichSideIsLit) {
    EXPECT_EQ(faceShade(P, R, Q, Vec3{0, 0, 1}), SHADE_DARK);
}

TEST(FaceShade, ADegenerateFaceIsMiddle) {
    EXPECT_EQ(faceShade(P, P, R, Vec3{0, 0, 1}), SHADE_MIDDLE);
    EXPECT_EQ(faceShade(P, Q, Vec3{2, 0, 0}, Vec3{1, 0, 0}), SHADE_MIDDLE);
}

TEST(FaceShade, MeshesVisitedAreBoundedByCountAndStorage) {
    Model model;
    EXPECT_EQ(drawableMeshCount(model), 0u);
    model.objectCount = 3;
    EXPECT_EQ(drawableMeshCount(model), 0u) << "no meshes held";
    model.objects.resize(2);
    EXPECT_EQ(drawableMeshCount(model), 2u);
    model.objectCount = 1;
    EXPECT_EQ(drawableMeshCount(model), 1u);
    model.objectCount = -4;
    EXPECT_EQ(drawableMeshCount(model), 0u);
}

TEST(FaceShade, FacesNamingMissingVerticesAreSkipped) {
    MeshObject mesh;
    mesh.vertices.resize(3);
    EXPECT_TRUE(faceInRange(mesh, Face{0, 1, 2}));
    EXPECT_FALSE(faceInRange(mesh, Face{0, 1, 3}));
    EXPECT_FALSE(faceInRange(mesh, Face{-1, 1, 2}));
    EXPECT_FALSE(faceInRange(mesh, Face{0, 7, 2}));
}

} // namespace
