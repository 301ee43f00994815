#include "app/main_window.h"

#include "art/art.h"
#include "help/help_window.h"
#include "platform/image_list.h"
#include "platform/message_box.h"
#include "scores/name_entry_window.h"
#include "scores/redeem.h"
#include "scores/score_file.h"
#include "scores/scores_window.h"
#include "ticket/draw.h"
#include "ticket/random.h"

#include <QCloseEvent>
#include <QCoreApplication>

namespace {

QPushButton *CreateButton(QWidget *parent, const char *name, const QString &caption,
                          const QRect &geometry, const QString &tooltip)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setToolTip(tooltip);
    // Enter presses the focused button, as Space does.
    button->setAutoDefault(true);
    return button;
}

platform::TImage *CreateIcon(QWidget *parent, const char *name, const QString &picture, int left,
                             int top)
{
    auto *image = new platform::TImage(parent);
    image->setObjectName(QLatin1String(name));
    image->SetPicture(
        platform::LoadPicture(picture).convertToFormat(QImage::Format_ARGB32_Premultiplied));
    image->setGeometry(left, top, image->Picture().width(), image->Picture().height());
    image->setFocusPolicy(Qt::NoFocus);
    return image;
}

} // namespace

TfrmHelmala::TfrmHelmala(QWidget *parent)
    : TForm(parent)
{
    setWindowTitle(QStringLiteral("Kimallus - suorastaan villi raha-arpa"));
    SetDesignedGeometry(247, 92, 439, 480);

    const QImage start =
        platform::LoadPicture(art::StartPicture).convertToFormat(QImage::Format_RGB32);
    imArpa = new platform::TImage(this);
    imArpa->setObjectName(QStringLiteral("imArpa"));
    imArpa->setGeometry(8, 2, TicketWidth, TicketHeight);
    imArpa->SetPicture(start);
    imArpa->setToolTip(QStringLiteral("Pidä hiirennappia pohjassa raaputtaaksesi"));
    imArpa->setFocusPolicy(Qt::NoFocus);
    connect(imArpa, &platform::TImage::MouseDown, this, &TfrmHelmala::Raaputa);
    connect(imArpa, &platform::TImage::MouseMove, this, &TfrmHelmala::Jatka);
    connect(imArpa, &platform::TImage::MouseUp, this, &TfrmHelmala::Lopeta);

    btnLunasta = CreateButton(this, "btnLunasta", QStringLiteral("Lunasta"), QRect(272, 8, 153, 41),
                              QStringLiteral("Lunasta esiin raaputettu voitto"));
    btnHelp = CreateButton(this, "btnHelp", QStringLiteral("Apua!"), QRect(272, 176, 153, 41),
                           QStringLiteral("Näytä peliohjeet"));
    btnHighscore = CreateButton(this, "btnHighscore", QStringLiteral("Korkeimmat voitot"),
                                QRect(273, 64, 153, 41), QStringLiteral("Katso high score lista"));
    btnExit = CreateButton(this, "btnExit", QStringLiteral("Pois..."), QRect(272, 408, 153, 41),
                           QStringLiteral("Sulje ohjelma"));
    btnUusi =
        CreateButton(this, "btnUusi", QStringLiteral("Uusi arpa, kerpele!"),
                     QRect(272, 120, 153, 41), QStringLiteral("Osta uusi raaputtamaton arpa"));
    connect(btnLunasta, &QPushButton::clicked, this, &TfrmHelmala::btnLunastaClick);
    connect(btnHelp, &QPushButton::clicked, this, &TfrmHelmala::btnHelpClick);
    connect(btnHighscore, &QPushButton::clicked, this, &TfrmHelmala::btnHighscoreClick);
    connect(btnExit, &QPushButton::clicked, this, &TfrmHelmala::btnExitClick);
    connect(btnUusi, &QPushButton::clicked, this, &TfrmHelmala::btnUusiClick);

    imAlusta = start;
    imageLists.Load();

    Image1 = CreateIcon(this, "Image1", art::ProgramIcon, 392, 376);
    Image2 = CreateIcon(this, "Image2", art::CopyrightIcon, 360, 376);
    connect(Image1, &platform::TImage::Clicked, this, &TfrmHelmala::Copyright);
    connect(Image2, &platform::TImage::Clicked, this, &TfrmHelmala::Trademark);

    setTabOrder(btnLunasta, btnHelp);
    setTabOrder(btnHelp, btnHighscore);
    setTabOrder(btnHighscore, btnExit);
    setTabOrder(btnExit, btnUusi);
    btnLunasta->setFocus();

    Scratching = 0;
    LoadScoreFile(table, GameRandom(), ScoreFileName);
}

void TfrmHelmala::ConnectWindows(TfrmOhje *help, TfrmScores *scores, TfrmKysynimi *nameEntry)
{
    help_ = help;
    scores_ = scores;
    nameEntry_ = nameEntry;
}

void TfrmHelmala::Raaputa(Qt::MouseButton, Qt::KeyboardModifiers, int, int)
{
    Scratching = 1;
}

void TfrmHelmala::Jatka(Qt::MouseButtons, Qt::KeyboardModifiers, int x, int y)
{
    if (Scratching == 0) {
        return;
    }
    const QRect changed = ApplyBrush(imArpa->Picture(), imAlusta, x, y, GameRandom());
    if (!changed.isEmpty()) {
        imArpa->Invalidate(changed);
    }
}

void TfrmHelmala::Lopeta(Qt::MouseButton, Qt::KeyboardModifiers, int, int)
{
    Scratching = 0;
}

void TfrmHelmala::btnUusiClick()
{
    const TicketDraw draw = DrawTicket(GameRandom(), GameClock());
    TicketWin = draw.win;
    ComposeTicket(imageLists, draw.design, draw.symbols, SymbolSlots, imArpa->Picture(), imAlusta,
                  [this] {
                      imArpa->setVisible(true);
                      imArpa->repaint();
                  });
}

void TfrmHelmala::btnLunastaClick()
{
    Redeem(TicketWin, table, *nameEntry_, *this);
}

void TfrmHelmala::btnHelpClick()
{
    help_->Show();
}

void TfrmHelmala::btnExitClick()
{
    Close();
}

void TfrmHelmala::Tallenna()
{
    if (!SaveScoreFile(table, ScoreFileName)) {
        platform::ShowMessage(QStringLiteral("Jostain syystä jäi highscoret kirjottamatta..."));
    }
}

void TfrmHelmala::btnHighscoreClick()
{
    scores_->Show();
}

void TfrmHelmala::Copyright()
{
    platform::ShowMessage(
        QStringLiteral("Kimallus – tehnyt Kimmo Kiiltävä / Arpaveikot-ryhmä, julkaistu 11.12.2026. "
                       "Ohjelma on ilmaisohjelma (freeware)."));
}

void TfrmHelmala::Trademark()
{
    platform::ShowMessage(
        QStringLiteral("Kimallus® on Kultahippu Oy:n tavaramerkki, ja samannimisen paperisen "
                       "raaputusarvan tekijänoikeudet omistaa Painotalo Kiilto Oy."));
}

void TfrmHelmala::closeEvent(QCloseEvent *event)
{
    // The main window's close ends the program, however it was asked for and whatever other
    // windows are open; the table is saved once.
    if (!closed_) {
        closed_ = true;
        Tallenna();
    }
    event->accept();
    QCoreApplication::exit(0);
}
