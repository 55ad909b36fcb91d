#include "support/Vec3.h"

#include <cmath>
#include <gtest/gtest.h>

TEST(VectorMath, ZeroLengthVectorsAreLeftAlone) {
    Vec3 v{0, 0, 0};
    normalize(&v);
    EXPECT_EQ(v.x, 0);
    EXPECT_EQ(v.y, 0);
    EXPECT_EQ(v.z, 0);
    setLength(&v, 10);
    EXPECT_EQ(v.x, 0);
    EXPECT_EQ(v.y, 0);
    EXPECT_EQ(v.z, 0);
}

TEST(VectorMath, NormalizeAndSetLength) {
    Vec3 v{3, 0, 4};
    normalize(&v);
    EXPECT_FLOAT_EQ(v.x, 0.6f);
    EXPECT_FLOAT_EQ(v.z, 0.8f);
    Vec3 w{3, 0, 4};
    setLength(&w, 10);
    EXPECT_FLOAT_EQ(w.x, 6);
    EXPECT_FLOAT_EQ(w.y, 0);
    EXPECT_FLOAT_EQ(w.z, 8);
    // A tiny but non-zero length still divides.
    Vec3 tiny{1e-10f, 0, 0};
    normalize(&tiny);
    EXPECT_FLOAT_EQ(tiny.x, 1);
}

TEST(VectorMath, RightHandedCross) {
    Vec3 z = cross({1, 0, 0}, {0, 1, 0});
    EXPECT_EQ(z.z, 1);
    Vec3 x = cross({0, 1, 0}, {0, 0, 1});
    EXPECT_EQ(x.x, 1);
}

TEST(VectorMath, DotAndLengthReadOnlyNFloats) {
    const float a[3] = {3, 4, 12};
    EXPECT_EQ(dotN(a, a, 0), 0);
    EXPECT_EQ(dotN(a, a, -1), 0);
    EXPECT_FLOAT_EQ(dotN(a, a, 2), 25);
    Vec3 v{3, 4, 12};
    EXPECT_FLOAT_EQ(dotN(floatsOf(v), floatsOf(v), 3), 169);
    EXPECT_FLOAT_EQ(length3(v), 13);
}

TEST(VectorMath, AngleToXAxisIsUnsigned) {
    EXPECT_NEAR(angleToXAxis({0, 0, 1}), 3.14159265 / 2, 1e-6);
    EXPECT_NEAR(angleToXAxis({0, 0, -1}), 3.14159265 / 2, 1e-6);
    EXPECT_NEAR(angleToXAxis({-2, 0, 0}), 3.14159265, 1e-6);
}

TEST(VectorMath, ThePiIsTheShortOne) {
    EXPECT_EQ(PI, 3.14159f);
    EXPECT_LT(PI, static_cast<float>(M_PI));
    EXPECT_FLOAT_EQ(radToDeg(PI), 180);
    EXPECT_NEAR(radToDeg(static_cast<float>(M_PI)), 180.00015f, 1e-4);
    EXPECT_FLOAT_EQ(degToRad(180), PI);
    float sc[2];
    sinCosDeg(sc, 90);
    EXPECT_FLOAT_EQ(sc[0], 1);
    // cos of the short pi/2 is not 0.
    EXPECT_NEAR(sc[1], 1.27e-6, 0.05e-6);
}

TEST(VectorMath, ByValueOperations) {
    Vec3 d = divide({2, 4, 6}, 2);
    EXPECT_EQ(d.y, 2);
    Vec3 s = subtract({5, 5, 5}, {1, 2, 3});
    EXPECT_EQ(s.z, 2);
}
