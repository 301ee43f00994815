#pragma once

#include "platform/image_list.h"
#include "ticket/draw.h"
#include "ticket/random.h"
#include "ticket/slots.h"

#include <QImage>
#include <QRect>

#include <array>
#include <functional>

// The picture side of a ticket: the image lists of the main window and what is drawn with them.
struct TicketImageLists
{
    // The ten symbols; only each image's mask is drawn, in black.
    platform::ImageList ilKuvat { SymbolWidth, SymbolHeight };
    // The two ticket designs, drawn through their masks.
    platform::ImageList ilBigpics { TicketWidth, TicketHeight };
    // The coating, drawn through its mask.
    platform::ImageList ilBigpics2 { TicketWidth, TicketHeight };

    TicketImageLists();
    // Fills the lists from the game's pictures; throws platform::Error when one cannot be read.
    void Load();
};

// Composes a new ticket: writes the slot table, draws design into both pictures, the coating
// over the visible one, calls showVisible (which puts the covered ticket on the screen), and then
// stamps the ten symbols in black onto the base picture. Takes no random draws.
// Preconditions: design is 0 or 1, every symbol 0 to 9, both pictures 250 x 450.
void ComposeTicket(const TicketImageLists &lists, int design,
                   const std::array<std::int32_t, SlotCount> &symbols, SymbolSlotTable &slotTable,
                   QImage &visible, QImage &base, const std::function<void()> &showVisible);

// The brush: 57 offsets, dx and dy each -4 to 4 with |dx| + |dy| at most 5.
inline constexpr int BrushReach = 4;

// Applies the brush at (x, y): for every brush pixel inside the picture, in the order dx outer,
// dy inner, one RandomBelow(3) decides, and on 1 or 2 the base pixel is copied onto the visible
// one. Returns the rectangle that may have changed (empty when the brush missed the picture).
QRect ApplyBrush(QImage &visible, const QImage &base, int x, int y, Generator &generator);
