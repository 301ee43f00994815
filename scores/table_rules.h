#pragma once

#include "scores/highscore_table.h"
#include "ticket/random.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The five default names, as Windows-1252 bytes (0xE4 is "ä").
inline constexpr std::array<std::string_view, 5> DefaultNames = { "Mummeli", "Paappa",
                                                                  "El\xE4kel\xE4inen", "Mummo",
                                                                  "Ukkeli" };

// Gives places firstPlace to 9, in place order, a default entry: the buffer filled with spaces,
// then default name RandomBelow(5) with its zero over its start, and the sum 0.
// Precondition: 0 <= firstPlace <= PlaceCount.
void FillDefaults(HighscoreTable &table, Generator &generator, int firstPlace = 0);

// Enters a redeemed win: when win is at least 1 and not below the sum of place 9, it goes above
// every entry with a sum equal to it, the places below move down one (all 20 name bytes with
// them), place 9 drops out, and the new place gets the sum but keeps its old name bytes.
// Returns the new place, or -1 when the win does not qualify and the table is unchanged.
int InsertWin(HighscoreTable &table, std::int32_t win);

// Writes name and its terminating zero over the start of buffer, cut to MaxNameLength bytes
// (a zero inside name ends it there); the bytes after the zero stay as they were.
void WriteName(NameBuffer &buffer, std::string_view name);

// The name up to its terminating zero, or all 20 bytes when the buffer holds no zero.
std::string_view NameOf(const NameBuffer &buffer);

// A sum as the game shows it, "%limk": the decimal digits, a minus sign when negative, no
// grouping, "mk" directly after the digits.
std::string SumText(std::int32_t sum);
