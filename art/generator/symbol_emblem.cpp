#include "symbol_emblem.h"

#include "pixelfont.h"

namespace {

struct EmblemLayout
{
    int width;
    int height;
    QPointF centre;
    double radius;
    int bandLeft;
    int bandRight;
    int bandTop;
    int bandBottom;
    int glintArm;
    const PixelFont &font;
};

void Glint(PixelGrid &grid, int cx, int cy, int arm)
{
    for (int i = -arm; i <= arm; ++i) {
        grid.set(cx + i, cy, EmblemGlint);
        grid.set(cx, cy + i, EmblemGlint);
    }
    if (arm >= 3) {
        for (int dy = -1; dy <= 1; dy += 2) {
            for (int dx = -1; dx <= 1; dx += 2) {
                grid.set(cx + dx, cy + dy, EmblemGlint);
            }
        }
    }
}

PixelGrid Emblem(const EmblemLayout &layout)
{
    PixelGrid grid(layout.width, layout.height);
    grid.fill(EllipseShape(layout.centre, layout.radius, layout.radius), EmblemCoin);
    for (int y = layout.bandTop - 1; y <= layout.bandBottom + 1; ++y) {
        for (int x = 0; x < layout.width; ++x) {
            if (grid.at(x, y) != 0) {
                grid.set(x, y, EmblemGap);
            }
        }
    }
    for (int y = layout.bandTop; y <= layout.bandBottom; ++y) {
        for (int x = layout.bandLeft; x <= layout.bandRight; ++x) {
            grid.set(x, y, EmblemBand);
        }
    }
    const QString name = QStringLiteral("KIMALLUS");
    const int textWidth = PixelTextWidth(layout.font, name);
    const int textLeft = (layout.bandLeft + layout.bandRight + 1 - textWidth) / 2;
    const int textTop = (layout.bandTop + layout.bandBottom + 1 - layout.font.height) / 2;
    DrawPixelText(grid, layout.font, name, textLeft, textTop, EmblemLettering);

    // One glint in the middle of each cap of the coin.
    const int cx = static_cast<int>(layout.centre.x());
    const int capTop = static_cast<int>(layout.centre.y() - layout.radius + 0.5);
    const int capBottom = static_cast<int>(layout.centre.y() + layout.radius - 0.5);
    Glint(grid, cx, (capTop + layout.bandTop - 2) / 2, layout.glintArm);
    Glint(grid, cx, (capBottom + layout.bandBottom + 3) / 2, layout.glintArm);
    return grid;
}

} // namespace

PixelGrid SymbolEmblem()
{
    return Emblem({ 34, 28, QPointF(16.5, 14.5), 13.4, 0, 32, 10, 18, 2, TinyCapitals() });
}

PixelGrid IconEmblem()
{
    return Emblem({ 32, 32, QPointF(15.5, 15.5), 14.4, 0, 30, 11, 19, 3, TinyCapitalsNarrow() });
}
