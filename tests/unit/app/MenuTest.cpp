#include "app/FrameLoop.h"
#include "app/Input.h"
#include "app/Menu.h"
#include "app/World.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

struct MenuTest : ::testing::Test {
    std::unique_ptr<World> world = std::make_unique<World>();
    Settings settings;
    Menu menu;
    FrameLoop loop;
    int32_t now = 0;

    void SetUp() override {
        world->setUp();
        loop.restart(*world);
    }

    MenuResult send(MenuCommand c) { return menu.command(c, *world, settings, now); }

    // The row the cursor is on.
    MenuRow current() const {
        MenuRow rows[MAX_MENU_ROWS];
        menu.rows(*world, settings, rows);
        return rows[menu.cursor[menu.depth - 1]];
    }

    void openMatchMenu() {
        world->awaitingModeSelection = true;
        ASSERT_TRUE(menu.follow(*world, settings));
        ASSERT_EQ(menu.page(), PAGE_MATCH);
    }

    // Down to the row with the item, within one round of the page.
    void moveTo(MenuItem item) {
        for (int i = 0; i < MAX_MENU_ROWS && current().item != item; ++i)
            send(MENU_DOWN);
        ASSERT_EQ(current().item, item);
    }
};

TEST_F(MenuTest, OpensWithTheWorldOnTheMatchLastChosenOrOnResume) {
    EXPECT_FALSE(menu.follow(*world, settings));
    EXPECT_FALSE(menu.open());
    settings.lastMatch = GAME_BALL;
    openMatchMenu();
    EXPECT_EQ(current().item, ITEM_BALL);
    EXPECT_FALSE(menu.follow(*world, settings)); // already open: the cursor stays
    world->awaitingModeSelection = false;
    EXPECT_TRUE(menu.follow(*world, settings));
    EXPECT_FALSE(menu.open());

    world->setPaused(true);
    EXPECT_TRUE(menu.follow(*world, settings));
    EXPECT_EQ(menu.page(), PAGE_PAUSE);
    EXPECT_EQ(current().item, ITEM_RESUME);
    MenuRow rows[MAX_MENU_ROWS];
    ASSERT_EQ(menu.rows(*world, settings, rows), 4);
    EXPECT_EQ(rows[1].item, ITEM_MATCH_CHOICE);
    EXPECT_EQ(rows[2].item, ITEM_SETTINGS);
    EXPECT_EQ(rows[3].item, ITEM_QUIT);
}

TEST_F(MenuTest, ChoosingAMatchStartsItAsItsModeKeyWouldAndTheCursorWraps) {
    settings.lastMatch = GAME_TAG;
    openMatchMenu();
    send(MENU_CHOOSE);
    loop.simulate(*world, now += 20);
    EXPECT_FALSE(world->awaitingModeSelection);
    EXPECT_EQ(world->gameMode, GAME_TAG);
    EXPECT_TRUE(world->matchStatus.countdownActive);
    EXPECT_EQ(world->keyState[SLOT_CHOOSE_TAG], 0); // the start empties the table
    EXPECT_TRUE(menu.follow(*world, settings));
    EXPECT_FALSE(menu.open());

    openMatchMenu(); // on Tag
    send(MENU_UP);
    send(MENU_UP);
    EXPECT_EQ(current().item, ITEM_QUIT);
    EXPECT_TRUE(send(MENU_CHOOSE).quit);
    send(MENU_DOWN);
    EXPECT_EQ(current().item, ITEM_RACE);
    // Back from the top page leads nowhere: the match was left.
    EXPECT_FALSE(send(MENU_BACK).changed);
    EXPECT_EQ(menu.page(), PAGE_MATCH);
}

TEST_F(MenuTest, SeatsAndLevelChangeFromTheMatchMenu) {
    openMatchMenu();
    moveTo(ITEM_PLAYER2);
    EXPECT_EQ(current().value, "Keys and pad");
    send(MENU_CHOOSE);
    EXPECT_TRUE(world->cpu.drives[1]);
    EXPECT_EQ(current().value, "CPU");
    send(MENU_LEFT);
    EXPECT_FALSE(world->cpu.drives[1]);
    moveTo(ITEM_CPU_LEVEL);
    send(MENU_RIGHT);
    EXPECT_EQ(world->cpu.level, CPU_HARD);
    send(MENU_RIGHT);
    EXPECT_EQ(world->cpu.level, CPU_EASY);
    send(MENU_LEFT);
    EXPECT_EQ(current().value, "Hard");
}

TEST_F(MenuTest, SettingsChangeTheWorldAndTheSettingsAndBackKeepsTheCursor) {
    openMatchMenu();
    moveTo(ITEM_SETTINGS);
    send(MENU_CHOOSE);
    ASSERT_EQ(menu.page(), PAGE_SETTINGS);
    EXPECT_EQ(current().item, ITEM_EFFECTS_VOLUME);
    send(MENU_RIGHT);
    send(MENU_RIGHT);
    send(MENU_RIGHT);
    EXPECT_EQ(settings.effectsVolume, 10); // sideways stops at the ends
    send(MENU_CHOOSE);
    EXPECT_EQ(settings.effectsVolume, 0); // choosing goes round
    send(MENU_DOWN);
    send(MENU_LEFT);
    EXPECT_EQ(settings.musicVolume, 5);
    send(MENU_DOWN);
    EXPECT_TRUE(send(MENU_CHOOSE).fullScreenChanged);
    EXPECT_TRUE(settings.fullScreen);
    send(MENU_DOWN);
    send(MENU_CHOOSE);
    EXPECT_EQ(world->playerCount, 1);
    EXPECT_EQ(current().value, "One view");
    send(MENU_DOWN);
    send(MENU_CHOOSE);
    EXPECT_TRUE(settings.duskSky);
    EXPECT_EQ(world->skyColours.top[2], DUSK_SKY.top[2]);
    send(MENU_RIGHT);
    EXPECT_FALSE(settings.duskSky); // and back to day, which no key does
    EXPECT_EQ(world->skyColours.top[2], DAY_SKY.top[2]);
    send(MENU_BACK);
    EXPECT_EQ(menu.page(), PAGE_MATCH);
    EXPECT_EQ(current().item, ITEM_SETTINGS);
}

TEST_F(MenuTest, ThePauseMenuResumesOrLeavesForTheMatchChoice) {
    while (world->matchStatus.countdownActive)
        loop.simulate(*world, now += 20);
    world->setPaused(true);
    menu.follow(*world, settings);
    send(MENU_CHOOSE);
    EXPECT_FALSE(world->paused);
    world->setPaused(true);
    menu.follow(*world, settings);
    send(MENU_BACK); // Esc or B at the top of the pause menu resumes too
    EXPECT_FALSE(world->paused);

    world->setPaused(true);
    menu.follow(*world, settings);
    settings.lastMatch = GAME_BALL;
    send(MENU_DOWN);
    send(MENU_CHOOSE);
    EXPECT_FALSE(world->paused);
    EXPECT_TRUE(world->awaitingModeSelection);
    EXPECT_EQ(menu.page(), PAGE_MATCH);
    EXPECT_EQ(current().item, ITEM_BALL);
}

TEST_F(MenuTest, RebindingTakesAFreeKeyOrButtonAndRefusesATakenOne) {
    openMatchMenu();
    moveTo(ITEM_SETTINGS);
    send(MENU_CHOOSE);
    moveTo(ITEM_CONTROLS);
    send(MENU_CHOOSE);
    send(MENU_CHOOSE); // player 1
    ASSERT_EQ(menu.page(), PAGE_BINDINGS);
    EXPECT_EQ(current().label, "Throttle");
    EXPECT_EQ(current().value, "W  /  Right trigger");
    send(MENU_CHOOSE);
    ASSERT_TRUE(menu.waitingForBinding());
    // Moving is not possible while it waits: the next key is the binding.
    EXPECT_FALSE(send(MENU_DOWN).changed);

    MenuResult r = menu.bindKey('i', *world, now);
    EXPECT_TRUE(menu.waitingForBinding());
    EXPECT_NE(menu.note.find("player 2"), std::string::npos) << menu.note;
    EXPECT_TRUE(menu.noteShows(now + 100000));
    EXPECT_TRUE(r.savedControl.empty());
    EXPECT_EQ(world->bindings.kart[0][ACTION_THROTTLE], 'w');

    r = menu.bindKey('g', *world, now);
    EXPECT_FALSE(menu.waitingForBinding());
    EXPECT_EQ(world->bindings.kart[0][ACTION_THROTTLE], 'g');
    EXPECT_EQ(r.savedControl, "player1.throttle");
    EXPECT_EQ(r.savedValue, "g");
    EXPECT_TRUE(menu.noteShows(now + MENU_NOTE_MS - 1));
    EXPECT_FALSE(menu.noteShows(now + MENU_NOTE_MS));
    // The new key moves through the menu as throttle does.
    MenuCommand c;
    ASSERT_TRUE(menuCommandOfKey(world->bindings, 'g', &c));
    EXPECT_EQ(c, MENU_UP);
    EXPECT_FALSE(menuCommandOfKey(world->bindings, 'w', &c));

    send(MENU_CHOOSE);
    r = menu.bindButton(PAD_Y, *world, now); // respawn's
    EXPECT_TRUE(menu.waitingForBinding());
    r = menu.bindButton(PAD_DPAD_UP, *world, now);
    EXPECT_EQ(world->padLayouts[0].button[ACTION_THROTTLE], PAD_DPAD_UP);
    EXPECT_EQ(r.savedControl, "player1.pad.throttle");
    EXPECT_EQ(r.savedValue, "dpup");

    // The camera has fixed keys: only a button will do; Esc gives up.
    moveTo(ITEM_BINDING);
    while (current().action != BINDING_CAMERA)
        send(MENU_DOWN);
    send(MENU_CHOOSE);
    menu.bindKey('g', *world, now);
    EXPECT_TRUE(menu.waitingForBinding());
    send(MENU_BACK);
    EXPECT_FALSE(menu.waitingForBinding());
    EXPECT_EQ(world->padLayouts[0].camera, PAD_RIGHT_STICK);
}

TEST_F(MenuTest, KeysAndButtonsOfTheMenu) {
    MenuCommand c;
    ASSERT_TRUE(menuCommandOfKey(world->bindings, 'i', &c)); // player 2's throttle
    EXPECT_EQ(c, MENU_UP);
    ASSERT_TRUE(menuCommandOfKey(world->bindings, 's', &c));
    EXPECT_EQ(c, MENU_DOWN);
    ASSERT_TRUE(menuCommandOfKey(world->bindings, 'l', &c));
    EXPECT_EQ(c, MENU_RIGHT);
    ASSERT_TRUE(menuCommandOfKey(world->bindings, 13, &c));
    EXPECT_EQ(c, MENU_CHOOSE);
    ASSERT_TRUE(menuCommandOfKey(world->bindings, ' ', &c));
    EXPECT_EQ(c, MENU_CHOOSE);
    ASSERT_TRUE(menuCommandOfKey(world->bindings, 27, &c));
    EXPECT_EQ(c, MENU_BACK);
    EXPECT_FALSE(menuCommandOfKey(world->bindings, '5', &c)); // a mode key stays one
    ASSERT_TRUE(menuCommandOfButton(PAD_A, &c));
    EXPECT_EQ(c, MENU_CHOOSE);
    ASSERT_TRUE(menuCommandOfButton(PAD_B, &c));
    EXPECT_EQ(c, MENU_BACK);
    ASSERT_TRUE(menuCommandOfButton(PAD_DPAD_LEFT, &c));
    EXPECT_EQ(c, MENU_LEFT);
    EXPECT_FALSE(menuCommandOfButton(PAD_X, &c));
}

TEST_F(MenuTest, AStickStepsOnceALean) {
    StickSteps stick;
    MenuCommand out[2];
    EXPECT_EQ(stick.step(0, 0.9f, out), 1);
    EXPECT_EQ(out[0], MENU_UP);
    EXPECT_EQ(stick.step(0, 1.0f, out), 0); // held: no more
    EXPECT_EQ(stick.step(0, 0.4f, out), 0); // easing off, still the same lean
    EXPECT_EQ(stick.step(0, 0.8f, out), 0);
    EXPECT_EQ(stick.step(0, 0.1f, out), 0); // back
    EXPECT_EQ(stick.step(0, -0.7f, out), 1);
    EXPECT_EQ(out[0], MENU_DOWN);
    EXPECT_EQ(stick.step(-0.45f, 0, out), 0); // not yet half way
    EXPECT_EQ(stick.step(-0.6f, 0, out), 1);
    EXPECT_EQ(out[0], MENU_RIGHT); // the stick leans left positive
    EXPECT_EQ(stick.step(0.6f, 0.6f, out), 2);
}

TEST_F(MenuTest, WorldSettingsGoBothWays) {
    Settings s;
    s.splitScreen = false;
    s.duskSky = true;
    s.cpuSeat[1] = true;
    s.cpuLevel = CPU_EASY;
    applyWorldSettings(s, *world);
    EXPECT_EQ(world->playerCount, 1);
    EXPECT_TRUE(world->cpu.drives[1]);
    Settings back;
    copyWorldSettings(*world, back);
    EXPECT_EQ(back, s);
    keyDown(*world, '2');
    copyWorldSettings(*world, back);
    EXPECT_TRUE(back.splitScreen);
}

} // namespace
