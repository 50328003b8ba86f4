// Pens, brushes and font descriptions: plain values selected into a device context.
#pragma once
#include "platform/colour.h"

#include <QImage>

#include <string>

namespace platform {

enum PenStyle : int { PS_SOLID = 0, PS_NULL = 5 };
enum HatchStyle : int { HS_HORIZONTAL = 0, HS_VERTICAL = 1, HS_FDIAGONAL = 2, HS_BDIAGONAL = 3,
                        HS_CROSS = 4, HS_DIAGCROSS = 5 };

// A pen of `width` logical units; 0 or anything under one pixel draws one pixel wide.
struct CPen {
    int style = PS_SOLID;
    int width = 0;
    COLORREF colour = 0;

    CPen() = default;
    CPen(int penStyle, int penWidth, COLORREF penColour) : style(penStyle), width(penWidth), colour(penColour) {}
    static CPen Null() { return CPen(PS_NULL, 0, 0); }
};

struct CBrush {
    enum class Kind { Null, Solid, Hatched, Pattern };
    Kind kind = Kind::Solid;
    COLORREF colour = RGB(255, 255, 255);
    int hatch = HS_DIAGCROSS;
    QImage tile; // Pattern: one whole picture is one tile, aligned to the surface's origin

    CBrush() = default;
    explicit CBrush(COLORREF solid) : kind(Kind::Solid), colour(solid) {}
    CBrush(int hatchStyle, COLORREF lines) : kind(Kind::Hatched), colour(lines), hatch(hatchStyle) {}
    explicit CBrush(const QImage& pattern)
        : kind(Kind::Pattern), tile(pattern.convertToFormat(QImage::Format_RGB32)) {}
    static CBrush Null()
    {
        CBrush b;
        b.kind = Kind::Null;
        return b;
    }
};

enum FontWeight : int { FW_DONTCARE = 0, FW_NORMAL = 400, FW_BOLD = 700 };
enum FontCharset : int { ANSI_CHARSET = 0, DEFAULT_CHARSET = 1, SHIFTJIS_CHARSET = 128 };

// A font as the game describes it. height is in logical units of the context it is drawn on:
// negative = character (em) height, positive = cell height (ascent + descent), 0 = default.
struct CFont {
    int height = 0;
    int width = 0;
    int weight = FW_NORMAL;
    bool italic = false;
    bool underline = false;
    int charset = DEFAULT_CHARSET;
    std::string face = "System"; // UTF-8

    bool operator==(const CFont&) const = default;
};

} // namespace platform
