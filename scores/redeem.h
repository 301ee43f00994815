#pragma once

#include "scores/highscore_table.h"

#include <cstdint>

namespace platform {
class TForm;
}
class TfrmKysynimi;

// "Lunasta": redeems the ticket whose win is ticketWin (0 a loss or no ticket, -1 redeemed,
// else the win in marks). Each message is one modal box, and the next step waits for it:
// - 0: the two messages of the refusal, then mainWindow is closed, which ends the program;
// - -1: the only-once message;
// - a win: its message, then a qualifying win enters table and the name-entry window is shown
//   for its place; ticketWin becomes -1.
void Redeem(std::int32_t &ticketWin, HighscoreTable &table, TfrmKysynimi &nameEntry,
            platform::TForm &mainWindow);
