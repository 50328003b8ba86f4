// The audio mix: the current wave, the queued tones and the synthesiser, rendered block by block.
#pragma once
#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

namespace platform {

// Something that renders stereo float samples into the mix (the MIDI synthesiser).
class SynthSource {
public:
    virtual ~SynthSource() = default;
    // Writes (not adds) `frames` samples to each channel.
    virtual void Render(float* left, float* right, int frames) = 0;
};

// Decoded wave: interleaved stereo floats at the mixer's rate.
using WaveSamples = std::vector<float>;

// Not thread-safe: the owner serialises calls with the audio callback.
class Mixer {
public:
    explicit Mixer(int sampleRate) : rate_(sampleRate) {}

    int SampleRate() const { return rate_; }
    // Replaces the wave in progress by `wave` from its first sample (nullptr: silence). The old
    // one is faded out over kCutFadeMs while the new one starts at once.
    void SetWave(std::shared_ptr<const WaveSamples> wave);
    // Queues a square tone after the tones still waiting; its length is exact in samples.
    void QueueTone(uint32_t frequencyHz, int32_t durationMs);
    void SetSynth(SynthSource* synth) { synth_ = synth; }
    // Renders interleaved stereo 16-bit samples.
    void Render(int16_t* out, int frames);

    bool WavePlaying() const { return wave_ != nullptr; }
    bool TonesPending() const { return !tones_.empty(); }

private:
    struct ToneSegment {
        double step;      // phase increment per sample, 0 for silence
        int64_t samples;  // samples left
    };
    float NextToneSample();

    int rate_;
    std::shared_ptr<const WaveSamples> wave_;
    size_t wavePos_ = 0;
    // A wave that was cut off dies away over a few milliseconds instead of clicking.
    std::shared_ptr<const WaveSamples> fading_;
    size_t fadingPos_ = 0;
    int fadingLeft_ = 0;
    std::deque<ToneSegment> tones_;
    double phase_ = 0.0;
    SynthSource* synth_ = nullptr;
    std::vector<float> synthLeft_, synthRight_;
};

inline constexpr int kCutFadeMs = 3;

// Level of the square tones, a little below full scale like a speaker beside the music.
inline constexpr float kToneLevel = 0.25f;

} // namespace platform
