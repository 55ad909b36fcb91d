#pragma once

#include <string>
#include <vector>

// One frame of a replay: how long it lasted and the keys held through it,
// in the order they were typed.
struct ReplayFrame {
    float dt = 0;
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

// One frame of a script played as the game plays it: keys released since the
// previous frame go up (in that frame's order), newly held keys go down (in
// this frame's order), then the mode choice while waiting for one, else a
// frame of play. held carries the keys from frame to frame. Returns true
// for a frame of play, false for a mode-choice frame.
bool playScriptFrame(World& world, const ReplayFrame& frame, std::string& held);

// Reads a whole script. On a malformed line returns false with
// "line N: what is wrong" in *error, and leaves nothing half-read to run.
bool parseReplayScript(const std::string& text, ReplayScript* script, std::string* error);
