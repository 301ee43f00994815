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

// The standard 16-colour palette, in its usual order.
inline constexpr QRgb Black = 0xff000000;
inline constexpr QRgb Maroon = 0xff800000;
inline constexpr QRgb Green = 0xff008000;
inline constexpr QRgb Olive = 0xff808000;
inline constexpr QRgb Navy = 0xff000080;
inline constexpr QRgb Purple = 0xff800080;
inline constexpr QRgb Teal = 0xff008080;
inline constexpr QRgb Silver = 0xffc0c0c0;
inline constexpr QRgb Grey = 0xff808080;
inline constexpr QRgb Red = 0xffff0000;
inline constexpr QRgb Lime = 0xff00ff00;
inline constexpr QRgb Yellow = 0xffffff00;
inline constexpr QRgb Blue = 0xff0000ff;
inline constexpr QRgb Fuchsia = 0xffff00ff;
inline constexpr QRgb Aqua = 0xff00ffff;
inline constexpr QRgb White = 0xffffffff;

// palette.cpp: the standard palette as a colour table, and reduction to it.
QVector<QRgb> StandardPalette();
// Maps every pixel to the nearest palette colour (no dithering) and returns an indexed image
// with the 16-entry colour table.
QImage ToStandardPalette(const QImage &image);
