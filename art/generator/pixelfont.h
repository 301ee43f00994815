#pragma once

#include "symbol_grid.h"

#include <QChar>
#include <QString>

#include <map>
#include <vector>

// Hand-made pixel fonts for the symbol glyphs and the icons. Each glyph is a few rows of '#'
// (ink) and '.' (blank), all of one length; every glyph of a font has the font's height.
struct PixelFont
{
    int height;
    int spacing; // blank columns between two glyphs
    int spaceWidth; // width of ' '
    std::map<QChar, std::vector<const char *>> glyphs;
};

// 6 x 9 digits with two-pixel strokes, to be knocked out of an emblem (the 1 is 4 wide).
const PixelFont &EmblemDigits();
// 3 x 5 capitals with one-pixel strokes (M 5, I 1 wide), for lettering on a narrow band.
const PixelFont &TinyCapitals();
// The same with a 3-wide M, for the 32-pixel icon.
const PixelFont &TinyCapitalsNarrow();
// 4 x 7 capitals with one-pixel strokes (T 5 wide).
const PixelFont &SmallCapitals();
// 6 x 7 capitals with two-pixel strokes (M 7 wide).
const PixelFont &BoldCapitals();

int PixelTextWidth(const PixelFont &font, const QString &text);
// Sets the glyphs' ink pixels to ink, the top-left corner of the text at (left, top).
void DrawPixelText(PixelGrid &grid, const PixelFont &font, const QString &text, int left, int top,
                   int ink);
