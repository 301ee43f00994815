// The table's rules: the insertion of a redeemed win, the default entries, writing a name.
#include "scores/table_rules.h"
#include "table_test_support.h"

#include <gtest/gtest.h>

namespace {

using Sums = std::array<std::int32_t, PlaceCount>;
// For each place of the expected table, the place of the starting table whose name it holds.
using NameSources = std::array<int, PlaceCount>;

struct InsertCase
{
    const char *what;
    Sums before;
    std::int32_t win;
    int place; // -1: the table stays as it was
    Sums after;
    NameSources names;
};

const InsertCase InsertCases[] = {
    { "zeros: the first win goes to place 0, the old place 0 name stands twice",
      { 0, 0, 0, 0, 0, 0, 0, 0, 0, 0 },
      20,
      0,
      { 20, 0, 0, 0, 0, 0, 0, 0, 0, 0 },
      { 0, 0, 1, 2, 3, 4, 5, 6, 7, 8 } },
    { "a win equal to places 8 and 9 goes above both",
      { 1000, 200, 100, 100, 50, 50, 40, 30, 20, 20 },
      20,
      8,
      { 1000, 200, 100, 100, 50, 50, 40, 30, 20, 20 },
      { 0, 1, 2, 3, 4, 5, 6, 7, 8, 8 } },
    { "a win equal to place 0 goes above it",
      { 500, 400, 300, 200, 100, 90, 80, 70, 60, 50 },
      500,
      0,
      { 500, 500, 400, 300, 200, 100, 90, 80, 70, 60 },
      { 0, 0, 1, 2, 3, 4, 5, 6, 7, 8 } },
    { "a win in the middle goes above every equal sum",
      { 500, 400, 300, 300, 300, 90, 80, 70, 60, 50 },
      300,
      2,
      { 500, 400, 300, 300, 300, 300, 90, 80, 70, 60 },
      { 0, 1, 2, 2, 3, 4, 5, 6, 7, 8 } },
    { "a win equal to place 9 alone replaces it and keeps its name",
      { 500, 400, 300, 200, 100, 90, 80, 70, 60, 50 },
      50,
      9,
      { 500, 400, 300, 200, 100, 90, 80, 70, 60, 50 },
      { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9 } },
    { "a win below place 9 changes nothing",
      { 500, 400, 300, 200, 100, 90, 80, 70, 60, 50 },
      49,
      -1,
      { 500, 400, 300, 200, 100, 90, 80, 70, 60, 50 },
      { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9 } },
    { "a win of 0 never enters, even above negative sums",
      { -5, -5, -5, -5, -5, -5, -5, -5, -5, -5 },
      0,
      -1,
      { -5, -5, -5, -5, -5, -5, -5, -5, -5, -5 },
      { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9 } },
    { "a win of 1 goes above negative sums",
      { 10, -5, -5, -5, -5, -5, -5, -5, -5, -5 },
      1,
      1,
      { 10, 1, -5, -5, -5, -5, -5, -5, -5, -5 },
      { 0, 1, 1, 2, 3, 4, 5, 6, 7, 8 } },
};

TEST(InsertWin, PlacesAndShiftsAsTheRulesSay)
{
    for (const InsertCase &c : InsertCases) {
        SCOPED_TRACE(c.what);
        const HighscoreTable before = NumberedTable(c.before);
        HighscoreTable table = before;
        EXPECT_EQ(InsertWin(table, c.win), c.place);
        HighscoreTable expected = NumberedTable(c.after);
        for (int place = 0; place < PlaceCount; ++place) {
            expected.HighscoreNames[place] = before.HighscoreNames[c.names[place]];
        }
        EXPECT_EQ(table, expected);
    }
}

TEST(FillDefaults, DrawsOneNamePerPlaceInOrderOverSpaces)
{
    const std::string_view names[] = { "Mummeli", "Paappa", "El\xE4kel\xE4inen", "Mummo",
                                       "Ukkeli" };
    Generator generator;
    Generator expectedDraws = generator;
    HighscoreTable table = NumberedTable({ 9, 8, 7, 6, 5, 4, 3, 2, 1, 0 });
    FillDefaults(table, generator);
    for (int place = 0; place < PlaceCount; ++place) {
        SCOPED_TRACE(place);
        NameBuffer expected;
        expected.fill(' ');
        const std::string_view name = names[RandomBelow(expectedDraws, 5)];
        name.copy(expected.data(), name.size());
        expected[name.size()] = '\0';
        EXPECT_EQ(table.HighscoreNames[place], expected);
        EXPECT_EQ(table.HighscorePoints[place], 0);
    }
    EXPECT_EQ(generator, expectedDraws) << "exactly ten draws";
}

TEST(FillDefaults, FromAPlaceOnLeavesThePlacesAbove)
{
    Generator generator;
    Generator expectedDraws = generator;
    const HighscoreTable before = NumberedTable({ 9, 8, 7, 6, 5, 4, 3, 2, 1, 0 });
    HighscoreTable table = before;
    FillDefaults(table, generator, 7);
    for (int place = 0; place < 7; ++place) {
        EXPECT_EQ(table.HighscoreNames[place], before.HighscoreNames[place]);
        EXPECT_EQ(table.HighscorePoints[place], before.HighscorePoints[place]);
    }
    for (int i = 0; i < 3; ++i) {
        RandomBelow(expectedDraws, 5);
    }
    EXPECT_EQ(generator, expectedDraws);
}

TEST(WriteName, WritesAtMostNineteenBytesAndAZeroOverTheStart)
{
    struct Case
    {
        const char *what;
        std::string_view name;
        std::string_view stored; // the bytes before the zero
    };
    const Case cases[] = {
        { "short", "Ville", "Ville" },
        { "empty", "", "" },
        { "exactly nineteen", "1234567890123456789", "1234567890123456789" },
        { "longer, cut", "12345678901234567890123", "1234567890123456789" },
        { "a zero inside ends it", std::string_view("ab\0cd", 5), "ab" },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        NameBuffer buffer;
        buffer.fill('#');
        WriteName(buffer, c.name);
        NameBuffer expected;
        expected.fill('#');
        c.stored.copy(expected.data(), c.stored.size());
        expected[c.stored.size()] = '\0';
        EXPECT_EQ(buffer, expected) << "the bytes after the zero stay";
        EXPECT_EQ(NameOf(buffer), c.stored);
    }
}

TEST(SumText, DigitsWithoutGroupingThenMk)
{
    EXPECT_EQ(SumText(350000), "350000mk");
    EXPECT_EQ(SumText(0), "0mk");
    EXPECT_EQ(SumText(-2147483647 - 1), "-2147483648mk");
}

} // namespace
