// The shot bar's arithmetic: layout values, the contact-point picture, clicks on it, the texts.
#include "input/shot_bar_layout.h"

namespace input {

BarLayout ComputeBarLayout(int clientWidth, int clientHeight) {
    BarLayout l;
    l.H = clientHeight - 2;
    l.S = clientWidth / 2 - l.H - 10;
    return l;
}

BarPoint SpinMarkFor(const BarLayout& l, int spinKind, int sideSpin) {
    const int H = l.H, S = l.S;
    BarPoint p;
    p.x = (3 * H + 2 * S + 20) / 2;
    if (spinKind == 1)
        p.y = (H - 1) / 4 + 4;
    else if (spinKind == 2)
        p.y = (H - 1) / 2 + 2;
    else
        p.y = 3 * (H - 1) / 4 + 4;
    p.x += ((H - 2) * sideSpin) / 4;
    return p;
}

bool ClickNearPicture(const BarLayout& l, int x, int y) {
    const int cx = int(1.5 * l.H + l.S + 9.0);
    const int cy = l.H / 2 - 1;
    const double radius = 0.4 * l.H;
    const double dx = x - cx, dy = y - cy;
    return !(dx * dx + dy * dy > radius * radius);
}

bool ClickInPictureX(const BarLayout& l, int x) { return l.S + l.H + 10 < x && x < l.S + 2 * l.H + 8; }

int SpinKindAt(const BarLayout& l, int y) {
    const int a = (l.H - 1) / 2;
    return y < a - 2 ? 1 : y <= a + 2 ? 2 : 3;
}

int SideSpinAt(const BarLayout& l, int x) {
    const int g = (3 * l.H + 2 * l.S + 18) / 2;
    return x < g - 3 ? -1 : x <= g + 3 ? 0 : 1;
}

PictureGeometry PictureFor(const BarLayout& l) {
    const int H = l.H, S = l.S;
    return {S + H + 10, 2, S + 2 * H + 8, H, (3 * H + 2 * S + 18) / 2, (H + 2) / 2};
}

std::string PowerText(int powerLevel) {
    std::string s = std::to_string(powerLevel) + "%";
    while (s.size() < 4) s += ' ';
    return s;
}

std::string SpinLabel(int spinKind, int sideSpin) {
    const char* side = sideSpin < 0 ? "左" : sideSpin > 0 ? "右" : "無回転";
    const char* spin = spinKind == 1 ? "押し" : spinKind == 2 ? "ｽﾄｯﾌﾟ" : spinKind == 3 ? "引き" : "";
    return std::string(side) + spin;
}

int PowerFromPosition(int position) { return int(position * 2.5); }
int PositionFromPower(int powerLevel) { return int(powerLevel * 0.4); }

} // namespace input
