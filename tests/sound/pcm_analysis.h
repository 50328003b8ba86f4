// Reading back what SDL's disk driver recorded, and finding the tones and waves in it.
#pragma once
#include <string>
#include <vector>

namespace soundtest {

// Left channel of a raw signed 16-bit stereo file, scaled to -1..1.
std::vector<float> ReadRawLeft(const std::string& path);

// A stretch of one steady pitch.
struct Segment {
    double startMs;
    double durationMs;
    double frequencyHz;
};

// Splits the sound into stretches of steady pitch: at silences, and where a period differs from
// the mean of the stretch so far by more than `splitRatio`. Pitch from the median period between
// interpolated rising zero crossings.
std::vector<Segment> FindSegments(const std::vector<float>& samples, int rate, double splitRatio = 0.025);

// Root mean square level of [fromMs, toMs).
double Rms(const std::vector<float>& samples, int rate, double fromMs, double toMs);

} // namespace soundtest
