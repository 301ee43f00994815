#pragma once

#include <cstdint>
#include <ctime>
#include <functional>

// The game's one pseudo-random generator: a PCG32 (XSH-RR) with a 64-bit state. A 31-bit draw is
// the output's top 31 bits, a 15-bit draw its top 15 bits; both kinds advance the same state by
// one step. PCG's output is of good quality in every bit, so the lowest bit of a 31-bit draw
// (the ticket design) is as good a coin as any other.
class Generator
{
public:
    // The state that seeding with 1 gives; every run starts from it.
    static constexpr std::uint32_t StartSeed = 1;

    Generator() { Seed(StartSeed); }
    explicit Generator(std::uint32_t seed) { Seed(seed); }

    // Sets the whole state from the seed: the draws that follow depend on the seed alone.
    void Seed(std::uint32_t seed);

    std::int32_t Draw15(); // 0 to 32767
    std::int32_t Draw31(); // 0 to 2^31 - 1

    bool operator==(const Generator &) const = default;

private:
    std::uint32_t Next();

    std::uint64_t state_ = 0;
};

using Clock = std::function<std::time_t()>;

// One 31-bit draw modulo n for n > 0 (0 to n - 1). For n <= 0 it returns 0 and takes no draw.
std::int32_t RandomBelow(Generator &generator, std::int32_t n);

// Seeds from the clock's calendar time in whole seconds, cut to its low 32 bits.
void Reseed(Generator &generator, const Clock &clock);

// The process-wide generator and clock that the game's handlers use.
Generator &GameRandom();
std::int32_t RandomBelow(std::int32_t n);
// Seeds the process-wide generator from the game clock (time() unless a test set another).
void Reseed();
const Clock &GameClock();
// Replaces the game clock; an empty clock restores time().
void SetGameClock(Clock clock);
