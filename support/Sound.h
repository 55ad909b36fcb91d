#pragma once

// The engine tone of player 1's kart. Playback comes with the audio layer;
// the switch is here so the keyboard can reach it.
struct SoundSystem {
    bool initAudio = false;
    bool soundEnabled = true;

    void toggleSound() { soundEnabled = !soundEnabled; }
};

// The one sound object, beside the World.
extern SoundSystem soundSystem;
