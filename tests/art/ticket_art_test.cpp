// Structural facts of the ticket pictures: the two designs, the coating with its
// markers, and the start picture.
#include "art_test_support.h"

#include "art/art.h"
#include "ticket/slots.h"

#include <QColor>
#include <QPoint>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

namespace {

int Luminance(QRgb c)
{
    return (299 * qRed(c) + 587 * qGreen(c) + 114 * qBlue(c)) / 1000;
}

bool IsRed(QRgb c)
{
    return qRed(c) >= 140 && qRed(c) - qGreen(c) >= 70 && qRed(c) - qBlue(c) >= 70;
}

bool Opaque(const QImage &image, int x, int y)
{
    return qAlpha(image.pixel(x, y)) == 255;
}

QImage ReadArgb(const QString &path)
{
    return ReadPicture(path).convertToFormat(QImage::Format_ARGB32);
}

bool InSpan(const art::Span &s, int x, int y)
{
    return x >= s.left && x <= s.right && y >= s.top && y <= s.bottom;
}

constexpr int PaleLuminance = 200; // the scratch field, wherever a glyph may be stamped
constexpr int DarkLuminance = 100; // its outline

} // namespace

TEST(TicketArt, DesignsAreOpaqueEverywhere)
{
    for (int d = 0; d < art::DesignCount; ++d) {
        const QImage design = ReadArgb(art::DesignPicture(d));
        ASSERT_EQ(design.size(), QSize(TicketWidth, TicketHeight)) << "design " << d;
        for (int y = 0; y < design.height(); ++y) {
            for (int x = 0; x < design.width(); ++x) {
                ASSERT_TRUE(Opaque(design, x, y)) << "design " << d << " at " << x << "," << y;
            }
        }
    }
}

TEST(TicketArt, ScratchFieldIsPaleInsideItsDarkOutlineInBothDesigns)
{
    const art::Span f = art::ScratchField;
    for (int d = 0; d < art::DesignCount; ++d) {
        const QImage design = ReadArgb(art::DesignPicture(d));
        // The outline: the outermost ring of the field, its corner pixels aside.
        for (int x = f.left + 1; x < f.right; ++x) {
            EXPECT_LT(Luminance(design.pixel(x, f.top)), DarkLuminance)
                << "design " << d << " x " << x;
            EXPECT_LT(Luminance(design.pixel(x, f.bottom)), DarkLuminance)
                << "design " << d << " x " << x;
        }
        for (int y = f.top + 1; y < f.bottom; ++y) {
            EXPECT_LT(Luminance(design.pixel(f.left, y)), DarkLuminance)
                << "design " << d << " y " << y;
            EXPECT_LT(Luminance(design.pixel(f.right, y)), DarkLuminance)
                << "design " << d << " y " << y;
        }
        // Every pixel of every symbol cell is pale, so the black glyphs stand out.
        for (const SlotPosition &cell : SlotPositions) {
            for (int y = cell.y; y < cell.y + SymbolHeight; ++y) {
                for (int x = cell.x; x < cell.x + SymbolWidth; ++x) {
                    ASSERT_GT(Luminance(design.pixel(x, y)), PaleLuminance)
                        << "design " << d << " at " << x << "," << y;
                }
            }
        }
    }
}

TEST(TicketArt, CoatingIsOneMaskedAreaOfTheTabledExtent)
{
    const QImage coating = ReadArgb(art::CoatingPicture);
    ASSERT_EQ(coating.size(), QSize(TicketWidth, TicketHeight));
    const art::Span e = art::CoatingExtent;

    int opaque = 0;
    art::Span box { TicketWidth, TicketHeight, -1, -1 };
    QPoint first(-1, -1);
    for (int y = 0; y < coating.height(); ++y) {
        for (int x = 0; x < coating.width(); ++x) {
            const int alpha = qAlpha(coating.pixel(x, y));
            ASSERT_TRUE(alpha == 0 || alpha == 255) << "alpha " << alpha << " at " << x << "," << y;
            if (alpha == 255) {
                ++opaque;
                box = { std::min(box.left, x), std::min(box.top, y), std::max(box.right, x),
                        std::max(box.bottom, y) };
                if (first.x() < 0) {
                    first = QPoint(x, y);
                }
            }
        }
    }
    EXPECT_EQ(box.left, e.left);
    EXPECT_EQ(box.top, e.top);
    EXPECT_EQ(box.right, e.right);
    EXPECT_EQ(box.bottom, e.bottom);

    // One 4-connected area: a flood fill from the first opaque pixel reaches all of them.
    std::vector<bool> seen(size_t(TicketWidth) * TicketHeight, false);
    std::vector<QPoint> stack { first };
    seen[size_t(first.y()) * TicketWidth + first.x()] = true;
    int reached = 0;
    while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        ++reached;
        for (const QPoint step : { QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1) }) {
            const QPoint q = p + step;
            if (q.x() < 0 || q.y() < 0 || q.x() >= TicketWidth || q.y() >= TicketHeight) {
                continue;
            }
            const size_t i = size_t(q.y()) * TicketWidth + q.x();
            if (!seen[i] && Opaque(coating, q.x(), q.y())) {
                seen[i] = true;
                stack.push_back(q);
            }
        }
    }
    EXPECT_EQ(reached, opaque);

    // It covers the scratch field of both designs, and so every cell, completely.
    const art::Span f = art::ScratchField;
    for (int y = f.top; y <= f.bottom; ++y) {
        for (int x = f.left; x <= f.right; ++x) {
            ASSERT_TRUE(Opaque(coating, x, y)) << x << "," << y;
        }
    }
    for (const SlotPosition &cell : SlotPositions) {
        for (int y = cell.y; y < cell.y + SymbolHeight; ++y) {
            for (int x = cell.x; x < cell.x + SymbolWidth; ++x) {
                ASSERT_TRUE(Opaque(coating, x, y)) << x << "," << y;
            }
        }
    }
}

TEST(TicketArt, EachMarkersRedHalfDiscHasItsTabledSpanOverItsCell)
{
    const QImage coating = ReadArgb(art::CoatingPicture);
    std::array<art::Span, SlotCount> found;
    found.fill({ TicketWidth, TicketHeight, -1, -1 });
    for (int y = 0; y < coating.height(); ++y) {
        for (int x = 0; x < coating.width(); ++x) {
            const QRgb c = coating.pixel(x, y);
            if (qAlpha(c) != 255 || !IsRed(c)) {
                continue;
            }
            // Every red pixel belongs to one marker.
            const auto owner = std::find_if(art::MarkerSpans.begin(), art::MarkerSpans.end(),
                                            [&](const art::Span &s) { return InSpan(s, x, y); });
            ASSERT_NE(owner, art::MarkerSpans.end()) << "stray red at " << x << "," << y;
            art::Span &b = found[size_t(owner - art::MarkerSpans.begin())];
            b = { std::min(b.left, x), std::min(b.top, y), std::max(b.right, x),
                  std::max(b.bottom, y) };
        }
    }
    for (int i = 0; i < SlotCount; ++i) {
        const art::Span s = art::MarkerSpans[size_t(i)];
        const art::Span b = found[size_t(i)];
        EXPECT_EQ(b.left, s.left) << "slot " << i;
        EXPECT_EQ(b.top, s.top) << "slot " << i;
        EXPECT_EQ(b.right, s.right) << "slot " << i;
        EXPECT_EQ(b.bottom, s.bottom) << "slot " << i;
        // The half-disc stands over its cell: its top within five pixels of the cell's top,
        // within the cell's columns, ending above the cell's bottom.
        const SlotPosition cell = SlotPositions[size_t(i)];
        EXPECT_LE(std::abs(cell.y - s.top), 5) << "slot " << i;
        EXPECT_GE(s.left, cell.x) << "slot " << i;
        EXPECT_LE(s.right, cell.x + SymbolWidth - 1) << "slot " << i;
        EXPECT_LT(s.bottom, cell.y + SymbolHeight - 1) << "slot " << i;
    }
}

TEST(TicketArt, StartPictureIsHandwritingInFourGreysAcrossItsThirdAndAnArrow)
{
    const QImage start = ReadArgb(art::StartPicture);
    ASSERT_EQ(start.size(), QSize(TicketWidth, TicketHeight));
    // Colours of the standard 16-colour palette, and of those only black, the two greys and white.
    const std::array<QRgb, 4> allowed = { 0xff000000, 0xff808080, 0xffc0c0c0, 0xffffffff };
    int blackTop = 0; // black pixels of the first line's band
    int blackBottom = 0; // ... and of the second's
    int arrowTip = 0; // ink near the right edge, above the first line's middle
    for (int y = 0; y < start.height(); ++y) {
        for (int x = 0; x < start.width(); ++x) {
            const QRgb c = start.pixel(x, y);
            ASSERT_NE(std::find(allowed.begin(), allowed.end(), c), allowed.end())
                << std::hex << c << std::dec << " at " << x << "," << y;
            if (c == 0xffffffff) {
                continue;
            }
            // Ink lies across y 127-192; only the arrow, right of the first line, may rise higher.
            const bool inLines = y >= 127 && y <= 192;
            const bool inArrow = x >= 200 && y >= 110 && y <= 170;
            ASSERT_TRUE(inLines || inArrow) << "ink at " << x << "," << y;
            blackTop += c == 0xff000000 && y < 158;
            blackBottom += c == 0xff000000 && y > 162;
            arrowTip += x >= 238 && y < 150;
        }
    }
    EXPECT_GT(blackTop, 300);
    EXPECT_GT(blackBottom, 300);
    EXPECT_GT(arrowTip, 5);
}
