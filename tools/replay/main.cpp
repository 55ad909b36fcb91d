// vorlane-replay: plays the game's World without a window from a script of
// frame times and held keys, and prints a trace of both karts, one CSV row
// per kart per frame. The same script gives the same trace every time.
//
//   vorlane-replay [SCRIPT]     reads standard input without SCRIPT
//
// Exit status 0, or 2 for a script that cannot be read or run (the reason
// on standard error, nothing on standard output).

#include "ReplayScript.h"

#include "app/FrameLoop.h"
#include "app/Input.h"
#include "app/World.h"
#include "support/Diagnostics.h"

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

bool readScript(int argc, char** argv, std::string* text, std::string* error) {
    if (argc < 2) {
        *text = std::string(std::istreambuf_iterator<char>(std::cin), {});
        return true;
    }
    std::ifstream file(argv[1], std::ios::binary);
    if (!file) {
        *error = std::string("cannot open \"") + argv[1] + "\": " + std::strerror(errno);
        return false;
    }
    std::ostringstream all;
    all << file.rdbuf();
    if (file.bad()) {
        *error = std::string("cannot read \"") + argv[1] + "\"";
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
    if (!readScript(argc, argv, &text, &error)) {
        std::fprintf(stderr, "vorlane-replay: %s\n", error.c_str());
        return 2;
    }
    if (!parseReplayScript(text, &script, &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 2;
    }

    // The game's own diagnostic lines would break the CSV.
    diagnosticStream = stderr;
    std::srand(script.seed);
    world.setUp();

    std::fputs(HEADER, stdout);
    std::string held;
    for (size_t i = 0; i < script.frames.size(); ++i) {
        playScriptFrame(world, script.frames[i], held);
        printRow(i + 1, 0);
        printRow(i + 1, 1);
    }
    return std::fflush(stdout) == 0 ? 0 : 2;
}
