#include "support/audio/EngineSound.h"

#include "support/audio/WavSample.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr float FULL_VOLUME = 255;
constexpr float LOWEST_PITCH = 1e-3f; // the library refuses 0 and below

// The audio libraries report their own failures on standard error, several
// lines each; while opening, they are kept quiet, and the game says in one
// line what went wrong.
struct QuietStandardError {
    int saved = -1;
    QuietStandardError() {
        std::fflush(stderr);
        const int null = open("/dev/null", O_WRONLY);
        if (null < 0)
            return;
        saved = dup(STDERR_FILENO);
        dup2(null, STDERR_FILENO);
        close(null);
    }
    ~QuietStandardError() {
        if (saved < 0)
            return;
        std::fflush(stderr);
        dup2(saved, STDERR_FILENO);
        close(saved);
    }
};

void silent(const char* why) {
    std::fprintf(stderr, "vorlane-kart: no engine sound: %s\n", why);
}

ALenum formatOf(const WavSample& sample) {
    return sample.channels == 2 ? AL_FORMAT_STEREO16 : AL_FORMAT_MONO16;
}

bool playing(const AudioOutput& sound) {
    ALint state = AL_INITIAL;
    alGetSourcei(sound.source, AL_SOURCE_STATE, &state);
    return state == AL_PLAYING;
}

} // namespace

TonePlayback tonePlayback(EngineTone tone, float sampleRate) {
    float volume = static_cast<float>(tone.volume);
    volume = volume < 0 ? 0 : volume > FULL_VOLUME ? FULL_VOLUME : volume;
    float pitch = sampleRate > 0 ? static_cast<float>(tone.frequency) / sampleRate : 1;
    if (!(pitch > LOWEST_PITCH))
        pitch = LOWEST_PITCH;
    return {volume / FULL_VOLUME, pitch};
}

void startAudio(AudioOutput& sound, const char* samplePath) {
    // The library's own log would add its lines to ours.
    setenv("ALSOFT_LOGLEVEL", "0", 0);
    WavSample sample;
    std::string error;
    if (!readWavSample(samplePath, &sample, &error)) {
        std::fprintf(stderr, "vorlane-kart: no engine sound: cannot read \"%s\": %s\n", samplePath,
                     error.c_str());
        return;
    }
    ALCdevice* device = nullptr;
    ALCcontext* context = nullptr;
    {
        QuietStandardError quiet;
        device = alcOpenDevice(nullptr);
        if (device != nullptr)
            context = alcCreateContext(device, nullptr);
    }
    if (device == nullptr) {
        silent("no audio device could be opened");
        return;
    }
    if (context == nullptr || alcMakeContextCurrent(context) != ALC_TRUE) {
        if (context != nullptr)
            alcDestroyContext(context);
        alcCloseDevice(device);
        silent("the audio device refused a mixing context");
        return;
    }
    sound.device = device;
    sound.context = context;

    alGetError();
    ALuint buffer = 0, source = 0;
    alGenBuffers(1, &buffer);
    alBufferData(buffer, formatOf(sample), sample.samples.data(),
                 static_cast<ALsizei>(sample.samples.size() * sizeof(int16_t)), sample.rate);
    alGenSources(1, &source);
    alSourcei(source, AL_BUFFER, static_cast<ALint>(buffer));
    alSourcei(source, AL_SOURCE_RELATIVE, AL_TRUE); // heard as it is, not placed in space
    // The sample is whole engine cycles: looped, it hums on without a seam,
    // and each frame only bends its gain and pitch.
    alSourcei(source, AL_LOOPING, AL_TRUE);
    alSourcef(source, AL_GAIN, 0);
    if (alGetError() != AL_NO_ERROR) {
        sound.buffer = buffer;
        sound.source = source;
        stopAudio(sound);
        silent("the audio device refused the sample");
        return;
    }
    sound.buffer = buffer;
    sound.source = source;
    sound.sampleRate = static_cast<float>(sample.rate);
    sound.ready = true;
}

void setEngineTone(AudioOutput& sound, const SoundSystem& wanted, float speed, float maxSpeed) {
    if (!sound.ready)
        return;
    if (!wanted.soundEnabled) {
        silenceEngine(sound);
        return;
    }
    const TonePlayback playback = tonePlayback(engineTone(speed, maxSpeed), sound.sampleRate);
    alSourcef(sound.source, AL_GAIN, playback.gain * sound.effectsGain);
    alSourcef(sound.source, AL_PITCH, playback.pitch);
    // Only a paused or fresh loop is started: playing a playing source would
    // send it back to the top, and a restart every frame is a buzz.
    if (!playing(sound))
        alSourcePlay(sound.source);
}

void silenceEngine(AudioOutput& sound) {
    if (sound.ready && playing(sound))
        alSourcePause(sound.source);
}

void stopAudio(AudioOutput& sound) {
    if (sound.context != nullptr) {
        if (sound.source != 0) {
            alSourceStop(sound.source);
            alDeleteSources(1, &sound.source);
        }
        if (sound.buffer != 0)
            alDeleteBuffers(1, &sound.buffer);
        alcMakeContextCurrent(nullptr);
        alcDestroyContext(static_cast<ALCcontext*>(sound.context));
    }
    if (sound.device != nullptr)
        alcCloseDevice(static_cast<ALCdevice*>(sound.device));
    sound.device = sound.context = nullptr;
    sound.buffer = sound.source = 0;
    sound.ready = false;
}
