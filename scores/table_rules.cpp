#include "scores/table_rules.h"

#include <algorithm>
#include <cstring>

void FillDefaults(HighscoreTable &table, Generator &generator, int firstPlace)
{
    for (int place = firstPlace; place < PlaceCount; ++place) {
        NameBuffer &buffer = table.HighscoreNames[place];
        buffer.fill(' ');
        const std::string_view name =
            DefaultNames[RandomBelow(generator, static_cast<std::int32_t>(DefaultNames.size()))];
        std::copy(name.begin(), name.end(), buffer.begin());
        buffer[name.size()] = '\0';
        table.HighscorePoints[place] = 0;
    }
}

int InsertWin(HighscoreTable &table, std::int32_t win)
{
    if (win < 1 || win < table.HighscorePoints[PlaceCount - 1]) {
        return -1;
    }
    int place = PlaceCount - 1;
    while (place > 0 && table.HighscorePoints[place - 1] <= win) {
        --place;
    }
    for (int i = PlaceCount - 1; i > place; --i) {
        table.HighscorePoints[i] = table.HighscorePoints[i - 1];
        table.HighscoreNames[i] = table.HighscoreNames[i - 1];
    }
    table.HighscorePoints[place] = win;
    return place;
}

void WriteName(NameBuffer &buffer, std::string_view name)
{
    name = name.substr(0, std::min(name.find('\0'), std::size_t(MaxNameLength)));
    std::copy(name.begin(), name.end(), buffer.begin());
    buffer[name.size()] = '\0';
}

std::string_view NameOf(const NameBuffer &buffer)
{
    return std::string_view(buffer.data(), strnlen(buffer.data(), buffer.size()));
}

std::string SumText(std::int32_t sum)
{
    return std::to_string(sum) + "mk";
}
