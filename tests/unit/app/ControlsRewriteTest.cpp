#include "app/ControlsFile.h"

#include <gtest/gtest.h>

namespace {

TEST(ControlsNames, AsTheFileWritesThem) {
    EXPECT_EQ(controlName(0, ACTION_THROTTLE, false), "player1.throttle");
    EXPECT_EQ(controlName(1, ACTION_SLIDE_RIGHT, true), "player2.pad.slide_right");
    EXPECT_EQ(controlName(1, PAD_CAMERA_TARGET, true), "player2.pad.camera");
    EXPECT_EQ(controlName(0, PAD_HAND_OVER_TARGET, true), "player1.pad.hand_over");
    EXPECT_EQ(controlName(0, PAD_PAUSE_TARGET, false), "");
    EXPECT_EQ(controlName(0, ACTION_STEER_LEFT, true), "");
    EXPECT_EQ(controlName(2, ACTION_FIRE, false), "");
    EXPECT_EQ(keyName(' '), "space");
    EXPECT_EQ(keyName('k'), "k");
    EXPECT_STREQ(padButtonName(PAD_RIGHT_TRIGGER), "righttrigger");
    EXPECT_STREQ(padButtonName(PAD_NONE), "");
    for (int b = PAD_A; b < PAD_BUTTONS; ++b)
        EXPECT_EQ(padButtonNamed(padButtonName(static_cast<PadButton>(b))), b);
}

TEST(ControlsNames, BindingsWrittenReadBack) {
    // A swap of two keys and a pad's own target moved, through the writer
    // and the reader: the names and values agree.
    std::string text;
    text = rewriteControls(text, controlName(0, ACTION_THROTTLE, false), keyName('s'));
    text = rewriteControls(text, controlName(0, ACTION_BRAKE, false), keyName('w'));
    text = rewriteControls(text, controlName(1, ACTION_FIRE, false), keyName(' '));
    text = rewriteControls(text, controlName(1, PAD_PAUSE_TARGET, true), padButtonName(PAD_Y));
    text = rewriteControls(text, controlName(1, ACTION_RESPAWN, true), padButtonName(PAD_START));
    std::vector<std::string> problems;
    const ControlsChoice c = readControls(text, "controls.conf", &problems);
    EXPECT_TRUE(problems.empty()) << problems[0] << "\n" << text;
    EXPECT_EQ(c.keys.kart[0][ACTION_THROTTLE], 's');
    EXPECT_EQ(c.keys.kart[0][ACTION_BRAKE], 'w');
    EXPECT_EQ(c.keys.kart[1][ACTION_FIRE], ' ');
    EXPECT_EQ(c.pads[1].pause, PAD_Y);
    EXPECT_EQ(c.pads[1].button[ACTION_RESPAWN], PAD_START);
}

TEST(RewriteControls, ChangesOnlyTheValueOnTheLastLineThatSetsTheName) {
    const std::string text = "# my keys\n"
                             "\tplayer1.fire  =  t   # was r\n"
                             "player1.throttle = w\n"
                             "# player1.fire = z\n"
                             "player1.fire=g#again\n"
                             "player1.fireball = q\n"
                             "player2.fire = y\n";
    EXPECT_EQ(rewriteControls(text, "player1.fire", "space"), "# my keys\n"
                                                              "\tplayer1.fire  =  t   # was r\n"
                                                              "player1.throttle = w\n"
                                                              "# player1.fire = z\n"
                                                              "player1.fire=space#again\n"
                                                              "player1.fireball = q\n"
                                                              "player2.fire = y\n");
    EXPECT_EQ(rewriteControls(text, "player1.throttle", "i"), "# my keys\n"
                                                              "\tplayer1.fire  =  t   # was r\n"
                                                              "player1.throttle = i\n"
                                                              "# player1.fire = z\n"
                                                              "player1.fire=g#again\n"
                                                              "player1.fireball = q\n"
                                                              "player2.fire = y\n");
    // A bad value on the line is replaced all the same, spacing kept.
    EXPECT_EQ(
        rewriteControls("  player2.pad.boost =  no such button   # hm\n", "player2.pad.boost", "a"),
        "  player2.pad.boost =  a   # hm\n");
    EXPECT_EQ(rewriteControls("player1.brake =\n", "player1.brake", "k"), "player1.brake = k\n");
}

TEST(RewriteControls, ANameNoLineSetsIsAppended) {
    EXPECT_EQ(rewriteControls("", "player1.fire", "t"), "player1.fire = t\n");
    EXPECT_EQ(rewriteControls("# mine\n", "player1.fire", "t"), "# mine\nplayer1.fire = t\n");
    EXPECT_EQ(rewriteControls("player2.fire = y", "player1.fire", "t"),
              "player2.fire = y\nplayer1.fire = t\n");
    // Only in a comment, or another name that starts the same: not set.
    EXPECT_EQ(rewriteControls("# player1.fire = z\nplayer1.fire2 = q\n", "player1.fire", "t"),
              "# player1.fire = z\nplayer1.fire2 = q\nplayer1.fire = t\n");
    // What would break the file is not written.
    EXPECT_EQ(rewriteControls("a\n", "player1.fire", "#"), "a\n");
    EXPECT_EQ(rewriteControls("a\n", "player1.fire", "t\nplayer2.fire = t"), "a\n");
}

TEST(RewriteControls, CrlfFilesKeepTheirLineEndings) {
    EXPECT_EQ(rewriteControls("# mine\r\nplayer1.fire = r  # here\r\nplayer2.fire = y\r\n",
                              "player1.fire", "t"),
              "# mine\r\nplayer1.fire = t  # here\r\nplayer2.fire = y\r\n");
    EXPECT_EQ(rewriteControls("player1.fire = r\r\n", "player1.fire", "t"), "player1.fire = t\r\n");
    EXPECT_EQ(rewriteControls("# mine\r\n", "player1.fire", "t"), "# mine\r\nplayer1.fire = t\r\n");
    EXPECT_EQ(rewriteControls("# mine\r\nx = 1", "player1.fire", "t"),
              "# mine\r\nx = 1\r\nplayer1.fire = t\r\n");
}

TEST(ControlsRefusals, AKeyAnotherActionHasOrTheGameAnswers) {
    const KeyBindings keys;
    EXPECT_EQ(keyRefusal(keys, 'w', 1, ACTION_THROTTLE), "W is player 1's throttle");
    EXPECT_EQ(keyRefusal(keys, 'e', 1, ACTION_FIRE), "E is player 1's slide right");
    EXPECT_EQ(keyRefusal(keys, 'i', 0, ACTION_FIRE), "I is player 2's throttle");
    EXPECT_EQ(keyRefusal(keys, 'a', 0, ACTION_THROTTLE), "A is player 1's steer left");
    EXPECT_EQ(keyRefusal(keys, 'w', 0, ACTION_THROTTLE), ""); // its own key
    EXPECT_EQ(keyRefusal(keys, 't', 0, ACTION_THROTTLE), "");
    EXPECT_EQ(keyRefusal(keys, ' ', 1, ACTION_FIRE), "");
    KeyBindings spaced;
    spaced.kart[1][ACTION_FIRE] = ' ';
    EXPECT_EQ(keyRefusal(spaced, ' ', 0, ACTION_BOOST), "Space is player 2's fire");
    for (unsigned char own : {'c', 'p', 'n', '1', ';', '#', '\t', '\r', '\x1b', '\x7f', '\xe9'})
        EXPECT_EQ(keyRefusal(keys, own, 0, ACTION_FIRE), "That key is the game's own") << int(own);
    EXPECT_NE(keyRefusal(keys, 'T', 0, ACTION_FIRE), "");
    EXPECT_NE(keyRefusal(keys, 't', 0, KART_ACTIONS), "");
    for (int p = 0; p < 2; ++p)
        for (int a = 0; a < KART_ACTIONS; ++a)
            for (int k = 0; k < 256; ++k)
                EXPECT_LE(keyRefusal(keys, k, p, a).size(), 40u);
}

TEST(ControlsRefusals, AButtonOnThatPlayersPad) {
    const PadLayout pad;
    EXPECT_EQ(buttonRefusal(pad, PAD_A, 0, ACTION_FIRE), "A is this pad's boost");
    EXPECT_EQ(buttonRefusal(pad, PAD_START, 1, ACTION_FIRE), "Start is this pad's pause");
    EXPECT_EQ(buttonRefusal(pad, PAD_RIGHT_TRIGGER, 0, PAD_CAMERA_TARGET),
              "Right trigger is this pad's throttle");
    EXPECT_EQ(buttonRefusal(pad, PAD_X, 0, ACTION_FIRE), ""); // its own button
    EXPECT_EQ(buttonRefusal(pad, PAD_DPAD_UP, 1, ACTION_FIRE), "");
    EXPECT_EQ(buttonRefusal(pad, PAD_DPAD_UP, 1, PAD_HAND_OVER_TARGET), "");
    EXPECT_EQ(buttonRefusal(pad, PAD_DPAD_UP, 0, ACTION_STEER_LEFT), "The stick steers");
    EXPECT_EQ(buttonRefusal(pad, PAD_DPAD_UP, 0, ACTION_STEER_RIGHT), "The stick steers");
    EXPECT_NE(buttonRefusal(pad, PAD_NONE, 0, ACTION_FIRE), "");
    EXPECT_NE(buttonRefusal(pad, PAD_BUTTONS, 0, ACTION_FIRE), "");
    EXPECT_NE(buttonRefusal(pad, PAD_A, 0, PAD_TARGETS), "");
    for (int a = 0; a < PAD_TARGETS; ++a)
        for (int b = 0; b < PAD_BUTTONS; ++b)
            EXPECT_LE(buttonRefusal(pad, static_cast<PadButton>(b), 0, a).size(), 40u);
}

} // namespace
