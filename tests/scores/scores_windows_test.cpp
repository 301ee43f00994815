// The list window and the name-entry window, driven through their widgets on the offscreen
// platform.
#include "platform/message_box.h"
#include "scores/name_entry_window.h"
#include "scores/scores_window.h"
#include "scores/table_rules.h"
#include "table_test_support.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

namespace {

using namespace std::string_literals;

// The columns of image, between top and bottom, that hold a dark pixel.
std::vector<int> InkColumns(const QImage &image, int top, int bottom)
{
    std::vector<int> columns;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = std::max(top, 0); y < std::min(bottom, image.height()); ++y) {
            if (qGray(image.pixel(x, y)) < 128) {
                columns.push_back(x);
                break;
            }
        }
    }
    return columns;
}

class ListWindow : public ::testing::Test
{
protected:
    QImage Paint() { return scores_.pbNimilista->grab().toImage(); }
    std::vector<int> Row(const QImage &image, int place)
    {
        return InkColumns(image, 30 * place, 30 * place + 30);
    }

    HighscoreTable table_ = NumberedTable({ 90, 80, 70, 60, 50, 40, 30, 20, 10, 0 });
    TfrmScores scores_ { table_ };
};

TEST_F(ListWindow, PaintsEveryPlaceFromTheTableAtEachPaint)
{
    const QImage first = Paint();
    for (int place = 0; place < PlaceCount; ++place) {
        SCOPED_TRACE(place);
        const std::vector<int> ink = Row(first, place);
        ASSERT_FALSE(ink.empty());
        EXPECT_LT(ink.front(), 4) << "the name starts at x 0";
        EXPECT_TRUE(std::any_of(ink.begin(), ink.end(), [](int x) { return x >= 320; }));
        EXPECT_TRUE(std::none_of(ink.begin(), ink.end(), [](int x) { return x > 300 && x < 320; }));
    }

    table_.HighscoreNames[3] = Buffer("");
    table_.HighscorePoints[3] = 350000;
    const QImage second = Paint();
    const std::vector<int> ink = Row(second, 3);
    ASSERT_FALSE(ink.empty());
    EXPECT_GE(ink.front(), 300) << "an empty name leaves the row's left blank";
    EXPECT_NE(Row(second, 3), Row(first, 3)) << "the new sum is painted";
}

TEST_F(ListWindow, WideSumsShowWholeAndLongNamesNeverCoverThem)
{
    const std::int32_t sums[] = { -2147483647 - 1, 350000, -5 };
    for (int place = 0; place < PlaceCount; ++place) {
        table_.HighscoreNames[place] = Buffer("WWWWWWWWWWWWWWWWWWW");
        table_.HighscorePoints[place] = sums[place % 3];
    }
    const QImage withNames = Paint();
    for (NameBuffer &name : table_.HighscoreNames) {
        name = Buffer("");
    }
    const QImage sumsAlone = Paint();

    // Each sum drawn alone, with room to spare: what the list must show of it.
    QFont font = scores_.pbNimilista->font();
    font.setPixelSize(19);
    std::optional<int> column;
    for (int place = 0; place < 3; ++place) {
        SCOPED_TRACE(place);
        QImage reference(800, 40, QImage::Format_RGB32);
        reference.fill(Qt::white);
        {
            QPainter painter(&reference);
            painter.setFont(font);
            painter.setPen(Qt::black);
            painter.drawText(100, 30, QString::fromStdString(SumText(sums[place])));
        }
        const std::vector<int> whole = InkColumns(reference, 0, 40);
        const std::vector<int> shown = Row(sumsAlone, place);
        ASSERT_FALSE(shown.empty());
        EXPECT_EQ(shown.back() - shown.front(), whole.back() - whole.front()) << "nothing clipped";
        EXPECT_LT(shown.back(), scores_.pbNimilista->width());
        if (column) {
            EXPECT_NEAR(shown.front(), *column, 3) << "the sums stand in one column";
        }
        column = shown.front();

        // With the long name, every pixel from a little before the sum on is the sum's alone.
        const QRect sumArea(shown.front() - 3, 30 * place, 400, 30);
        EXPECT_EQ(withNames.copy(sumArea), sumsAlone.copy(sumArea));
        EXPECT_LT(Row(withNames, place).front(), 4) << "the name is still drawn";
    }
}

TEST_F(ListWindow, OkHidesTheWindow)
{
    scores_.Show();
    ASSERT_TRUE(scores_.isVisible());
    QTest::mouseClick(scores_.Button1, Qt::LeftButton);
    EXPECT_FALSE(scores_.isVisible());
}

class NameEntryWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        platform::SetBoxRecorder(
            [this](platform::BoxKind, const QString &text) { messages_.push_back(text); });
        table_.HighscorePoints[4] = 350000;
        entry_.EntryPlace = 4;
        entry_.EntryPoints = 350000;
    }
    void TearDown() override { platform::SetBoxRecorder({}); }

    void ShowAndActivate()
    {
        entry_.Show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&entry_));
    }

    QStringList messages_;
    HighscoreTable table_ = NumberedTable({ 90, 80, 70, 60, 50, 40, 30, 20, 10, 0 });
    TfrmScores scores_ { table_ };
    TfrmKysynimi entry_ { table_, scores_ };
};

TEST_F(NameEntryWindow, ShowingPreparesTheBoxesAndOkStoresTheDefaultName)
{
    ShowAndActivate();
    EXPECT_EQ(entry_.edName->text(), QStringLiteral("[nimetön]"));
    EXPECT_EQ(entry_.edPoint->text(), QStringLiteral("350000mk"));

    const NameBuffer before = table_.HighscoreNames[4];
    QTest::mouseClick(entry_.btnOK, Qt::LeftButton);
    NameBuffer expected = before;
    WriteName(expected, "[nimet\xF6n]");
    EXPECT_EQ(table_.HighscoreNames[4], expected) << "Windows-1252, the bytes after it kept";
    EXPECT_TRUE(scores_.isVisible());
    EXPECT_FALSE(entry_.isVisible());
    EXPECT_TRUE(messages_.isEmpty());
}

TEST_F(NameEntryWindow, OkStoresTheTypedNameAsAtMostNineteenBytes)
{
    struct Case
    {
        QString typed;
        std::string stored;
    };
    const Case cases[] = {
        { QStringLiteral("Ville"), "Ville" },
        { QString(), "" },
        { QStringLiteral("Jörö € ä"), "J\xF6r\xF6 \x80 \xE4" },
        { QStringLiteral("名前 ☺ 😀"), "?? ? ?" },
        { QStringLiteral("1234567890123456789"), "1234567890123456789" },
        { QStringLiteral("1234567890123456789öö"), "1234567890123456789" },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        entry_.Show();
        entry_.edName->setText(c.typed);
        table_.HighscoreNames[4].fill('#');
        QTest::mouseClick(entry_.btnOK, Qt::LeftButton);
        NameBuffer expected;
        expected.fill('#');
        c.stored.copy(expected.data(), c.stored.size());
        expected[c.stored.size()] = '\0';
        EXPECT_EQ(table_.HighscoreNames[4], expected);
    }
}

TEST_F(NameEntryWindow, EnterInABoxDoesNotPressOk)
{
    ShowAndActivate();
    const HighscoreTable before = table_;
    entry_.edName->setFocus();
    QTest::keyClick(entry_.edName, Qt::Key_Return);
    QTest::keyClick(entry_.edName, Qt::Key_Enter);
    EXPECT_TRUE(entry_.isVisible());
    EXPECT_FALSE(scores_.isVisible());
    EXPECT_EQ(table_, before);
}

TEST_F(NameEntryWindow, TheSumBoxRefusesTheFocusWithOneWarningPerAttempt)
{
    ShowAndActivate();
    const QStringList once { QStringLiteral("Eipäs yritetä!") };

    entry_.edName->setFocus();
    QTest::keyClick(entry_.edName, Qt::Key_Tab);
    EXPECT_EQ(messages_, once) << "Tab into the box";
    EXPECT_FALSE(entry_.edPoint->hasFocus());

    messages_.clear();
    QTest::mouseClick(entry_.edPoint, Qt::LeftButton);
    EXPECT_EQ(messages_, once) << "a click into the box";
    EXPECT_FALSE(entry_.edPoint->hasFocus());

    messages_.clear();
    entry_.btnOK->setFocus();
    QTest::keyClick(entry_.btnOK, Qt::Key_Backtab);
    EXPECT_EQ(messages_, once) << "Shift+Tab back into the box";
    EXPECT_FALSE(entry_.edPoint->hasFocus());
    EXPECT_EQ(entry_.edPoint->text(), QStringLiteral("350000mk"));
}

TEST_F(NameEntryWindow, ShowingItAgainWhileVisibleKeepsWhatWasTyped)
{
    ShowAndActivate();
    entry_.edName->setText(QStringLiteral("Ville"));
    entry_.EntryPoints = 1000;
    entry_.EntryPlace = 2;
    entry_.Show();
    EXPECT_EQ(entry_.edName->text(), QStringLiteral("Ville"));
    EXPECT_EQ(entry_.edPoint->text(), QStringLiteral("350000mk"));
    QTest::mouseClick(entry_.btnOK, Qt::LeftButton);
    EXPECT_EQ(NameOf(table_.HighscoreNames[2]), "Ville");
    EXPECT_EQ(NameOf(table_.HighscoreNames[4]), "name4");

    entry_.Show();
    EXPECT_EQ(entry_.edName->text(), QStringLiteral("[nimetön]")) << "shown anew after OK";
    EXPECT_EQ(entry_.edPoint->text(), QStringLiteral("1000mk"));
}

} // namespace
