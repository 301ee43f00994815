// Structural facts of the symbol glyphs, the two icons and the rules picture.
#include "art_test_support.h"

#include "art/art.h"

#include <QColor>
#include <QSet>

#include <algorithm>

#include <vector>

namespace {

const QSet<QRgb> StandardColours = {
    0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080, 0xff008080, 0xffc0c0c0,
    0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00, 0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff,
};

// The opaque pixels of an image, row by row; fails the test on any partial alpha.
std::vector<bool> Mask(const QImage &picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    std::vector<bool> mask;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int alpha = qAlpha(image.pixel(x, y));
            EXPECT_TRUE(alpha == 0 || alpha == 255) << "alpha " << alpha << " at " << x << "," << y;
            mask.push_back(alpha == 255);
        }
    }
    return mask;
}

int Differences(const std::vector<bool> &a, const std::vector<bool> &b)
{
    int count = 0;
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        count += a[i] != b[i] ? 1 : 0;
    }
    return count;
}

} // namespace

// Catches a glyph drawn at the wrong size, with soft edges that the 1-bit mask would cut into
// fragments, left empty, or so like another glyph that a player could mistake one for the other.
TEST(SymbolArt, GlyphsAreDistinctOneBitSilhouettesOfTheirCell)
{
    std::vector<std::vector<bool>> masks;
    for (int n = 0; n < art::SymbolCount; ++n) {
        SCOPED_TRACE(n);
        const QImage glyph = ReadPicture(art::SymbolPicture(n));
        ASSERT_EQ(glyph.size(), QSize(34, 28));
        ASSERT_TRUE(glyph.hasAlphaChannel());
        masks.push_back(Mask(glyph));
        EXPECT_GT(std::count(masks.back().begin(), masks.back().end(), true), 100);
    }
    for (int a = 0; a < art::SymbolCount; ++a) {
        for (int b = a + 1; b < art::SymbolCount; ++b) {
            EXPECT_GE(Differences(masks[a], masks[b]), 10) << "symbols " << a << " and " << b;
        }
    }
}

// Catches an icon that is not 32 x 32, has soft or opaque corners, or uses colours that the
// 16-colour icon cannot hold.
TEST(SymbolArt, ProgramIconIsThePaletteEmblemOnATransparentSurround)
{
    const QImage icon = ReadPicture(art::ProgramIcon).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(icon.size(), QSize(32, 32));
    const std::vector<bool> mask = Mask(icon);
    EXPECT_GT(std::count(mask.begin(), mask.end(), true), 500);
    for (const QPoint corner : { QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31) }) {
        EXPECT_EQ(qAlpha(icon.pixel(corner)), 0) << corner.x() << "," << corner.y();
    }
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            if (qAlpha(icon.pixel(x, y)) == 255) {
                EXPECT_TRUE(StandardColours.contains(icon.pixel(x, y))) << x << "," << y;
            }
        }
    }
}

TEST(SymbolArt, CopyrightIconIsOpaqueInPaletteColours)
{
    const QImage icon = ReadPicture(art::CopyrightIcon).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(icon.size(), QSize(32, 32));
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            EXPECT_TRUE(StandardColours.contains(icon.pixel(x, y))) << x << "," << y;
        }
    }
}

// Catches a rules page stored in full colour or in more than 16 colours, or printed with a
// colour beyond black, white and the two greys (a glyph stamped in a stored colour, say).
TEST(SymbolArt, RulesPictureUsesOnlyBlackWhiteAndTheTwoGreys)
{
    const QImage rules = ReadPicture(art::RulesPicture);
    ASSERT_EQ(rules.size(), QSize(416, 494));
    EXPECT_LE(rules.colorCount(), 16);
    EXPECT_GT(rules.colorCount(), 0) << "stored in full colour";
    const QSet<QRgb> allowed = { 0xff000000, 0xffffffff, 0xff808080, 0xffc0c0c0 };
    QSet<QRgb> used;
    for (int y = 0; y < rules.height(); ++y) {
        for (int x = 0; x < rules.width(); ++x) {
            used.insert(rules.pixel(x, y));
        }
    }
    for (const QRgb colour : used) {
        EXPECT_TRUE(allowed.contains(colour)) << std::hex << colour;
    }
    EXPECT_TRUE(used.contains(0xff000000) && used.contains(0xffffffff));
}
