#include "ticket/draw.h"

#include <utility>

std::int32_t TicketWin = 0;
SymbolSlotTable SymbolSlots {};

const std::array<PrizeRow, PrizeRowCount> PrizeTable = { {
    { 3, 350000, false, { 9, false }, { 9, false } },
    { 15, 100000, false, { 8, false }, { 8, false } },
    { 135, 10000, false, { 7, false }, { 7, false } },
    { 1185, 1000, false, { 6, false }, { 6, false } },
    { 8685, 200, true, { 5, false }, { 4, true } },
    { 31185, 100, true, { 4, false }, { 3, true } },
    { 68685, 60, false, { 2, true }, { 2, true } },
    { 143685, 50, false, { 3, false }, { 3, false } },
    { 218685, 40, false, { 1, true }, { 1, true } },
    { 368685, 30, false, { 2, false }, { 2, false } },
    { 601185, 20, false, { 1, false }, { 1, false } },
} };

std::uint32_t RawDrawValue(std::int32_t h, std::int32_t l)
{
    return static_cast<std::uint32_t>(h) * 65536U + static_cast<std::uint32_t>(l);
}

std::uint32_t ReduceDrawValue(std::uint32_t raw)
{
    if (raw <= DrawValueRange) {
        return raw;
    }
    // The same as subtracting 3000000 until the value is at most 3000000.
    return (raw - 1U) % DrawValueRange + 1U;
}

int PrizeRowIndex(std::uint32_t v)
{
    for (int row = 0; row < PrizeRowCount; ++row) {
        if (v < PrizeTable[row].bound) {
            return row;
        }
    }
    return -1;
}

namespace {

using Pool = std::array<std::int32_t, 19>;

void Exchange(Pool &pool, std::int32_t i, std::int32_t j)
{
    std::swap(pool[i], pool[j]);
}

// rounds exchanges of two positions drawn from first .. first + count - 1, the first index
// of each exchange drawn before the second.
void Shuffle(Generator &generator, Pool &pool, int rounds, std::int32_t first, std::int32_t count)
{
    for (int round = 0; round < rounds; ++round) {
        const std::int32_t i = RandomBelow(generator, count) + first;
        const std::int32_t j = RandomBelow(generator, count) + first;
        Exchange(pool, i, j);
    }
}

} // namespace

TicketDraw DrawTicket(Generator &generator, const Clock &clock)
{
    TicketDraw draw;
    draw.design = RandomBelow(generator, 2);

    // Two of each prize symbol; position 18 is filled below.
    Pool pool {};
    for (std::int32_t q = 0; q < 18; ++q) {
        pool[q] = q / 2 + 1;
    }

    Reseed(generator, clock);
    const std::int32_t h = generator.Draw15();
    generator.Draw15(); // drawn and discarded
    const std::int32_t l = generator.Draw15();
    const std::uint32_t v = ReduceDrawValue(RawDrawValue(h, l));

    const int row = PrizeRowIndex(v);
    if (row < 0) {
        draw.win = 0;
        pool[18] = DoubleSymbol;
        Shuffle(generator, pool, 250, 0, 19);
    } else {
        const PrizeRow &prize = PrizeTable[row];
        PrizeFace face = prize.face;
        if (prize.takesCoin && RandomBelow(generator, 2) == 0) {
            face = prize.faceForCoinZero;
        }
        draw.win = prize.win;
        const std::int32_t s = face.symbol;
        pool[18] = s;
        // Bring the pair of s to the front and the third s to position 2.
        Exchange(pool, 0, 2 * s - 2);
        Exchange(pool, 1, 2 * s - 1);
        Exchange(pool, 2, 18);
        Shuffle(generator, pool, 70, 3, 16);
        if (face.doubled) {
            pool[RandomBelow(generator, 7) + 3] = DoubleSymbol;
        }
        Shuffle(generator, pool, 50, 0, 10);
    }

    for (int slot = 0; slot < SlotCount; ++slot) {
        draw.symbols[slot] = pool[slot];
    }
    return draw;
}
