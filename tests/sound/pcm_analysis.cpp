// Segmenting recorded sound into steady pitches.
#include "pcm_analysis.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>

namespace soundtest {

std::vector<float> ReadRawLeft(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<float> left(bytes.size() / 4);
    for (size_t i = 0; i < left.size(); ++i) {
        const int16_t v = static_cast<int16_t>(static_cast<uint8_t>(bytes[4 * i]) |
                                               (static_cast<uint8_t>(bytes[4 * i + 1]) << 8));
        left[i] = v / 32768.0f;
    }
    return left;
}

namespace {

constexpr float kSilence = 0.02f;
constexpr size_t kMaxGap = 8;  // samples: a sine's zero crossing is not a silence
constexpr double kJoinMs = 5;

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void SplitRegion(const std::vector<float>& x, size_t begin, size_t end, int rate, double ratio,
                 std::vector<Segment>& out)
{
    // Rising crossings only: every edge of a band-limited square then has the same shape, so the
    // interpolation error cancels out of a period.
    std::vector<double> rising;
    for (size_t i = begin + 1; i < end; ++i) {
        const float a = x[i - 1], b = x[i];
        if (a < 0 && b >= 0)
            rising.push_back((i - 1) + a / (a - b));
    }
    const double ms = 1000.0 / rate;
    if (rising.size() < 2) {
        // Under two periods (a 1 ms click): judge the pitch by its half periods.
        std::vector<double> all;
        for (size_t i = begin + 1; i < end; ++i) {
            const float a = x[i - 1], b = x[i];
            if ((a < 0 && b >= 0) || (a > 0 && b <= 0))
                all.push_back((i - 1) + a / (a - b));
        }
        std::vector<double> halves;
        for (size_t k = 1; k < all.size(); ++k)
            halves.push_back(all[k] - all[k - 1]);
        out.push_back({begin * ms, (end - begin) * ms, halves.empty() ? 0.0 : rate / (2 * Median(halves))});
        return;
    }
    // Groups of consecutive periods close to the group's mean.
    struct Group {
        size_t first, last;  // period indices, inclusive
        double sum;
    };
    std::vector<Group> groups{{0, 0, rising[1] - rising[0]}};
    for (size_t k = 1; k + 1 < rising.size(); ++k) {
        const double period = rising[k + 1] - rising[k];
        Group& g = groups.back();
        const double mean = g.sum / (g.last - g.first + 1);
        if (std::fabs(period - mean) / mean > ratio) {
            groups.push_back({k, k, period});
        } else {
            g.last = k;
            g.sum += period;
        }
    }
    // A single odd period is the join of two tones: it goes with the group after it.
    std::vector<Group> merged;
    for (size_t g = 0; g < groups.size(); ++g) {
        if (groups[g].first == groups[g].last && g + 1 < groups.size())
            groups[g + 1].first = groups[g].first;
        else if (groups[g].first == groups[g].last && !merged.empty())
            merged.back().last = groups[g].last;
        else
            merged.push_back(groups[g]);
    }
    // A few milliseconds of mixed pitch is one sound dying away under the next: it goes with
    // the sound that follows.
    auto startOf = [&](size_t g) { return g == 0 ? double(begin) : rising[merged[g].first]; };
    auto endOf = [&](size_t g) { return g + 1 == merged.size() ? double(end) : rising[merged[g + 1].first]; };
    const double shortest = kJoinMs * rate / 1000;
    for (size_t g = 0; g + 1 < merged.size();) {
        if (endOf(g) - startOf(g) < shortest && g > 0) {
            merged[g + 1].first = merged[g].first;
            merged.erase(merged.begin() + g);
        } else {
            ++g;
        }
    }
    for (size_t g = 0; g < merged.size(); ++g) {
        std::vector<double> periods;
        for (size_t k = merged[g].first; k <= merged[g].last; ++k)
            periods.push_back(rising[k + 1] - rising[k]);
        const double from = g == 0 ? begin : rising[merged[g].first];
        const double to = g + 1 == merged.size() ? end : rising[merged[g + 1].first];
        out.push_back({from * ms, (to - from) * ms, rate / Median(periods)});
    }
}

} // namespace

std::vector<Segment> FindSegments(const std::vector<float>& x, int rate, double splitRatio)
{
    std::vector<Segment> out;
    size_t i = 0;
    while (i < x.size()) {
        while (i < x.size() && std::fabs(x[i]) <= kSilence)
            ++i;
        if (i >= x.size())
            break;
        const size_t begin = i;
        size_t lastLoud = i;
        while (i < x.size() && i - lastLoud <= kMaxGap) {
            if (std::fabs(x[i]) > kSilence)
                lastLoud = i;
            ++i;
        }
        SplitRegion(x, begin, lastLoud + 1, rate, splitRatio, out);
        i = lastLoud + 1;
    }
    return out;
}

double Rms(const std::vector<float>& x, int rate, double fromMs, double toMs)
{
    const size_t from = std::min(x.size(), static_cast<size_t>(fromMs * rate / 1000));
    const size_t to = std::min(x.size(), static_cast<size_t>(toMs * rate / 1000));
    if (to <= from)
        return 0.0;
    double sum = 0;
    for (size_t i = from; i < to; ++i)
        sum += double(x[i]) * x[i];
    return std::sqrt(sum / (to - from));
}

} // namespace soundtest
