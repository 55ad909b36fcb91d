// The end-to-end tests' virtual pads (tools/testing/vk-virtual-pad.cpp),
// preloaded into this test as into the game, read through the game's own
// Gamepads frame by frame: what a frame's lines do is what that frame's
// poll sees.

#include "shell/Gamepads.h"

#include <SDL.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class VirtualPadTest : public testing::Test {
  protected:
    fs::path folder;
    std::string file;
    Gamepads gamepads;
    PadLayout layout;
    PadInput pads[2];
    PadEvents events; // the last frame's

    void SetUp() override {
        const char* preload = std::getenv("LD_PRELOAD");
        if (preload == nullptr || std::strstr(preload, "vk-virtual-pad") == nullptr)
            GTEST_SKIP() << "vk-virtual-pad.so is not preloaded";
        std::string pattern = (fs::temp_directory_path() / "vk-virtual-pad-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern;
        file = (folder / "pads").string();
        setenv(SDL_HINT_GAMECONTROLLER_IGNORE_DEVICES_EXCEPT, "0x1209/0x5650", 1);
        setenv("VK_VIRTUAL_PAD_FILE", file.c_str(), 1);
        unsetenv("VK_VIRTUAL_PADS");
    }
    void TearDown() override {
        gamepads.stop();
        if (!folder.empty())
            fs::remove_all(folder);
    }

    void send(const std::string& text) { std::ofstream(file, std::ios::app) << text; }
    void start() { ASSERT_TRUE(gamepads.start(nullptr)); }
    void frame() { events = gamepads.poll(pads, layout); }
    long taken() {
        std::ifstream in(file + ".ack");
        long n = -1;
        in >> n;
        return n;
    }
    Sint16 axis(int pad, SDL_GameControllerAxis which) {
        return SDL_GameControllerGetAxis(gamepads.pads.at(pad).controller, which);
    }
};

TEST_F(VirtualPadTest, EachFramesLinesAreSeenByThatFramesPollAndAButtonChangesOnceAFrame) {
    send("1 start down\n1 start up\n1 righttrigger 32767\n1 a down\n");
    start();
    ASSERT_EQ(gamepads.pads.size(), 1u);
    EXPECT_NE(gamepads.seats.padIn(0), NO_PAD);
    EXPECT_EQ(taken(), 0); // plugged in, nothing read yet

    // Start down; its up would be a second change of the same button, so it
    // and everything after it wait.
    frame();
    EXPECT_TRUE(events.pause);
    EXPECT_TRUE(pads[0].down[PAD_START]);
    EXPECT_FALSE(pads[0].down[PAD_RIGHT_TRIGGER]);
    EXPECT_EQ(taken(), 1);

    frame();
    EXPECT_FALSE(events.pause);
    EXPECT_FALSE(pads[0].down[PAD_START]);
    EXPECT_TRUE(pads[0].down[PAD_RIGHT_TRIGGER]);
    EXPECT_TRUE(pads[0].down[PAD_A]);
    EXPECT_EQ(taken(), 4);

    frame(); // nothing new: the pad holds
    EXPECT_TRUE(pads[0].down[PAD_RIGHT_TRIGGER]);
    EXPECT_EQ(taken(), 4);
}

TEST_F(VirtualPadTest, AxesReadBackAsSentThroughTheControllerLayer) {
    start();
    send("1 leftx -32768\n1 lefttrigger 16384\n1 righttrigger 32767\n");
    frame();
    EXPECT_EQ(axis(0, SDL_CONTROLLER_AXIS_LEFTX), -32768);
    EXPECT_FLOAT_EQ(pads[0].stick, 1.0f); // SDL leans left negative, the game positive
    EXPECT_EQ(axis(0, SDL_CONTROLLER_AXIS_TRIGGERLEFT), 16384);
    EXPECT_FALSE(pads[0].down[PAD_LEFT_TRIGGER]); // half way is not yet down
    EXPECT_EQ(axis(0, SDL_CONTROLLER_AXIS_TRIGGERRIGHT), 32767);
    EXPECT_TRUE(pads[0].down[PAD_RIGHT_TRIGGER]);

    send("1 leftx 32767\n1 lefty 1234\n1 lefttrigger 16385\n1 righttrigger 0\n");
    frame();
    EXPECT_EQ(axis(0, SDL_CONTROLLER_AXIS_LEFTX), 32767);
    EXPECT_EQ(axis(0, SDL_CONTROLLER_AXIS_LEFTY), 1234);
    EXPECT_EQ(axis(0, SDL_CONTROLLER_AXIS_TRIGGERLEFT), 16385);
    EXPECT_TRUE(pads[0].down[PAD_LEFT_TRIGGER]);
    EXPECT_EQ(axis(0, SDL_CONTROLLER_AXIS_TRIGGERRIGHT), 0);
    EXPECT_FALSE(pads[0].down[PAD_RIGHT_TRIGGER]);
}

TEST_F(VirtualPadTest, APartialLastLineWaitsForItsNewline) {
    start();
    send("1 x down\n1 y do");
    frame();
    EXPECT_TRUE(pads[0].down[PAD_X]);
    EXPECT_FALSE(pads[0].down[PAD_Y]);
    EXPECT_EQ(taken(), 1);
    frame();
    EXPECT_FALSE(pads[0].down[PAD_Y]);
    send("wn\n");
    frame();
    EXPECT_TRUE(pads[0].down[PAD_Y]);
    EXPECT_EQ(taken(), 2);
}

TEST_F(VirtualPadTest, BadLinesAreSkippedWithALineEachNamingFileAndLine) {
    start();
    send("1 b down\n"
         "\n"
         "2 a down\n"
         "1 jump down\n"
         "1 a pressed\n"
         "1 a\n"
         "1 leftx 40000\n"
         "1 lefttrigger -1\n"
         "1 plug\n"
         "x unplug\n"
         "1 b up\n");
    testing::internal::CaptureStderr();
    frame(); // b down; the bad lines between go; b up waits
    frame();
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(pads[0].down[PAD_B]);
    EXPECT_EQ(taken(), 11); // blank and bad lines are taken too

    std::istringstream lines(said);
    std::string line;
    int count = 0;
    for (const int number : {3, 4, 5, 6, 7, 8, 9, 10}) {
        ASSERT_TRUE(std::getline(lines, line)) << said;
        EXPECT_EQ(
            line.rfind("vk-virtual-pad: " + file + " line " + std::to_string(number) + " skipped: ",
                       0),
            0u)
            << line;
        ++count;
    }
    EXPECT_FALSE(std::getline(lines, line)) << "more than " << count << " lines: " << said;
    EXPECT_NE(said.find("no pad \"2\""), std::string::npos) << said;
    EXPECT_NE(said.find("\"jump\" is no button"), std::string::npos) << said;
    EXPECT_NE(said.find("a trigger takes 0 to 32767"), std::string::npos) << said;
    EXPECT_NE(said.find("plugged in already"), std::string::npos) << said;
}

TEST_F(VirtualPadTest, PadsUnplugAndPlugBackIntoTheirSeats) {
    setenv("VK_VIRTUAL_PADS", "2", 1);
    start();
    frame();
    ASSERT_TRUE(pads[0].connected);
    ASSERT_TRUE(pads[1].connected);

    // Another pad's line goes in the same frame; the same pad's waits.
    send("2 unplug\n1 a down\n2 plug\n2 b down\n");
    frame();
    EXPECT_TRUE(events.seatLost[1]);
    EXPECT_FALSE(pads[1].connected);
    EXPECT_TRUE(pads[0].down[PAD_A]);
    EXPECT_EQ(taken(), 2);

    frame();
    EXPECT_TRUE(events.seatGained[1]);
    EXPECT_TRUE(pads[1].connected);
    EXPECT_FALSE(pads[1].down[PAD_B]);
    frame();
    EXPECT_TRUE(pads[1].down[PAD_B]);
    EXPECT_EQ(taken(), 4);
}

TEST_F(VirtualPadTest, PadCountFromTheEnvironmentAndNothingWithoutAFile) {
    setenv("VK_VIRTUAL_PADS", "4", 1);
    start();
    EXPECT_EQ(gamepads.pads.size(), 4u);
    gamepads.stop();

    setenv("VK_VIRTUAL_PADS", "5", 1);
    testing::internal::CaptureStderr();
    start();
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "vk-virtual-pad: VK_VIRTUAL_PADS=\"5\" is not 1 to 4: 1 pad\n");
    EXPECT_EQ(gamepads.pads.size(), 1u);
    gamepads.stop();

    unsetenv("VK_VIRTUAL_PAD_FILE");
    fs::remove(file + ".ack");
    send("1 a down\n");
    start();
    frame();
    EXPECT_TRUE(gamepads.pads.empty());
    EXPECT_FALSE(fs::exists(file + ".ack"));
}

} // namespace
