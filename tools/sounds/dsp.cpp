// Noise, filters, partials and envelopes for the effect recipes.
#include "dsp.h"

#include <algorithm>
#include <cmath>

namespace soundgen {

float Noise::Next()
{
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<float>(state_ / 2147483648.0 - 1.0);
}

double Noise::Uniform(double lo, double hi)
{
    return lo + (hi - lo) * (Next() * 0.5 + 0.5);
}

Biquad Biquad::LowPass(double hz, double q)
{
    const double w = 2 * M_PI * hz / kRate, c = std::cos(w), alpha = std::sin(w) / (2 * q);
    Biquad f;
    const double a0 = 1 + alpha;
    f.b0_ = (1 - c) / 2 / a0;
    f.b1_ = (1 - c) / a0;
    f.b2_ = (1 - c) / 2 / a0;
    f.a1_ = -2 * c / a0;
    f.a2_ = (1 - alpha) / a0;
    return f;
}

Biquad Biquad::HighPass(double hz, double q)
{
    const double w = 2 * M_PI * hz / kRate, c = std::cos(w), alpha = std::sin(w) / (2 * q);
    Biquad f;
    const double a0 = 1 + alpha;
    f.b0_ = (1 + c) / 2 / a0;
    f.b1_ = -(1 + c) / a0;
    f.b2_ = (1 + c) / 2 / a0;
    f.a1_ = -2 * c / a0;
    f.a2_ = (1 - alpha) / a0;
    return f;
}

Biquad Biquad::BandPass(double hz, double q)
{
    const double w = 2 * M_PI * hz / kRate, c = std::cos(w), alpha = std::sin(w) / (2 * q);
    Biquad f;
    const double a0 = 1 + alpha;
    f.b0_ = alpha / a0;
    f.b1_ = 0;
    f.b2_ = -alpha / a0;
    f.a1_ = -2 * c / a0;
    f.a2_ = (1 - alpha) / a0;
    return f;
}

float Biquad::Run(float x)
{
    const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return static_cast<float>(y);
}

int Samples(double seconds) { return static_cast<int>(std::lround(seconds * kRate)); }

Signal Silence(double seconds) { return Signal(Samples(seconds), 0.0f); }

void AddPartial(Signal& s, double at, double f0, double f1, double glide, double amp, double decay, double attack)
{
    double phase = 0;
    const int start = Samples(at);
    for (int i = start; i < static_cast<int>(s.size()); ++i) {
        const double t = double(i - start) / kRate;
        const double env = amp * std::exp(-t / decay) * (attack > 0 ? std::min(1.0, t / attack) : 1.0);
        if (env < 1e-5 && t > attack)
            break;
        const double f = f1 + (f0 - f1) * (glide > 0 ? std::exp(-t / glide) : 0.0);
        phase += 2 * M_PI * f / kRate;
        s[i] += static_cast<float>(env * std::sin(phase));
    }
}

void AddNoiseBurst(Signal& s, double at, Biquad filter, Noise& noise, double amp, double decay, double length,
                   double attack)
{
    const int start = Samples(at);
    const int end = std::min<int>(s.size(), start + Samples(length));
    for (int i = start; i < end; ++i) {
        const double t = double(i - start) / kRate;
        const double env = amp * (t < attack ? t / attack : std::exp(-(t - attack) / decay));
        s[i] += static_cast<float>(env * filter.Run(noise.Next()));
    }
}

void Normalize(Signal& s, double peak)
{
    float top = 0;
    for (float v : s)
        top = std::max(top, std::fabs(v));
    if (top > 0)
        for (float& v : s)
            v = static_cast<float>(v * peak / top);
}

void FadeEdges(Signal& s, double inSeconds, double outSeconds)
{
    const int in = std::min<int>(s.size(), Samples(inSeconds));
    const int out = std::min<int>(s.size(), Samples(outSeconds));
    for (int i = 0; i < in; ++i)
        s[i] *= float(i) / in;
    for (int i = 0; i < out; ++i)
        s[s.size() - 1 - i] *= float(i) / out;
}

} // namespace soundgen

namespace soundgen {

void AddRoom(Signal& s, double wet, double seconds)
{
    const double combMs[] = {29.7, 37.1, 41.1, 43.7};
    Signal out(s.size(), 0.0f);
    for (double ms : combMs) {
        const int d = Samples(ms / 1000);
        const double g = std::pow(10.0, -3.0 * (ms / 1000) / seconds);
        std::vector<float> line(d, 0.0f);
        float damp = 0;
        for (size_t i = 0; i < s.size(); ++i) {
            const float y = line[i % d];
            damp = 0.7f * y + 0.3f * damp;  // the walls swallow the highs first
            line[i % d] = static_cast<float>(s[i] + g * damp);
            out[i] += y * 0.25f;
        }
    }
    for (double ms : {5.0, 1.7}) {
        const int d = Samples(ms / 1000);
        std::vector<float> line(d, 0.0f);
        for (size_t i = 0; i < out.size(); ++i) {
            const float delayed = line[i % d];
            const float in = out[i];
            const float y = -0.7f * in + delayed;
            line[i % d] = in + 0.7f * y;
            out[i] = y;
        }
    }
    for (size_t i = 0; i < s.size(); ++i)
        s[i] += static_cast<float>(wet * out[i]);
}

} // namespace soundgen
