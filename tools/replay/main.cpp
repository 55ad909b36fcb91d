// vorlane-replay: plays the game's World without a window from a script of
// frame times and held keys, and prints a trace of both karts, one CSV row
// per kart per frame. The same script gives the same trace every time.
//
//   vorlane-replay [--frame-step] [--cpu 1|2|both] [--level easy|normal|hard] [SCRIPT]
//
// Reads standard input without SCRIPT; options in any order.
//
// Each frame's time goes through the game's own loop, whole milliseconds
// spent in ticks of 10 ms, and the rows show the World after the frame's
// ticks. --frame-step instead runs one World step of the frame's own length
// per frame, to try a rule at any step. --cpu hands the named karts to the
// game's CPU driver (at the --level given, normal by default) for the whole
// script: their players' keys are not heard, everything else runs as the
// script says, so a script of empty frames is a match the CPU plays alone.
//
// Exit status 0, or 2 for a script that cannot be read or run (the reason
// on standard error, nothing on standard output).

#include "ReplayScript.h"

#include "app/FrameLoop.h"
#include "app/Input.h"
#include "app/World.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>

namespace {

World world; // as in the game: static, constructed before set-up

const char HEADER[] = "frame,kart,x,y,z,heading,speed,pitch,roll,turnRate,slide,spinning,bumping,"
                      "airborne,checkpoint,finished,tagClock,isIt,goals,countdownActive,matchClock,"
                      "showP1Wins,showP2Wins,ballX,ballZ\n";

const char USAGE[] =
    "(usage: vorlane-replay [--frame-step] [--cpu 1|2|both] [--level easy|normal|hard] [SCRIPT])";

struct Options {
    bool frameStep = false;
    const char* path = nullptr; // standard input without one
};

bool parseOptions(int argc, char** argv, Options* options, std::string* error) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const int taken = takeCpuOption(argc, argv, i, &world.cpu, error);
        if (taken < 0) {
            *error += std::string(" ") + USAGE;
            return false;
        }
        if (taken > 0) {
            i += taken - 1;
        } else if (arg == "--frame-step") {
            options->frameStep = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            *error = "unknown option " + arg + " " + USAGE;
            return false;
        } else if (options->path != nullptr) {
            *error = std::string("one script at a time ") + USAGE;
            return false;
        } else {
            options->path = argv[i];
        }
    }
    return true;
}

bool readScript(const char* path, std::string* text, std::string* error) {
    if (path == nullptr) {
        *text = std::string(std::istreambuf_iterator<char>(std::cin), {});
        return true;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        *error = std::string("cannot open \"") + path + "\": " + std::strerror(errno);
        return false;
    }
    std::ostringstream all;
    all << file.rdbuf();
    if (file.bad()) {
        *error = std::string("cannot read \"") + path + "\"";
        return false;
    }
    *text = all.str();
    return true;
}

void printFloat(float v) {
    std::printf(",%.9g", static_cast<double>(v));
}

void printFlag(bool v) {
    std::printf(",%d", v ? 1 : 0);
}

void printRow(size_t frame, int k) {
    const Kart& kart = world.karts[k];
    const MatchStatus& status = world.matchStatus;
    const bool airborne = kart.wheelAirborne[0] && kart.wheelAirborne[1] && kart.wheelAirborne[2] &&
                          kart.wheelAirborne[3];
    std::printf("%zu,%d", frame, k + 1);
    printFloat(kart.position.x);
    printFloat(kart.position.y);
    printFloat(kart.position.z);
    printFloat(kart.heading);
    printFloat(kart.speed);
    printFloat(kart.pitch);
    printFloat(kart.roll);
    printFloat(kart.turnRate);
    printFloat(kart.slide);
    printFlag(kart.spinning);
    printFlag(kart.bumping);
    printFlag(airborne);
    std::printf(",%d", kart.checkpoints.index);
    printFlag(kart.checkpoints.finished);
    printFloat(kart.tagClock);
    printFlag(kart.isIt);
    std::printf(",%d", kart.goals);
    printFlag(status.countdownActive);
    printFloat(status.matchClock);
    printFlag(status.showP1Wins);
    printFlag(status.showP2Wins);
    printFloat(world.ball.position.x);
    printFloat(world.ball.position.z);
    std::printf("\n");
}

} // namespace

int main(int argc, char** argv) {
    std::string text, error;
    ReplayScript script;
    Options options;
    if (!parseOptions(argc, argv, &options, &error) || !readScript(options.path, &text, &error)) {
        std::fprintf(stderr, "vorlane-replay: %s\n", error.c_str());
        return 2;
    }
    if (!parseReplayScript(text, &script, &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 2;
    }

    // The game's own diagnostic lines would break the CSV.
    world.diagnostics = stderr;
    std::srand(script.seed);
    world.setUp();

    ScriptPlayer player;
    player.frameStep = options.frameStep;
    player.loop.restart(world);
    std::fputs(HEADER, stdout);
    for (size_t i = 0; i < script.frames.size(); ++i) {
        player.play(world, script.frames[i]);
        printRow(i + 1, 0);
        printRow(i + 1, 1);
    }
    return std::fflush(stdout) == 0 ? 0 : 2;
}
