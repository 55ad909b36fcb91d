#include "shell/RandomSeed.h"

#include <gtest/gtest.h>

TEST(RandomSeed, TakesUnsignedDecimalsUpToTheLargestUnsigned) {
    unsigned seed = 7;
    EXPECT_TRUE(parseSeed("0", &seed));
    EXPECT_EQ(seed, 0u);
    EXPECT_TRUE(parseSeed("0012", &seed));
    EXPECT_EQ(seed, 12u);
    EXPECT_TRUE(parseSeed("4294967295", &seed));
    EXPECT_EQ(seed, 4294967295u);
}

TEST(RandomSeed, RefusesAnythingElseAndLeavesTheSeedAlone) {
    for (const char* text : {"", "-1", "+1", " 1", "1 ", "12x", "0x10", "1.5", "4294967296",
                             "99999999999999999999999"}) {
        unsigned seed = 7;
        EXPECT_FALSE(parseSeed(text, &seed)) << '"' << text << '"';
        EXPECT_EQ(seed, 7u) << '"' << text << '"';
    }
}
