#include "support/game_fixture.h"

#include "help/help_window.h"
#include "scores/name_entry_window.h"
#include "scores/scores_window.h"
#include "ticket/draw.h"
#include "ticket/pictures.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <vector>

namespace {

struct WindowCase
{
    QWidget *window;
    const char *caption;
    QPoint outerCorner;
    QSize clientSize;
};

std::vector<WindowCase> Windows()
{
    return {
        { frmHelmala, "Kimallus - suorastaan villi raha-arpa", { 247, 92 }, { 431, 453 } },
        { frmOhje, "Peliohjeet", { 179, 17 }, { 416, 546 } },
        { frmScores, "Isot voitot:", { 200, 108 }, { 416, 408 } },
        { frmKysynimi, "Annapa nimesi, sillä...", { 202, 108 }, { 427, 199 } },
    };
}

using MainWindow = GameFixture;

TEST_F(MainWindow, TheFourWindowsAreBuiltHiddenWithTheirCaptionsPlacesAndIcon)
{
    const QIcon icon = QApplication::windowIcon();
    ASSERT_FALSE(icon.isNull());
    for (const WindowCase &c : Windows()) {
        ASSERT_NE(c.window, nullptr);
        EXPECT_EQ(c.window->windowTitle(), QString::fromUtf8(c.caption));
        EXPECT_FALSE(c.window->isVisible()) << c.caption;
        EXPECT_EQ(c.window->pos(), c.outerCorner) << c.caption;
        EXPECT_EQ(c.window->size(), c.clientSize) << c.caption;
        EXPECT_EQ(c.window->windowIcon().cacheKey(), icon.cacheKey()) << c.caption;
        EXPECT_TRUE(c.window->toolTip().isEmpty()) << c.caption;
    }
}

struct ControlCase
{
    QWidget *control;
    QRect geometry;
    const char *caption;
    const char *tooltip;
};

TEST_F(MainWindow, ControlsStandAtTheirPlacesWithTheirCaptionsAndTooltips)
{
    const std::vector<ControlCase> cases = {
        { frmHelmala->imArpa, { 8, 2, 250, 450 }, "", "Pidä hiirennappia pohjassa raaputtaaksesi" },
        { frmHelmala->btnLunasta,
          { 272, 8, 153, 41 },
          "Lunasta",
          "Lunasta esiin raaputettu voitto" },
        { frmHelmala->btnHighscore,
          { 273, 64, 153, 41 },
          "Korkeimmat voitot",
          "Katso high score lista" },
        { frmHelmala->btnUusi,
          { 272, 120, 153, 41 },
          "Uusi arpa, kerpele!",
          "Osta uusi raaputtamaton arpa" },
        { frmHelmala->btnHelp, { 272, 176, 153, 41 }, "Apua!", "Näytä peliohjeet" },
        { frmHelmala->btnExit, { 272, 408, 153, 41 }, "Pois...", "Sulje ohjelma" },
        { frmHelmala->Image2, { 360, 376, 32, 32 }, "", "" },
        { frmHelmala->Image1, { 392, 376, 32, 32 }, "", "" },
    };
    // Resizing the window moves nothing.
    frmHelmala->resize(900, 700);
    for (const ControlCase &c : cases) {
        EXPECT_EQ(c.control->geometry(), c.geometry) << c.caption;
        EXPECT_EQ(c.control->toolTip(), QString::fromUtf8(c.tooltip)) << c.caption;
        if (auto *button = qobject_cast<QPushButton *>(c.control)) {
            EXPECT_EQ(button->text(), QString::fromUtf8(c.caption));
        }
    }
}

// Tab goes Lunasta, Apua!, Korkeimmat voitot, Pois..., Uusi arpa; the focus starts on Lunasta,
// and Enter presses the focused button.
TEST_F(MainWindow, TabOrderFocusAndEnter)
{
    frmHelmala->Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frmHelmala));
    EXPECT_EQ(QApplication::focusWidget(), frmHelmala->btnLunasta);

    const std::vector<QWidget *> order = { frmHelmala->btnHelp, frmHelmala->btnHighscore,
                                           frmHelmala->btnExit, frmHelmala->btnUusi,
                                           frmHelmala->btnLunasta };
    for (QWidget *expected : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), expected) << expected->objectName().toStdString();
    }

    frmHelmala->btnHelp->setFocus();
    QTest::keyClick(frmHelmala->btnHelp, Qt::Key_Return);
    EXPECT_TRUE(frmOhje->isVisible());
}

// A second press of "Apua!" or "Korkeimmat voitot" only brings the one window to the front;
// after it is hidden the next press shows it again where it stood.
TEST_F(MainWindow, ShowingAWindowTwiceMakesNoSecondWindow)
{
    frmHelmala->Show();
    struct Case
    {
        QPushButton *button;
        QWidget *window;
    };
    for (const Case &c :
         { Case { frmHelmala->btnHelp, frmOhje }, Case { frmHelmala->btnHighscore, frmScores } }) {
        const int before = QApplication::topLevelWidgets().size();
        c.button->click();
        c.button->click();
        EXPECT_TRUE(c.window->isVisible());
        EXPECT_EQ(QApplication::topLevelWidgets().size(), before);
        c.window->move(300, 40);
        c.window->resize(500, 600);
        c.window->close();
        EXPECT_FALSE(c.window->isVisible());
        c.button->click();
        EXPECT_TRUE(c.window->isVisible());
        EXPECT_EQ(c.window->pos(), QPoint(300, 40));
        EXPECT_EQ(c.window->size(), QSize(500, 600));
    }
}

TEST_F(MainWindow, TheIconsShowTheirNotices)
{
    frmHelmala->Show();
    QTest::mouseClick(frmHelmala->Image1, Qt::LeftButton, {}, QPoint(16, 16));
    QTest::mouseClick(frmHelmala->Image2, Qt::LeftButton, {}, QPoint(16, 16));
    QTest::mouseClick(frmHelmala->Image1, Qt::LeftButton, {}, QPoint(16, 16));
    ASSERT_EQ(boxes.size(), 3);
    EXPECT_TRUE(boxes[0].contains(QStringLiteral("freeware")));
    EXPECT_TRUE(boxes[1].contains(QStringLiteral("tavaramerkki")));
    EXPECT_EQ(boxes[2], boxes[0]);
}

// Every way of closing the main window ends the event loop with status 0, also while the other
// windows are open: "Pois...", a close from the program, and the platform's close request (the
// close box, Alt+F4, the system menu and the taskbar all arrive as that).
class ClosingTheMainWindow : public GameFixture, public ::testing::WithParamInterface<int>
{
};

TEST_P(ClosingTheMainWindow, EndsTheProgramWithStatusZeroAndSavesOnce)
{
    // A score file that may not be replaced: every save reports itself, so the messages count
    // the saves.
    QFile scores(QStringLiteral("HELMALA.SCR"));
    ASSERT_TRUE(scores.open(QIODevice::WriteOnly));
    scores.close();
    ASSERT_TRUE(scores.setPermissions(QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    frmHelmala->Show();
    frmOhje->Show();
    frmScores->Show();
    frmKysynimi->Show();
    QTimer::singleShot(0, [] {
        switch (GetParam()) {
        case 0:
            frmHelmala->btnExit->click();
            break;
        case 1:
            frmHelmala->Close();
            break;
        default:
            frmHelmala->windowHandle()->close();
            break;
        }
    });
    QTimer::singleShot(10000, [] { QCoreApplication::exit(1); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(frmHelmala->isVisible());
    EXPECT_EQ(boxes,
              QStringList { QStringLiteral("Jostain syystä jäi highscoret kirjottamatta...") });
}

INSTANTIATE_TEST_SUITE_P(EveryWay, ClosingTheMainWindow, ::testing::Values(0, 1, 2));

// Buying draws a ticket from the game generator and the clock, stores its win and puts the
// covered ticket on the screen; the symbols go onto the hidden base picture.
TEST_F(MainWindow, BuyingATicketDrawsAndComposesIt)
{
    frmHelmala->Show();
    Generator expected = GameRandom();
    const TicketDraw draw = DrawTicket(expected, GameClock());
    const QImage start = frmHelmala->imArpa->Picture();

    frmHelmala->btnUusi->click();
    EXPECT_EQ(TicketWin, draw.win);
    EXPECT_EQ(GameRandom(), expected);
    for (int slot = 0; slot < SlotCount; ++slot) {
        EXPECT_EQ(SymbolSlots[slot].symbol, draw.symbols[slot]);
    }
    const QImage &designImage = frmHelmala->imageLists.ilBigpics.Image(draw.design);
    const QPoint outside(2, 2); // outside the coating: the design shows on both pictures
    EXPECT_EQ(frmHelmala->imArpa->Picture().pixel(outside), designImage.pixel(outside));
    EXPECT_EQ(frmHelmala->imAlusta.pixel(outside), designImage.pixel(outside));
    EXPECT_NE(frmHelmala->imArpa->Picture(), start);
    EXPECT_NE(frmHelmala->imArpa->Picture(), frmHelmala->imAlusta);
}

// Scratching through real mouse events on the window: a press of any button holds the mouse
// for the ticket until it is released, wherever the release happens, and moves scratch only
// while scratching.
class Scratching : public GameFixture, public ::testing::WithParamInterface<Qt::MouseButton>
{
protected:
    QWindow *Window() const { return frmHelmala->windowHandle(); }
    // Ticket pixel (x, y) in window coordinates.
    static QPoint OnTicket(int x, int y) { return QPoint(8 + x, 2 + y); }
    static int Differences(const QImage &a, const QImage &b)
    {
        int count = 0;
        for (int y = 0; y < a.height(); ++y) {
            for (int x = 0; x < a.width(); ++x) {
                count += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
            }
        }
        return count;
    }
};

TEST_P(Scratching, UncoversWhileTheButtonIsHeldAndStopsAtItsReleaseAnywhere)
{
    const Qt::MouseButton button = GetParam();
    frmHelmala->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frmHelmala));
    frmHelmala->btnUusi->click();
    const QImage covered = frmHelmala->imArpa->Picture();

    QTest::mousePress(Window(), button, {}, OnTicket(125, 200));
    EXPECT_EQ(frmHelmala->Scratching, 1);
    for (int x = 60; x <= 190; x += 2) {
        QTest::mouseMove(Window(), OnTicket(x, 220));
    }
    const QImage scratched = frmHelmala->imArpa->Picture();
    EXPECT_GT(Differences(covered, scratched), 200);

    // Dragged off the window and released there.
    QTest::mouseMove(Window(), QPoint(-40, 600));
    QTest::mouseRelease(Window(), button, {}, QPoint(-40, 600));
    EXPECT_EQ(frmHelmala->Scratching, 0);

    // Moving over the ticket with no button held changes nothing and takes no draw.
    const Generator before = GameRandom();
    for (int x = 60; x <= 190; x += 2) {
        QTest::mouseMove(Window(), OnTicket(x, 280));
    }
    EXPECT_EQ(frmHelmala->imArpa->Picture(), scratched);
    EXPECT_EQ(GameRandom(), before);
}

INSTANTIATE_TEST_SUITE_P(AnyButton, Scratching,
                         ::testing::Values(Qt::LeftButton, Qt::RightButton, Qt::MiddleButton));

// Every label and button of every window shows its whole text at the designed size.
TEST_F(MainWindow, EveryTextIsShownWhole)
{
    for (const WindowCase &c : Windows()) {
        for (const QPushButton *button : c.window->findChildren<QPushButton *>()) {
            const QFontMetrics metrics(button->font());
            EXPECT_LE(metrics.horizontalAdvance(button->text()) + 8, button->width())
                << button->text().toStdString();
            EXPECT_LE(metrics.height() + 4, button->height()) << button->text().toStdString();
        }
        for (const QLabel *label : c.window->findChildren<QLabel *>()) {
            EXPECT_LE(label->sizeHint().width(), label->width()) << label->text().toStdString();
            EXPECT_LE(label->sizeHint().height(), label->height()) << label->text().toStdString();
        }
    }
}

} // namespace
