#pragma once

#include <array>
#include <cstdint>

// The high-score table: ten places, place 0 the best, each a 20-byte name buffer (a
// zero-terminated Windows-1252 string of at most 19 bytes; the bytes after the zero travel with
// it) and a signed sum in marks. The sums stay non-increasing from place 0 down.
inline constexpr int PlaceCount = 10;
inline constexpr int NameBufferSize = 20;
inline constexpr int MaxNameLength = NameBufferSize - 1;

using NameBuffer = std::array<char, NameBufferSize>;

struct HighscoreTable
{
    std::array<NameBuffer, PlaceCount> HighscoreNames {};
    std::array<std::int32_t, PlaceCount> HighscorePoints {};

    bool operator==(const HighscoreTable &) const = default;
};
