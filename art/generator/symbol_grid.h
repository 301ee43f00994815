#pragma once

#include <QImage>
#include <QPointF>

#include <functional>
#include <vector>

// A small grid of inks for pixel art: 0 is transparent, any other value an ink that the
// caller maps to a colour. Shapes are filled by testing each pixel's centre, so straight and
// 45-degree edges come out as clean pixel steps.
class PixelGrid
{
public:
    PixelGrid(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    // 0 outside the grid.
    int at(int x, int y) const;
    // Ignored outside the grid.
    void set(int x, int y, int ink);
    // Sets every pixel whose centre (x + 0.5, y + 0.5) satisfies inside.
    void fill(const std::function<bool(double, double)> &inside, int ink);
    // Sets every pixel that is set in mask (at the same place) to ink.
    void paintWhere(const PixelGrid &mask, int ink);
    // Every pixel becomes colours(ink); ink 0 becomes transparent.
    QImage toImage(const std::function<QRgb(int)> &colours) const;

private:
    int width_;
    int height_;
    std::vector<int> inks_;
};

// Shape tests on continuous coordinates (pixel centres lie at half-integers).
// A convex polygon given clockwise on screen (y down), shrunk by inset on every edge.
std::function<bool(double, double)> ConvexShape(std::vector<QPointF> corners, double inset = 0);
// An ellipse (a circle when rx == ry).
std::function<bool(double, double)> EllipseShape(QPointF centre, double rx, double ry);
// Any simple polygon, by the even-odd rule.
std::function<bool(double, double)> PolygonShape(std::vector<QPointF> corners);
