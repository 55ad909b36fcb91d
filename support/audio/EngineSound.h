#pragma once

#include "support/Sound.h"

// Opens the default audio device once and reads the engine sample into one
// buffer on one looping source, silent until the first tone is set. Without
// a device or a readable sample the game runs on silent, after one line on
// standard error saying why.
void startAudio(SoundSystem& sound, const char* samplePath);

// Every drawn frame of a match: the looping sample's gain and pitch from the
// kart's speed, without a restart. Switched off ('9'), it pauses the loop;
// switched back on, the loop resumes where it stopped.
void setEngineTone(SoundSystem& sound, float speed, float maxSpeed);

// While no match is on: pauses the loop until setEngineTone brings it back.
void silenceEngine(SoundSystem& sound);

// Closes the source, the buffer, the context and the device.
void stopAudio(SoundSystem& sound);

// The gain and pitch a tone is played with: the volume clamped into 0 .. 255
// and scaled to 0 .. 1, the frequency over the sample's own rate, above 0.
struct TonePlayback {
    float gain;
    float pitch;
};
TonePlayback tonePlayback(EngineTone tone, float sampleRate);
