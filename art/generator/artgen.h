#pragma once

#include <QImage>
#include <QVector>

// The picture makers of the art generator. Each returns its finished picture in the size,
// format and mask that the game expects; main.cpp writes them as PNG files.

// tickets.cpp
QImage DrawDesign(int design); // 250 x 450 RGB32, opaque everywhere
QImage DrawCoating(); // 250 x 450 ARGB32, alpha 0 or 255 only
// start.cpp
QImage DrawStartPicture(); // 250 x 450, indexed, standard 16-colour palette
// symbols.cpp
QImage DrawSymbol(int symbol); // 34 x 28 ARGB32, alpha 0 or 255 only
// icons.cpp
QImage DrawProgramIcon(); // 32 x 32 ARGB32, alpha 0 or 255, standard palette colours
QImage DrawCopyrightIcon(); // 32 x 32, indexed, standard palette, opaque
// rules.cpp
QImage DrawRulesPicture(); // 416 x 494, indexed, black, white and the two greys only

// palette.cpp: the standard 16-colour palette (black, maroon, green, olive, navy, purple, teal,
// silver, grey, red, lime, yellow, blue, fuchsia, aqua, white) and reduction to it.
QVector<QRgb> StandardPalette();
// Maps every pixel to the nearest palette colour (no dithering) and returns an indexed image
// with the 16-entry colour table.
QImage ToStandardPalette(const QImage &image);
