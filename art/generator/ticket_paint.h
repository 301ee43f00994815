#pragma once

// Small drawing helpers shared by the ticket pictures (designs, coating, start picture):
// whole-pixel shapes, a deterministic hash for textures, and fonts that must be the named ones.

#include <QFont>
#include <QImage>
#include <QString>

#include <cstdint>

namespace ticketart {

// A well-mixed 32-bit hash of a pixel position and a salt: the only source of "randomness"
// of the pictures, so that every run draws the same pixels.
std::uint32_t Hash(int x, int y, std::uint32_t salt);

// The font of exactly this family, pixel size and weight, with full hinting. Ends the program
// with a message when the family is not installed: a fallback font would change the pictures.
// A stretch below 100 asks for the family's condensed face (fonts-dejavu-extra for DejaVu).
QFont NamedFont(const QString &family, int pixelSize, int weight = QFont::Normal,
                int stretch = 100);

// Sets one pixel when it lies inside the image.
void Plot(QImage &image, int x, int y, QRgb colour);
// Fills the inclusive rectangle left..right, top..bottom (clipped to the image).
void FillSpan(QImage &image, int left, int top, int right, int bottom, QRgb colour);

// A four-pointed glint centred on pixel (cx, cy) with arms of `arm` pixels: a concave star,
// `core` at its heart, `ray` towards its tips. Whole pixels only, no blending.
void Glint(QImage &image, int cx, int cy, int arm, QRgb core, QRgb ray);

// Width in pixels of `text` in the 3 x 5 pixel capitals of DrawTinyText (one pixel between
// letters).
int TinyTextWidth(const QString &text);
// Draws `text` in 3 x 5 pixel capitals (A-Z, 0-9, a few marks) with its top-left corner at (x, y).
void DrawTinyText(QImage &image, int x, int y, const QString &text, QRgb colour);

// Linear mix of two colours, t = 0 gives a, t = 1 gives b.
QRgb Mix(QRgb a, QRgb b, double t);

} // namespace ticketart
