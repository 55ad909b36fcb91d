#pragma once

#include "support/Sound.h"

#include <cstdint>

// The audio device and the engine sample on it, owned by the program's shell.
// All zero while there is no sound to play.
struct AudioOutput {
    void* device = nullptr;
    void* context = nullptr;
    uint32_t buffer = 0;
    uint32_t source = 0;
    float sampleRate = 0; // the sample's own rate, Hz
    bool ready = false;   // a device and a sample: the tone can play
    float effectsGain = 1; // the player's effects volume, 0 .. 1
};

// Opens the default audio device once and reads the engine sample into one
// buffer on one looping source, silent until the first tone is set. Without
// a device or a readable sample the game runs on silent, after one line on
// standard error saying why.
void startAudio(AudioOutput& audio, const char* samplePath);

// Every drawn frame of a match: the looping sample's gain and pitch from the
// kart's speed, without a restart. Switched off ('9'), it pauses the loop;
// switched back on, the loop resumes where it stopped.
void setEngineTone(AudioOutput& audio, const SoundSystem& sound, float speed, float maxSpeed);

// While no match is on: pauses the loop until setEngineTone brings it back.
void silenceEngine(AudioOutput& audio);

// Closes the source, the buffer, the context and the device.
void stopAudio(AudioOutput& audio);

// The gain and pitch a tone is played with: the volume clamped into 0 .. 255
// and scaled to 0 .. 1, the frequency over the sample's own rate, above 0.
struct TonePlayback {
    float gain;
    float pitch;
};
TonePlayback tonePlayback(EngineTone tone, float sampleRate);
