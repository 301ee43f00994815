#include "ticket_paint.h"

#include <QFontInfo>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace ticketart {

std::uint32_t Hash(int x, int y, std::uint32_t salt)
{
    std::uint32_t h = static_cast<std::uint32_t>(x) * 0x9E3779B1u;
    h ^= static_cast<std::uint32_t>(y) * 0x85EBCA77u;
    h ^= salt * 0xC2B2AE3Du;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

QFont NamedFont(const QString &family, int pixelSize, int weight, int stretch)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setStretch(stretch);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setKerning(true);
    const QFontInfo info(font);
    if (info.family() != family
        || (stretch < 100 && !info.styleName().contains(QStringLiteral("Condensed")))) {
        std::fprintf(stderr,
                     "kimallus_artgen: font \"%s\"%s is not installed (got \"%s %s\"); scripts/art "
                     "installs it\n",
                     qPrintable(family), stretch < 100 ? " (condensed)" : "",
                     qPrintable(info.family()), qPrintable(info.styleName()));
        std::exit(2);
    }
    return font;
}

void Plot(QImage &image, int x, int y, QRgb colour)
{
    if (x >= 0 && y >= 0 && x < image.width() && y < image.height()) {
        image.setPixel(x, y, colour);
    }
}

void FillSpan(QImage &image, int left, int top, int right, int bottom, QRgb colour)
{
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            Plot(image, x, y, colour);
        }
    }
}

void Glint(QImage &image, int cx, int cy, int arm, QRgb core, QRgb ray)
{
    for (int dy = -arm; dy <= arm; ++dy) {
        for (int dx = -arm; dx <= arm; ++dx) {
            // Concave four-pointed star: sqrt(|dx|/arm) + sqrt(|dy|/arm) <= 1.
            const double t =
                std::sqrt(std::abs(dx) / double(arm)) + std::sqrt(std::abs(dy) / double(arm));
            if (t > 1.0001) {
                continue;
            }
            const bool heart = std::abs(dx) + std::abs(dy) <= (arm >= 5 ? 2 : arm >= 3 ? 1 : 0);
            Plot(image, cx + dx, cy + dy, heart ? core : (t < 0.62 ? Mix(core, ray, 0.45) : ray));
        }
    }
}

namespace {

// 3 x 5 capitals, rows top to bottom, bit 2 the left column.
struct TinyGlyph
{
    char c;
    unsigned char rows[5];
};
constexpr TinyGlyph TinyGlyphs[] = {
    { 'A', { 2, 5, 7, 5, 5 } }, { 'B', { 6, 5, 6, 5, 6 } }, { 'C', { 3, 4, 4, 4, 3 } },
    { 'D', { 6, 5, 5, 5, 6 } }, { 'E', { 7, 4, 6, 4, 7 } }, { 'F', { 7, 4, 6, 4, 4 } },
    { 'G', { 3, 4, 5, 5, 3 } }, { 'H', { 5, 5, 7, 5, 5 } }, { 'I', { 7, 2, 2, 2, 7 } },
    { 'J', { 1, 1, 1, 5, 2 } }, { 'K', { 5, 5, 6, 5, 5 } }, { 'L', { 4, 4, 4, 4, 7 } },
    { 'M', { 5, 7, 7, 5, 5 } }, { 'N', { 6, 5, 5, 5, 5 } }, { 'O', { 2, 5, 5, 5, 2 } },
    { 'P', { 6, 5, 6, 4, 4 } }, { 'R', { 6, 5, 6, 5, 5 } }, { 'S', { 3, 4, 2, 1, 6 } },
    { 'T', { 7, 2, 2, 2, 2 } }, { 'U', { 5, 5, 5, 5, 7 } }, { 'V', { 5, 5, 5, 5, 2 } },
    { 'Y', { 5, 5, 2, 2, 2 } }, { '0', { 7, 5, 5, 5, 7 } }, { '1', { 2, 6, 2, 2, 7 } },
    { '2', { 6, 1, 2, 4, 7 } }, { '3', { 6, 1, 2, 1, 6 } }, { '4', { 5, 5, 7, 1, 1 } },
    { '5', { 7, 4, 6, 1, 6 } }, { '6', { 3, 4, 7, 5, 7 } }, { '7', { 7, 1, 2, 2, 2 } },
    { '8', { 7, 5, 7, 5, 7 } }, { '9', { 7, 5, 7, 1, 6 } }, { '-', { 0, 0, 7, 0, 0 } },
    { '.', { 0, 0, 0, 0, 2 } }, { ':', { 0, 2, 0, 2, 0 } }, { ' ', { 0, 0, 0, 0, 0 } },
};

const TinyGlyph *FindTiny(QChar c)
{
    for (const TinyGlyph &g : TinyGlyphs) {
        if (QChar(g.c) == c.toUpper()) {
            return &g;
        }
    }
    return nullptr;
}

} // namespace

int TinyTextWidth(const QString &text)
{
    return text.isEmpty() ? 0 : int(text.size()) * 4 - 1;
}

void DrawTinyText(QImage &image, int x, int y, const QString &text, QRgb colour)
{
    for (const QChar c : text) {
        if (const TinyGlyph *g = FindTiny(c)) {
            for (int row = 0; row < 5; ++row) {
                for (int col = 0; col < 3; ++col) {
                    if (g->rows[row] & (4 >> col)) {
                        Plot(image, x + col, y + row, colour);
                    }
                }
            }
        }
        x += 4;
    }
}

QRgb Mix(QRgb a, QRgb b, double t)
{
    const auto lerp = [t](int u, int v) { return int(std::lround(u + (v - u) * t)); };
    return qRgba(lerp(qRed(a), qRed(b)), lerp(qGreen(a), qGreen(b)), lerp(qBlue(a), qBlue(b)),
                 lerp(qAlpha(a), qAlpha(b)));
}

} // namespace ticketart
