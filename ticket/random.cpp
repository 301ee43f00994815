#include "ticket/random.h"

#include <utility>

namespace {

constexpr std::uint64_t Multiplier = 6364136223846793005ULL;
constexpr std::uint64_t Increment = 1442695040888963407ULL;

// SplitMix64 spreads the 32-bit seed over the whole 64-bit state, so that nearby seeds
// (consecutive clock seconds) start far apart.
std::uint64_t SplitMix64(std::uint64_t x)
{
    x += 0x9e3779b97f4a7c15ULL;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}

Clock &CurrentClock()
{
    static Clock clock;
    return clock;
}

} // namespace

void Generator::Seed(std::uint32_t seed)
{
    state_ = SplitMix64(seed);
    Next();
}

std::uint32_t Generator::Next()
{
    const std::uint64_t old = state_;
    state_ = old * Multiplier + Increment;
    const auto xorShifted = static_cast<std::uint32_t>(((old >> 18U) ^ old) >> 27U);
    const auto rotation = static_cast<std::uint32_t>(old >> 59U);
    return (xorShifted >> rotation) | (xorShifted << ((32U - rotation) & 31U));
}

std::int32_t Generator::Draw15()
{
    return static_cast<std::int32_t>(Next() >> 17U);
}

std::int32_t Generator::Draw31()
{
    return static_cast<std::int32_t>(Next() >> 1U);
}

std::int32_t RandomBelow(Generator &generator, std::int32_t n)
{
    if (n <= 0) {
        return 0;
    }
    return generator.Draw31() % n;
}

void Reseed(Generator &generator, const Clock &clock)
{
    const std::time_t now = clock ? clock() : std::time(nullptr);
    generator.Seed(static_cast<std::uint32_t>(static_cast<std::uint64_t>(now)));
}

Generator &GameRandom()
{
    static Generator generator;
    return generator;
}

std::int32_t RandomBelow(std::int32_t n)
{
    return RandomBelow(GameRandom(), n);
}

void Reseed()
{
    Reseed(GameRandom(), CurrentClock());
}

const Clock &GameClock()
{
    return CurrentClock();
}

void SetGameClock(Clock clock)
{
    CurrentClock() = std::move(clock);
}
