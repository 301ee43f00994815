// The ten symbol glyphs, drawn as 1-bit pixel art on a 34 x 28 grid. Only their silhouettes
// are ever printed (black on the pale scratch field), so every digit is either a hole through
// a black emblem or a solid stroke two pixels wide.
#include "artgen.h"
#include "pixelfont.h"
#include "symbol_emblem.h"
#include "symbol_grid.h"

#include <cmath>

namespace {

constexpr int Width = 34;
constexpr int Height = 28;
constexpr int Ink = 1;

// The glyphs are stored in black, the colour in which they are printed.
QImage ToGlyph(const PixelGrid &grid)
{
    return grid.toImage([](int) { return qRgb(0, 0, 0); });
}

// Clears the pixels of text (a hole through the emblem), centred across the cell, from row top.
void KnockOut(PixelGrid &grid, const PixelFont &font, const QString &text, int top)
{
    const int left = (Width - PixelTextWidth(font, text)) / 2;
    DrawPixelText(grid, font, text, left, top, 0);
}

// The cut-cornered gem of the small sums, with a facet line just inside its edge.
PixelGrid Octagon()
{
    const double top = 2;
    const double bottom = 27;
    const double cut = 6;
    const std::vector<QPointF> corners = {
        { cut, top },
        { Width - cut, top },
        { Width, top + cut },
        { Width, bottom - cut },
        { Width - cut, bottom },
        { cut, bottom },
        { 0, bottom - cut },
        { 0, top + cut },
    };
    PixelGrid grid(Width, Height);
    grid.fill(ConvexShape(corners), Ink);
    const auto outer = ConvexShape(corners, 2);
    const auto inner = ConvexShape(corners, 3);
    grid.fill([&](double x, double y) { return outer(x, y) && !inner(x, y); }, 0);
    return grid;
}

// The diamond of the 50.
PixelGrid Diamond()
{
    const std::vector<QPointF> corners = {
        { Width / 2.0, 0 }, { Width, 13.5 }, { Width / 2.0, 27 }, { 0, 13.5 }
    };
    PixelGrid grid(Width, Height);
    grid.fill(ConvexShape(corners), Ink);
    return grid;
}

// The star-burst seal of the double symbol.
PixelGrid Burst()
{
    constexpr int points = 18;
    constexpr double pi = 3.14159265358979323846;
    std::vector<QPointF> corners;
    for (int i = 0; i < 2 * points; ++i) {
        const double angle = pi * i / points;
        const double scale = i % 2 == 0 ? 1.0 : 0.84;
        corners.emplace_back(17 + 17 * scale * std::cos(angle), 14 + 14 * scale * std::sin(angle));
    }
    PixelGrid grid(Width, Height);
    grid.fill(PolygonShape(corners), Ink);
    return grid;
}

// Tall digits for the big sums, 16 high with strokes 2 wide: a zero `width` wide, a one 3
// wide with a flag or 2 wide without.
constexpr int TallHeight = 16;

void TallZero(PixelGrid &grid, int left, int top, int width)
{
    for (int y = 0; y < TallHeight; ++y) {
        const bool cap = y == 0 || y == TallHeight - 1;
        const bool bar = y == 1 || y == TallHeight - 2;
        for (int x = 0; x < width; ++x) {
            const bool edge = x == 0 || x == width - 1;
            const bool stroke = x < 2 || x >= width - 2;
            if ((cap && !edge) || bar || stroke) {
                grid.set(left + x, top + y, Ink);
            }
        }
    }
}

void TallOne(PixelGrid &grid, int left, int top, int width)
{
    for (int y = 0; y < TallHeight; ++y) {
        grid.set(left + width - 2, top + y, Ink);
        grid.set(left + width - 1, top + y, Ink);
    }
    if (width > 2) {
        grid.set(left, top + 1, Ink);
        grid.set(left, top + 2, Ink);
    }
}

struct BigSumLayout
{
    int zeros; // zeros before the point
    int oneWidth;
    int zeroWidth;
    int pointWidth;
};

// 1.000, 10.000 or 100.000 across the cell, then "MK" between two rules. 100.000 fills the
// whole width with five-pixel zeros, a plain one and a one-pixel point.
PixelGrid BigSum(const BigSumLayout &layout)
{
    const int width = layout.oneWidth + 1 + layout.zeros * (layout.zeroWidth + 1)
        + layout.pointWidth + 1 + 3 * layout.zeroWidth + 2;
    const int top = 1;
    const int left = (Width - width) / 2;
    const int right = left + width - 1;
    PixelGrid grid(Width, Height);
    int x = left;
    TallOne(grid, x, top, layout.oneWidth);
    x += layout.oneWidth + 1;
    for (int i = 0; i < layout.zeros; ++i) {
        TallZero(grid, x, top, layout.zeroWidth);
        x += layout.zeroWidth + 1;
    }
    for (int dx = 0; dx < layout.pointWidth; ++dx) {
        grid.set(x + dx, top + TallHeight - 2, Ink);
        grid.set(x + dx, top + TallHeight - 1, Ink);
    }
    x += layout.pointWidth + 1;
    for (int i = 0; i < 3; ++i) {
        TallZero(grid, x, top, layout.zeroWidth);
        x += layout.zeroWidth + 1;
    }

    const QString unit = QStringLiteral("MK");
    const int unitWidth = PixelTextWidth(BoldCapitals(), unit);
    const int unitLeft = (Width - unitWidth) / 2;
    const int unitTop = top + TallHeight + 3;
    DrawPixelText(grid, BoldCapitals(), unit, unitLeft, unitTop, Ink);
    for (int y = unitTop + 2; y < unitTop + 4; ++y) {
        for (int rx = left; rx <= right; ++rx) {
            if (rx < unitLeft - 2 || rx > unitLeft + unitWidth + 1) {
                grid.set(rx, y, Ink);
            }
        }
    }
    return grid;
}

} // namespace

QImage DrawSymbol(int symbol)
{
    switch (symbol) {
    case 0: {
        PixelGrid grid = Burst();
        KnockOut(grid, SmallCapitals(), QStringLiteral("TUPLA"), 10);
        return ToGlyph(grid);
    }
    case 1:
    case 2:
    case 4:
    case 5: {
        static const char *const sums[] = { "", "20", "30", "", "100", "200" };
        PixelGrid grid = Octagon();
        KnockOut(grid, EmblemDigits(), QString::fromLatin1(sums[symbol]), 10);
        return ToGlyph(grid);
    }
    case 3: {
        PixelGrid grid = Diamond();
        KnockOut(grid, EmblemDigits(), QStringLiteral("50"), 9);
        return ToGlyph(grid);
    }
    case 6:
        return ToGlyph(BigSum({ 0, 3, 7, 2 }));
    case 7:
        return ToGlyph(BigSum({ 1, 3, 6, 2 }));
    case 8:
        return ToGlyph(BigSum({ 2, 2, 5, 1 }));
    default: {
        const PixelGrid emblem = SymbolEmblem();
        PixelGrid grid(Width, Height);
        for (int y = 0; y < Height; ++y) {
            for (int x = 0; x < Width; ++x) {
                const int ink = emblem.at(x, y);
                grid.set(x, y, ink == EmblemCoin || ink == EmblemBand ? Ink : 0);
            }
        }
        return ToGlyph(grid);
    }
    }
}
