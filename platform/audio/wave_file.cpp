// Wave decoding through SDL_LoadWAV and SDL_BuildAudioCVT (SDL_AudioStream would drop the tail).
#include "platform/audio/wave_file.h"

#include <SDL.h>
#include <sys/stat.h>

#include <cstring>
#include <filesystem>

namespace platform {

std::shared_ptr<const WaveSamples> LoadWave(const std::string& path, int rate)
{
    SDL_AudioSpec fileFormat;
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV(path.c_str(), &fileFormat, &buffer, &length))
        return nullptr;
    SDL_AudioCVT cvt;
    if (SDL_BuildAudioCVT(&cvt, fileFormat.format, fileFormat.channels, fileFormat.freq, AUDIO_F32SYS, 2, rate) < 0) {
        SDL_FreeWAV(buffer);
        return nullptr;
    }
    std::vector<Uint8> work(static_cast<size_t>(length) * (cvt.len_mult > 0 ? cvt.len_mult : 1));
    std::memcpy(work.data(), buffer, length);
    SDL_FreeWAV(buffer);
    cvt.buf = work.data();
    cvt.len = static_cast<int>(length);
    if (cvt.needed && SDL_ConvertAudio(&cvt) < 0)
        return nullptr;
    const int bytes = cvt.needed ? cvt.len_cvt : cvt.len;
    auto samples = std::make_shared<WaveSamples>(bytes / sizeof(float) / 2 * 2);
    std::memcpy(samples->data(), work.data(), samples->size() * sizeof(float));
    return samples;
}

std::shared_ptr<const WaveSamples> WaveCache::Get(const std::string& path)
{
    struct stat st;
    if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return nullptr;
    std::string key = path;
    std::error_code ec;
    const auto absolute = std::filesystem::absolute(path, ec);
    if (!ec)
        key = absolute.string();
    Entry& e = entries_[key];
    const long long stamp = static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
    if (!e.samples || e.stamp != stamp || e.size != static_cast<long long>(st.st_size)) {
        e.samples = LoadWave(path, rate_);
        e.stamp = stamp;
        e.size = st.st_size;
    }
    return e.samples;
}

} // namespace platform
