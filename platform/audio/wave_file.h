// Wave files decoded for the mixer, with a small cache so effects inside the motion loop cost
// no disk reads after their first use.
#pragma once
#include <map>
#include <memory>
#include <string>

#include "platform/audio/mixer.h"

namespace platform {

// Decodes a RIFF wave (anything SDL reads) to interleaved stereo floats at `rate`; nullptr when
// the file is missing or unreadable.
std::shared_ptr<const WaveSamples> LoadWave(const std::string& path, int rate);

class WaveCache {
public:
    explicit WaveCache(int rate) : rate_(rate) {}
    // The decoded file, reloaded when its size or time stamp changed.
    std::shared_ptr<const WaveSamples> Get(const std::string& path);

private:
    struct Entry {
        long long stamp = 0;
        long long size = 0;
        std::shared_ptr<const WaveSamples> samples;
    };
    int rate_;
    std::map<std::string, Entry> entries_;
};

} // namespace platform
