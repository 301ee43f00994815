#include "ticket/pictures.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace {

using Symbols = std::array<std::int32_t, SlotCount>;

constexpr QRgb Black = 0xff000000;

QImage Blank(QRgb colour)
{
    QImage image(TicketWidth, TicketHeight, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

class TicketPictures : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        lists_ = new TicketImageLists;
        lists_->Load();
    }
    static void TearDownTestSuite()
    {
        delete lists_;
        lists_ = nullptr;
    }

    static bool CoatingOpaque(int x, int y)
    {
        return lists_->ilBigpics2.Mask(0).pixelIndex(x, y) == 1;
    }

    // The symbol whose cell holds (x, y), or -1.
    static int SlotAt(const SymbolSlotTable &slotTable, int x, int y)
    {
        for (int slot = 0; slot < SlotCount; ++slot) {
            if (x >= slotTable[slot].x && x < slotTable[slot].x + SymbolWidth
                && y >= slotTable[slot].y && y < slotTable[slot].y + SymbolHeight) {
                return slot;
            }
        }
        return -1;
    }

    static TicketImageLists *lists_;
};

TicketImageLists *TicketPictures::lists_ = nullptr;

// The base picture is the design with each slot's glyph in solid black, and nothing else; the
// visible one is the design with the coating over it; the covered ticket is put on the screen
// before any glyph is stamped.
TEST_F(TicketPictures, ComposesTheBaseAndTheVisibleTicket)
{
    const Symbols symbols = { 9, 0, 1, 2, 3, 4, 5, 6, 7, 8 };
    for (int design = 0; design < 2; ++design) {
        QImage visible = Blank(0xff123456);
        QImage base = Blank(0xff654321);
        SymbolSlotTable slotTable {};
        bool shown = false;
        const QImage &designImage = lists_->ilBigpics.Image(design);
        ComposeTicket(*lists_, design, symbols, slotTable, visible, base, [&] {
            shown = true;
            EXPECT_EQ(base.convertToFormat(QImage::Format_RGB888), designImage)
                << "a glyph was stamped before the covered ticket was shown";
        });
        ASSERT_TRUE(shown);

        for (int slot = 0; slot < SlotCount; ++slot) {
            EXPECT_EQ(slotTable[slot].x, SlotPositions[slot].x);
            EXPECT_EQ(slotTable[slot].y, SlotPositions[slot].y);
            EXPECT_EQ(slotTable[slot].symbol, symbols[slot]);
        }
        int mismatches = 0;
        for (int y = 0; y < TicketHeight; ++y) {
            for (int x = 0; x < TicketWidth; ++x) {
                const QRgb designPixel = designImage.pixel(x, y) | Black;
                const int slot = SlotAt(slotTable, x, y);
                const bool glyph = slot >= 0
                    && lists_->ilKuvat.Mask(slotTable[slot].symbol)
                            .pixelIndex(x - slotTable[slot].x, y - slotTable[slot].y)
                        == 1;
                const QRgb expectedBase = glyph ? Black : designPixel;
                const QRgb expectedVisible = CoatingOpaque(x, y)
                    ? (lists_->ilBigpics2.Image(0).pixel(x, y) | Black)
                    : designPixel;
                mismatches += (base.pixel(x, y) | Black) != expectedBase ? 1 : 0;
                mismatches += (visible.pixel(x, y) | Black) != expectedVisible ? 1 : 0;
            }
        }
        EXPECT_EQ(mismatches, 0) << "design " << design;
    }
}

// A new ticket over a scratched one is fully covered, and no glyph of the old one survives.
TEST_F(TicketPictures, ANewTicketLeavesNothingOfTheOldOne)
{
    QImage visible = Blank(0xffffffff);
    QImage base = Blank(0xffffffff);
    SymbolSlotTable slotTable {};
    ComposeTicket(*lists_, 0, { 9, 9, 9, 8, 8, 7, 7, 6, 6, 5 }, slotTable, visible, base, {});
    Generator generator(1);
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < TicketHeight; y += 3) {
            for (int x = 0; x < TicketWidth; x += 3) {
                ApplyBrush(visible, base, x, y, generator);
            }
        }
    }

    const Symbols next = { 1, 1, 2, 2, 3, 3, 4, 4, 5, 0 };
    ComposeTicket(*lists_, 1, next, slotTable, visible, base, {});
    QImage freshVisible = Blank(0xff000000);
    QImage freshBase = Blank(0xff000000);
    SymbolSlotTable freshSlotTable {};
    ComposeTicket(*lists_, 1, next, freshSlotTable, freshVisible, freshBase, {});
    EXPECT_EQ(visible, freshVisible);
    EXPECT_EQ(base, freshBase);
}

struct BrushCase
{
    int x;
    int y;
    int draws; // the brush pixels inside the picture
};

// A draw is taken only for a brush pixel inside the picture.
TEST(Brush, TakesOneDrawPerBrushPixelInsideThePicture)
{
    const std::vector<BrushCase> cases = {
        { 125, 200, 57 }, { 0, 0, 19 },    { 249, 449, 19 }, { 249, 0, 19 },  { 0, 449, 19 },
        { 0, 200, 33 },   { -1, 200, 24 }, { -4, 200, 3 },   { 253, 200, 3 }, { 125, 453, 3 },
        { -5, 200, 0 },   { -3, -3, 0 },   { 125, -5, 0 },   { 254, 449, 0 }, { 3, 3, 51 },
    };
    const QImage base = Blank(0xff000000);
    for (const BrushCase &c : cases) {
        QImage visible = Blank(0xffffffff);
        Generator generator(11);
        Generator reference(11);
        ApplyBrush(visible, base, c.x, c.y, generator);
        for (int i = 0; i < c.draws; ++i) {
            reference.Draw31();
        }
        EXPECT_EQ(generator, reference) << "at " << c.x << ", " << c.y;
    }
}

// The brush copies base pixels, in the loop order dx outer, dy inner, each when its draw is 1
// or 2; it writes nothing else and reports the rectangle it changed.
TEST(Brush, CopiesTheBasePixelsThatItsDrawsChoose)
{
    QImage base = Blank(0xff000000);
    for (int y = 0; y < TicketHeight; ++y) {
        for (int x = 0; x < TicketWidth; ++x) {
            base.setPixel(x, y, qRgb(x, y % 256, 7));
        }
    }
    for (const QPoint at : { QPoint(125, 200), QPoint(2, 447) }) {
        QImage visible = Blank(0xffffffff);
        Generator generator(21);
        Generator reference(21);
        const QRect changed = ApplyBrush(visible, base, at.x(), at.y(), generator);

        QImage expected = Blank(0xffffffff);
        QRect expectedRect;
        for (int dx = -4; dx <= 4; ++dx) {
            for (int dy = -4; dy <= 4; ++dy) {
                const QPoint p = at + QPoint(dx, dy);
                if (std::abs(dx) + std::abs(dy) > 5 || !base.rect().contains(p)) {
                    continue;
                }
                if (RandomBelow(reference, 3) != 0) {
                    expected.setPixel(p, base.pixel(p));
                    expectedRect |= QRect(p, QSize(1, 1));
                }
            }
        }
        EXPECT_EQ(visible, expected);
        EXPECT_EQ(changed, expectedRect);
        EXPECT_TRUE(QRect(at - QPoint(4, 4), QSize(9, 9)).contains(changed));
    }
}

} // namespace
