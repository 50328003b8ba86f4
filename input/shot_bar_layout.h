// The shot bar's arithmetic: layout values, the contact-point picture, clicks on it, the texts.
#pragma once
#include <string>

namespace input {

// H and S in pixels, from the bar's client size when it opens.
struct BarLayout {
    int H = 0;  // BarHeight: client height - 2
    int S = 0;  // SliderWidth: client width div 2 - H - 10
};
BarLayout ComputeBarLayout(int clientWidth, int clientHeight);

struct BarPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const BarPoint&, const BarPoint&) = default;
};

// The centre of the red contact-point dot for a spin kind (1 follow, 2 stop, 3 draw) and side.
BarPoint SpinMarkFor(const BarLayout& l, int spinKind, int sideSpin);

// Is a click near enough to the picture to count (within 0.4 H of its centre)?
bool ClickNearPicture(const BarLayout& l, int x, int y);
// Does the click's x lie strictly inside the picture's ellipse bounds?
bool ClickInPictureX(const BarLayout& l, int x);
// The spin kind and the side spin a click in the picture picks. The bands of stop and no side
// are 5 and 7 pixels wide around the picture's cross lines.
int SpinKindAt(const BarLayout& l, int y);
int SideSpinAt(const BarLayout& l, int x);

// The picture: the ellipse's bounds (right and bottom excluded) and the cross lines.
struct PictureGeometry {
    int left, top, right, bottom;
    int crossX;      // vertical line from y = 2 to H
    int crossY;      // horizontal line from x = S + H + 11 to S + 2H + 8
};
PictureGeometry PictureFor(const BarLayout& l);

// The power figure, padded with spaces to four characters: "70% ", "100%", "5%  ".
std::string PowerText(int powerLevel);
// The label: side text then spin text, e.g. 無回転ｽﾄｯﾌﾟ or 左押し.
std::string SpinLabel(int spinKind, int sideSpin);

// The slider's 0..40 steps and the percent they stand for.
int PowerFromPosition(int position);
int PositionFromPower(int powerLevel);

inline constexpr int SliderSteps = 40;
inline constexpr int SliderPageSize = 3;

} // namespace input
