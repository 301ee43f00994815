#include "platform/error.h"
#include "platform/image_list.h"

#include <gtest/gtest.h>

namespace {

using platform::DrawingStyle;
using platform::ImageList;
using platform::ImageType;

// A 4 x 2 picture: the left half opaque red, the right half transparent, one pixel
// half-transparent, which a 1-bit mask must make either opaque or transparent.
QImage HalfRed()
{
    QImage image(4, 2, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < 2; ++y) {
        image.setPixel(0, y, 0xffff0000);
        image.setPixel(1, y, 0xffff0000);
    }
    image.setPixel(2, 0, qRgba(0, 0, 255, 200));
    return image;
}

QImage Target()
{
    QImage target(6, 4, QImage::Format_RGB32);
    target.fill(0xff00ff00);
    return target;
}

TEST(ImageList, NormalStyleDrawsTheImageThroughItsMask)
{
    ImageList list(4, 2);
    list.Add(HalfRed());
    QImage target = Target();
    list.Draw(target, 1, 1, 0);
    EXPECT_EQ(target.pixel(1, 1), 0xffff0000U);
    EXPECT_EQ(target.pixel(2, 2), 0xffff0000U);
    EXPECT_EQ(target.pixel(3, 1), 0xff0000ffU) << "alpha 200 is opaque in the mask, drawn whole";
    EXPECT_EQ(target.pixel(4, 1), 0xff00ff00U);
    EXPECT_EQ(target.pixel(0, 0), 0xff00ff00U);
}

TEST(ImageList, MaskStyleDrawsTheMaskAloneInBlack)
{
    ImageList list(4, 2);
    list.drawingStyle = DrawingStyle::dsTransparent;
    list.imageType = ImageType::itMask;
    list.Add(HalfRed());
    QImage target = Target();
    list.Draw(target, 0, 0, 0);
    EXPECT_EQ(target.pixel(0, 0), 0xff000000U);
    EXPECT_EQ(target.pixel(1, 1), 0xff000000U);
    EXPECT_EQ(target.pixel(2, 0), 0xff000000U);
    EXPECT_EQ(target.pixel(2, 1), 0xff00ff00U);
    EXPECT_EQ(target.pixel(3, 0), 0xff00ff00U);
}

TEST(ImageList, StoresAOneBitMaskAndTheColours)
{
    ImageList list(4, 2);
    list.Add(HalfRed());
    EXPECT_EQ(list.Mask(0).format(), QImage::Format_Mono);
    EXPECT_EQ(list.Mask(0).pixelIndex(2, 0), 1);
    EXPECT_EQ(list.Mask(0).pixelIndex(3, 0), 0);
    EXPECT_EQ(list.Image(0).pixel(0, 0), 0xffff0000U);
}

TEST(ImageList, DrawsNothingForAnIndexOutsideTheList)
{
    ImageList list(4, 2);
    list.Add(HalfRed());
    QImage target = Target();
    list.Draw(target, 0, 0, 1);
    list.Draw(target, 0, 0, -1);
    EXPECT_EQ(target, Target());
}

TEST(ImageList, RefusesAPictureOfTheWrongSizeOrOneThatCannotBeRead)
{
    ImageList list(4, 2);
    EXPECT_THROW(list.Add(QImage(4, 3, QImage::Format_ARGB32)), platform::Error);
    EXPECT_THROW(list.AddFromFile(QStringLiteral(":/no/such/picture.png")), platform::Error);
    EXPECT_EQ(list.Count(), 0);
}

TEST(LoadPicture, TheReaderCanBeReplacedAndRestored)
{
    const auto previous = platform::SetPictureReader([](const QString &) { return QImage(); });
    EXPECT_THROW(platform::LoadPicture(QStringLiteral(":/anything.png")), platform::Error);
    platform::SetPictureReader(previous);
}

} // namespace
