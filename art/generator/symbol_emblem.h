#pragma once

#include "symbol_grid.h"

// The program's emblem: a coin crossed by a horizontal band that carries the name, with a
// four-pointed glint on the coin above and below the band. The top-prize symbol shows it as
// a silhouette, the program icon in colour.
enum EmblemInk {
    EmblemCoin = 1,
    EmblemBand = 2,
    EmblemLettering = 3, // on the band
    EmblemGlint = 4, // on the coin
    EmblemGap = 5, // the coin's rows just above and below the band
};

// 34 x 28: the emblem as the top-prize symbol draws it.
PixelGrid SymbolEmblem();
// 32 x 32: the emblem as the program icon draws it, with a transparent surround.
PixelGrid IconEmblem();
