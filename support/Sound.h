#pragma once

#include <cstdint>

// The engine tone of player 1's kart: a short sample of whole engine cycles
// played in a loop, louder and higher the faster the kart goes. This is the
// game's side of it, held by the World, and its arithmetic; the audio layer
// (support/audio) plays it.
struct SoundSystem {
    bool soundEnabled = true; // flipped by the '9' key; off pauses the loop

    void toggleSound() { soundEnabled = !soundEnabled; }
};

// Volume on a 0 .. 255 scale and frequency in Hz for a kart's speed: silent
// at 10000 Hz at rest, volume 100 at 14000 Hz at top speed; negative volume
// and lower pitch when reversing, passed on as computed.
struct EngineTone {
    int volume;
    int frequency;
};
EngineTone engineTone(float speed, float maxSpeed);
