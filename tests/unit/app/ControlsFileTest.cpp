#include "app/ControlsFile.h"

#include <gtest/gtest.h>

namespace {

ControlsChoice read(const std::string& text, std::vector<std::string>* problems) {
    return readControls(text, "controls.conf", problems);
}

TEST(ControlsFile, NoLinesLeaveTheGamesOwnKeysAndPadLayout) {
    std::vector<std::string> problems;
    const ControlsChoice c = read("# nothing yet\n\n   \n", &problems);
    EXPECT_TRUE(problems.empty());
    EXPECT_EQ(c.keys.kart[0][ACTION_THROTTLE], 'w');
    EXPECT_EQ(c.keys.kart[1][ACTION_FIRE], 'y');
    EXPECT_EQ(c.pads[0].button[ACTION_BOOST], PAD_A);
    EXPECT_EQ(c.pads[1].pause, PAD_START);
}

TEST(ControlsFile, KeysAndPadButtonsOfYourOwnIncludingASwap) {
    std::vector<std::string> problems;
    const ControlsChoice c = read("player1.throttle = s\n"
                                  "player1.brake=w   # swapped with the throttle\n"
                                  "player2.fire = space\n"
                                  "player2.pad.boost = rightshoulder\n"
                                  "player2.pad.slide_right = a\n"
                                  "player1.pad.camera = y\n"
                                  "player1.pad.respawn = dpup\r\n",
                                  &problems);
    EXPECT_TRUE(problems.empty()) << problems[0];
    EXPECT_EQ(c.keys.kart[0][ACTION_THROTTLE], 's');
    EXPECT_EQ(c.keys.kart[0][ACTION_BRAKE], 'w');
    EXPECT_EQ(c.keys.kart[1][ACTION_FIRE], ' ');
    EXPECT_EQ(c.keys.slotOf(' '), KART_ACTIONS + ACTION_FIRE);
    EXPECT_EQ(c.pads[1].button[ACTION_BOOST], PAD_RIGHT_SHOULDER);
    EXPECT_EQ(c.pads[1].button[ACTION_SLIDE_RIGHT], PAD_A);
    EXPECT_EQ(c.pads[0].camera, PAD_Y);
    EXPECT_EQ(c.pads[0].button[ACTION_RESPAWN], PAD_DPAD_UP);
    EXPECT_EQ(c.pads[0].button[ACTION_BOOST], PAD_A); // the other pad's choice is its own
}

TEST(ControlsFile, EachBadLineSaysWhereAndWhatAndKeepsItsDefault) {
    std::vector<std::string> problems;
    const ControlsChoice c = read("player3.throttle = w\n"       // 1: no such player
                                  "player1.jump = j\n"           // 2: no such action
                                  "player1.throttle = W\n"       // 3: upper case
                                  "player1.fire = enter\n"       // 4: no such key
                                  "player1.boost = c\n"          // 5: the camera key
                                  "player1.brake\n"              // 6: no key at all
                                  "player2.pad.fire = z\n"       // 7: no such button
                                  "player1.pad.steer_left = x\n" // 8: the stick steers
                                  "player2.reverse = t\n",       // 9: fine
                                  &problems);
    ASSERT_EQ(problems.size(), 8u);
    for (size_t i = 0; i < problems.size(); ++i)
        EXPECT_EQ(problems[i].rfind("controls.conf:" + std::to_string(i + 1) + ": ", 0), 0u)
            << problems[i];
    EXPECT_NE(problems[1].find("jump"), std::string::npos);
    EXPECT_NE(problems[4].find("game's own"), std::string::npos);
    EXPECT_EQ(c.keys.kart[0][ACTION_THROTTLE], 'w');
    EXPECT_EQ(c.keys.kart[0][ACTION_BOOST], 'f');
    EXPECT_EQ(c.keys.kart[1][ACTION_REVERSE], 't');
}

TEST(ControlsFile, AKeyBoundTwiceAcrossPlayersKeepsTheLaterActionAtItsDefault) {
    std::vector<std::string> problems;
    const ControlsChoice c = read("player1.fire = t\n"
                                  "player2.fire = t\n"   // t is player 1's now
                                  "player2.boost = w\n", // w is player 1's throttle
                                  &problems);
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_EQ(problems[0].rfind("controls.conf:3: ", 0), 0u) << problems[0];
    EXPECT_NE(problems[0].find("player1.throttle"), std::string::npos) << problems[0];
    EXPECT_EQ(problems[1].rfind("controls.conf:2: ", 0), 0u) << problems[1];
    EXPECT_NE(problems[1].find("player1.fire"), std::string::npos) << problems[1];
    EXPECT_EQ(c.keys.kart[0][ACTION_FIRE], 't');
    EXPECT_EQ(c.keys.kart[1][ACTION_FIRE], 'y');
    EXPECT_EQ(c.keys.kart[1][ACTION_BOOST], 'h');
    // Nothing is left bound twice.
    for (int p = 0; p < 2; ++p)
        for (int a = 0; a < KART_ACTIONS; ++a)
            EXPECT_EQ(c.keys.slotOf(c.keys.kart[p][a]), p * KART_ACTIONS + a);
}

TEST(ControlsFile, AButtonBoundTwiceOnOnePadGivesWay) {
    std::vector<std::string> problems;
    const ControlsChoice c = read("player1.pad.fire = a\n", &problems); // a is boost
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_NE(problems[0].find("player1.pad.boost"), std::string::npos) << problems[0];
    EXPECT_EQ(c.pads[0].button[ACTION_FIRE], PAD_X);
}

} // namespace
