#include "support/audio/WavSample.h"

#include <sndfile.h>
#include <sys/stat.h>

bool readWavSample(const char* path, WavSample* sample, std::string* error) {
    struct stat info {};
    if (stat(path, &info) != 0) {
        *error = "file not found";
        return false;
    }
    if (S_ISDIR(info.st_mode)) {
        *error = "it is a folder, not a file";
        return false;
    }
    SF_INFO format{};
    SNDFILE* file = sf_open(path, SFM_READ, &format);
    if (file == nullptr) {
        *error = sf_strerror(nullptr);
        return false;
    }
    WavSample read;
    read.channels = format.channels;
    read.rate = format.samplerate;
    bool ok = false;
    if (format.channels < 1 || format.channels > 2)
        *error = "it has " + std::to_string(format.channels) + " channels, not 1 or 2";
    else if (format.samplerate < 1000 || format.samplerate > 384000)
        *error = "its rate of " + std::to_string(format.samplerate) + " Hz is out of range";
    else if (format.frames <= 0)
        *error = "it holds no sound";
    else if (format.frames > MAX_SAMPLE_FRAMES)
        *error = "it is longer than 10 s";
    else {
        read.samples.resize(static_cast<size_t>(format.frames * format.channels));
        const sf_count_t got = sf_readf_short(file, read.samples.data(), format.frames);
        if (got <= 0) {
            *error = "its sound cannot be read";
        } else {
            read.samples.resize(static_cast<size_t>(got * format.channels));
            ok = true;
        }
    }
    sf_close(file);
    if (ok)
        *sample = std::move(read);
    return ok;
}
