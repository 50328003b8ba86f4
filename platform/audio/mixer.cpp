// Mixing of wave, tones and synthesiser; tones are band-limited squares (polyBLEP) so high beeps
// keep their pitch clean and their edges fall between samples where they belong.
#include "platform/audio/mixer.h"

#include <algorithm>
#include <cmath>

namespace platform {
namespace {

// Correction of a naive square's step at phase t (in periods) for increment dt.
double PolyBlep(double t, double dt)
{
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

} // namespace

void Mixer::SetWave(std::shared_ptr<const WaveSamples> wave)
{
    if (wave_) {
        fading_ = std::move(wave_);
        fadingPos_ = wavePos_;
        fadingLeft_ = rate_ * kCutFadeMs / 1000;
    }
    wave_ = (wave && !wave->empty()) ? std::move(wave) : nullptr;
    wavePos_ = 0;
}

void Mixer::QueueTone(uint32_t frequencyHz, int32_t durationMs)
{
    if (durationMs <= 0)
        return;
    const int64_t samples = static_cast<int64_t>(durationMs) * rate_ / 1000;
    const double step = (frequencyHz == 0 || frequencyHz * 2 >= static_cast<uint32_t>(rate_))
                            ? 0.0
                            : static_cast<double>(frequencyHz) / rate_;
    // A tone after silence starts on a rising edge; one straight after another keeps its phase.
    if (tones_.empty())
        phase_ = 0.0;
    tones_.push_back({step, samples});
}

float Mixer::NextToneSample()
{
    while (!tones_.empty() && tones_.front().samples <= 0)
        tones_.pop_front();
    if (tones_.empty())
        return 0.0f;
    ToneSegment& seg = tones_.front();
    --seg.samples;
    if (seg.step == 0.0)
        return 0.0f;
    const double dt = seg.step;
    double v = phase_ < 0.5 ? 1.0 : -1.0;
    v += PolyBlep(phase_, dt);
    v -= PolyBlep(std::fmod(phase_ + 0.5, 1.0), dt);
    phase_ += dt;
    if (phase_ >= 1.0)
        phase_ -= 1.0;
    return static_cast<float>(v) * kToneLevel;
}

void Mixer::Render(int16_t* out, int frames)
{
    if (synth_) {
        if (static_cast<int>(synthLeft_.size()) < frames) {
            synthLeft_.resize(frames);
            synthRight_.resize(frames);
        }
        synth_->Render(synthLeft_.data(), synthRight_.data(), frames);
    }
    for (int i = 0; i < frames; ++i) {
        float left = 0.0f, right = 0.0f;
        if (wave_) {
            left += (*wave_)[wavePos_];
            right += (*wave_)[wavePos_ + 1];
            wavePos_ += 2;
            if (wavePos_ + 1 >= wave_->size()) {
                wave_.reset();
                wavePos_ = 0;
            }
        }
        if (fading_) {
            const float gain = static_cast<float>(fadingLeft_) / (rate_ * kCutFadeMs / 1000);
            left += gain * (*fading_)[fadingPos_];
            right += gain * (*fading_)[fadingPos_ + 1];
            fadingPos_ += 2;
            if (--fadingLeft_ <= 0 || fadingPos_ + 1 >= fading_->size())
                fading_.reset();
        }
        const float tone = NextToneSample();
        left += tone;
        right += tone;
        if (synth_) {
            left += synthLeft_[i];
            right += synthRight_[i];
        }
        out[2 * i] = static_cast<int16_t>(std::lround(std::clamp(left, -1.0f, 1.0f) * 32767.0f));
        out[2 * i + 1] = static_cast<int16_t>(std::lround(std::clamp(right, -1.0f, 1.0f) * 32767.0f));
    }
}

} // namespace platform
