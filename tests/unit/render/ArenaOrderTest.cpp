#include "render/ArenaOrder.h"

#include <gtest/gtest.h>

namespace {

// Eyes over the whole arena, on the field, in the lower circuit and above.
std::vector<Vec3> eyesEverywhere() {
    std::vector<Vec3> eyes;
    for (float x = -170; x <= 170; x += 17)
        for (float z = -30; z <= 120; z += 15)
            for (float y : {-18.0f, -5.0f, 2.0f, 30.0f})
                eyes.push_back({x, y, z});
    return eyes;
}

int positionIn(const ArenaOrder& order, int quad) {
    for (int i = 0; i < OPAQUE_ARENA_QUADS; ++i)
        if (order.quads[i] == quad)
            return i;
    return -1;
}

// The one quad whose corners all lie at this z.
int quadAtZ(float z) {
    for (int q = 0; q < OPAQUE_ARENA_QUADS; ++q) {
        bool all = true;
        for (const ArenaCorner& c : ARENA_QUADS[q].corners)
            all = all && c.z == z;
        if (all)
            return q;
    }
    return -1;
}

TEST(ArenaOrderTest, EveryEyeDrawsEachQuadOnceAndKeepsTouchingQuadsInListedOrder) {
    const ArenaContacts contacts = findArenaContacts();
    int pairs = 0;
    for (const Vec3& eye : eyesEverywhere()) {
        const ArenaOrder order = orderArenaNearestFirst(contacts, eye);
        for (int q = 0; q < OPAQUE_ARENA_QUADS; ++q)
            ASSERT_GE(positionIn(order, q), 0) << "quad " << q << " missing";
        for (int a = 0; a < OPAQUE_ARENA_QUADS; ++a)
            for (int b = a + 1; b < OPAQUE_ARENA_QUADS; ++b)
                if (contacts.touching[a][b]) {
                    ++pairs;
                    ASSERT_LT(positionIn(order, a), positionIn(order, b))
                        << "quads " << a << " and " << b << " swapped, eye " << eye.x << ","
                        << eye.y << "," << eye.z;
                }
    }
    EXPECT_GT(pairs, 0);
}

TEST(ArenaOrderTest, ContactsAreMutualAndFindTheWallsThatMeet) {
    const ArenaContacts contacts = findArenaContacts();
    for (int a = 0; a < OPAQUE_ARENA_QUADS; ++a) {
        EXPECT_FALSE(contacts.touching[a][a]);
        for (int b = 0; b < OPAQUE_ARENA_QUADS; ++b)
            EXPECT_EQ(contacts.touching[a][b], contacts.touching[b][a]);
    }
    // The lane walls at z = 20 and z = 90 are a lane apart and never meet.
    const int laneWall = quadAtZ(20), farWall = quadAtZ(90);
    ASSERT_GE(laneWall, 0);
    ASSERT_GE(farWall, 0);
    EXPECT_FALSE(contacts.touching[laneWall][farWall]);
}

TEST(ArenaOrderTest, InALaneOfTheLowerCircuitTheNearWallComesBeforeTheOuterWallItHides) {
    const ArenaContacts contacts = findArenaContacts();
    const int nearWall = quadAtZ(20), outerWall = quadAtZ(100);
    ASSERT_GE(nearWall, 0);
    ASSERT_GE(outerWall, 0);
    // The outer wall is listed first; seen from the lane between z = 20 and
    // z = 30 it comes after.
    ASSERT_LT(outerWall, nearWall);
    const ArenaOrder order = orderArenaNearestFirst(contacts, {0, -18, 25});
    EXPECT_LT(positionIn(order, nearWall), positionIn(order, outerWall));
}

} // namespace
