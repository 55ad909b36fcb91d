#include "ReplayScript.h"

#include <gtest/gtest.h>

namespace {

// What a frame time is worth to the tick loop: its decimal digits, rounded
// to whole milliseconds, halves away from zero, as written and not as a
// binary float makes them.
TEST(ReplayScript, FrameTimesRoundToWholeMillisecondsFromTheirDigits) {
    EXPECT_EQ(frameMilliseconds("0.02"), 20);
    EXPECT_EQ(frameMilliseconds("0.016"), 16);
    EXPECT_EQ(frameMilliseconds("0.0165"), 17); // the float 0.0165f is below 16.5
    EXPECT_EQ(frameMilliseconds("0.01649999"), 16);
    EXPECT_EQ(frameMilliseconds("0.0005"), 1);
    EXPECT_EQ(frameMilliseconds("0.0004999"), 0);
    EXPECT_EQ(frameMilliseconds("0"), 0);
    EXPECT_EQ(frameMilliseconds(".007"), 7);
    EXPECT_EQ(frameMilliseconds("1"), 1000);
    EXPECT_EQ(frameMilliseconds("4."), 4000);
    EXPECT_EQ(frameMilliseconds("3600"), 3600000);
    EXPECT_EQ(frameMilliseconds("1.5e-2"), 15);
    EXPECT_EQ(frameMilliseconds("25E-3"), 25);
    EXPECT_EQ(frameMilliseconds("0.00001e3"), 10);
    EXPECT_EQ(frameMilliseconds("1e-4"), 0);
    EXPECT_EQ(frameMilliseconds("+0.0125"), 13);
    EXPECT_EQ(frameMilliseconds("0x1p-6"), 16); // 15.625 ms, through a double
}

TEST(ReplayScript, ScriptsCarryBothTheSecondsAndTheMilliseconds) {
    ReplayScript script;
    std::string error;
    ASSERT_TRUE(parseReplayScript("seed 4\n0.0165 wa\n0.02 -\n", &script, &error)) << error;
    ASSERT_EQ(script.frames.size(), 2u);
    EXPECT_FLOAT_EQ(script.frames[0].dt, 0.0165f);
    EXPECT_EQ(script.frames[0].ms, 17);
    EXPECT_EQ(script.frames[0].keys, "wa");
    EXPECT_EQ(script.frames[1].ms, 20);
}

} // namespace
