#include "platform/image_list.h"

#include "platform/error.h"

#include <QPainter>

#include <utility>

namespace platform {

ImageList::ImageList(int width, int height)
    : width_(width)
    , height_(height)
{ }

void ImageList::Add(const QImage &picture)
{
    if (picture.width() != width_ || picture.height() != height_) {
        throw Error(
            QStringLiteral("Kuvalistan kuva on väärän kokoinen (%1 x %2, pitäisi olla %3 x %4)")
                .arg(picture.width())
                .arg(picture.height())
                .arg(width_)
                .arg(height_));
    }
    const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
    Entry entry;
    entry.image = argb.convertToFormat(QImage::Format_RGB888);
    entry.mask = QImage(width_, height_, QImage::Format_Mono);
    entry.mask.setColorTable({ 0xffffffffU, 0xff000000U });
    entry.mask.fill(0);
    entry.throughMask = QImage(width_, height_, QImage::Format_ARGB32_Premultiplied);
    entry.silhouette = QImage(width_, height_, QImage::Format_ARGB32_Premultiplied);
    const QRgb ink = 0xff000000U;
    for (int y = 0; y < height_; ++y) {
        const QRgb *in = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        uchar *maskBits = entry.mask.scanLine(y); // most significant bit first
        QRgb *through = reinterpret_cast<QRgb *>(entry.throughMask.scanLine(y));
        QRgb *shadow = reinterpret_cast<QRgb *>(entry.silhouette.scanLine(y));
        for (int x = 0; x < width_; ++x) {
            const bool opaque = qAlpha(in[x]) >= 128;
            if (opaque) {
                maskBits[x >> 3] |= static_cast<uchar>(0x80U >> (x & 7));
            }
            through[x] = opaque ? (in[x] | 0xff000000U) : 0U;
            shadow[x] = opaque ? ink : 0U;
        }
    }
    entries_.push_back(std::move(entry));
}

void ImageList::AddFromFile(const QString &path)
{
    Add(LoadPicture(path));
}

void ImageList::Draw(QImage &target, int x, int y, int index) const
{
    if (index < 0 || index >= Count()) {
        return;
    }
    const Entry &entry = entries_[static_cast<std::size_t>(index)];
    QPainter painter(&target);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (drawingStyle == DrawingStyle::dsTransparent && imageType == ImageType::itMask) {
        painter.drawImage(x, y, entry.silhouette);
    } else {
        painter.drawImage(x, y, entry.throughMask);
    }
}

namespace {

PictureReader &Reader()
{
    static PictureReader reader;
    return reader;
}

} // namespace

QImage LoadPicture(const QString &path)
{
    const QImage image = Reader() ? Reader()(path) : QImage(path);
    if (image.isNull()) {
        throw Error(QStringLiteral("Kuvaa %1 ei voitu lukea").arg(path));
    }
    return image;
}

PictureReader SetPictureReader(PictureReader reader)
{
    return std::exchange(Reader(), std::move(reader));
}

} // namespace platform
