// Tone sequences of the sound events.
#include "app/sound_events.h"

namespace app {
namespace {

constexpr ToneStep kMove[] = {{450, 20}};
constexpr ToneStep kBell[] = {{1860, 1}};
constexpr ToneStep kCheer[] = {{440, 130}, {466, 100}, {494, 130}, {532, 100}, {554, 130}};
constexpr ToneStep kTouch[] = {{2533, 1}};
constexpr ToneStep kGoal[] = {{698, 100}, {758, 20}, {850, 30}};
constexpr ToneStep kShoot[] = {{2900, 30}};
constexpr ToneStep kShoot2[] = {{3500, 30}};
constexpr ToneStep kPoint[] = {{570, 20}, {655, 40}, {725, 20}, {904, 50}};

constexpr std::span<const ToneStep> kSequences[] = {
    kMove, kBell, kCheer, kTouch, kGoal, kShoot, kShoot2, kPoint, kPoint, kGoal,
};

} // namespace

std::span<const ToneStep> ToneSequence(int event)
{
    if (event < 0 || event >= static_cast<int>(std::size(kSequences)))
        return {};
    return kSequences[event];
}

} // namespace app
