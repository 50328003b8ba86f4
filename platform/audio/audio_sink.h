// Where sound effects and tones go: the SDL output in the game, a recorder in tests.
#pragma once
#include <cstdint>
#include <string>

namespace platform {

class AudioSink {
public:
    virtual ~AudioSink() = default;
    // Cuts off the wave in progress, if any.
    virtual void StopWave() = 0;
    // Starts the wave file at once, replacing the one in progress; returns at once. A file that is
    // missing or cannot be played gives silence and false.
    virtual bool PlayWave(const std::string& path) = 0;
    // Queues a square-wave tone after any tones still sounding; returns at once (the caller waits).
    // Frequency 0, or one too high for the output, is a silence of that length.
    virtual void Tone(uint32_t frequencyHz, int32_t durationMs) = 0;
    // The system's default beep; returns at once.
    virtual void Beep() = 0;
};

// The default beep: a short square tone.
inline constexpr uint32_t kBeepFrequencyHz = 750;
inline constexpr int32_t kBeepDurationMs = 150;

} // namespace platform
