#pragma once

#include "app/FrameLoop.h"
#include "app/cpu/Tactics.h"

#include <cstdint>
#include <string>
#include <vector>

// One frame of a replay: how long it lasted and the keys held through it,
// in the order they were typed.
struct ReplayFrame {
    float dt = 0;   // seconds, as written
    int32_t ms = 0; // the same in whole milliseconds, halves away from zero
    std::string keys;
};

// A replay script: the random seed given before set-up, then the frames.
//
//   seed 7            optional, before the first frame; 1 otherwise
//   0.02 wa           a frame of 0.02 s with 'w' and 'a' held
//   0.016 -           a frame with no key held
//   # a comment       blank lines and comments are not frames
struct ReplayScript {
    unsigned seed = 1;
    std::vector<ReplayFrame> frames;
};

struct World;

// Plays a script's frames as the game plays its own: keys released since the
// previous frame go up (in that frame's order), newly held keys go down (in
// this frame's order), then the mode choice while waiting for one, else a
// frame of play: its milliseconds through the game's fixed-tick loop or,
// stepping frame by frame, one World step of the frame's own length.
struct ScriptPlayer {
    bool frameStep = false;
    FrameLoop loop;
    std::string held; // the keys down after the last frame

    // True for a frame of play, false for a mode-choice frame.
    bool play(World& world, const ReplayFrame& frame);
};

// A frame time written in seconds, in whole milliseconds rounded to the
// nearest, halves away from zero, from its decimal digits as written.
int32_t frameMilliseconds(const std::string& seconds);

// Reads a whole script. On a malformed line returns false with
// "line N: what is wrong" in *error, and leaves nothing half-read to run.
bool parseReplayScript(const std::string& text, ReplayScript* script, std::string* error);

struct CpuPlayers;

// The computer's seats as the tools take them: --cpu 1|2|both names the
// karts it drives, --level easy|normal|hard how well (normal).
//
// The option at argv[i] when it is one of these, its value into *cpu:
// returns the arguments it took (2), 0 when argv[i] is neither, or -1 with
// *error for a missing or wrong value.
int takeCpuOption(int argc, char** argv, int i, CpuPlayers* cpu, std::string* error);
bool parseCpuLevel(const std::string& name, CpuLevel* level);
// The options that seat the computer as *cpu has it; empty for no seat.
std::string cpuOptions(const CpuPlayers& cpu);
