// Redeeming through the real main window: the score file read at start-up and written at close,
// the messages of "Lunasta" in their order, the table and the name-entry window that follow.
#include "app/main_window.h"
#include "app/startup.h"
#include "platform/form.h"
#include "platform/message_box.h"
#include "scores/name_entry_window.h"
#include "scores/score_file.h"
#include "scores/scores_window.h"
#include "scores/table_rules.h"
#include "support/game_fixture.h"
#include "table_test_support.h"
#include "ticket/draw.h"
#include "ticket/random.h"

#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

const QString Refusal1 =
    QStringLiteral("Mitäs helvettiä tänne tullaan ilman oikeita voittoja?!?!?!");
const QString Refusal2 =
    QStringLiteral("Ja ettei raaputtamatta lunastus tule liian muotiin niin lennät ulos!!!");
const QString OnlyOnce = QStringLiteral("Voitot lunastetaan meilläpäin vaan kerran...");
const QString NotSaved = QStringLiteral("Jostain syystä jäi highscoret kirjottamatta...");

QString WinMessage(int win)
{
    return QStringLiteral("Oli kuin olikin voitto; %1mk").arg(win);
}

// A game whose score file may be put in place before the windows are built.
class Redeeming : public GameFixture
{
protected:
    Redeeming()
        : GameFixture(false)
    { }

    void Start()
    {
        StartGame();
        frmHelmala->Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frmHelmala));
    }
    void Lunasta() { QTest::mouseClick(frmHelmala->btnLunasta, Qt::LeftButton); }
    HighscoreTable &Table() { return frmHelmala->table; }

    static void WriteFile(const HighscoreTable &table)
    {
        QFile file(QString::fromLatin1(ScoreFileName.data(), ScoreFileName.size()));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        const std::string bytes = ScoreFileBytes(table);
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
    static std::string ReadFile()
    {
        QFile file(QString::fromLatin1(ScoreFileName.data(), ScoreFileName.size()));
        if (!file.open(QIODevice::ReadOnly)) {
            return "(no file)";
        }
        return file.readAll().toStdString();
    }
};

TEST_F(Redeeming, WithoutAFileTheDefaultsAreDrawnAndTheCloseWritesThem)
{
    Generator startState;
    HighscoreTable defaults;
    FillDefaults(defaults, startState);
    Start();
    EXPECT_EQ(Table(), defaults);
    EXPECT_EQ(GameRandom(), startState) << "the defaults are the first ten draws";

    QTest::mouseClick(frmHelmala->btnExit, Qt::LeftButton);
    EXPECT_EQ(ReadFile(), ScoreFileBytes(defaults));
    EXPECT_EQ(ReadFile().size(), 230u);
    EXPECT_TRUE(boxes.isEmpty());
}

TEST_F(Redeeming, AFileIsReadAtStartUp)
{
    const HighscoreTable saved = NumberedTable({ 900, 800, 700, 600, 500, 400, 300, 200, 100, -5 });
    WriteFile(saved);
    Start();
    EXPECT_EQ(Table(), saved);
}

TEST_F(Redeeming, NoTicketIsRefusedWithTwoMessagesAndTheGameEnds)
{
    Start();
    const HighscoreTable before = Table();
    Lunasta();
    EXPECT_EQ(boxes, (QStringList { Refusal1, Refusal2 }));
    EXPECT_FALSE(frmHelmala->isVisible());
    EXPECT_EQ(Table(), before);
    EXPECT_EQ(ReadFile(), ScoreFileBytes(before)) << "the close saved the table";
}

TEST_F(Redeeming, AWinIsPaidOnceAndEntersTheTable)
{
    Start();
    const HighscoreTable before = Table();
    TicketWin = 350000;
    Lunasta();
    EXPECT_EQ(boxes, QStringList { WinMessage(350000) });
    EXPECT_EQ(TicketWin, -1);
    EXPECT_EQ(Table().HighscorePoints[0], 350000);
    EXPECT_EQ(Table().HighscoreNames[0], before.HighscoreNames[0]) << "no name entered yet";
    EXPECT_EQ(Table().HighscoreNames[1], before.HighscoreNames[0]);
    EXPECT_TRUE(frmKysynimi->isVisible());
    EXPECT_FALSE(frmKysynimi->isModal());
    EXPECT_EQ(frmKysynimi->EntryPlace, 0);
    EXPECT_EQ(frmKysynimi->EntryPoints, 350000);
    EXPECT_EQ(frmKysynimi->edPoint->text(), QStringLiteral("350000mk"));

    const HighscoreTable entered = Table();
    boxes.clear();
    Lunasta();
    EXPECT_EQ(boxes, QStringList { OnlyOnce });
    EXPECT_EQ(Table(), entered);
    EXPECT_TRUE(frmHelmala->isVisible());
}

TEST_F(Redeeming, AWinBelowTheTenthPlaceIsPaidButNotEntered)
{
    WriteFile(NumberedTable({ 900, 800, 700, 600, 500, 400, 300, 200, 100, 60 }));
    Start();
    const HighscoreTable before = Table();
    TicketWin = 50;
    Lunasta();
    EXPECT_EQ(boxes, QStringList { WinMessage(50) });
    EXPECT_EQ(TicketWin, -1);
    EXPECT_EQ(Table(), before);
    EXPECT_FALSE(frmKysynimi->isVisible());
}

TEST_F(Redeeming, ASecondWinWhileTheNameIsAskedGetsTheName)
{
    Start();
    const HighscoreTable before = Table();
    TicketWin = 1000;
    Lunasta();
    QLineEdit *name = frmKysynimi->edName;
    name->selectAll();
    QTest::keyClicks(name, QStringLiteral("Eka"));

    // The main window stays usable beside the name-entry window.
    TicketWin = 2000;
    Lunasta();
    EXPECT_EQ(frmKysynimi->EntryPlace, 0);
    EXPECT_EQ(frmKysynimi->EntryPoints, 2000);
    EXPECT_EQ(name->text(), QStringLiteral("Eka")) << "the window was only brought to the front";
    EXPECT_EQ(frmKysynimi->edPoint->text(), QStringLiteral("1000mk"));

    QTest::mouseClick(frmKysynimi->btnOK, Qt::LeftButton);
    EXPECT_EQ(NameOf(Table().HighscoreNames[0]), "Eka");
    EXPECT_EQ(Table().HighscorePoints[0], 2000);
    EXPECT_EQ(Table().HighscoreNames[1], before.HighscoreNames[0])
        << "the earlier win keeps its name";
    EXPECT_EQ(Table().HighscorePoints[1], 1000);
    EXPECT_TRUE(frmScores->isVisible());
    EXPECT_FALSE(frmKysynimi->isVisible());

    QTest::mouseClick(frmHelmala->btnExit, Qt::LeftButton);
    EXPECT_EQ(ReadFile(), ScoreFileBytes(Table()));
    EXPECT_EQ(boxes, (QStringList { WinMessage(1000), WinMessage(2000) }));
}

TEST_F(Redeeming, AScoreFileThatCannotBeWrittenIsReportedAtClose)
{
    const HighscoreTable saved = NumberedTable({ 9, 8, 7, 6, 5, 4, 3, 2, 1, 0 });
    WriteFile(saved);
    ASSERT_EQ(::chmod(std::string(ScoreFileName).c_str(), 0444), 0);
    Start();
    TicketWin = 100;
    Lunasta();
    boxes.clear();
    frmHelmala->Close();
    EXPECT_EQ(boxes, QStringList { NotSaved });
    EXPECT_EQ(ReadFile(), ScoreFileBytes(saved));
}

} // namespace
