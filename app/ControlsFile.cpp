#include "app/ControlsFile.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <sstream>
#include <string_view>

namespace {

constexpr const char* ACTION_NAMES[KART_ACTIONS] = {
    "slide_left", "throttle",    "slide_right", "respawn", "steer_left",
    "brake",      "steer_right", "boost",       "reverse", "fire",
};

constexpr const char* BUTTON_NAMES[PAD_BUTTONS] = {
    "",
    "a",
    "b",
    "x",
    "y",
    "back",
    "start",
    "leftstick",
    "rightstick",
    "leftshoulder",
    "rightshoulder",
    "dpup",
    "dpdown",
    "dpleft",
    "dpright",
    "lefttrigger",
    "righttrigger",
};

// Keys the game itself answers, whoever is driving.
constexpr const char RESERVED_KEYS[] = "01235679;cnp";

// Where a choice sits: a player's key or pad button for one action.
struct Target {
    int player = 0;
    bool pad = false;
    int action = -1; // a KartAction, or one of the pad's own targets
};
constexpr int PAD_CAMERA = PAD_CAMERA_TARGET, PAD_PAUSE = PAD_PAUSE_TARGET,
              PAD_HAND_OVER = PAD_HAND_OVER_TARGET;

std::string trimmed(const std::string& s) {
    size_t a = 0, b = s.size();
    while (a < b && std::isspace(static_cast<unsigned char>(s[a])))
        ++a;
    while (b > a && std::isspace(static_cast<unsigned char>(s[b - 1])))
        --b;
    return s.substr(a, b - a);
}

int actionNamed(const std::string& name) {
    for (int a = 0; a < KART_ACTIONS; ++a)
        if (name == ACTION_NAMES[a])
            return a;
    return -1;
}

// "player1.throttle", "player2.pad.camera": the target, or an error.
bool parseTarget(const std::string& name, Target* t, std::string* why) {
    if (name.rfind("player1.", 0) == 0 || name.rfind("player2.", 0) == 0) {
        t->player = name[6] - '1';
    } else {
        *why = "\"" + name + "\" is not player1.ACTION or player2.ACTION";
        return false;
    }
    std::string action = name.substr(8);
    if (action.rfind("pad.", 0) == 0) {
        t->pad = true;
        action = action.substr(4);
    }
    t->action = actionNamed(action);
    if (t->pad && action == "camera")
        t->action = PAD_CAMERA;
    if (t->pad && action == "pause")
        t->action = PAD_PAUSE;
    if (t->pad && action == "hand_over")
        t->action = PAD_HAND_OVER;
    if (t->action < 0) {
        *why = "unknown action \"" + action + "\"";
        return false;
    }
    if (t->pad && (t->action == ACTION_STEER_LEFT || t->action == ACTION_STEER_RIGHT)) {
        *why = "a pad steers with its left stick: \"" + action + "\" takes no button";
        return false;
    }
    return true;
}

bool parseKey(const std::string& value, unsigned char* key, std::string* why) {
    if (value == "space") {
        *key = ' ';
    } else if (value.size() == 1 && std::isgraph(static_cast<unsigned char>(value[0]))) {
        *key = static_cast<unsigned char>(value[0]);
        if (std::isupper(*key)) {
            *why = "\"" + value + "\": keys are read in lower case";
            return false;
        }
    } else {
        *why = "unknown key \"" + value + "\" (one character, or space)";
        return false;
    }
    if (*key == '#' || std::strchr(RESERVED_KEYS, *key) != nullptr) {
        *why = "the key \"" + value + "\" is the game's own";
        return false;
    }
    return true;
}

PadButton& padSlot(ControlsChoice& c, const Target& t) {
    PadLayout& p = c.pads[t.player];
    return t.action == PAD_CAMERA      ? p.camera
           : t.action == PAD_PAUSE     ? p.pause
           : t.action == PAD_HAND_OVER ? p.handOver
                                       : p.button[t.action];
}

struct Choice {
    Target target;
    unsigned char key = 0;
    PadButton button = PAD_NONE;
    int line = 0;
    bool kept = true;
};

void apply(ControlsChoice& c, const Choice& choice) {
    if (choice.target.pad)
        padSlot(c, choice.target) = choice.button;
    else
        c.keys.kart[choice.target.player][choice.target.action] = choice.key;
}

std::string describe(int player, int action, bool pad) {
    const char* name = action < KART_ACTIONS  ? ACTION_NAMES[action]
                       : action == PAD_CAMERA ? "camera"
                       : action == PAD_PAUSE  ? "pause"
                                              : "hand_over";
    return "player" + std::to_string(player + 1) + (pad ? ".pad." : ".") + name;
}

// Every place that holds the choice's key (any player) or button (its
// player's pad), as names.
std::vector<std::string> holdersOf(const ControlsChoice& c, const Choice& ch) {
    std::vector<std::string> holders;
    if (!ch.target.pad) {
        for (int p = 0; p < 2; ++p)
            for (int a = 0; a < KART_ACTIONS; ++a)
                if (c.keys.kart[p][a] == ch.key)
                    holders.push_back(describe(p, a, false));
        return holders;
    }
    const int p = ch.target.player;
    const PadLayout& pad = c.pads[p];
    for (int a = 0; a < KART_ACTIONS; ++a)
        if (pad.button[a] == ch.button)
            holders.push_back(describe(p, a, true));
    const PadButton own[3] = {pad.camera, pad.pause, pad.handOver};
    for (int i = 0; i < 3; ++i)
        if (own[i] == ch.button)
            holders.push_back(describe(p, KART_ACTIONS + i, true));
    return holders;
}

} // namespace

PadButton padButtonNamed(const std::string& name) {
    for (int b = 1; b < PAD_BUTTONS; ++b)
        if (name == BUTTON_NAMES[b])
            return static_cast<PadButton>(b);
    return PAD_NONE;
}

ControlsChoice readControls(const std::string& text, const std::string& fileName,
                            std::vector<std::string>* problems) {
    std::vector<Choice> choices;
    auto complain = [&](int line, const std::string& why) {
        problems->push_back(fileName + ":" + std::to_string(line) + ": " + why);
    };
    std::istringstream in(text);
    std::string raw;
    for (int line = 1; std::getline(in, raw); ++line) {
        const std::string content = trimmed(raw.substr(0, raw.find('#')));
        if (content.empty())
            continue;
        const size_t equals = content.find('=');
        if (equals == std::string::npos) {
            complain(line, "expected \"player1.ACTION = KEY\"");
            continue;
        }
        Choice choice;
        choice.line = line;
        std::string why;
        const std::string name = trimmed(content.substr(0, equals));
        const std::string value = trimmed(content.substr(equals + 1));
        if (!parseTarget(name, &choice.target, &why)) {
            complain(line, why);
            continue;
        }
        if (choice.target.pad) {
            choice.button = padButtonNamed(value);
            if (choice.button == PAD_NONE) {
                complain(line, "unknown pad button \"" + value + "\"");
                continue;
            }
        } else if (!parseKey(value, &choice.key, &why)) {
            complain(line, why);
            continue;
        }
        choices.push_back(choice);
    }

    // Bound twice, the latest line gives way: its action keeps its default,
    // which may in turn clash with another line, and so on.
    ControlsChoice result;
    for (bool settled = false; !settled;) {
        result = ControlsChoice{};
        for (const Choice& ch : choices)
            if (ch.kept)
                apply(result, ch);
        settled = true;
        for (auto ch = choices.rbegin(); ch != choices.rend() && settled; ++ch) {
            if (!ch->kept)
                continue;
            const std::vector<std::string> holders = holdersOf(result, *ch);
            if (holders.size() < 2)
                continue;
            const std::string self = describe(ch->target.player, ch->target.action, ch->target.pad);
            const std::string& other = holders[0] == self ? holders[1] : holders[0];
            ch->kept = false;
            settled = false;
            complain(ch->line, std::string(ch->target.pad ? "that button" : "that key") + " is " +
                                   other + "'s too: " + self + " keeps its default");
        }
    }
    return result;
}

const char* padButtonName(PadButton button) {
    return button > PAD_NONE && button < PAD_BUTTONS ? BUTTON_NAMES[button] : "";
}

std::string controlName(int player, int action, bool pad) {
    if (player < 0 || player > 1 || action < 0 || action >= (pad ? PAD_TARGETS : KART_ACTIONS))
        return "";
    if (pad && (action == ACTION_STEER_LEFT || action == ACTION_STEER_RIGHT))
        return "";
    return describe(player, action, pad);
}

std::string keyName(unsigned char key) {
    return key == ' ' ? std::string("space") : std::string(1, static_cast<char>(key));
}

namespace {

bool blank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

} // namespace

std::string rewriteControls(const std::string& text, const std::string& name,
                            const std::string& value) {
    if (name.empty() || name.find_first_of("\r\n#=") != std::string::npos ||
        value.find_first_of("\r\n#") != std::string::npos)
        return text;
    // Where the value sits on the last line that sets name: [valueStart,
    // valueEnd) of the text, and just after '=' if the line gives none.
    size_t valueStart = std::string::npos, valueEnd = 0;
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string_view line(text.data() + start, end - start);
        size_t contentEnd = std::min(line.find('#'), line.size());
        while (contentEnd > 0 && blank(line[contentEnd - 1]))
            --contentEnd;
        const size_t equals = line.find('=');
        if (equals < contentEnd) {
            size_t a = 0, b = equals;
            while (a < b && blank(line[a]))
                ++a;
            while (b > a && blank(line[b - 1]))
                --b;
            if (line.substr(a, b - a) == name) {
                valueStart = equals + 1;
                while (valueStart < contentEnd && blank(line[valueStart]))
                    ++valueStart;
                valueEnd = start + contentEnd;
                valueStart += start;
            }
        }
        start = end + 1;
    }
    if (valueStart != std::string::npos) {
        std::string out = text;
        // "name =" with no value: one space after '=', as the file writes it.
        const bool bare = valueStart == valueEnd && text[valueStart - 1] == '=';
        out.replace(valueStart, valueEnd - valueStart, bare ? " " + value : value);
        return out;
    }
    const bool crlf = text.find("\r\n") != std::string::npos;
    const char* newline = crlf ? "\r\n" : "\n";
    std::string out = text;
    if (!out.empty() && out.back() != '\n')
        out += newline;
    return out + name + " = " + value + newline;
}

namespace {

// Action names for people, in KartAction order, then the pad's own.
constexpr const char* READABLE_ACTIONS[PAD_TARGETS] = {
    "slide left", "throttle", "slide right", "respawn", "steer left", "brake",     "steer right",
    "boost",      "reverse",  "fire",        "camera",  "pause",      "hand over",
};

constexpr const char* READABLE_BUTTONS[PAD_BUTTONS] = {
    "",
    "A",
    "B",
    "X",
    "Y",
    "Back",
    "Start",
    "Left stick",
    "Right stick",
    "Left shoulder",
    "Right shoulder",
    "D-pad up",
    "D-pad down",
    "D-pad left",
    "D-pad right",
    "Left trigger",
    "Right trigger",
};

PadButton padTarget(const PadLayout& pad, int action) {
    return action == PAD_CAMERA_TARGET      ? pad.camera
           : action == PAD_PAUSE_TARGET     ? pad.pause
           : action == PAD_HAND_OVER_TARGET ? pad.handOver
                                            : pad.button[action];
}

} // namespace

std::string keyRefusal(const KeyBindings& keys, unsigned char key, int player, int action) {
    if (player < 0 || player > 1 || action < 0 || action >= KART_ACTIONS)
        return "No such control";
    if (keys.kart[player][action] == key)
        return "";
    if (!std::isprint(key) || key == '#' || std::strchr(RESERVED_KEYS, key) != nullptr)
        return "That key is the game's own";
    if (std::isupper(key))
        return "Release shift or caps lock";
    for (int p = 0; p < 2; ++p)
        for (int a = 0; a < KART_ACTIONS; ++a)
            if (keys.kart[p][a] == key) {
                const std::string shown =
                    key == ' ' ? std::string("Space")
                               : std::string(1, static_cast<char>(std::toupper(key)));
                return shown + " is player " + std::to_string(p + 1) + "'s " + READABLE_ACTIONS[a];
            }
    return "";
}

std::string buttonRefusal(const PadLayout& pad, PadButton button, int player, int action) {
    if (player < 0 || player > 1 || action < 0 || action >= PAD_TARGETS)
        return "No such control";
    if (action == ACTION_STEER_LEFT || action == ACTION_STEER_RIGHT)
        return "The stick steers";
    if (button <= PAD_NONE || button >= PAD_BUTTONS)
        return "Not a button";
    if (padTarget(pad, action) == button)
        return "";
    for (int a = 0; a < PAD_TARGETS; ++a)
        if (padTarget(pad, a) == button)
            return std::string(READABLE_BUTTONS[button]) + " is this pad's " + READABLE_ACTIONS[a];
    return "";
}
