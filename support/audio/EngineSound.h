#pragma once

#include "support/Sound.h"

// Opens the default audio device once and reads the engine sample into one
// buffer on one source. Without a device or a readable sample the game runs
// on silent, after one line on standard error saying why.
void startAudio(SoundSystem& sound, const char* samplePath);

// Once per frame of play: restarts the sample with the volume and pitch of
// the kart's speed. Does nothing while the sound is switched off, so a tone
// already playing is not cut.
void playEngineSound(SoundSystem& sound, float speed, float maxSpeed);

// Closes the source, the buffer, the context and the device.
void stopAudio(SoundSystem& sound);

// The gain and pitch a tone is played with: the volume clamped into 0 .. 255
// and scaled to 0 .. 1, the frequency over the sample's own rate, above 0.
struct TonePlayback {
    float gain;
    float pitch;
};
TonePlayback tonePlayback(EngineTone tone, float sampleRate);
