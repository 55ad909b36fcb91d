#include "shell/TimeScaleVariable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

int scaleFor(const char* value, std::string* said) {
    if (value == nullptr)
        unsetenv("VORLANE_KART_TIME_SCALE");
    else
        setenv("VORLANE_KART_TIME_SCALE", value, 1);
    testing::internal::CaptureStderr();
    const int scale = timeScaleFromEnvironment();
    *said = testing::internal::GetCapturedStderr();
    unsetenv("VORLANE_KART_TIME_SCALE");
    return scale;
}

} // namespace

TEST(TimeScaleVariable, WholeNumbersFromOneToEightAndOtherwiseTheWallClockAfterOneLine) {
    std::string said;
    EXPECT_EQ(scaleFor(nullptr, &said), 1);
    EXPECT_EQ(said, "");
    EXPECT_EQ(scaleFor("4", &said), 4);
    EXPECT_EQ(scaleFor("8", &said), 8);
    EXPECT_EQ(said, "");
    // Past 8 a frame's time would be cut at the backlog's limit.
    for (const char* text : {"", "0", "9", "-2", "1.5", "4x"}) {
        EXPECT_EQ(scaleFor(text, &said), 1) << '"' << text << '"';
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
        EXPECT_NE(said.find("VORLANE_KART_TIME_SCALE=\"" + std::string(text) + "\""),
                  std::string::npos)
            << said;
    }
}
