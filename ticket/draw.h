#pragma once

#include "ticket/random.h"
#include "ticket/slots.h"

#include <array>
#include <cstdint>

// Symbol numbers: 0 is the double symbol, 1 to 9 the prize symbols.
inline constexpr int SymbolCount = 10;
inline constexpr int DoubleSymbol = 0;
inline constexpr std::array<std::int32_t, SymbolCount> SymbolValue = { 0,      20,    30,   50,
                                                                       100,    200,   1000, 10000,
                                                                       100000, 350000 };

// The draw value: three 15-bit draws h, x, l give h * 65536 + l, which is reduced into
// 0 to 3000000; values below 601185 win by the prize table.
inline constexpr std::uint32_t DrawValueRange = 3000000;

std::uint32_t RawDrawValue(std::int32_t h, std::int32_t l);
// Subtracts 3000000 while the value is above it: a value above 3000000 never becomes 0.
std::uint32_t ReduceDrawValue(std::uint32_t raw);

struct PrizeFace
{
    std::int32_t symbol; // the winning symbol s, 1 to 9
    bool doubled; // the double symbol joins the three
};

struct PrizeRow
{
    std::uint32_t bound; // the row owns the values from the previous bound up to bound - 1
    std::int32_t win;
    bool takesCoin; // the face is chosen by one more RandomBelow(2)
    PrizeFace face; // the face, or the face for a coin of 1
    PrizeFace faceForCoinZero; // used only when takesCoin
};

inline constexpr int PrizeRowCount = 11;
extern const std::array<PrizeRow, PrizeRowCount> PrizeTable;

// The index of the first row whose bound is above v, or -1 when v loses.
int PrizeRowIndex(std::uint32_t v);

struct TicketDraw
{
    std::int32_t design = 0; // 0 or 1
    std::int32_t win = 0; // 0 for a loss, else the win in marks
    std::array<std::int32_t, SlotCount> symbols {}; // slot 0 first
};

// The whole draw of one ticket, its generator calls in this order: the design, the reseed from
// the clock, three 15-bit draws, a coin for the rows that take one, then the shuffles.
TicketDraw DrawTicket(Generator &generator, const Clock &clock);

// The win of the ticket bought last: 0 before the first ticket and for a loss, the win in marks,
// or -1 once it has been redeemed.
extern std::int32_t TicketWin;
// The slots of the ticket bought last; all zeros before the first ticket.
extern SymbolSlotTable SymbolSlots;
