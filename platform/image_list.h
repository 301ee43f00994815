#pragma once

#include <QImage>
#include <QString>

#include <functional>
#include <vector>

namespace platform {

// How an image list draws: through each image's mask (dsNormal with itImage), or the mask
// alone, every opaque pixel in the text colour, black (dsTransparent with itMask).
enum class DrawingStyle { dsNormal, dsTransparent };
enum class ImageType { itImage, itMask };

// Equal-sized images, each stored in 24-bit colour with a 1-bit mask.
class ImageList
{
public:
    ImageList(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Count() const { return static_cast<int>(entries_.size()); }

    // Adds an image whose alpha channel is its mask: alpha 128 or more is opaque.
    // Throws Error when the picture is not of the list's size.
    void Add(const QImage &picture);
    // Adds the picture stored at path (a resource or a file). Throws Error when it cannot be read.
    void AddFromFile(const QString &path);

    DrawingStyle drawingStyle = DrawingStyle::dsNormal;
    ImageType imageType = ImageType::itImage;

    // Draws image index with its top-left corner at (x, y) of target; an index outside the
    // list draws nothing. One whole-image operation.
    void Draw(QImage &target, int x, int y, int index) const;

    // Image index in 24-bit colour, and its mask (Format_Mono, 1 = opaque).
    const QImage &Image(int index) const { return entries_.at(index).image; }
    const QImage &Mask(int index) const { return entries_.at(index).mask; }

private:
    struct Entry
    {
        QImage image; // RGB888
        QImage mask; // Mono, colour 1 opaque
        QImage throughMask; // premultiplied ARGB, alpha 0 or 255, for dsNormal
        QImage silhouette; // premultiplied ARGB, alpha 0 or 255, the mask in black
    };

    int width_;
    int height_;
    std::vector<Entry> entries_;
};

// Reads a picture from a resource or file; throws Error when it cannot be read.
QImage LoadPicture(const QString &path);

// Tests replace the reader of LoadPicture to make a picture unreadable; an empty reader
// restores the real one. Returns the reader that was set before.
using PictureReader = std::function<QImage(const QString &path)>;
PictureReader SetPictureReader(PictureReader reader);

} // namespace platform
