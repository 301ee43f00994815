// The program icon (the emblem in colour) and the copyright icon, as 32 x 32 pixel art in
// colours of the standard 16-colour palette.
#include "artgen.h"
#include "symbol_emblem.h"
#include "symbol_grid.h"

#include <cmath>

namespace {

bool Solid(const PixelGrid &grid, int x, int y)
{
    return grid.at(x, y) != 0;
}

} // namespace

QImage DrawProgramIcon()
{
    const PixelGrid emblem = IconEmblem();
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const double cx = 15.5;
    const double cy = 15.5;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const int ink = emblem.at(x, y);
            if (ink == 0) {
                continue;
            }
            const bool rim = !Solid(emblem, x - 1, y) || !Solid(emblem, x + 1, y)
                || !Solid(emblem, x, y - 1) || !Solid(emblem, x, y + 1);
            QRgb colour = Black;
            switch (ink) {
            case EmblemCoin: {
                // Gold, shaded towards the lower right, with a darker ring just inside the rim.
                const double dx = x + 0.5 - cx;
                const double dy = y + 0.5 - cy;
                const double distance = std::hypot(dx, dy);
                if (rim) {
                    colour = Black;
                } else if (distance > 12.6 && dx + dy > 0) {
                    colour = Olive;
                } else if (distance > 12.6) {
                    colour = White;
                } else {
                    colour = Yellow;
                }
                break;
            }
            case EmblemBand:
                colour = rim || y == 11 || y == 19 ? Black : Navy;
                break;
            case EmblemLettering:
                colour = White;
                break;
            case EmblemGlint:
                colour = White;
                break;
            default:
                colour = Black;
                break;
            }
            image.setPixel(x, y, colour);
        }
    }
    return image;
}

QImage DrawCopyrightIcon()
{
    // A ring and a C, each two pixels wide, drawn black with a white edge below and to the
    // right, so that they look pressed into the grey square.
    PixelGrid shape(32, 32);
    const QPointF centre(16, 16);
    const auto ring = [&](double outer, double inner) {
        return [=](double x, double y) {
            const double d = std::hypot(x - centre.x(), y - centre.y());
            return d <= outer && d > inner;
        };
    };
    shape.fill(ring(14, 12), 1);
    const auto letter = ring(8, 6);
    shape.fill(
        [&](double x, double y) {
            // The C opens to the right, between about -40 and +40 degrees.
            const double angle = std::atan2(y - centre.y(), x - centre.x());
            return letter(x, y) && std::abs(angle) > 0.75;
        },
        1);

    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(Silver);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            if (shape.at(x, y) != 0) {
                image.setPixel(x, y, Black);
            } else if (shape.at(x - 1, y - 1) != 0) {
                image.setPixel(x, y, White);
            }
        }
    }
    // A one-pixel raised edge around the square.
    for (int i = 0; i < 32; ++i) {
        image.setPixel(i, 0, White);
        image.setPixel(0, i, White);
        image.setPixel(i, 31, Grey);
        image.setPixel(31, i, Grey);
    }
    return ToStandardPalette(image);
}
