// The aiming host of the lab's game: the waits of the bar and the stroke, no drawing.
#include "lab/lab_aim_host.h"

#include "platform/message_box.h"

namespace lab {

int HeadLineX(const table::TableGeometry& g) {
    // The spots' inset a, then the line two eighths into the rack area.
    const int a = g.RailWidth / 2 - 50 / (g.BallDiameter <= 160 ? 2 : 1);
    const table::Rect& ra = g.RackArea;
    return ra.left + ((ra.right + 2 * a - ra.left) / 8) * 2 - a - g.BallRadius / 2;
}

int StrokeAnimationMs(int e) {
    // Twenty-seven half-delays between the pictures and one whole delay at the first pull-back.
    return 27 * (e / 2) + e;
}

void LabAimHost::ShowExclamation(const std::string& text) {
    game_.Services().boxes.Show(text, platform::MB_OK | platform::MB_ICONEXCLAMATION);
}

int LabAimHost::StrokeDelay(int power) {
    // The stroke's pace by strength, as the table drawing sets it; the lab only counts its time.
    static constexpr struct {
        int atLeast, ms;
    } kPace[] = {{90, 10}, {80, 20}, {70, 30}, {50, 40}, {30, 50}};
    for (const auto& step : kPace)
        if (power >= step.atLeast) return step.ms;
    return 80;
}

int LabAimHost::RunShotBar() {
    game_.Delay(1500);
    return 1;
}

void LabAimHost::FireStroke(int power, table::Point aim) {
    if (fire)
        fire(power, aim);
    else
        game_.FireStroke(power, aim);
}

} // namespace lab
