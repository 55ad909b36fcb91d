#pragma once

#include "app/Controls.h"
#include "app/Input.h"
#include "app/Settings.h"

#include <cstdint>
#include <string>

struct World;

// The menus over the held picture: the match menu while the game waits for
// a match choice, the pause menu while paused, and the settings and
// controls pages under either. Keys and pads both move through them with
// the same few commands; what a choice changes goes into the World or the
// settings, and what only the shell can do (quit, save a binding) comes
// back in MenuResult.

enum MenuPage : int {
    PAGE_NONE, // no menu: a match is being played
    PAGE_MATCH,
    PAGE_PAUSE,
    PAGE_SETTINGS,
    PAGE_CONTROLS, // which player's controls
    PAGE_BINDINGS, // one player's keys and buttons
};

enum MenuCommand : int { MENU_UP, MENU_DOWN, MENU_LEFT, MENU_RIGHT, MENU_CHOOSE, MENU_BACK };

// What a row of a page is. Rows are listed top to bottom by menuRows.
enum MenuItem : int {
    ITEM_RACE,
    ITEM_TAG,
    ITEM_BALL,
    ITEM_PLAYER1,
    ITEM_PLAYER2,
    ITEM_CPU_LEVEL,
    ITEM_SETTINGS,
    ITEM_QUIT,
    ITEM_RESUME,
    ITEM_MATCH_CHOICE,
    ITEM_EFFECTS_VOLUME,
    ITEM_MUSIC_VOLUME,
    ITEM_FULL_SCREEN,
    ITEM_VIEW,
    ITEM_SKY,
    ITEM_CONTROLS,
    ITEM_CONTROLS_PLAYER1,
    ITEM_CONTROLS_PLAYER2,
    ITEM_BINDING, // one action's key and button; MenuRow::action says which
    ITEM_BACK,
};

// The actions a player can rebind: the kart's ten, then the pad's own.
constexpr int BINDING_CAMERA = KART_ACTIONS, BINDING_PAUSE = KART_ACTIONS + 1,
              BINDING_HAND_OVER = KART_ACTIONS + 2, BINDINGS = KART_ACTIONS + 3;

struct MenuRow {
    MenuItem item;
    int action = -1;   // ITEM_BINDING: a KartAction or BINDING_*
    std::string label; // "Race", "Effects volume"
    std::string value; // "8", "CPU", "W / Right trigger"; empty for none
};

constexpr int MAX_MENU_ROWS = 16;
constexpr int MENU_DEPTH = 4;
// How long a refusal or a saved binding stays on screen.
constexpr int32_t MENU_NOTE_MS = 2500;

// What the shell must do after a command.
struct MenuResult {
    bool changed = false; // the picture of the menu changed: draw it again
    bool quit = false;
    bool fullScreenChanged = false;
    // A new binding to write into the controls file: "player1.throttle", "w".
    std::string savedControl, savedValue;
};

struct Menu {
    MenuPage stack[MENU_DEPTH] = {};
    int cursor[MENU_DEPTH] = {};
    int depth = 0; // 0: closed
    int bindingPlayer = 0;
    // Waiting for the key or button for a binding row, or -1.
    int waitingFor = -1;
    std::string note; // a line under the menu, shown until noteUntilMs
    int32_t noteUntilMs = 0;

    MenuPage page() const { return depth > 0 ? stack[depth - 1] : PAGE_NONE; }
    bool open() const { return depth > 0; }
    bool waitingForBinding() const { return waitingFor >= 0; }

    // Opens or closes the menu to match the World: the match menu when it
    // begins to wait for a match choice (on the match last played), the
    // pause menu when it pauses (on Resume), nothing while a match plays.
    // True when the menu changed.
    bool follow(const World& world, const Settings& settings);

    // A command from a key or a pad. nowMs: the game's clock, for notes.
    MenuResult command(MenuCommand c, World& world, Settings& settings, int32_t nowMs);

    // While waitingForBinding: a key pressed (lower case) or a pad button.
    // Refused (taken, or the game's own) it keeps waiting and leaves a note.
    MenuResult bindKey(unsigned char key, World& world, int32_t nowMs);
    MenuResult bindButton(PadButton button, World& world, int32_t nowMs);

    // The rows of the page shown, with their values as the World and the
    // settings hold them. Returns the count.
    int rows(const World& world, const Settings& settings, MenuRow (&out)[MAX_MENU_ROWS]) const;
    // The page's title.
    std::string title() const;
    // The note, if it is still to be shown at nowMs.
    bool noteShows(int32_t nowMs) const { return !note.empty() && nowMs < noteUntilMs; }
};

// The settings the World holds (view, sky, CPU seats and level) as it holds
// them now, into settings; the rest stays.
void copyWorldSettings(const World& world, Settings& settings);
// The other way, at start-up.
void applyWorldSettings(const Settings& settings, World& world);

// A key or button as a menu shows it: "W", "Space", "Right trigger".
std::string keyLabel(unsigned char key);
std::string buttonLabel(PadButton button);

// The menu's keys: Enter or space chooses, Esc goes back, and either
// player's throttle, brake and steer keys move as the arrows do. False for
// any other key.
bool menuCommandOfKey(const KeyBindings& keys, unsigned char key, MenuCommand* command);
// A pad's: the d-pad moves, A chooses, B goes back.
bool menuCommandOfButton(PadButton button, MenuCommand* command);

// A stick moves through a menu one row per lean: a command when it leans
// past half way, none again until it has come back.
struct StickSteps {
    int leanX = 0, leanY = 0; // -1, 0, 1 as last seen

    // x left positive (as PadInput::stick), y up positive. Returns the
    // commands, up to two, into out.
    int step(float x, float y, MenuCommand (&out)[2]);
};
