#include "platform/fonts.h"
#include "platform/form.h"

#include <QApplication>
#include <QFontInfo>

#include <gtest/gtest.h>

namespace {

class CountingForm : public platform::TForm
{
public:
    int shows = 0;

protected:
    void OnShow() override { ++shows; }
};

// Show makes the window visible and runs OnShow only on the way from hidden to visible; a
// second Show only brings it to the front.
TEST(Form, ShowRunsOnShowOnlyFromHidden)
{
    CountingForm form;
    form.Show();
    EXPECT_TRUE(form.isVisible());
    form.Show();
    EXPECT_EQ(form.shows, 1);
    form.Hide();
    EXPECT_FALSE(form.isVisible());
    form.Show();
    EXPECT_EQ(form.shows, 2);
    form.Close();
    EXPECT_FALSE(form.isVisible()) << "closing a form hides it";
    EXPECT_FALSE(form.testAttribute(Qt::WA_DeleteOnClose));
}

TEST(Form, IsPlacedByItsOuterCornerWithTheDesignedClientArea)
{
    platform::TForm form;
    form.SetDesignedGeometry(179, 17, 424, 573);
    EXPECT_EQ(form.pos(), QPoint(179, 17));
    EXPECT_EQ(form.size(), QSize(416, 546));
}

// The designed fonts are mapped to installed ones of the designed pixel height.
TEST(Fonts, MapTheDesignedFamiliesToInstalledFonts)
{
    const QFontInfo sans(platform::FormFont());
    EXPECT_EQ(sans.family(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(sans.pixelSize(), 11);
    const QFontInfo serif(platform::DesignedFont(QStringLiteral("Times New Roman"), 29, true));
    EXPECT_EQ(serif.family(), QStringLiteral("Liberation Serif"));
    EXPECT_TRUE(serif.bold());
}

TEST(Application, TakesTheTitleAndLeavesQuittingToTheMainWindow)
{
    platform::InitApplication();
    EXPECT_EQ(QApplication::applicationName(), QStringLiteral("Kimallus"));
    EXPECT_FALSE(QApplication::quitOnLastWindowClosed());
}

} // namespace
