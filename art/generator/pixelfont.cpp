#include "pixelfont.h"

#include <cstring>

const PixelFont &EmblemDigits()
{
    // clang-format off
    static const PixelFont font { 9, 2, 3, {
        { QChar('0'), {
            ".####.",
            "######",
            "##..##",
            "##..##",
            "##..##",
            "##..##",
            "##..##",
            "######",
            ".####.",
        } },
        { QChar('1'), {
            "..##",
            ".###",
            "####",
            "..##",
            "..##",
            "..##",
            "..##",
            "..##",
            "..##",
        } },
        { QChar('2'), {
            ".####.",
            "######",
            "##..##",
            "...###",
            "..###.",
            ".###..",
            "###...",
            "######",
            "######",
        } },
        { QChar('3'), {
            "#####.",
            "######",
            "....##",
            ".####.",
            ".####.",
            "....##",
            "....##",
            "######",
            "#####.",
        } },
        { QChar('5'), {
            "######",
            "######",
            "##....",
            "#####.",
            "######",
            "....##",
            "....##",
            "######",
            "#####.",
        } },
    } };
    // clang-format on
    return font;
}

const PixelFont &TinyCapitals()
{
    // clang-format off
    static const PixelFont font { 5, 1, 2, {
        { QChar('A'), {
            ".#.",
            "#.#",
            "###",
            "#.#",
            "#.#",
        } },
        { QChar('I'), {
            "#",
            "#",
            "#",
            "#",
            "#",
        } },
        { QChar('K'), {
            "#.#",
            "#.#",
            "##.",
            "#.#",
            "#.#",
        } },
        { QChar('L'), {
            "#..",
            "#..",
            "#..",
            "#..",
            "###",
        } },
        { QChar('M'), {
            "#...#",
            "##.##",
            "#.#.#",
            "#...#",
            "#...#",
        } },
        { QChar('S'), {
            "###",
            "#..",
            "###",
            "..#",
            "###",
        } },
        { QChar('U'), {
            "#.#",
            "#.#",
            "#.#",
            "#.#",
            "###",
        } },
    } };
    // clang-format on
    return font;
}

const PixelFont &TinyCapitalsNarrow()
{
    static const PixelFont font = [] {
        PixelFont narrow = TinyCapitals();
        narrow.glyphs[QChar('M')] = { "#.#", "###", "###", "#.#", "#.#" };
        return narrow;
    }();
    return font;
}

const PixelFont &SmallCapitals()
{
    // clang-format off
    static const PixelFont font { 7, 1, 2, {
        { QChar('A'), {
            ".##.",
            "#..#",
            "#..#",
            "####",
            "#..#",
            "#..#",
            "#..#",
        } },
        { QChar('L'), {
            "#...",
            "#...",
            "#...",
            "#...",
            "#...",
            "#...",
            "####",
        } },
        { QChar('P'), {
            "###.",
            "#..#",
            "#..#",
            "###.",
            "#...",
            "#...",
            "#...",
        } },
        { QChar('T'), {
            "#####",
            "..#..",
            "..#..",
            "..#..",
            "..#..",
            "..#..",
            "..#..",
        } },
        { QChar('U'), {
            "#..#",
            "#..#",
            "#..#",
            "#..#",
            "#..#",
            "#..#",
            ".##.",
        } },
    } };
    // clang-format on
    return font;
}

const PixelFont &BoldCapitals()
{
    // clang-format off
    static const PixelFont font { 7, 2, 3, {
        { QChar('K'), {
            "##..##",
            "##.##.",
            "####..",
            "###...",
            "####..",
            "##.##.",
            "##..##",
        } },
        { QChar('M'), {
            "##...##",
            "###.###",
            "#######",
            "##.#.##",
            "##...##",
            "##...##",
            "##...##",
        } },
    } };
    // clang-format on
    return font;
}

namespace {

int GlyphWidth(const PixelFont &font, QChar c)
{
    if (c == QChar(' ')) {
        return font.spaceWidth;
    }
    const auto found = font.glyphs.find(c);
    return found == font.glyphs.end() ? 0 : static_cast<int>(std::strlen(found->second.front()));
}

} // namespace

int PixelTextWidth(const PixelFont &font, const QString &text)
{
    int width = 0;
    for (int i = 0; i < text.size(); ++i) {
        width += GlyphWidth(font, text[i]) + (i > 0 ? font.spacing : 0);
    }
    return width;
}

void DrawPixelText(PixelGrid &grid, const PixelFont &font, const QString &text, int left, int top,
                   int ink)
{
    int x = left;
    for (const QChar c : text) {
        const auto found = font.glyphs.find(c);
        if (found != font.glyphs.end()) {
            for (int row = 0; row < font.height; ++row) {
                const char *line = found->second[static_cast<std::size_t>(row)];
                for (int column = 0; line[column] != '\0'; ++column) {
                    if (line[column] == '#') {
                        grid.set(x + column, top + row, ink);
                    }
                }
            }
        }
        x += GlyphWidth(font, c) + font.spacing;
    }
}
