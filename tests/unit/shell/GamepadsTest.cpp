#include "shell/Gamepads.h"

#include <SDL.h>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

// Pads made in the test's own process with SDL's virtual joysticks: a
// standard pad's buttons and axes, typed as a game controller, so that SDL
// gives it a controller mapping of its own (joystick button i is controller
// button i, axis i is controller axis i).

namespace {

// The only vendor and product the tests let SDL take for a controller, so
// a real pad plugged into the machine cannot take a seat in them.
constexpr Uint16 TEST_VENDOR = 0x1209;
constexpr Uint16 TEST_PRODUCT = 0x5650;

struct VirtualPad {
    int id = -1;                      // SDL's instance id
    SDL_Joystick* joystick = nullptr; // the test's own handle, to move its buttons and sticks

    void plugIn() {
        SDL_VirtualJoystickDesc desc;
        SDL_zero(desc);
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_DPAD_RIGHT + 1;
        desc.vendor_id = TEST_VENDOR;
        desc.product_id = TEST_PRODUCT;
        const int index = SDL_JoystickAttachVirtualEx(&desc);
        ASSERT_GE(index, 0) << SDL_GetError();
        joystick = SDL_JoystickOpen(index);
        ASSERT_NE(joystick, nullptr) << SDL_GetError();
        id = SDL_JoystickInstanceID(joystick);
    }

    // Detaching takes a device index, which shifts as pads come and go.
    void unplug() {
        for (int index = 0; index < SDL_NumJoysticks(); ++index)
            if (SDL_JoystickGetDeviceInstanceID(index) == id) {
                SDL_JoystickClose(joystick);
                joystick = nullptr;
                ASSERT_EQ(SDL_JoystickDetachVirtual(index), 0) << SDL_GetError();
                return;
            }
        FAIL() << "pad " << id << " is not plugged in";
    }

    void hold(SDL_GameControllerButton button, bool down = true) {
        ASSERT_EQ(SDL_JoystickSetVirtualButton(joystick, button, down ? 1 : 0), 0)
            << SDL_GetError();
    }
    void lean(Sint16 x) {
        ASSERT_EQ(SDL_JoystickSetVirtualAxis(joystick, SDL_CONTROLLER_AXIS_LEFTX, x), 0);
    }
    void leanY(Sint16 y) {
        ASSERT_EQ(SDL_JoystickSetVirtualAxis(joystick, SDL_CONTROLLER_AXIS_LEFTY, y), 0);
    }
    // share: 0 at rest .. 1 fully in, over the joystick's whole axis range.
    void squeeze(SDL_GameControllerAxis trigger, float share) {
        const Sint16 raw = static_cast<Sint16>(-32768 + share * 65535);
        ASSERT_EQ(SDL_JoystickSetVirtualAxis(joystick, trigger, raw), 0);
    }
};

// A file under the temp folder, gone when the test ends.
struct TempFile {
    std::filesystem::path path;
    explicit TempFile(const std::string& text) {
        std::string pattern = (std::filesystem::temp_directory_path() / "vk-pads-XXXXXX").string();
        const int fd = mkstemp(pattern.data());
        close(fd);
        path = pattern;
        std::ofstream(path, std::ios::binary) << text;
    }
    ~TempFile() { std::filesystem::remove(path); }
};

class GamepadsTest : public testing::Test {
  protected:
    Gamepads gamepads;
    PadLayout layout;
    PadInput pads[2];
    PadEvents events; // every poll's since the last clearEvents

    void SetUp() override {
        setenv(SDL_HINT_GAMECONTROLLER_IGNORE_DEVICES_EXCEPT, "0x1209/0x5650", 1);
        ASSERT_TRUE(gamepads.start(nullptr));
    }
    void TearDown() override {
        for (VirtualPad* pad : plugged)
            if (pad->joystick != nullptr) {
                SDL_JoystickClose(pad->joystick);
                pad->joystick = nullptr;
            }
        gamepads.stop();
    }

    std::vector<VirtualPad*> plugged;
    VirtualPad a, b, c;

    void plugIn(VirtualPad& pad) {
        pad.plugIn();
        plugged.push_back(&pad);
    }

    void clearEvents() { events = PadEvents{}; }

    // One drawn frame's poll, its events kept with the others.
    void frame() {
        const PadEvents now = gamepads.poll(pads, layout, clock);
        events.pause |= now.pause;
        events.menu |= now.menu;
        for (int s = 0; s < 2; ++s) {
            events.camera[s] |= now.camera[s];
            events.seatLost[s] |= now.seatLost[s];
            events.seatGained[s] |= now.seatGained[s];
            for (int b = 0; b < PAD_BUTTONS; ++b)
                events.pressed[s][b] |= now.pressed[s][b];
        }
    }
    uint32_t clock = 1000; // the polls' milliseconds, moved by the tests alone

    // Frames, as the shell would run them, until the pads show what is
    // wanted or two seconds pass: SDL applies a virtual pad's changes when
    // it next pumps its events.
    bool framesUntil(const std::function<bool()>& seen) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
        for (;;) {
            frame();
            if (seen())
                return true;
            if (std::chrono::steady_clock::now() > deadline)
                return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
    bool seated(int seat) {
        return framesUntil([&] { return pads[seat].connected; });
    }
    // For what must not happen: a few frames, then look.
    void frames(int n = 5) {
        for (int i = 0; i < n; ++i)
            frame();
    }
};

TEST_F(GamepadsTest, PadsTakePlayerOneThenPlayerTwoAndARemovedPadFreesItsSeat) {
    frame();
    EXPECT_FALSE(pads[0].connected);
    EXPECT_FALSE(pads[1].connected);

    plugIn(a);
    ASSERT_TRUE(seated(0));
    EXPECT_TRUE(events.seatGained[0]);
    EXPECT_FALSE(pads[1].connected);
    plugIn(b);
    ASSERT_TRUE(seated(1));
    EXPECT_TRUE(events.seatGained[1]);
    EXPECT_EQ(gamepads.seats.padIn(0), a.id);
    EXPECT_EQ(gamepads.seats.padIn(1), b.id);

    clearEvents();
    a.unplug();
    ASSERT_TRUE(framesUntil([&] { return !pads[0].connected; }));
    EXPECT_TRUE(events.seatLost[0]);
    EXPECT_FALSE(events.seatLost[1]);
    EXPECT_FALSE(events.seatGained[0]);
    EXPECT_TRUE(pads[1].connected);
    EXPECT_EQ(gamepads.pads.size(), 1u); // closed, not just unseated

    // The free seat is the next pad's.
    clearEvents();
    plugIn(c);
    ASSERT_TRUE(seated(0));
    EXPECT_TRUE(events.seatGained[0]);
    EXPECT_EQ(gamepads.seats.padIn(0), c.id);
}

TEST_F(GamepadsTest, AThirdPadWaitsAndTakesTheSeatOfAPadUnpluggedInTheSameFrame) {
    plugIn(a);
    plugIn(b);
    ASSERT_TRUE(framesUntil([&] { return pads[0].connected && pads[1].connected; }));
    // Plugged in, then player 1's pad unplugged, both before the next frame.
    // With the test's own handles open, SDL drops the new pad's added event
    // when the other goes (it counts the removed pad's place among the open
    // joysticks, where the newest comes first).
    clearEvents();
    plugIn(c);
    a.unplug();
    c.hold(SDL_CONTROLLER_BUTTON_A);
    ASSERT_TRUE(framesUntil([&] { return gamepads.seats.padIn(0) == c.id && pads[0].down[PAD_A]; }))
        << "seat 0 holds pad " << gamepads.seats.padIn(0) << ", the new pad is " << c.id;
    EXPECT_TRUE(events.seatLost[0]);
    EXPECT_TRUE(events.seatGained[0]);
    EXPECT_EQ(gamepads.seats.padIn(1), b.id);
    EXPECT_FALSE(pads[1].down[PAD_A]);
}

TEST_F(GamepadsTest, PadsPluggedInBeforeTheStartAreSeatedBeforeTheFirstFrameAndOpenedOnce) {
    gamepads.stop();
    // The test's own hold on SDL's joysticks, so that pads can be plugged in
    // before the game's pads start.
    ASSERT_EQ(SDL_Init(SDL_INIT_JOYSTICK), 0);
    plugIn(a);
    plugIn(b);
    ASSERT_TRUE(gamepads.start(nullptr));
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    EXPECT_EQ(gamepads.seats.padIn(0), a.id);
    EXPECT_EQ(gamepads.seats.padIn(1), b.id);
    // SDL's added events for them come with the first frame: nothing new.
    frame();
    EXPECT_TRUE(pads[0].connected);
    EXPECT_TRUE(pads[1].connected);
    EXPECT_FALSE(events.seatGained[0] || events.seatGained[1]);
    EXPECT_EQ(gamepads.pads.size(), 2u);
}

TEST_F(GamepadsTest, TheStickLeansLeftPositiveRawAndTriggersAreDownPastHalfWay) {
    plugIn(a);
    ASSERT_TRUE(seated(0));
    EXPECT_EQ(pads[0].stick, 0);

    a.lean(32767); // full right
    ASSERT_TRUE(framesUntil([&] { return pads[0].stick != 0; }));
    EXPECT_FLOAT_EQ(pads[0].stick, -1);
    a.lean(-32768); // full left, one step further than right goes
    ASSERT_TRUE(framesUntil([&] { return pads[0].stick > 0; }));
    EXPECT_FLOAT_EQ(pads[0].stick, 1);
    // A lean well inside the game's dead zone still reads: the zone is the
    // controls' business, not the reader's.
    a.lean(3277);
    ASSERT_TRUE(framesUntil([&] { return pads[0].stick < 0; }));
    EXPECT_NEAR(pads[0].stick, -0.1f, 1e-3f);

    a.squeeze(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 0.45f);
    a.squeeze(SDL_CONTROLLER_AXIS_TRIGGERLEFT, 0.55f);
    ASSERT_TRUE(framesUntil([&] { return pads[0].down[PAD_LEFT_TRIGGER]; }));
    EXPECT_FALSE(pads[0].down[PAD_RIGHT_TRIGGER]);
    a.squeeze(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 0.55f);
    a.squeeze(SDL_CONTROLLER_AXIS_TRIGGERLEFT, 0.45f);
    ASSERT_TRUE(framesUntil([&] { return pads[0].down[PAD_RIGHT_TRIGGER]; }));
    EXPECT_FALSE(pads[0].down[PAD_LEFT_TRIGGER]);
}

TEST_F(GamepadsTest, EachButtonHoldsItsOwnPadButtonAndNoOther) {
    struct Pair {
        SDL_GameControllerButton sdl;
        PadButton pad;
    };
    const Pair buttons[] = {
        {SDL_CONTROLLER_BUTTON_A, PAD_A},
        {SDL_CONTROLLER_BUTTON_B, PAD_B},
        {SDL_CONTROLLER_BUTTON_X, PAD_X},
        {SDL_CONTROLLER_BUTTON_Y, PAD_Y},
        {SDL_CONTROLLER_BUTTON_BACK, PAD_BACK},
        {SDL_CONTROLLER_BUTTON_START, PAD_START},
        {SDL_CONTROLLER_BUTTON_LEFTSTICK, PAD_LEFT_STICK},
        {SDL_CONTROLLER_BUTTON_RIGHTSTICK, PAD_RIGHT_STICK},
        {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, PAD_LEFT_SHOULDER},
        {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, PAD_RIGHT_SHOULDER},
        {SDL_CONTROLLER_BUTTON_DPAD_UP, PAD_DPAD_UP},
        {SDL_CONTROLLER_BUTTON_DPAD_DOWN, PAD_DPAD_DOWN},
        {SDL_CONTROLLER_BUTTON_DPAD_LEFT, PAD_DPAD_LEFT},
        {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, PAD_DPAD_RIGHT},
    };
    // Back would hand the pad over to player 2: nothing to hand over to here.
    layout.handOver = PAD_NONE;
    plugIn(a);
    ASSERT_TRUE(seated(0));
    for (const Pair& button : buttons) {
        a.hold(button.sdl);
        ASSERT_TRUE(framesUntil([&] { return pads[0].down[button.pad]; }))
            << "PadButton " << button.pad << " never down";
        for (int other = PAD_NONE; other < PAD_BUTTONS; ++other)
            EXPECT_EQ(pads[0].down[other], other == button.pad)
                << "PadButton " << other << " while " << button.pad << " is held";
        a.hold(button.sdl, false);
        ASSERT_TRUE(framesUntil([&] { return !pads[0].down[button.pad]; }));
    }
}

TEST_F(GamepadsTest, BackHandsThePadToTheOtherPlayerAndTheOtherPadToThisOne) {
    plugIn(a);
    ASSERT_TRUE(seated(0));
    a.lean(-32768);
    // A press hands over as it is let go.
    a.hold(SDL_CONTROLLER_BUTTON_BACK);
    ASSERT_TRUE(framesUntil([&] { return pads[0].down[PAD_BACK]; }));
    EXPECT_FALSE(pads[1].connected);
    clock += MENU_HOLD_MS - 1;
    a.hold(SDL_CONTROLLER_BUTTON_BACK, false);
    ASSERT_TRUE(framesUntil([&] { return pads[1].connected; }));
    EXPECT_FALSE(pads[0].connected);
    EXPECT_FLOAT_EQ(pads[1].stick, 1); // its state goes with it
    EXPECT_FALSE(events.menu);
    // The next press hands it back.
    a.hold(SDL_CONTROLLER_BUTTON_BACK);
    SDL_JoystickUpdate();
    a.hold(SDL_CONTROLLER_BUTTON_BACK, false);
    ASSERT_TRUE(seated(0));
    EXPECT_FALSE(pads[1].connected);

    // With two pads, they swap; a hand-over is no lost seat.
    plugIn(b);
    ASSERT_TRUE(seated(1));
    clearEvents();
    b.hold(SDL_CONTROLLER_BUTTON_BACK);
    SDL_JoystickUpdate();
    b.hold(SDL_CONTROLLER_BUTTON_BACK, false);
    ASSERT_TRUE(framesUntil([&] { return gamepads.seats.padIn(0) == b.id; }));
    EXPECT_EQ(gamepads.seats.padIn(1), a.id);
    EXPECT_FLOAT_EQ(pads[1].stick, 1);
    EXPECT_FALSE(events.seatLost[0] || events.seatLost[1]);
    EXPECT_FALSE(events.menu);
}

TEST_F(GamepadsTest, BackHeldHalfASecondAsksForTheMenuOnceAndHandsNothingOver) {
    plugIn(a);
    ASSERT_TRUE(seated(0));
    clearEvents();
    a.hold(SDL_CONTROLLER_BUTTON_BACK);
    ASSERT_TRUE(framesUntil([&] { return pads[0].down[PAD_BACK]; }));
    clock += MENU_HOLD_MS - 1;
    frames();
    EXPECT_FALSE(events.menu);
    clock += 1;
    frame();
    EXPECT_TRUE(events.menu);
    clearEvents();
    clock += 3000;
    frames();
    EXPECT_FALSE(events.menu); // once a hold
    a.hold(SDL_CONTROLLER_BUTTON_BACK, false);
    ASSERT_TRUE(framesUntil([&] { return !pads[0].down[PAD_BACK]; }));
    frames();
    EXPECT_FALSE(events.menu);
    EXPECT_EQ(gamepads.seats.padIn(0), a.id);

    // A hold let go before a poll saw its time: the menu still, no hand-over.
    a.hold(SDL_CONTROLLER_BUTTON_BACK);
    ASSERT_TRUE(framesUntil([&] { return pads[0].down[PAD_BACK]; }));
    clock += MENU_HOLD_MS + 100;
    a.hold(SDL_CONTROLLER_BUTTON_BACK, false);
    ASSERT_TRUE(framesUntil([&] { return events.menu; }));
    frames();
    EXPECT_EQ(gamepads.seats.padIn(0), a.id);
}

TEST_F(GamepadsTest, EveryPressIsReportedForItsSeatEvenWhenLetGoBeforeThePoll) {
    plugIn(a);
    plugIn(b);
    ASSERT_TRUE(framesUntil([&] { return pads[0].connected && pads[1].connected; }));
    clearEvents();
    b.hold(SDL_CONTROLLER_BUTTON_X);
    SDL_JoystickUpdate();
    b.hold(SDL_CONTROLLER_BUTTON_X, false);
    SDL_JoystickUpdate();
    ASSERT_TRUE(framesUntil([&] { return events.pressed[1][PAD_X]; }));
    EXPECT_FALSE(pads[1].down[PAD_X]);
    EXPECT_FALSE(events.pressed[0][PAD_X]);
    a.squeeze(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 1);
    ASSERT_TRUE(framesUntil([&] { return events.pressed[0][PAD_RIGHT_TRIGGER]; }));
    // The stick's forward lean, up positive.
    a.leanY(-32768);
    ASSERT_TRUE(framesUntil([&] { return pads[0].stickY > 0; }));
    EXPECT_FLOAT_EQ(pads[0].stickY, 1);
    a.leanY(32767);
    ASSERT_TRUE(framesUntil([&] { return pads[0].stickY < 0; }));
    EXPECT_FLOAT_EQ(pads[0].stickY, -1);
    EXPECT_EQ(pads[0].stick, 0);
}

TEST_F(GamepadsTest, StartPausesAndTheRightStickChangesTheCameraOncePerPressForItsSeat) {
    plugIn(a);
    plugIn(b);
    ASSERT_TRUE(framesUntil([&] { return pads[0].connected && pads[1].connected; }));
    clearEvents();
    b.hold(SDL_CONTROLLER_BUTTON_RIGHTSTICK);
    ASSERT_TRUE(framesUntil([&] { return events.camera[1]; }));
    EXPECT_FALSE(events.camera[0]);
    EXPECT_FALSE(events.pause);
    // Held on, it says nothing more.
    clearEvents();
    frames();
    EXPECT_FALSE(events.camera[1]);

    // A press let go before the frame polls still counts.
    a.hold(SDL_CONTROLLER_BUTTON_START);
    SDL_JoystickUpdate();
    a.hold(SDL_CONTROLLER_BUTTON_START, false);
    SDL_JoystickUpdate();
    ASSERT_TRUE(framesUntil([&] { return events.pause; }));
    EXPECT_FALSE(pads[0].down[PAD_START]);
    EXPECT_FALSE(events.camera[0] || events.camera[1]);
    clearEvents();
    frames();
    EXPECT_FALSE(events.pause);
}

TEST_F(GamepadsTest, AWaitingPadPausesNothingAndABoundTriggerIsAOneShotToo) {
    plugIn(a);
    plugIn(b);
    plugIn(c);
    ASSERT_TRUE(framesUntil([&] { return pads[0].connected && pads[1].connected; }));
    clearEvents();
    c.hold(SDL_CONTROLLER_BUTTON_START);
    c.hold(SDL_CONTROLLER_BUTTON_BACK);
    frames();
    EXPECT_FALSE(events.pause);
    EXPECT_EQ(gamepads.seats.padIn(0), a.id);
    EXPECT_EQ(gamepads.seats.padIn(1), b.id);

    layout.camera = PAD_LEFT_TRIGGER;
    b.squeeze(SDL_CONTROLLER_AXIS_TRIGGERLEFT, 1);
    ASSERT_TRUE(framesUntil([&] { return events.camera[1]; }));
    clearEvents();
    b.squeeze(SDL_CONTROLLER_AXIS_TRIGGERLEFT, 0.9f); // still in
    frames();
    EXPECT_FALSE(events.camera[1]);
    b.squeeze(SDL_CONTROLLER_AXIS_TRIGGERLEFT, 0);
    ASSERT_TRUE(framesUntil([&] { return !pads[1].down[PAD_LEFT_TRIGGER]; }));
    b.squeeze(SDL_CONTROLLER_AXIS_TRIGGERLEFT, 0.45f); // not yet half way
    frames();
    EXPECT_FALSE(events.camera[1]);
    b.squeeze(SDL_CONTROLLER_AXIS_TRIGGERLEFT, 0.6f);
    ASSERT_TRUE(framesUntil([&] { return events.camera[1]; }));
    EXPECT_FALSE(events.camera[0]);
}

TEST_F(GamepadsTest, TwoPadsAtOnceKeepTheirOwnState) {
    plugIn(a);
    plugIn(b);
    a.lean(-32768);
    a.hold(SDL_CONTROLLER_BUTTON_X);
    b.lean(16384);
    b.squeeze(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 1);
    ASSERT_TRUE(
        framesUntil([&] { return pads[0].down[PAD_X] && pads[1].down[PAD_RIGHT_TRIGGER]; }));
    EXPECT_FLOAT_EQ(pads[0].stick, 1);
    EXPECT_NEAR(pads[1].stick, -0.5f, 1e-3f);
    EXPECT_FALSE(pads[0].down[PAD_RIGHT_TRIGGER]);
    EXPECT_FALSE(pads[1].down[PAD_X]);
}

TEST_F(GamepadsTest, AMappingsFileIsReadPastABadLineWhichItNamesInOneLine) {
    // The virtual pad's GUID, for a mapping of its own.
    plugIn(a);
    char guid[33];
    SDL_JoystickGetGUIDString(SDL_JoystickGetGUID(a.joystick), guid, sizeof guid);
    a.unplug();
    gamepads.stop();

    // A and B swapped on this platform; another platform's line, read after
    // it, would make the joystick's first button X.
    const std::string name(guid);
    const TempFile mappings(
        "# pads for the test\n"
        "\n"
        "not a mapping at all\r\n" +
        name + ",Swapped pad,a:b1,b:b0,x:b2,y:b3,leftx:a0,platform:" + SDL_GetPlatform() + ",\n" +
        name + ",Other platform,x:b0,a:b2,platform:Amiga,\n");
    testing::internal::CaptureStderr();
    ASSERT_TRUE(gamepads.start(mappings.path.c_str()));
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(said, "vorlane-kart: pad mappings \"" + mappings.path.string() +
                        "\" line 3 skipped: Couldn't parse GUID from not a mapping at all\n");

    plugIn(a);
    ASSERT_TRUE(seated(0));
    a.hold(SDL_CONTROLLER_BUTTON_A); // the joystick's first button
    ASSERT_TRUE(framesUntil([&] { return pads[0].down[PAD_B]; }));
    EXPECT_FALSE(pads[0].down[PAD_A]);
    EXPECT_FALSE(pads[0].down[PAD_X]);
}

TEST_F(GamepadsTest, AMissingMappingsFileSaysNothingAndAnUnreadableOneSaysSoInOneLine) {
    gamepads.stop();
    testing::internal::CaptureStderr();
    ASSERT_TRUE(gamepads.start("/nonexistent/vk-pads.txt"));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    gamepads.stop();

    const std::string folder = std::filesystem::temp_directory_path().string();
    testing::internal::CaptureStderr();
    ASSERT_TRUE(gamepads.start(folder.c_str()));
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "vorlane-kart: pad mappings \"" + folder + "\": Is a directory\n");

    // A file of nothing but junk: one line, the count and the first.
    gamepads.stop();
    const TempFile junk(std::string("\x01\x02 junk\nmore junk\n\0zero\n", 24));
    testing::internal::CaptureStderr();
    ASSERT_TRUE(gamepads.start(junk.path.c_str()));
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_NE(said.find("3 lines skipped, the first (line 1): "), std::string::npos) << said;
    EXPECT_EQ(said.find('\x01'), std::string::npos) << "control bytes echoed: " << said;
}

TEST_F(GamepadsTest, SdlLeavesCtrlCAndAPoliteKillToTheGame) {
    gamepads.stop();
    // Even when the environment asks SDL for its handlers.
    setenv(SDL_HINT_NO_SIGNAL_HANDLERS, "0", 1);
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    ASSERT_TRUE(gamepads.start(nullptr));
    unsetenv(SDL_HINT_NO_SIGNAL_HANDLERS);
    struct sigaction now {};
    sigaction(SIGINT, nullptr, &now);
    EXPECT_EQ(now.sa_handler, SIG_DFL);
    sigaction(SIGTERM, nullptr, &now);
    EXPECT_EQ(now.sa_handler, SIG_DFL);
}

TEST(Gamepads, NotStartedTheyReadNoPadsAndNoEvents) {
    Gamepads gamepads;
    PadInput pads[2];
    pads[1].connected = true;
    const PadEvents events = gamepads.poll(pads, PadLayout{});
    EXPECT_FALSE(pads[0].connected || pads[1].connected);
    EXPECT_FALSE(events.pause || events.seatGained[0]);
    gamepads.stop();
}

} // namespace
