#include "scores/redeem.h"

#include "platform/form.h"
#include "platform/message_box.h"
#include "scores/name_entry_window.h"
#include "scores/table_rules.h"

void Redeem(std::int32_t &ticketWin, HighscoreTable &table, TfrmKysynimi &nameEntry,
            platform::TForm &mainWindow)
{
    const std::int32_t win = ticketWin;
    if (win == 0) {
        platform::ShowMessage(
            QStringLiteral("Mitäs helvettiä tänne tullaan ilman oikeita voittoja?!?!?!"));
        platform::ShowMessage(QStringLiteral(
            "Ja ettei raaputtamatta lunastus tule liian muotiin niin lennät ulos!!!"));
        mainWindow.Close();
        return;
    }
    if (win == -1) {
        platform::ShowMessage(QStringLiteral("Voitot lunastetaan meilläpäin vaan kerran..."));
        return;
    }
    // Marked before the first box: its nested event loop must not let the same win in twice.
    ticketWin = -1;
    platform::ShowMessage(QStringLiteral("Oli kuin olikin voitto; ")
                          + QString::fromStdString(SumText(win)));
    const int place = InsertWin(table, win);
    if (place >= 0) {
        nameEntry.EntryPoints = win;
        nameEntry.EntryPlace = place;
        nameEntry.Show();
    }
}
