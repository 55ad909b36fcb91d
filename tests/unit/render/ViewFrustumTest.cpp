#include "render/ViewFrustum.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

// gluPerspective's matrix, column by column.
void perspective(float fovyDegrees, float aspect, float zNear, float zFar, float (&m)[16]) {
    const float f = 1 / std::tan(fovyDegrees * 3.14159265f / 360);
    for (float& v : m)
        v = 0;
    m[0] = f / aspect;
    m[5] = f;
    m[10] = (zFar + zNear) / (zNear - zFar);
    m[11] = -1;
    m[14] = 2 * zFar * zNear / (zNear - zFar);
}

// A camera at (ex, 0, ez) looking along -z: the view moves the world by -eye.
void cameraAt(float ex, float ez, float (&m)[16]) {
    for (int i = 0; i < 16; ++i)
        m[i] = i % 5 == 0 ? 1.0f : 0.0f;
    m[12] = -ex;
    m[14] = -ez;
}

ViewFrustum splitScreenView(float ex, float ez) {
    float projection[16], camera[16];
    perspective(45, 8.0f / 3.0f, 0.1f, 500, projection);
    cameraAt(ex, ez, camera);
    return frustumFrom(projection, camera);
}

TEST(ViewFrustumTest, KeepsWhatTheViewCanSeeAndLeavesOutOnlyWhatLiesWhollyBeyondAnEdge) {
    const ViewFrustum view = splitScreenView(10, 50);
    EXPECT_FALSE(sphereOutside(view, {10, 0, 0}, 1)) << "straight ahead";
    EXPECT_FALSE(sphereOutside(view, {10, 0, 100}, 60)) << "behind, but reaching past the eye";
    EXPECT_TRUE(sphereOutside(view, {10, 0, 100}, 5)) << "behind";
    EXPECT_TRUE(sphereOutside(view, {10, 0, -600}, 5)) << "past the far plane";
    // 45 degrees tall at 8:3 is about 96 degrees wide: at 50 ahead the edge
    // lies about 55 to the side, and 21 up.
    EXPECT_TRUE(sphereOutside(view, {10 + 80, 0, 0}, 10));
    EXPECT_FALSE(sphereOutside(view, {10 + 50, 0, 0}, 10));
    EXPECT_TRUE(sphereOutside(view, {10, 40, 0}, 5));
    EXPECT_FALSE(sphereOutside(view, {10, 40, 0}, 20)) << "straddling the top edge";
}

TEST(ViewFrustumTest, BoundsEveryVertexOfTheDrawableMeshesOnly) {
    Model model;
    model.objects.resize(2);
    model.objects[0].vertices = {{-2, 0, 0}, {2, 0, 0}, {0, 6, 1}};
    model.objects[1].vertices = {{100, 100, 100}}; // past the count the model claims
    model.objectCount = 1;
    const BoundingSphere sphere = boundingSphereOf(model);
    for (const Vec3& v : model.objects[0].vertices) {
        const float dx = v.x - sphere.centre.x, dy = v.y - sphere.centre.y,
                    dz = v.z - sphere.centre.z;
        EXPECT_LE(std::sqrt(dx * dx + dy * dy + dz * dz), sphere.radius + 1e-5f);
    }
    EXPECT_LT(sphere.radius, 10);
    EXPECT_LT(boundingSphereOf(Model{}).radius, 0) << "an empty model bounds nothing";
}

} // namespace
