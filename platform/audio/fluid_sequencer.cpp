// FluidSynth behind the sequencer device: tunes are decoded by its player, timed by the samples
// the audio callback renders (player.timing-source "sample").
#include "platform/audio/fluid_sequencer.h"

#include <fluidsynth.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>

namespace platform {
namespace {

void QuietLog(int, const char*, void*) {}

std::string DefaultSoundFont()
{
    if (const char* env = std::getenv("VELKARO_SOUNDFONT"))
        return env;
    std::stringstream paths(VELKARO_SOUNDFONT_PATHS);
    std::string path;
    while (std::getline(paths, path, ':'))
        if (std::ifstream(path).good())
            return path;
    return {};
}

} // namespace

FluidSequencer::FluidSequencer(std::mutex& lock, int sampleRate, std::string soundFont)
    : lock_(lock), rate_(sampleRate), soundFont_(soundFont.empty() ? DefaultSoundFont() : soundFont)
{
    // FluidSynth talks on stderr about missing presets and banks; the game stays quiet.
    for (int level = FLUID_PANIC; level <= FLUID_DBG; ++level)
        fluid_set_log_function(level, QuietLog, nullptr);
}

FluidSequencer::~FluidSequencer()
{
    std::lock_guard<std::mutex> guard(lock_);
    DropPlayer();
    if (synth_)
        delete_fluid_synth(synth_);
    if (settings_)
        delete_fluid_settings(settings_);
    synth_ = nullptr;
    settings_ = nullptr;
}

// Made on the first open, outside the lock: loading the bank takes a moment and the wave
// effects must not stutter meanwhile.
bool FluidSequencer::EnsureSynth()
{
    {
        std::lock_guard<std::mutex> guard(lock_);
        if (synthTried_)
            return synth_ != nullptr;
        synthTried_ = true;
    }
    fluid_settings_t* settings = new_fluid_settings();
    if (!settings)
        return false;
    fluid_settings_setnum(settings, "synth.sample-rate", rate_);
    fluid_settings_setnum(settings, "synth.gain", kSynthGain);
    fluid_settings_setint(settings, "synth.threadsafe-api", 1);
    fluid_synth_t* synth = new_fluid_synth(settings);
    if (!synth) {
        delete_fluid_settings(settings);
        return false;
    }
    if (!soundFont_.empty())
        fluid_synth_sfload(synth, soundFont_.c_str(), 1);
    std::lock_guard<std::mutex> guard(lock_);
    settings_ = settings;
    synth_ = synth;
    return true;
}

void FluidSequencer::DropPlayer()
{
    if (!player_)
        return;
    fluid_player_stop(player_);
    delete_fluid_player(player_);
    player_ = nullptr;
    if (synth_)
        fluid_synth_system_reset(synth_);
}

bool FluidSequencer::Open(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() < 14 || std::memcmp(bytes.data(), "MThd", 4) != 0)
        return false;
    if (!EnsureSynth())
        return false;
    std::lock_guard<std::mutex> guard(lock_);
    DropPlayer();
    tune_ = std::move(bytes);
    return true;
}

void FluidSequencer::Close()
{
    std::lock_guard<std::mutex> guard(lock_);
    DropPlayer();
    tune_.clear();
}

bool FluidSequencer::PlayFromStart()
{
    std::lock_guard<std::mutex> guard(lock_);
    if (!synth_ || tune_.empty())
        return false;
    DropPlayer();
    player_ = new_fluid_player(synth_);
    if (!player_)
        return false;
    if (fluid_player_add_mem(player_, tune_.data(), tune_.size()) != FLUID_OK ||
        fluid_player_play(player_) != FLUID_OK) {
        DropPlayer();
        return false;
    }
    return true;
}

// The player reports DONE only about two seconds after the last event; the tick position tells
// the end at once.
bool FluidSequencer::IsPlaying()
{
    std::lock_guard<std::mutex> guard(lock_);
    if (!player_ || fluid_player_get_status(player_) != FLUID_PLAYER_PLAYING)
        return false;
    const int total = fluid_player_get_total_ticks(player_);
    return total <= 0 || fluid_player_get_current_tick(player_) < total;
}

void FluidSequencer::Render(float* left, float* right, int frames)
{
    if (!synth_) {
        std::memset(left, 0, sizeof(float) * frames);
        std::memset(right, 0, sizeof(float) * frames);
        return;
    }
    fluid_synth_write_float(synth_, frames, left, 0, 1, right, 0, 1);
}

} // namespace platform
