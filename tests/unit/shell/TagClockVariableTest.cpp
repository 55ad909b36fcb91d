#include "shell/TagClockVariable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

// The clock for one value of the variable (nullptr: unset), and what was said.
float clockFor(const char* value, std::string* said) {
    if (value == nullptr)
        unsetenv("VORLANE_KART_TAG_SECONDS");
    else
        setenv("VORLANE_KART_TAG_SECONDS", value, 1);
    testing::internal::CaptureStderr();
    const float seconds = tagClockFromEnvironment(120);
    *said = testing::internal::GetCapturedStderr();
    unsetenv("VORLANE_KART_TAG_SECONDS");
    return seconds;
}

} // namespace

TEST(TagClockVariable, UnsetGivesTheRuleAndWholeSecondsFromOneTo999AreTaken) {
    std::string said;
    EXPECT_EQ(clockFor(nullptr, &said), 120);
    EXPECT_EQ(said, "");
    EXPECT_EQ(clockFor("25", &said), 25);
    EXPECT_EQ(clockFor("1", &said), 1);
    EXPECT_EQ(clockFor("999", &said), 999);
    EXPECT_EQ(said, "");
}

// A clock of none, of more than the HUD's three digits or of no number at
// all would be no game of tag: the rule's clock, and one line saying why.
TEST(TagClockVariable, AnythingElseGivesTheRuleAfterOneLine) {
    for (const char* text : {"", "0", "1000", "-5", "2.5", "25s", " 25"}) {
        std::string said;
        EXPECT_EQ(clockFor(text, &said), 120) << '"' << text << '"';
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
        EXPECT_NE(said.find("VORLANE_KART_TAG_SECONDS=\"" + std::string(text) + "\""),
                  std::string::npos)
            << said;
    }
}
