#pragma once

#include <QString>

#include <array>

// Resource paths of the game's pictures. Every picture is a PNG drawn by art/generator.
namespace art {

// 250 x 450, 16 colours of the standard palette: what the ticket shows before the first purchase.
inline const QString StartPicture = QStringLiteral(":/art/start.png");
// 250 x 450, opaque everywhere: ticket design n (0 or 1).
QString DesignPicture(int design);
// 250 x 450, alpha 0 or 255 only: the coating; its alpha is the 1-bit mask.
inline const QString CoatingPicture = QStringLiteral(":/art/coating.png");
// 34 x 28, alpha 0 or 255 only: symbol n (0 to 9); only the alpha, the glyph, is ever drawn.
QString SymbolPicture(int symbol);
// 32 x 32: the program's emblem on a transparent surround (window icon, top-prize emblem).
inline const QString ProgramIcon = QStringLiteral(":/art/icon.png");
// 32 x 32, opaque: a C in a ring on a grey square.
inline const QString CopyrightIcon = QStringLiteral(":/art/copyright.png");
// 416 x 494, 16 colours of which only black, white and two greys: the rules page.
inline const QString RulesPicture = QStringLiteral(":/art/rules.png");

inline constexpr int DesignCount = 2;
inline constexpr int SymbolCount = 10;

} // namespace art

namespace art {

// The red half-disc of each slot's marker on the coating, slot 0 first, as inclusive spans
// (left, top, right, bottom) in ticket pixels.
struct Span
{
    int left;
    int top;
    int right;
    int bottom;
};
inline constexpr std::array<Span, 10> MarkerSpans = { {
    { 71, 110, 94, 124 },
    { 50, 148, 72, 160 },
    { 52, 178, 74, 190 },
    { 105, 165, 128, 178 },
    { 128, 128, 151, 142 },
    { 155, 170, 179, 185 },
    { 120, 225, 143, 240 },
    { 174, 206, 197, 219 },
    { 147, 260, 170, 273 },
    { 137, 294, 160, 309 },
} };

// The coating's opaque area spans exactly these pixels (inclusive).
inline constexpr Span CoatingExtent = { 12, 100, 238, 352 };
// The scratch field of both designs, outline included, spans about these pixels.
inline constexpr Span ScratchField = { 16, 108, 232, 347 };

} // namespace art
