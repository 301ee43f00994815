#pragma once

#include <array>
#include <cstdint>

// The ten symbol slots of a ticket. The positions are fixed by the artwork: every slot's
// 34 x 28 cell lies under its own marker of the coating and on the scratch field of both designs.

inline constexpr int SlotCount = 10;
inline constexpr int SymbolWidth = 34;
inline constexpr int SymbolHeight = 28;
inline constexpr int TicketWidth = 250;
inline constexpr int TicketHeight = 450;

struct SlotPosition
{
    std::int32_t x;
    std::int32_t y;
};

// Top-left corner of each slot's cell, in ticket pixels, slot 0 first.
inline constexpr std::array<SlotPosition, SlotCount> SlotPositions = { {
    { 68, 112 },
    { 42, 150 },
    { 43, 182 },
    { 98, 164 },
    { 122, 129 },
    { 152, 170 },
    { 115, 221 },
    { 165, 202 },
    { 142, 255 },
    { 129, 293 },
} };

struct SymbolSlot
{
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t symbol = 0;
};

using SymbolSlotTable = std::array<SymbolSlot, SlotCount>;
