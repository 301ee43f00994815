#include "symbol_grid.h"

#include <cmath>
#include <utility>

PixelGrid::PixelGrid(int width, int height)
    : width_(width)
    , height_(height)
    , inks_(static_cast<std::size_t>(width * height), 0)
{ }

int PixelGrid::at(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return 0;
    }
    return inks_[static_cast<std::size_t>(y * width_ + x)];
}

void PixelGrid::set(int x, int y, int ink)
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return;
    }
    inks_[static_cast<std::size_t>(y * width_ + x)] = ink;
}

void PixelGrid::fill(const std::function<bool(double, double)> &inside, int ink)
{
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (inside(x + 0.5, y + 0.5)) {
                set(x, y, ink);
            }
        }
    }
}

void PixelGrid::paintWhere(const PixelGrid &mask, int ink)
{
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (mask.at(x, y) != 0) {
                set(x, y, ink);
            }
        }
    }
}

QImage PixelGrid::toImage(const std::function<QRgb(int)> &colours) const
{
    QImage image(width_, height_, QImage::Format_ARGB32);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const int ink = at(x, y);
            image.setPixel(x, y, ink == 0 ? 0u : (colours(ink) | 0xff000000u));
        }
    }
    return image;
}

std::function<bool(double, double)> ConvexShape(std::vector<QPointF> corners, double inset)
{
    return [corners = std::move(corners), inset](double x, double y) {
        for (std::size_t i = 0; i < corners.size(); ++i) {
            const QPointF a = corners[i];
            const QPointF b = corners[(i + 1) % corners.size()];
            const double dx = b.x() - a.x();
            const double dy = b.y() - a.y();
            // Clockwise on screen: the inside lies to the right of each edge.
            const double distance = (dx * (y - a.y()) - dy * (x - a.x())) / std::hypot(dx, dy);
            if (distance < inset) {
                return false;
            }
        }
        return true;
    };
}

std::function<bool(double, double)> EllipseShape(QPointF centre, double rx, double ry)
{
    return [centre, rx, ry](double x, double y) {
        const double u = (x - centre.x()) / rx;
        const double v = (y - centre.y()) / ry;
        return u * u + v * v <= 1.0;
    };
}

std::function<bool(double, double)> PolygonShape(std::vector<QPointF> corners)
{
    return [corners = std::move(corners)](double x, double y) {
        bool inside = false;
        for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
            const QPointF a = corners[i];
            const QPointF b = corners[j];
            if ((a.y() > y) != (b.y() > y)
                && x < (b.x() - a.x()) * (y - a.y()) / (b.y() - a.y()) + a.x()) {
                inside = !inside;
            }
        }
        return inside;
    };
}
