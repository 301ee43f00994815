#pragma once

#include "scores/highscore_table.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// A table whose place i holds the name "name<i>" (with bytes after its zero, so that a test sees
// whole buffers move) and the sum sums[i].
inline HighscoreTable NumberedTable(const std::array<std::int32_t, PlaceCount> &sums)
{
    HighscoreTable table;
    for (int place = 0; place < PlaceCount; ++place) {
        NameBuffer &name = table.HighscoreNames[place];
        name.fill(static_cast<char>('a' + place));
        const std::string text = "name" + std::to_string(place);
        text.copy(name.data(), text.size());
        name[text.size()] = '\0';
        table.HighscorePoints[place] = sums[place];
    }
    return table;
}

// A name buffer holding exactly these bytes, the rest zeros.
inline NameBuffer Buffer(std::string_view bytes)
{
    NameBuffer buffer {};
    bytes.copy(buffer.data(), buffer.size());
    return buffer;
}
