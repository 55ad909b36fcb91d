#pragma once

#include <cstdint>

// The engine tone of player 1's kart: a short sample of whole engine cycles
// played in a loop, louder and higher the faster the kart goes. This is the
// record and its arithmetic; the audio layer (support/audio) plays it.
struct SoundSystem {
    bool initAudio = false;
    bool soundEnabled = true; // flipped by the '9' key; off pauses the loop

    // The audio layer's handles; all zero while there is no sound to play.
    void* device = nullptr;
    void* context = nullptr;
    uint32_t buffer = 0;
    uint32_t source = 0;
    float sampleRate = 0; // the sample's own rate, Hz
    bool ready = false;   // a device and a sample: the tone can play

    void toggleSound() { soundEnabled = !soundEnabled; }
};

// The one sound object, beside the World.
extern SoundSystem soundSystem;

// Volume on a 0 .. 255 scale and frequency in Hz for a kart's speed: silent
// at 10000 Hz at rest, volume 100 at 14000 Hz at top speed; negative volume
// and lower pitch when reversing, passed on as computed.
struct EngineTone {
    int volume;
    int frequency;
};
EngineTone engineTone(float speed, float maxSpeed);
