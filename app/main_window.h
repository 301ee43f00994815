#pragma once

#include "platform/form.h"
#include "platform/image_view.h"
#include "scores/highscore_table.h"
#include "ticket/pictures.h"

#include <QImage>
#include <QPushButton>

#include <cstdint>

class TfrmOhje;
class TfrmScores;
class TfrmKysynimi;

// The main window: the ticket, the five commands and the two small icons. It owns the ticket
// pictures, the image lists and the high-score table; closing it ends the program.
class TfrmHelmala : public platform::TForm
{
    Q_OBJECT

public:
    // Builds the window and loads the pictures; throws platform::Error when one cannot be read.
    explicit TfrmHelmala(QWidget *parent = nullptr);

    // Start-up hands over the other windows once they exist.
    void ConnectWindows(TfrmOhje *help, TfrmScores *scores, TfrmKysynimi *nameEntry);

    // Components, in the order in which they lie on the window.
    platform::TImage *imArpa = nullptr;
    QPushButton *btnLunasta = nullptr;
    QPushButton *btnHelp = nullptr;
    QPushButton *btnHighscore = nullptr;
    QPushButton *btnExit = nullptr;
    QPushButton *btnUusi = nullptr;
    // The base picture beneath the visible ticket: the design with the symbols, never shown.
    QImage imAlusta;
    TicketImageLists imageLists;
    platform::TImage *Image1 = nullptr;
    platform::TImage *Image2 = nullptr;

    // Handlers.
    void Raaputa(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void Jatka(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, int x, int y);
    void Lopeta(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void btnUusiClick();
    void btnLunastaClick();
    void btnHelpClick();
    void btnExitClick();
    void Tallenna();
    void btnHighscoreClick();
    void Copyright();
    void Trademark();

    std::int32_t Scratching = 0;
    HighscoreTable table;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    TfrmOhje *help_ = nullptr;
    TfrmScores *scores_ = nullptr;
    TfrmKysynimi *nameEntry_ = nullptr;
    bool closed_ = false;
};
