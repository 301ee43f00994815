// The two ticket designs and the coating.
//
// Layout shared by both designs (ticket pixels, inclusive):
//   frame          x 0-249, y 0-449: dark hairline, a 9-pixel metal band with a repeating
//                  ornament, a dark hairline; the face inside it from 11 to 238 / 438
//   title area     y 11-99: the logo "KIMALLUS" with glints, the slogan ribbon, the top prize
//   scratch field  x 16-232, y 108-347 (art::ScratchField): 2-pixel dark outline, a metal hairline,
//                  the pale dotted ground
//   foot           y 353-438: the two-line scratching hint and the serial-number box
// The coating (x 12-238, y 100-352) hides everything from the field's rim inwards.

#include "artgen.h"
#include "ticket_paint.h"

#include "art/art.h"
#include "ticket/slots.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <numbers>

using namespace ticketart;

namespace {

struct Scheme
{
    QRgb hairline; // darkest: frame hairlines, outlines, the logo's outline
    QRgb face; // the ground of the face ...
    QRgb faceLight; // ... and the lighter part of its pattern
    QRgb metalLight; // the frame, the logo and the trim: highlight ...
    QRgb metal; // ... body ...
    QRgb metalDark; // ... shade ...
    QRgb metalDeep; // ... and deepest shade
    QRgb field; // the scratch field's pale ground ...
    QRgb fieldDot; // ... and its fine dots
    QRgb glint; // the hearts of the glints
    QRgb hintText; // the scratching hint
    QString series; // the serial box: series ...
    QString number; // ... and number
};

Scheme SchemeOf(int design)
{
    if (design == 0) { // deep blue with gold
        return { .hairline = 0xff070b30,
                 .face = 0xff142670,
                 .faceLight = 0xff1b3184,
                 .metalLight = 0xffffeb9a,
                 .metal = 0xfff0bd34,
                 .metalDark = 0xffb07a12,
                 .metalDeep = 0xff6a4406,
                 .field = 0xfffff8e6,
                 .fieldDot = 0xffeee1c2,
                 .glint = 0xffffffff,
                 .hintText = 0xfffff3cc,
                 .series = QStringLiteral("A-0417"),
                 .number = QStringLiteral("0183552") };
    }
    // crimson with silver
    return { .hairline = 0xff2a0309,
             .face = 0xff901029,
             .faceLight = 0xffa3163a,
             .metalLight = 0xffffffff,
             .metal = 0xffd4d9e2,
             .metalDark = 0xff8d95a6,
             .metalDeep = 0xff4e5566,
             .field = 0xfffbfaf6,
             .fieldDot = 0xffe6e4de,
             .glint = 0xffffffff,
             .hintText = 0xfff4f4f8,
             .series = QStringLiteral("B-0932"),
             .number = QStringLiteral("0569104") };
}

constexpr int W = TicketWidth;
constexpr int H = TicketHeight;

// The ground of the face. Design 0: a sunburst of 9-degree wedges from a point above the logo.
// Design 1: a harlequin of diamonds, 12 pixels wide and 16 high.
void DrawFace(QImage &image, const Scheme &s, int design)
{
    const double cx = 124.5;
    const double cy = 44.5;
    for (int y = 11; y <= H - 12; ++y) {
        for (int x = 11; x <= W - 12; ++x) {
            bool light = false;
            if (design == 0) {
                const double a =
                    std::atan2(y + 0.5 - cy, x + 0.5 - cx) * 180.0 / std::numbers::pi + 360.0;
                light = int(std::floor(a / 9.0)) % 2 == 0;
            } else {
                // Diagonal coordinates a = u/12 + v/16 and b = u/12 - v/16 (in 48ths); their
                // whole parts number the diamonds, which alternate like a chequer board.
                const int u = x - 119;
                const int v = y - 11;
                const int a = 4 * u + 3 * v + 4800;
                const int b = 4 * u - 3 * v + 4800;
                light = (a / 48 + b / 48) % 2 == 0;
            }
            image.setPixel(x, y, light ? s.faceLight : s.face);
        }
    }
}

// The frame: hairline, metal band with diamonds (design 1: stars) and dots every ten pixels,
// hairline.
void DrawFrame(QImage &image, const Scheme &s, int design)
{
    FillSpan(image, 0, 0, W - 1, H - 1, s.hairline);
    FillSpan(image, 1, 1, W - 2, H - 2, s.metal);
    // A bevel: light along the top and left of the band, dark along its bottom and right.
    FillSpan(image, 2, 2, W - 3, 2, s.metalLight);
    FillSpan(image, 2, 2, 2, H - 3, s.metalLight);
    FillSpan(image, 2, H - 3, W - 3, H - 3, s.metalDark);
    FillSpan(image, W - 3, 2, W - 3, H - 3, s.metalDark);
    FillSpan(image, 8, 8, W - 9, H - 9, s.metalDark);
    FillSpan(image, 9, 9, W - 10, H - 10, s.metal);
    FillSpan(image, 10, 10, W - 11, H - 11, s.hairline);

    // Ornament along the band's middle line (5 and W-6, 5 and H-6).
    const auto diamond = [&](int cx, int cy) {
        if (design == 1) { // design 1: small four-pointed stars
            Glint(image, cx, cy, 3, s.metalLight, s.metalDeep);
            return;
        }
        for (int dy = -2; dy <= 2; ++dy) {
            for (int dx = -2; dx <= 2; ++dx) {
                const int d = std::abs(dx) + std::abs(dy);
                if (d <= 2) {
                    Plot(image, cx + dx, cy + dy, d == 0 ? s.metalLight : s.metalDeep);
                }
            }
        }
    };
    const auto dot = [&](int cx, int cy) { Plot(image, cx, cy, s.metalDeep); };
    for (int x = 15; x <= W - 15; x += 10) {
        diamond(x, 5);
        diamond(x, H - 6);
    }
    for (int x = 20; x <= W - 20; x += 10) {
        dot(x, 5);
        dot(x, H - 6);
    }
    for (int y = 15; y <= H - 15; y += 10) {
        diamond(5, y);
        diamond(W - 6, y);
    }
    for (int y = 20; y <= H - 20; y += 10) {
        dot(5, y);
        dot(W - 6, y);
    }
    // Corner rosettes: a dark square with a light glint.
    for (const auto &[cx, cy] :
         { std::pair { 5, 5 }, { W - 6, 5 }, { 5, H - 6 }, { W - 6, H - 6 } }) {
        FillSpan(image, cx - 3, cy - 3, cx + 3, cy + 3, s.metalDeep);
        Glint(image, cx, cy, 3, s.glint, s.metal);
    }
}

void DrawLogo(QImage &image, const Scheme &s)
{
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QFont font =
        NamedFont(QStringLiteral("DejaVu Serif"), 44, QFont::Bold, QFont::SemiCondensed);
    QPainterPath path;
    path.addText(0, 0, font, QStringLiteral("KIMALLUS"));
    // Tall, narrow letters: the logo fills x 23-226 and y 17-53.
    const QRectF natural = path.boundingRect();
    const QRectF target(23, 17, 204, 37);
    QTransform fit;
    fit.translate(target.left(), target.top());
    fit.scale(target.width() / natural.width(), target.height() / natural.height());
    fit.translate(-natural.left(), -natural.top());
    path = fit.map(path);

    // Extruded shadow, then the dark outline, then the metal fill.
    for (int d = 3; d >= 1; --d) {
        p.fillPath(path.translated(d * 0.67, d), QColor(s.metalDeep));
    }
    p.strokePath(path, QPen(QColor(s.hairline), 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QLinearGradient metal(0, target.top(), 0, target.bottom());
    metal.setColorAt(0.00, QColor(s.metalLight));
    metal.setColorAt(0.45, QColor(s.metal));
    metal.setColorAt(0.52, QColor(s.metalDark));
    metal.setColorAt(0.60, QColor(s.metal));
    metal.setColorAt(1.00, QColor(s.metalLight));
    p.fillPath(path, metal);
    p.end();
}

void DrawRibbon(QImage &image, const Scheme &s)
{
    // The band y 64-78 from x 34 to 215, with folded tails left and right.
    const int top = 64;
    const int bottom = 78;
    const int left = 32;
    const int right = 217;
    // Tails: a darker piece behind each end, notched.
    for (int y = top + 3; y <= bottom + 3; ++y) {
        const int notch = 4 - std::abs(y - (top + 3 + bottom + 3) / 2) / 2;
        for (int x = left - 16 + notch; x <= left + 2; ++x) {
            Plot(image, x, y, y == top + 3 || y == bottom + 3 ? s.hairline : s.metalDark);
        }
        for (int x = right - 2; x <= right + 16 - notch; ++x) {
            Plot(image, x, y, y == top + 3 || y == bottom + 3 ? s.hairline : s.metalDark);
        }
        Plot(image, left - 17 + notch, y, s.hairline);
        Plot(image, right + 17 - notch, y, s.hairline);
    }
    // The fold shadows.
    for (int y = bottom + 1; y <= bottom + 3; ++y) {
        for (int x = left; x <= left + 2; ++x) {
            Plot(image, x, y, s.metalDeep);
        }
        for (int x = right - 2; x <= right; ++x) {
            Plot(image, x, y, s.metalDeep);
        }
    }
    // The band itself.
    FillSpan(image, left, top, right, bottom, s.metal);
    FillSpan(image, left, top, right, top, s.hairline);
    FillSpan(image, left, bottom, right, bottom, s.hairline);
    FillSpan(image, left, top + 1, right, top + 1, s.metalLight);
    FillSpan(image, left, bottom - 1, right, bottom - 1, s.metalDark);
    FillSpan(image, left, top, left, bottom, s.hairline);
    FillSpan(image, right, top, right, bottom, s.hairline);

    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont font = NamedFont(QStringLiteral("DejaVu Sans"), 9, QFont::Bold, QFont::SemiCondensed);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.5);
    font.setHintingPreference(QFont::PreferVerticalHinting);
    p.setFont(font);
    p.setPen(QColor(s.hairline));
    p.drawText(QRect(left, top + 1, right - left + 1, bottom - top), Qt::AlignCenter,
               QStringLiteral("SUORASTAAN VILLI RAHA-ARPA"));
    p.end();
}

void DrawTopPrize(QImage &image, const Scheme &s)
{
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QFont font = NamedFont(QStringLiteral("DejaVu Sans"), 11, QFont::Bold);
    p.setFont(font);
    const QRect line(11, 83, W - 22, 14);
    p.setPen(QColor(s.hairline));
    p.drawText(line.translated(1, 1), Qt::AlignCenter, QStringLiteral("Päävoitto 350 000 mk"));
    p.setPen(QColor(s.metalLight));
    p.drawText(line, Qt::AlignCenter, QStringLiteral("Päävoitto 350 000 mk"));
    p.end();
}

void DrawTitleGlints(QImage &image, const Scheme &s)
{
    // Glitter on the logo's letters, and small glints scattered around it.
    Glint(image, 27, 19, 7, s.glint, s.metalLight);
    Glint(image, 103, 18, 5, s.glint, s.metalLight);
    Glint(image, 221, 50, 6, s.glint, s.metalLight);
    Glint(image, 166, 49, 3, s.glint, s.metalLight);
    Glint(image, 66, 53, 3, s.glint, s.metalLight);
    Glint(image, 142, 14, 2, s.glint, s.metal);
    Glint(image, 233, 19, 3, s.glint, s.metal);
    Glint(image, 17, 57, 2, s.glint, s.metal);
    Glint(image, 17, 88, 3, s.glint, s.metal);
    Glint(image, 232, 88, 3, s.glint, s.metal);
    Glint(image, 41, 91, 2, s.glint, s.metal);
    Glint(image, 208, 91, 2, s.glint, s.metal);
}

void DrawField(QImage &image, const Scheme &s)
{
    const art::Span f = art::ScratchField;
    FillSpan(image, f.left, f.top, f.right, f.bottom, s.hairline);
    FillSpan(image, f.left + 2, f.top + 2, f.right - 2, f.bottom - 2, s.metal);
    for (int y = f.top + 3; y <= f.bottom - 3; ++y) {
        for (int x = f.left + 3; x <= f.right - 3; ++x) {
            const bool dot = (x % 4 == 0 && y % 4 == 0) || (x % 4 == 2 && y % 4 == 2);
            image.setPixel(x, y, dot ? s.fieldDot : s.field);
        }
    }
    // Cut corners of the outline, a printed touch: the face shows through the outermost corner
    // pixel.
    for (const auto &[x, y] : { std::pair { f.left, f.top },
                                { f.right, f.top },
                                { f.left, f.bottom },
                                { f.right, f.bottom } }) {
        image.setPixel(x, y, s.face);
    }
}

void DrawHint(QImage &image, const Scheme &s)
{
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QFont font = NamedFont(QStringLiteral("DejaVu Sans"), 10, QFont::Bold);
    p.setFont(font);
    const QString lines[2] = { QStringLiteral("Raaputa hopeapinta varovasti pois."),
                               QStringLiteral("Kolme samaa summaa voittaa!") };
    for (int i = 0; i < 2; ++i) {
        const QRect line(11, 357 + i * 13, W - 22, 13);
        p.setPen(QColor(s.hairline));
        p.drawText(line.translated(1, 1), Qt::AlignCenter, lines[i]);
        p.setPen(QColor(s.hintText));
        p.drawText(line, Qt::AlignCenter, lines[i]);
    }
    p.end();
}

void DrawSerialBox(QImage &image, const Scheme &s)
{
    const int left = 26;
    const int right = 223;
    const int top = 389;
    const int bottom = 427;
    FillSpan(image, left - 1, top - 1, right + 1, bottom + 1, s.metal);
    FillSpan(image, left, top, right, bottom, s.hairline);
    FillSpan(image, left + 1, top + 1, right - 1, bottom - 1, 0xfffdfcf7);

    // A barcode from the serial's digits: bars 1 or 2 pixels wide, gaps 1 or 2.
    const QString code = s.series + s.number;
    int x = left + 6;
    FillSpan(image, x, top + 5, x, bottom - 5, 0xff000000);
    FillSpan(image, x + 2, top + 5, x + 2, bottom - 5, 0xff000000);
    x += 4;
    std::uint32_t bits = 0;
    for (const QChar c : code) {
        bits = bits * 31 + c.unicode();
    }
    for (int i = 0; i < 28; ++i) {
        const std::uint32_t h = Hash(i, int(bits & 0xffff), bits >> 16);
        const int bar = 1 + int(h & 1);
        const int gap = 1 + int((h >> 1) & 1);
        FillSpan(image, x, top + 5, x + bar - 1, bottom - 5, 0xff000000);
        x += bar + gap;
    }
    FillSpan(image, x, top + 5, x, bottom - 5, 0xff000000);
    FillSpan(image, x + 2, top + 5, x + 2, bottom - 5, 0xff000000);
    const int textLeft = x + 10;

    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(QColor(0xff000000));
    p.setFont(NamedFont(QStringLiteral("DejaVu Sans"), 9, QFont::Bold));
    p.drawText(QPoint(textLeft, top + 14), QStringLiteral("Sarja"));
    p.drawText(QPoint(textLeft, top + 31), QStringLiteral("N:o"));
    p.setFont(NamedFont(QStringLiteral("DejaVu Sans Mono"), 11, QFont::Bold));
    p.drawText(QPoint(textLeft + 33, top + 15), s.series);
    p.drawText(QPoint(textLeft + 33, top + 32), s.number);
    p.end();
}

void DrawFootGlints(QImage &image, const Scheme &s)
{
    Glint(image, 17, 391, 3, s.glint, s.metal);
    Glint(image, 232, 424, 3, s.glint, s.metal);
    Glint(image, 16, 430, 2, s.glint, s.metal);
    Glint(image, 233, 396, 2, s.glint, s.metal);
}

} // namespace

QImage DrawDesign(int design)
{
    const Scheme s = SchemeOf(design);
    QImage image(W, H, QImage::Format_RGB32);
    DrawFrame(image, s, design);
    DrawFace(image, s, design);
    DrawLogo(image, s);
    DrawTitleGlints(image, s);
    DrawRibbon(image, s);
    DrawTopPrize(image, s);
    DrawField(image, s);
    DrawHint(image, s);
    DrawSerialBox(image, s);
    DrawFootGlints(image, s);
    return image;
}

// ---- The coating ----

namespace {

constexpr QRgb CoatingEdge = 0xff6f747e;
constexpr QRgb CoatingRim = 0xffdfe3e8;
constexpr QRgb CoatingLight = 0xffc9cdd4;
constexpr QRgb CoatingDark = 0xffa9aeb7;
constexpr QRgb CoatingPattern = 0xffb4b9c1;
constexpr QRgb MarkerRed = 0xffd8231f;
constexpr QRgb MarkerLight = 0xffff7a66;
constexpr QRgb MarkerDark = 0xff9c0f12;
constexpr QRgb BandBody = 0xff2b3140;
constexpr QRgb BandLight = 0xff5a6274;
constexpr QRgb BandText = 0xffe6e9ee;

// Inside the coating's rounded rectangle (corner radius 5)?
bool InsideCoating(int x, int y)
{
    const art::Span c = art::CoatingExtent;
    if (x < c.left || x > c.right || y < c.top || y > c.bottom) {
        return false;
    }
    constexpr int r = 5;
    const int cx = std::clamp(x, c.left + r, c.right - r);
    const int cy = std::clamp(y, c.top + r, c.bottom - r);
    const double dx = x - cx;
    const double dy = y - cy;
    return dx * dx + dy * dy <= (r + 0.5) * (r + 0.5);
}

bool OnCoatingEdge(int x, int y)
{
    return InsideCoating(x, y)
        && (!InsideCoating(x - 1, y) || !InsideCoating(x + 1, y) || !InsideCoating(x, y - 1)
            || !InsideCoating(x, y + 1));
}

void DrawMarker(QImage &image, const art::Span &d)
{
    // Half-disc: the upper half of an ellipse whose flat side is the span's bottom edge.
    const double w = d.right - d.left + 1;
    const double h = d.bottom - d.top + 1;
    const double cx = d.left + w / 2.0;
    const double cy = d.bottom + 1.0;
    const auto inside = [&](int x, int y) {
        if (x < d.left || x > d.right || y < d.top || y > d.bottom) {
            return false;
        }
        const double u = (x + 0.5 - cx) / (w / 2.0);
        const double v = (y + 0.5 - cy) / h;
        return u * u + v * v <= 1.0;
    };

    // The band it stands on: 12 rows, four pixels wider than the half-disc on each side.
    const int bandLeft = d.left - 4;
    const int bandRight = d.right + 4;
    const int bandTop = d.bottom + 1;
    const int bandBottom = d.bottom + 12;
    FillSpan(image, bandLeft, bandTop, bandRight, bandBottom, BandBody);
    FillSpan(image, bandLeft, bandTop, bandRight, bandTop, BandLight);
    FillSpan(image, bandLeft + 1, bandBottom + 1, bandRight + 1, bandBottom + 1, CoatingDark);
    FillSpan(image, bandRight + 1, bandTop + 1, bandRight + 1, bandBottom + 1, CoatingDark);
    const QString label = QStringLiteral("RAAPUTA");
    DrawTinyText(image, (bandLeft + bandRight + 1 - TinyTextWidth(label)) / 2, bandTop + 4, label,
                 BandText);

    for (int y = d.top; y <= d.bottom; ++y) {
        for (int x = d.left; x <= d.right; ++x) {
            if (!inside(x, y)) {
                continue;
            }
            const bool rim = !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1);
            const double u = (x + 0.5 - cx) / (w / 2.0);
            const double v = (y + 0.5 - cy) / h;
            // A highlight towards the upper left, inside the rim.
            const double hu = u + 0.35;
            const double hv = v + 0.62;
            const bool shine = hu * hu + hv * hv * 2.2 < 0.10;
            QRgb colour = MarkerRed;
            if (rim) {
                colour = MarkerDark;
            } else if (shine) {
                colour = MarkerLight;
            }
            image.setPixel(x, y, colour);
        }
    }
}

} // namespace

QImage DrawCoating()
{
    QImage image(W, H, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const art::Span c = art::CoatingExtent;
    for (int y = c.top; y <= c.bottom; ++y) {
        for (int x = c.left; x <= c.right; ++x) {
            if (!InsideCoating(x, y)) {
                continue;
            }
            // The latex: a gentle vertical sheen, a faint printed lattice, glitter specks.
            const double t = double(y - c.top) / (c.bottom - c.top);
            QRgb colour = Mix(CoatingLight, CoatingDark, 0.25 + 0.5 * t);
            const int a = (x - c.left) + (y - c.top);
            const int b = (x - c.left) - (y - c.top) + 1000;
            if (a % 12 == 0 || b % 12 == 0) {
                colour = Mix(colour, CoatingPattern, 0.7);
            }
            const std::uint32_t h = Hash(x, y, 7);
            if (h % 97 == 0) {
                colour = 0xfff4f6f8;
            } else if (h % 89 == 1) {
                colour = 0xff8f949e;
            } else if (h % 53 == 2) {
                colour = Mix(colour, 0xffffffff, 0.4);
            }
            image.setPixel(x, y, colour);
        }
    }
    // A few larger glints of the glitter.
    for (int i = 0; i < 26; ++i) {
        const std::uint32_t h = Hash(i, 99, 11);
        const int x = c.left + 6 + int(h % 215);
        const int y = c.top + 6 + int((h >> 12) % 241);
        Glint(image, x, y, 2, 0xffffffff, 0xffe4e8ee);
    }
    // The game's name printed faintly along the bottom, embossed: light under, dark over.
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::TextAntialiasing);
        QFont font = NamedFont(QStringLiteral("DejaVu Serif"), 12, QFont::Bold);
        font.setLetterSpacing(QFont::AbsoluteSpacing, 3.0);
        p.setFont(font);
        const QRect line(c.left, c.bottom - 22, c.right - c.left + 1, 16);
        p.setPen(QColor(0xffeef0f3));
        p.drawText(line.translated(0, 1), Qt::AlignCenter, QStringLiteral("KIMALLUS"));
        p.setPen(QColor(0xff878c96));
        p.drawText(line, Qt::AlignCenter, QStringLiteral("KIMALLUS"));
        p.end();
        Glint(image, 66, c.bottom - 14, 3, 0xffffffff, 0xffc9ced6);
        Glint(image, 184, c.bottom - 14, 3, 0xffffffff, 0xffc9ced6);
    }
    // Printed edges: a dark line around the shape and a light line just inside it.
    for (int y = c.top; y <= c.bottom; ++y) {
        for (int x = c.left; x <= c.right; ++x) {
            if (OnCoatingEdge(x, y)) {
                image.setPixel(x, y, CoatingEdge);
            } else if (InsideCoating(x, y)
                       && (OnCoatingEdge(x - 1, y) || OnCoatingEdge(x, y - 1))) {
                image.setPixel(x, y, CoatingRim);
            }
        }
    }
    for (const art::Span &d : art::MarkerSpans) {
        DrawMarker(image, d);
    }
    return image;
}
