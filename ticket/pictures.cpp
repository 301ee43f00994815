#include "ticket/pictures.h"

#include "art/art.h"

#include <cstdlib>

TicketImageLists::TicketImageLists()
{
    ilKuvat.drawingStyle = platform::DrawingStyle::dsTransparent;
    ilKuvat.imageType = platform::ImageType::itMask;
}

void TicketImageLists::Load()
{
    for (int symbol = 0; symbol < art::SymbolCount; ++symbol) {
        ilKuvat.AddFromFile(art::SymbolPicture(symbol));
    }
    for (int design = 0; design < art::DesignCount; ++design) {
        ilBigpics.AddFromFile(art::DesignPicture(design));
    }
    ilBigpics2.AddFromFile(art::CoatingPicture);
}

void ComposeTicket(const TicketImageLists &lists, int design,
                   const std::array<std::int32_t, SlotCount> &symbols, SymbolSlotTable &slotTable,
                   QImage &visible, QImage &base, const std::function<void()> &showVisible)
{
    for (int slot = 0; slot < SlotCount; ++slot) {
        slotTable[slot].x = SlotPositions[slot].x;
        slotTable[slot].y = SlotPositions[slot].y;
    }
    for (int slot = 0; slot < SlotCount; ++slot) {
        slotTable[slot].symbol = symbols[slot];
    }
    lists.ilBigpics.Draw(base, 0, 0, design);
    lists.ilBigpics.Draw(visible, 0, 0, design);
    lists.ilBigpics2.Draw(visible, 0, 0, 0);
    if (showVisible) {
        showVisible();
    }
    for (const SymbolSlot &slot : slotTable) {
        lists.ilKuvat.Draw(base, slot.x, slot.y, slot.symbol);
    }
}

QRect ApplyBrush(QImage &visible, const QImage &base, int x, int y, Generator &generator)
{
    const int width = visible.width();
    const int height = visible.height();
    QRect changed;
    for (int dx = -BrushReach; dx <= BrushReach; ++dx) {
        for (int dy = -BrushReach; dy <= BrushReach; ++dy) {
            if (std::abs(dx) + std::abs(dy) >= 6) {
                continue;
            }
            const int px = x + dx;
            const int py = y + dy;
            if (px < 0 || py < 0 || px >= width || py >= height) {
                continue;
            }
            if (RandomBelow(generator, 3) == 0) {
                continue;
            }
            visible.setPixel(px, py, base.pixel(px, py));
            changed |= QRect(px, py, 1, 1);
        }
    }
    return changed;
}
