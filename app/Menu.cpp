#include "app/Menu.h"

#include "app/ControlsFile.h"
#include "app/Input.h"
#include "app/World.h"

#include <cctype>
#include <climits>

namespace {


// The binding rows, in the order a player thinks of them.
constexpr int BINDING_ORDER[BINDINGS] = {
    ACTION_THROTTLE,   ACTION_BRAKE,   ACTION_STEER_LEFT, ACTION_STEER_RIGHT, ACTION_SLIDE_LEFT,
    ACTION_SLIDE_RIGHT, ACTION_BOOST,  ACTION_REVERSE,    ACTION_FIRE,        ACTION_RESPAWN,
    BINDING_CAMERA,    BINDING_PAUSE,  BINDING_HAND_OVER,
};

const char* bindingLabel(int action) {
    switch (action) {
    case ACTION_SLIDE_LEFT:
        return "Slide left";
    case ACTION_THROTTLE:
        return "Throttle";
    case ACTION_SLIDE_RIGHT:
        return "Slide right";
    case ACTION_RESPAWN:
        return "Respawn";
    case ACTION_STEER_LEFT:
        return "Steer left";
    case ACTION_BRAKE:
        return "Brake";
    case ACTION_STEER_RIGHT:
        return "Steer right";
    case ACTION_BOOST:
        return "Boost";
    case ACTION_REVERSE:
        return "Reverse";
    case ACTION_FIRE:
        return "Throw";
    case BINDING_CAMERA:
        return "Camera";
    case BINDING_PAUSE:
        return "Pause";
    default:
        return "Hand pad over";
    }
}

bool steers(int action) {
    return action == ACTION_STEER_LEFT || action == ACTION_STEER_RIGHT;
}

// The pad's own actions have fixed keys: the camera's 'c' and 'n', the
// pause keys; handing a pad over has no key.
bool padOnly(int action) {
    return action >= KART_ACTIONS;
}

PadButton& padButtonFor(PadLayout& layout, int action) {
    return action == BINDING_CAMERA      ? layout.camera
           : action == BINDING_PAUSE     ? layout.pause
           : action == BINDING_HAND_OVER ? layout.handOver
                                         : layout.button[action];
}

std::string keyText(const World& world, int player, int action) {
    if (action == BINDING_CAMERA)
        return player == 0 ? "C" : "N";
    if (action == BINDING_PAUSE)
        return "Esc";
    if (action == BINDING_HAND_OVER)
        return "-";
    return keyLabel(world.bindings.kart[player][action]);
}

std::string buttonText(const World& world, int player, int action) {
    if (steers(action))
        return "Stick";
    PadLayout layout = world.padLayouts[player];
    return buttonLabel(padButtonFor(layout, action));
}

int matchRow(GameMode mode) {
    return mode == GAME_TAG ? 1 : mode == GAME_BALL ? 2 : 0;
}

const char* levelLabel(CpuLevel level) {
    return level == CPU_EASY ? "Easy" : level == CPU_HARD ? "Hard" : "Normal";
}


void startWaiting(Menu& menu, int action) {
    menu.waitingFor = action;
    menu.note = std::string("Press a ") + (padOnly(action) ? "pad button" : "key or button") +
                " for " + bindingLabel(action) + " (Esc: cancel)";
    menu.noteUntilMs = INT32_MAX;
}

void leaveNote(Menu& menu, const std::string& note, int32_t nowMs) {
    menu.note = note;
    menu.noteUntilMs = nowMs + MENU_NOTE_MS;
}

void push(Menu& menu, MenuPage page) {
    if (menu.depth >= MENU_DEPTH)
        return;
    menu.stack[menu.depth] = page;
    menu.cursor[menu.depth] = 0;
    ++menu.depth;
}

void openOn(Menu& menu, MenuPage root, int cursor) {
    menu = Menu{};
    menu.stack[0] = root;
    menu.cursor[0] = cursor;
    menu.depth = 1;
}

int stepVolume(int volume, int by, bool wrap) {
    volume += by;
    if (wrap)
        return volume > VOLUME_STEPS ? 0 : volume < 0 ? VOLUME_STEPS : volume;
    return volume > VOLUME_STEPS ? VOLUME_STEPS : volume < 0 ? 0 : volume;
}

} // namespace

std::string keyLabel(unsigned char key) {
    if (key == ' ')
        return "Space";
    if (key == 0)
        return "-";
    return std::string(1, static_cast<char>(std::toupper(key)));
}

std::string buttonLabel(PadButton button) {
    constexpr const char* NAMES[PAD_BUTTONS] = {
        "-",          "A",           "B",           "X",
        "Y",          "Back",        "Start",       "Left stick",
        "Right stick", "Left shoulder", "Right shoulder", "D-pad up",
        "D-pad down", "D-pad left",  "D-pad right", "Left trigger",
        "Right trigger",
    };
    return button >= 0 && button < PAD_BUTTONS ? NAMES[button] : "-";
}

void copyWorldSettings(const World& world, Settings& settings) {
    settings.splitScreen = world.playerCount != 1;
    settings.duskSky = world.skyColours.top[0] == DUSK_SKY.top[0] &&
                       world.skyColours.bottom[1] == DUSK_SKY.bottom[1];
    settings.cpuSeat[0] = world.cpu.drives[0];
    settings.cpuSeat[1] = world.cpu.drives[1];
    settings.cpuLevel = world.cpu.level;
}

void applyWorldSettings(const Settings& settings, World& world) {
    world.playerCount = settings.splitScreen ? 2 : 1;
    world.skyColours = settings.duskSky ? DUSK_SKY : DAY_SKY;
    world.cpu.drives[0] = settings.cpuSeat[0];
    world.cpu.drives[1] = settings.cpuSeat[1];
    world.cpu.level = settings.cpuLevel;
}

bool Menu::follow(const World& world, const Settings& settings) {
    const MenuPage root = world.paused                  ? PAGE_PAUSE
                          : world.awaitingModeSelection ? PAGE_MATCH
                                                        : PAGE_NONE;
    if (root == PAGE_NONE) {
        if (!open())
            return false;
        *this = Menu{};
        return true;
    }
    if (open() && stack[0] == root)
        return false;
    openOn(*this, root, root == PAGE_MATCH ? matchRow(settings.lastMatch) : 0);
    return true;
}

std::string Menu::title() const {
    switch (page()) {
    case PAGE_MATCH:
        return "Choose a match";
    case PAGE_PAUSE:
        return "Paused";
    case PAGE_SETTINGS:
        return "Settings";
    case PAGE_CONTROLS:
        return "Controls";
    case PAGE_BINDINGS:
        return bindingPlayer == 0 ? "Player 1's controls" : "Player 2's controls";
    default:
        return "";
    }
}

int Menu::rows(const World& world, const Settings& settings, MenuRow (&out)[MAX_MENU_ROWS]) const {
    int n = 0;
    auto add = [&](MenuItem item, std::string label, std::string value = "", int action = -1) {
        if (n < MAX_MENU_ROWS)
            out[n++] = {item, action, std::move(label), std::move(value)};
    };
    auto seat = [&](int player) { return world.cpu.drives[player] ? "CPU" : "Keys and pad"; };
    switch (page()) {
    case PAGE_MATCH:
        add(ITEM_RACE, "Race");
        add(ITEM_TAG, "Tag");
        add(ITEM_BALL, "Ball game");
        add(ITEM_PLAYER1, "Player 1", seat(0));
        add(ITEM_PLAYER2, "Player 2", seat(1));
        add(ITEM_CPU_LEVEL, "CPU level", levelLabel(world.cpu.level));
        add(ITEM_SETTINGS, "Settings");
        add(ITEM_QUIT, "Quit");
        break;
    case PAGE_PAUSE:
        add(ITEM_RESUME, "Resume");
        add(ITEM_MATCH_CHOICE, "Match choice");
        add(ITEM_SETTINGS, "Settings");
        add(ITEM_QUIT, "Quit");
        break;
    case PAGE_SETTINGS:
        add(ITEM_EFFECTS_VOLUME, "Effects volume", std::to_string(settings.effectsVolume));
        add(ITEM_MUSIC_VOLUME, "Music volume", std::to_string(settings.musicVolume));
        add(ITEM_FULL_SCREEN, "Full screen", settings.fullScreen ? "On" : "Off");
        add(ITEM_VIEW, "View", world.playerCount == 1 ? "One view" : "Split screen");
        add(ITEM_SKY, "Sky", settings.duskSky ? "Dusk" : "Day");
        add(ITEM_CONTROLS, "Controls");
        add(ITEM_BACK, "Back");
        break;
    case PAGE_CONTROLS:
        add(ITEM_CONTROLS_PLAYER1, "Player 1");
        add(ITEM_CONTROLS_PLAYER2, "Player 2");
        add(ITEM_BACK, "Back");
        break;
    case PAGE_BINDINGS:
        for (int action : BINDING_ORDER) {
            std::string value = waitingFor == action
                                    ? "..."
                                    : keyText(world, bindingPlayer, action) + "  /  " +
                                          buttonText(world, bindingPlayer, action);
            add(ITEM_BINDING, bindingLabel(action), value, action);
        }
        add(ITEM_BACK, "Back");
        break;
    default:
        break;
    }
    return n;
}

MenuResult Menu::command(MenuCommand c, World& world, Settings& settings, int32_t) {
    MenuResult result;
    if (!open())
        return result;
    result.changed = true;
    if (waitingForBinding()) {
        // Only a way out: the next key or button is the binding.
        if (c == MENU_BACK) {
            waitingFor = -1;
            note.clear();
        } else {
            result.changed = false;
        }
        return result;
    }
    const int level = depth - 1;
    MenuRow rowList[MAX_MENU_ROWS];
    const int count = rows(world, settings, rowList);
    int& at = cursor[level];
    if (at >= count)
        at = count - 1;
    const MenuRow& row = rowList[at];
    const int step = c == MENU_LEFT ? -1 : 1;
    const bool sideways = c == MENU_LEFT || c == MENU_RIGHT;
    switch (c) {
    case MENU_UP:
        at = (at + count - 1) % count;
        return result;
    case MENU_DOWN:
        at = (at + 1) % count;
        return result;
    case MENU_BACK:
        if (depth > 1)
            --depth;
        else if (page() == PAGE_PAUSE)
            world.setPaused(false);
        else
            result.changed = false;
        return result;
    default:
        break;
    }
    // Choosing or a step sideways, on the row under the cursor.
    switch (row.item) {
    case ITEM_RACE:
    case ITEM_TAG:
    case ITEM_BALL:
        if (sideways)
            break;
        // As the mode keys do: the frame loop starts it.
        world.keyState[row.item == ITEM_RACE  ? SLOT_CHOOSE_RACE
                       : row.item == ITEM_TAG ? SLOT_CHOOSE_TAG
                                              : SLOT_CHOOSE_BALL] = 1;
        return result;
    case ITEM_PLAYER1:
    case ITEM_PLAYER2:
        toggleCpu(world, row.item == ITEM_PLAYER1 ? 0 : 1);
        return result;
    case ITEM_CPU_LEVEL:
        world.cpu.level = static_cast<CpuLevel>((world.cpu.level + CPU_LEVELS + step) % CPU_LEVELS);
        return result;
    case ITEM_EFFECTS_VOLUME:
        settings.effectsVolume = stepVolume(settings.effectsVolume, step, !sideways);
        return result;
    case ITEM_MUSIC_VOLUME:
        settings.musicVolume = stepVolume(settings.musicVolume, step, !sideways);
        return result;
    case ITEM_FULL_SCREEN:
        settings.fullScreen = !settings.fullScreen;
        result.fullScreenChanged = true;
        return result;
    case ITEM_VIEW:
        world.playerCount = world.playerCount == 1 ? 2 : 1;
        return result;
    case ITEM_SKY:
        world.skyColours = settings.duskSky ? DAY_SKY : DUSK_SKY;
        settings.duskSky = !settings.duskSky;
        return result;
    default:
        break;
    }
    if (sideways) {
        result.changed = false;
        return result;
    }
    switch (row.item) {
    case ITEM_SETTINGS:
        push(*this, PAGE_SETTINGS);
        break;
    case ITEM_CONTROLS:
        push(*this, PAGE_CONTROLS);
        break;
    case ITEM_CONTROLS_PLAYER1:
    case ITEM_CONTROLS_PLAYER2:
        bindingPlayer = row.item == ITEM_CONTROLS_PLAYER1 ? 0 : 1;
        push(*this, PAGE_BINDINGS);
        break;
    case ITEM_BINDING:
        startWaiting(*this, row.action);
        break;
    case ITEM_BACK:
        --depth;
        break;
    case ITEM_QUIT:
        result.quit = true;
        break;
    case ITEM_RESUME:
        world.setPaused(false);
        break;
    case ITEM_MATCH_CHOICE:
        world.setPaused(false);
        world.awaitingModeSelection = true;
        follow(world, settings);
        break;
    default:
        result.changed = false;
        break;
    }
    return result;
}

MenuResult Menu::bindKey(unsigned char key, World& world, int32_t nowMs) {
    MenuResult result;
    if (!waitingForBinding())
        return result;
    result.changed = true;
    const int action = waitingFor;
    if (padOnly(action)) {
        leaveNote(*this, "Its keys are fixed: press a pad button", nowMs);
        noteUntilMs = INT32_MAX;
        return result;
    }
    const std::string refusal = keyRefusal(world.bindings, key, bindingPlayer, action);
    if (!refusal.empty()) {
        leaveNote(*this, refusal + ": press another", nowMs);
        noteUntilMs = INT32_MAX;
        return result;
    }
    world.bindings.kart[bindingPlayer][action] = key;
    result.savedControl = controlName(bindingPlayer, action, false);
    result.savedValue = keyName(key);
    waitingFor = -1;
    leaveNote(*this, std::string(bindingLabel(action)) + ": " + keyLabel(key), nowMs);
    return result;
}

MenuResult Menu::bindButton(PadButton button, World& world, int32_t nowMs) {
    MenuResult result;
    if (!waitingForBinding())
        return result;
    result.changed = true;
    const int action = waitingFor;
    PadLayout& layout = world.padLayouts[bindingPlayer];
    const std::string refusal = buttonRefusal(layout, button, bindingPlayer, action);
    if (!refusal.empty()) {
        leaveNote(*this, refusal + ": press another", nowMs);
        noteUntilMs = INT32_MAX;
        return result;
    }
    padButtonFor(layout, action) = button;
    result.savedControl = controlName(bindingPlayer, action, true);
    result.savedValue = padButtonName(button);
    waitingFor = -1;
    leaveNote(*this, std::string(bindingLabel(action)) + ": " + buttonLabel(button), nowMs);
    return result;
}

bool menuCommandOfKey(const KeyBindings& keys, unsigned char key, MenuCommand* command) {
    constexpr unsigned char ENTER = 13, ESCAPE = 27;
    if (key == ENTER || key == ' ') {
        *command = MENU_CHOOSE;
        return true;
    }
    if (key == ESCAPE) {
        *command = MENU_BACK;
        return true;
    }
    constexpr struct {
        KartAction action;
        MenuCommand command;
    } MOVES[] = {{ACTION_THROTTLE, MENU_UP},
                 {ACTION_BRAKE, MENU_DOWN},
                 {ACTION_STEER_LEFT, MENU_LEFT},
                 {ACTION_STEER_RIGHT, MENU_RIGHT}};
    for (int player = 0; player < 2; ++player)
        for (const auto& move : MOVES)
            if (keys.kart[player][move.action] == key) {
                *command = move.command;
                return true;
            }
    return false;
}

bool menuCommandOfButton(PadButton button, MenuCommand* command) {
    switch (button) {
    case PAD_DPAD_UP:
        *command = MENU_UP;
        return true;
    case PAD_DPAD_DOWN:
        *command = MENU_DOWN;
        return true;
    case PAD_DPAD_LEFT:
        *command = MENU_LEFT;
        return true;
    case PAD_DPAD_RIGHT:
        *command = MENU_RIGHT;
        return true;
    case PAD_A:
        *command = MENU_CHOOSE;
        return true;
    case PAD_B:
        *command = MENU_BACK;
        return true;
    default:
        return false;
    }
}

int StickSteps::step(float x, float y, MenuCommand (&out)[2]) {
    constexpr float HALF_WAY = 0.5f, BACK = 0.3f;
    auto lean = [&](float v, int was) {
        if (v > HALF_WAY)
            return 1;
        if (v < -HALF_WAY)
            return -1;
        // Between the two, it keeps the lean it had: no flicker at the edge.
        return (v > BACK && was > 0) || (v < -BACK && was < 0) ? was : 0;
    };
    int n = 0;
    const int nowY = lean(y, leanY), nowX = lean(x, leanX);
    if (nowY != 0 && nowY != leanY)
        out[n++] = nowY > 0 ? MENU_UP : MENU_DOWN;
    if (nowX != 0 && nowX != leanX)
        out[n++] = nowX > 0 ? MENU_LEFT : MENU_RIGHT;
    leanY = nowY;
    leanX = nowX;
    return n;
}
