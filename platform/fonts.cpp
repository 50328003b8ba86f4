// Font substitution onto the IPA fonts and font descriptions as Qt fonts.
#include "platform/fonts.h"

#include <QFontMetrics>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace platform {

namespace {

struct Substitution { const char* face; const char* family; };

// Proportional faces go to the proportional IPA fonts, fixed-pitch to the fixed ones; the
// sans-serif dialog faces (the game also spells one "MS Scans Serif") to the proportional Gothic.
constexpr Substitution kSubstitutions[] = {
    {"ＭＳ Ｐ明朝", "IPAPMincho"},
    {"ＭＳ 明朝", "IPAMincho"},
    {"標準明朝", "IPAMincho"},
    {"ＭＳ ゴシック", "IPAGothic"},
    {"ＭＳ Ｐゴシック", "IPAPGothic"},
    {"標準ゴシック", "IPAGothic"},
    {"MS Scans Serif", "IPAPGothic"},
    {"MS Sans Serif", "IPAPGothic"},
    {"MS Shell Dlg", "IPAPGothic"},
    {"System", "IPAPGothic"},
};

} // namespace

void InstallFontSubstitutions()
{
    for (const Substitution& s : kSubstitutions)
        QFont::insertSubstitution(QString::fromUtf8(s.face), QString::fromUtf8(s.family));
}

QString SubstituteFamily(const std::string& face)
{
    for (const Substitution& s : kSubstitutions)
        if (face == s.face)
            return QString::fromUtf8(s.family);
    return QString::fromStdString(face);
}

namespace {

QFont ResolveQFont(const CFont& font, int pixelHeight, bool aliased)
{
    QFont q(SubstituteFamily(font.face));
    q.setWeight(QFont::Weight(font.weight > 0 ? std::clamp(font.weight, 100, 900) : 400));
    q.setItalic(font.italic);
    q.setUnderline(font.underline);
    if (aliased)
        q.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
    q.setHintingPreference(QFont::PreferFullHinting);

    int height = std::abs(pixelHeight);
    if (height == 0)
        height = 12;
    q.setPixelSize(height);
    if (pixelHeight > 0) {
        // A cell height: the largest em size whose ascent + descent still fits.
        while (height > 1 && QFontMetrics(q).height() > pixelHeight)
            q.setPixelSize(--height);
    }
    return q;
}

} // namespace

QFont MakeQFont(const CFont& font, int pixelHeight, bool aliased)
{
    // Balls draw their numbers on every step of a shot; fitting a cell height measures the font
    // several times, so each description is resolved once.
    struct Entry { CFont font; int pixelHeight; bool aliased; QFont result; };
    static std::vector<Entry> cache;
    for (const Entry& e : cache)
        if (e.pixelHeight == pixelHeight && e.aliased == aliased && e.font == font)
            return e.result;
    QFont result = ResolveQFont(font, pixelHeight, aliased);
    if (cache.size() < 256)
        cache.push_back({font, pixelHeight, aliased, result});
    return result;
}

} // namespace platform
