// vorlane-autopilot: plays whole matches of the game's World without a
// window, the game's own CPU driving the karts, and writes the replay script
// of what it played to standard output: the seed, then one "DT KEYS" line
// per frame (keys only to choose the match). vorlane-replay plays that
// script back to the same trace with the options the script's second line
// names (--cpu and --level).
//
//   vorlane-autopilot [options] > match.replay
//
//   --match race|tag|ball  the match (race). A tag or ball match is chosen
//                          as a player would: '0' once the starting race's
//                          countdown is over, then '6' or '7'.
//   --restart              a race too goes through the mode choice ('0', '5')
//                          instead of being driven from the starting race
//   --drive 1|2|both       the karts the CPU drives (both); the other holds no key
//   --level easy|normal|hard  how well it drives (normal)
//   --seed N               the game's random seed (1), and the frame times'
//   --dt S                 every frame S seconds long (0.02)
//   --dt-range MIN MAX     random frame times from MIN to MAX seconds, in
//                          steps of 0.1 ms, drawn from the seed
//   --time-limit S         stop after S seconds of play in all (900)
//   --until-won            stop once the match is won: in a race, once every
//                          driven kart has finished
//   --linger S             after the win, play on S seconds more (0)
//   --keys                 the CPU's controls written as its players' keys,
//                          so that the script replays without --cpu and more
//                          keys can be laid over it; needs --dt 0.01, one
//                          tick a frame
//
// On standard error: one line saying how the match ended, then each kart's
// final position and match values as the replay trace prints them.
// Exit status 0; 1 when --until-won was given and the time ran out first;
// 2 for bad options.
//
// The CPU (app/cpu) runs on the game's ticks: frames of any length give the
// same match, tick for tick.

#include "ReplayScript.h"

#include "app/FrameLoop.h"
#include "app/Input.h"
#include "app/World.h"
#include "app/cpu/CpuPlayers.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

World world; // as in the game and the replay tool: static, built before set-up

struct Options {
    GameMode match = GAME_RACE;
    bool restart = false;
    bool drive[2] = {true, true};
    CpuLevel level = CPU_NORMAL;
    unsigned seed = 1;
    std::string fixedFrame = "0.02";
    float shortestFrame = 0, longestFrame = 0; // a range when longest > 0
    float timeLimit = 900;
    bool untilWon = false;
    bool keys = false;
    float linger = 0;
};

constexpr float LONGEST_FRAME = 3600; // as the replay tool accepts
constexpr float RANGE_STEP = 0.0001f; // random frame times in tenths of a millisecond

bool parseNumber(const char* text, float* value) {
    errno = 0;
    char* end = nullptr;
    *value = std::strtof(text, &end);
    return end != text && *end == '\0' && errno == 0 && std::isfinite(*value);
}

bool parseSeed(const char* text, unsigned* seed) {
    if (*text == '\0' || std::strspn(text, "0123456789") != std::strlen(text))
        return false;
    errno = 0;
    const unsigned long long value = std::strtoull(text, nullptr, 10);
    if (errno != 0 || value > 0xffffffffULL)
        return false;
    *seed = static_cast<unsigned>(value);
    return true;
}

bool validFrame(float dt) {
    return dt > 0 && dt <= LONGEST_FRAME;
}

bool parseMatch(const std::string& name, GameMode* match) {
    const std::pair<const char*, GameMode> MATCHES[] = {
        {"race", GAME_RACE}, {"tag", GAME_TAG}, {"ball", GAME_BALL}};
    for (const auto& [text, mode] : MATCHES)
        if (name == text) {
            *match = mode;
            return true;
        }
    return false;
}

// One option and its values (args[0] is the option); an error message,
// empty when all is well.
std::string parseOption(const std::vector<std::string>& args, Options* o) {
    const std::string& option = args[0];
    const char* a = args.size() > 1 ? args[1].c_str() : "";
    float low = 0, high = 0;
    if (option == "--until-won")
        o->untilWon = true;
    else if (option == "--restart")
        o->restart = true;
    else if (option == "--keys")
        o->keys = true;
    else if (option == "--match" && !parseMatch(a, &o->match))
        return "--match takes race, tag or ball";
    else if (option == "--drive") {
        const std::string d = a;
        if (d != "1" && d != "2" && d != "both")
            return "--drive takes 1, 2 or both";
        o->drive[0] = d != "2";
        o->drive[1] = d != "1";
    } else if (option == "--level" && !parseCpuLevel(a, &o->level))
        return "--level takes easy, normal or hard";
    else if (option == "--seed" && !parseSeed(a, &o->seed))
        return "--seed takes a whole number from 0 to 4294967295";
    else if (option == "--dt") {
        if (!parseNumber(a, &low) || !validFrame(low))
            return "--dt takes seconds above 0, at most 3600";
        o->fixedFrame = a;
        o->longestFrame = 0;
    } else if (option == "--dt-range") {
        if (args.size() < 3 || !parseNumber(a, &low) || !parseNumber(args[2].c_str(), &high) ||
            !validFrame(low) || !validFrame(high) || low >= high)
            return "--dt-range takes MIN MAX seconds, 0 < MIN < MAX <= 3600";
        o->shortestFrame = low;
        o->longestFrame = high;
    } else if (option == "--time-limit" && (!parseNumber(a, &o->timeLimit) || o->timeLimit <= 0))
        return "--time-limit takes seconds above 0";
    else if (option == "--linger" && (!parseNumber(a, &o->linger) || o->linger < 0))
        return "--linger takes seconds, 0 or more";
    return "";
}

// How many values each option takes.
int valuesOf(const std::string& option) {
    if (option == "--until-won" || option == "--restart" || option == "--keys")
        return 0;
    if (option == "--dt-range")
        return 2;
    if (option == "--match" || option == "--drive" || option == "--level" || option == "--seed" ||
        option == "--dt" || option == "--time-limit" || option == "--linger")
        return 1;
    return -1;
}

// An error message, empty when all is well.
std::string parseOptions(int argc, char** argv, Options* o) {
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        const int values = valuesOf(option);
        if (values < 0)
            return "unknown option " + option;
        if (i + values >= argc)
            return option + " needs " + (values == 1 ? "a value" : "two values");
        const std::vector<std::string> args(argv + i, argv + i + values + 1);
        const std::string error = parseOption(args, o);
        if (!error.empty())
            return error;
        i += values;
    }
    if (o->keys && (o->longestFrame > 0 || frameMilliseconds(o->fixedFrame) != TICK_MS))
        return "--keys needs --dt 0.01: one tick a frame";
    return "";
}

// The frame times: the game's own rand() must not be touched, so random
// ones come from a generator of their own (splitmix64), the same anywhere.
struct FrameClock {
    uint64_t state;
    const Options& options;

    uint64_t draw() {
        uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }

    // The next frame's time as the script will carry it.
    std::string next() {
        if (options.longestFrame <= 0)
            return options.fixedFrame;
        const auto steps = static_cast<uint64_t>(
            std::lround((options.longestFrame - options.shortestFrame) / RANGE_STEP));
        const double dt = options.shortestFrame + static_cast<double>(draw() % (steps + 1)) *
                                                      static_cast<double>(RANGE_STEP);
        char text[32];
        std::snprintf(text, sizeof text, "%.4f", dt);
        return text;
    }
};

char modeKey(GameMode match) {
    return match == GAME_TAG ? '6' : match == GAME_BALL ? '7' : '5';
}

// Releases what is no longer held, in the previous frame's order, then
// presses what is newly held, in this frame's order: as the replay does.
void changeKeys(const std::string& before, const std::string& now) {
    for (char key : before)
        if (now.find(key) == std::string::npos)
            keyUp(world, static_cast<unsigned char>(key));
    for (char key : now)
        if (before.find(key) == std::string::npos)
            keyDown(world, static_cast<unsigned char>(key));
}

struct Match {
    const Options& options;
    bool chosen = false; // the wanted match is the one being played

    bool won() const {
        if (!chosen)
            return false;
        const MatchStatus& s = world.matchStatus;
        if (options.match != GAME_RACE)
            return s.showP1Wins || s.showP2Wins;
        for (int k = 0; k < 2; ++k)
            if (options.drive[k] && !world.karts[k].checkpoints.isFinished())
                return false;
        return true;
    }

    std::string keys() const {
        if (world.awaitingModeSelection)
            return std::string(1, modeKey(options.match));
        if (world.matchStatus.countdownShowing() || chosen)
            return "";
        return "0";
    }
};

void printKart(int k) {
    const Kart& kart = world.karts[k];
    std::fprintf(stderr,
                 "kart %d: x %.9g y %.9g z %.9g checkpoint %d finished %d tagClock %.9g goals %d\n",
                 k + 1, static_cast<double>(kart.position.x), static_cast<double>(kart.position.y),
                 static_cast<double>(kart.position.z), kart.checkpoints.index,
                 kart.checkpoints.finished ? 1 : 0, static_cast<double>(kart.tagClock), kart.goals);
}

// The keys that give a kart these controls for a tick.
std::string keysFor(const PlayerControls& c, int k) {
    std::string keys;
    for (int a = 0; a < KART_ACTIONS; ++a)
        if (c.held[a])
            keys += static_cast<char>(world.bindings.kart[k][a]);
    if (c.steer != 0)
        keys += static_cast<char>(
            world.bindings.kart[k][c.steer > 0 ? ACTION_STEER_LEFT : ACTION_STEER_RIGHT]);
    return keys;
}

int respawns(int k) {
    const Tactics* tactics = world.cpu.tactics.get();
    return tactics == nullptr ? 0 : tactics->plans[k].driver.respawns;
}

const char* matchName(GameMode m) {
    return m == GAME_TAG ? "tag" : m == GAME_BALL ? "ball" : "race";
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    const std::string error = parseOptions(argc, argv, &options);
    if (!error.empty()) {
        std::fprintf(stderr, "vorlane-autopilot: %s\n", error.c_str());
        return 2;
    }
    world.diagnostics = stderr; // the game's own lines would break the script
    std::srand(options.seed);
    world.setUp();
    for (int k = 0; k < 2; ++k)
        world.cpu.drives[k] = options.drive[k];
    world.cpu.level = options.level;

    std::printf("# vorlane-autopilot:");
    for (int i = 1; i < argc; ++i)
        std::printf(" %s", argv[i]);
    std::printf("\n");
    if (!options.keys)
        std::printf("# replay: %s\n", cpuOptions(world.cpu).c_str());
    std::printf("seed %u\n", options.seed);

    Match match{options};
    match.chosen = options.match == GAME_RACE && !options.restart;
    FrameClock clock{options.seed, options};
    FrameLoop loop;
    loop.restart(world);
    std::string held;
    double played = 0;
    long frames = 0;
    double wonAt = -1;
    while (played < options.timeLimit) {
        const std::string frameText = clock.next();
        const float dt = std::strtof(frameText.c_str(), nullptr);
        std::string keys = match.keys();
        changeKeys(held, keys);
        held = keys;
        const bool choosing = world.awaitingModeSelection;
        if (choosing && chooseMode(world)) {
            loop.restart(world);
            match.chosen = world.gameMode == options.match;
        } else if (!choosing) {
            for (PlayerControls& c : world.cpu.last)
                c = PlayerControls{};
            loop.advance(world, frameMilliseconds(frameText));
            for (int k = 0; k < 2 && options.keys; ++k)
                if (options.drive[k])
                    keys += keysFor(world.cpu.last[k], k);
        }
        std::printf("%s %s\n", frameText.c_str(), keys.empty() ? "-" : keys.c_str());
        if (choosing && match.chosen)
            std::printf("# %s chosen\n", matchName(world.gameMode));
        played += dt;
        ++frames;
        if (wonAt < 0 && match.won()) {
            wonAt = played;
            std::printf("# won\n");
        }
        if (options.untilWon && wonAt >= 0 && played - wonAt >= options.linger)
            break;
    }

    const MatchStatus& s = world.matchStatus;
    const int winner = s.showP1Wins && !s.showP2Wins ? 1 : s.showP2Wins && !s.showP1Wins ? 2 : 0;
    std::fprintf(stderr, "vorlane-autopilot: %s %s after %ld frames, %.2f s; respawns %d and %d\n",
                 matchName(options.match),
                 wonAt < 0    ? "not won"
                 : winner > 0 ? (winner == 1 ? "won by player 1" : "won by player 2")
                              : "won by both",
                 frames, played, respawns(0), respawns(1));
    printKart(0);
    printKart(1);
    if (std::fflush(stdout) != 0)
        return 2;
    return options.untilWon && wonAt < 0 ? 1 : 0;
}
