#include "app/Settings.h"

#include <cctype>
#include <cstdio>

namespace {

bool blank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string trimmed(const std::string& s) {
    size_t a = 0, b = s.size();
    while (a < b && blank(s[a]))
        ++a;
    while (b > a && blank(s[b - 1]))
        --b;
    return s.substr(a, b - a);
}

// A value or name for a message: quoted, cut short, odd bytes as \xNN so
// that a binary file cannot garble the terminal.
std::string quoted(const std::string& s) {
    constexpr size_t LONGEST = 32;
    std::string out = "\"";
    for (size_t i = 0; i < s.size() && i < LONGEST; ++i) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (std::isprint(c) && c != '"' && c != '\\') {
            out += static_cast<char>(c);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02x", c);
            out += hex;
        }
    }
    if (s.size() > LONGEST)
        out += "...";
    return out + "\"";
}

// One of a few words: its index, or -1.
template <size_t N> int wordIndex(const std::string& value, const char* const (&words)[N]) {
    for (size_t i = 0; i < N; ++i)
        if (value == words[i])
            return static_cast<int>(i);
    return -1;
}

bool parseVolume(const std::string& value, int* volume) {
    // Digits only, and few of them: no sign, no junk, no overflow.
    if (value.empty() || value.size() > 2)
        return false;
    int v = 0;
    for (char c : value) {
        if (c < '0' || c > '9')
            return false;
        v = v * 10 + (c - '0');
    }
    if (v > VOLUME_STEPS)
        return false;
    *volume = v;
    return true;
}

constexpr const char* YES_NO[] = {"no", "yes"};
constexpr const char* VIEWS[] = {"one", "split"};
constexpr const char* SKIES[] = {"day", "dusk"};
constexpr const char* DRIVERS[] = {"keys", "cpu"};
constexpr const char* LEVELS[] = {"easy", "normal", "hard"};
constexpr const char* MATCHES[] = {"race", "tag", "ball"};
constexpr GameMode MATCH_MODES[] = {GAME_RACE, GAME_TAG, GAME_BALL};
static_assert(sizeof LEVELS / sizeof LEVELS[0] == CPU_LEVELS);

} // namespace

Settings readSettings(const std::string& text, const std::string& fileName,
                      std::vector<std::string>* problems) {
    Settings s;
    auto complain = [&](int line, const std::string& why) {
        problems->push_back(fileName + ":" + std::to_string(line) + ": " + why);
    };
    size_t start = 0;
    for (int line = 1; start < text.size(); ++line) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string raw = text.substr(start, end - start);
        start = end + 1;
        const std::string content = trimmed(raw.substr(0, raw.find('#')));
        if (content.empty())
            continue;
        const size_t equals = content.find('=');
        if (equals == std::string::npos) {
            complain(line, "expected \"name = value\", not " + quoted(content));
            continue;
        }
        const std::string name = trimmed(content.substr(0, equals));
        const std::string value = trimmed(content.substr(equals + 1));
        // A word setting: the index of the value among its words, or a
        // message saying which words it takes.
        auto word = [&]<size_t N>(const char* const(&words)[N]) {
            const int i = wordIndex(value, words);
            if (i < 0) {
                std::string expected;
                for (size_t w = 0; w < N; ++w)
                    expected += (w == 0 ? "" : w + 1 == N ? " or " : ", ") + std::string(words[w]);
                complain(line, name + " is " + expected + ", not " + quoted(value));
            }
            return i;
        };
        int i = -1;
        if (name == "effects_volume" || name == "music_volume") {
            int* volume = name == "effects_volume" ? &s.effectsVolume : &s.musicVolume;
            if (!parseVolume(value, volume))
                complain(line, name + " is a whole number from 0 to 10, not " + quoted(value));
        } else if (name == "full_screen") {
            if ((i = word(YES_NO)) >= 0)
                s.fullScreen = i == 1;
        } else if (name == "view") {
            if ((i = word(VIEWS)) >= 0)
                s.splitScreen = i == 1;
        } else if (name == "sky") {
            if ((i = word(SKIES)) >= 0)
                s.duskSky = i == 1;
        } else if (name == "player1" || name == "player2") {
            if ((i = word(DRIVERS)) >= 0)
                s.cpuSeat[name[6] - '1'] = i == 1;
        } else if (name == "cpu_level") {
            if ((i = word(LEVELS)) >= 0)
                s.cpuLevel = static_cast<CpuLevel>(i);
        } else if (name == "last_match") {
            if ((i = word(MATCHES)) >= 0)
                s.lastMatch = MATCH_MODES[i];
        } else {
            complain(line, "unknown setting " + quoted(name) +
                               " (effects_volume, music_volume, full_screen, view, sky, "
                               "player1, player2, cpu_level, last_match)");
        }
    }
    return s;
}

std::string settingsText(const Settings& s) {
    auto volume = [](int v) {
        return std::to_string(v < 0 ? 0 : v > VOLUME_STEPS ? VOLUME_STEPS : v);
    };
    const int level = s.cpuLevel >= CPU_EASY && s.cpuLevel <= CPU_HARD ? s.cpuLevel : CPU_NORMAL;
    const char* match = s.lastMatch == GAME_TAG    ? "tag"
                        : s.lastMatch == GAME_BALL ? "ball"
                                                   : "race";
    std::string text = "# Vorlane Kart's settings, written by the game whenever they change.\n"
                       "# One \"name = value\" a line; anything after '#' is a comment.\n";
    text += "effects_volume = " + volume(s.effectsVolume) + "   # 0..10\n";
    text += "music_volume = " + volume(s.musicVolume) + "   # 0..10\n";
    text += std::string("full_screen = ") + YES_NO[s.fullScreen] + "   # yes or no\n";
    text += std::string("view = ") + VIEWS[s.splitScreen] + "   # split, or one full-window view\n";
    text += std::string("sky = ") + SKIES[s.duskSky] + "   # day or dusk\n";
    text += std::string("player1 = ") + DRIVERS[s.cpuSeat[0]] +
            "   # keys, or cpu: the computer drives\n";
    text += std::string("player2 = ") + DRIVERS[s.cpuSeat[1]] + "\n";
    text += std::string("cpu_level = ") + LEVELS[level] + "   # easy, normal or hard\n";
    text += std::string("last_match = ") + match + "   # race, tag or ball\n";
    return text;
}
