#include "help/help_window.h"

#include "art/art.h"

#include <QApplication>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

namespace {

TEST(HelpWindow, HasItsCaptionPlaceAndComponents)
{
    TfrmOhje help;
    EXPECT_EQ(help.windowTitle(), QStringLiteral("Peliohjeet"));
    EXPECT_EQ(help.pos(), QPoint(179, 17));
    EXPECT_EQ(help.size(), QSize(416, 546));
    EXPECT_FALSE(help.isVisible());

    EXPECT_EQ(help.Image1->geometry(), QRect(0, 0, 416, 546));
    EXPECT_EQ(help.Image1->Picture().size(), QSize(416, 494));
    EXPECT_EQ(help.Image1->Picture().convertToFormat(QImage::Format_RGB32),
              QImage(art::RulesPicture).convertToFormat(QImage::Format_RGB32));
    EXPECT_FALSE(help.Image1->isEnabled());
    EXPECT_EQ(help.btnOK->geometry(), QRect(128, 504, 161, 33));
    EXPECT_EQ(help.btnOK->text(), QStringLiteral("OK"));
    EXPECT_TRUE(help.toolTip().isEmpty());

    // OK is the only control that takes the keyboard focus.
    for (const QWidget *child : help.findChildren<QWidget *>()) {
        EXPECT_EQ(child->focusPolicy() != Qt::NoFocus && child->isEnabled(), child == help.btnOK)
            << child->objectName().toStdString();
    }
}

// The picture stays unscaled at the top-left corner; the band below it and the space a larger
// window gains show the window's background, and OK stays where it stands.
TEST(HelpWindow, DrawsThePictureUnscaledAtTheTopLeft)
{
    TfrmOhje help;
    help.resize(600, 700);
    const QImage shown = help.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage picture = help.Image1->Picture().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown.copy(0, 0, 416, 494), picture);
    const QRgb background = help.palette().color(QPalette::Button).rgb();
    EXPECT_EQ(shown.pixel(10, 500), background);
    EXPECT_EQ(shown.pixel(500, 100), background);
    EXPECT_EQ(shown.pixel(590, 690), background);
    EXPECT_EQ(help.btnOK->geometry(), QRect(128, 504, 161, 33));
}

// OK and the close box hide the window; Show brings the same window back where it was; Enter
// and Space press OK, which has the focus; a click on the picture does nothing.
TEST(HelpWindow, OkAndTheCloseBoxHideIt)
{
    TfrmOhje help;
    help.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&help));
    EXPECT_EQ(QApplication::focusWidget(), help.btnOK);

    QTest::mouseClick(help.windowHandle(), Qt::LeftButton, {}, QPoint(200, 200));
    EXPECT_TRUE(help.isVisible());

    for (const Qt::Key key : { Qt::Key_Return, Qt::Key_Space }) {
        help.Show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&help));
        QTest::keyClick(help.btnOK, key);
        EXPECT_FALSE(help.isVisible());
    }

    help.Show();
    help.move(30, 40);
    help.windowHandle()->close();
    EXPECT_FALSE(help.isVisible());
    help.Show();
    EXPECT_EQ(help.pos(), QPoint(30, 40));
}

} // namespace
