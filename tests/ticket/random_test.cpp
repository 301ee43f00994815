#include "ticket/random.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

namespace {

Clock FixedClock(std::time_t second)
{
    return [second] { return second; };
}

// A fresh generator is in the start state, the state of seed 1, and both kinds of draw come
// from that one state.
TEST(Generator, StartsInTheStateOfSeedOne)
{
    Generator fresh;
    Generator seeded(7);
    seeded.Seed(1);
    EXPECT_EQ(fresh, seeded);
    for (int i = 0; i < 100; ++i) {
        EXPECT_EQ(fresh.Draw31(), seeded.Draw31());
        EXPECT_EQ(fresh.Draw15(), seeded.Draw15());
    }
}

// Pins the recurrence: a change to it would change every ticket and every default name.
TEST(Generator, GoldenOutputsOfTheStartState)
{
    Generator generator;
    const std::array<std::int32_t, 4> draws31 = { generator.Draw31(), generator.Draw31(),
                                                  generator.Draw31(), generator.Draw31() };
    const std::array<std::int32_t, 4> draws15 = { generator.Draw15(), generator.Draw15(),
                                                  generator.Draw15(), generator.Draw15() };
    EXPECT_EQ(draws31,
              (std::array<std::int32_t, 4> { 2133509031, 22537711, 628533910, 2087206536 }));
    EXPECT_EQ(draws15, (std::array<std::int32_t, 4> { 23816, 29506, 19783, 11919 }));
}

// Both kinds of draw advance the same state by one step: a mix of kinds after a seeding
// depends on the seed alone, and a 15-bit draw is not a separate stream.
TEST(Generator, BothKindsOfDrawShareOneState)
{
    Generator a(12345);
    Generator b(12345);
    a.Draw15();
    b.Draw31();
    EXPECT_EQ(a, b);
    EXPECT_EQ(a.Draw31(), b.Draw31());
}

TEST(Generator, DrawsStayInTheirRanges)
{
    Generator generator(99);
    for (int i = 0; i < 100000; ++i) {
        const std::int32_t d15 = generator.Draw15();
        const std::int32_t d31 = generator.Draw31();
        ASSERT_GE(d15, 0);
        ASSERT_LE(d15, 32767);
        ASSERT_GE(d31, 0);
    }
}

// Every output bit is a fair coin, and the lowest bit of a 31-bit draw (the ticket's design)
// does not repeat its predecessor more often than chance.
TEST(Generator, EveryOutputBitIsBalanced)
{
    constexpr int Draws = 1 << 20;
    Generator generator(2026);
    std::array<int, 31> ones31 {};
    std::array<int, 15> ones15 {};
    int lowBitRepeats = 0;
    int previousLowBit = -1;
    for (int i = 0; i < Draws; ++i) {
        const std::int32_t d31 = generator.Draw31();
        const std::int32_t d15 = generator.Draw15();
        for (int bit = 0; bit < 31; ++bit) {
            ones31[bit] += (d31 >> bit) & 1;
        }
        for (int bit = 0; bit < 15; ++bit) {
            ones15[bit] += (d15 >> bit) & 1;
        }
        lowBitRepeats += (d31 & 1) == previousLowBit ? 1 : 0;
        previousLowBit = d31 & 1;
    }
    // Six standard deviations of a binomial count around its mean.
    const double limit = 6 * std::sqrt(Draws * 0.25);
    for (int bit = 0; bit < 31; ++bit) {
        EXPECT_NEAR(ones31[bit], Draws / 2.0, limit) << "31-bit draw, bit " << bit;
    }
    for (int bit = 0; bit < 15; ++bit) {
        EXPECT_NEAR(ones15[bit], Draws / 2.0, limit) << "15-bit draw, bit " << bit;
    }
    EXPECT_NEAR(lowBitRepeats, Draws / 2.0, limit);
}

TEST(RandomBelow, ZeroReturnsZeroWithoutADraw)
{
    Generator generator(5);
    const Generator before = generator;
    EXPECT_EQ(RandomBelow(generator, 0), 0);
    EXPECT_EQ(generator, before);
}

TEST(RandomBelow, IsOneThirtyOneBitDrawModuloN)
{
    for (const std::int32_t n : { 1, 2, 3, 5, 7, 10, 16, 19 }) {
        Generator generator(n);
        Generator reference(n);
        for (int i = 0; i < 1000; ++i) {
            ASSERT_EQ(RandomBelow(generator, n), reference.Draw31() % n) << "n = " << n;
        }
    }
}

// The seed is the clock's second cut to 32 bits: the same second gives the same draws, and
// seconds that differ only above bit 31 seed alike.
TEST(Reseed, SeedsFromTheClockSecond)
{
    Generator a;
    Generator b(77);
    Reseed(a, FixedClock(1700000000));
    Reseed(b, FixedClock(1700000000));
    EXPECT_EQ(a, b);

    Generator wide;
    Reseed(wide, FixedClock(static_cast<std::time_t>((1LL << 32) + 5)));
    EXPECT_EQ(wide, Generator(5));

    Generator next;
    Reseed(next, FixedClock(1700000001));
    EXPECT_NE(next.Draw31(), a.Draw31());
}

TEST(Reseed, TheGameClockCanBeReplacedAndRestored)
{
    SetGameClock(FixedClock(42));
    Reseed();
    EXPECT_EQ(GameRandom(), Generator(42));
    SetGameClock({});
    EXPECT_FALSE(GameClock());
    GameRandom().Seed(Generator::StartSeed);
}

} // namespace
