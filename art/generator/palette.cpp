#include "artgen.h"

#include <limits>

QVector<QRgb> StandardPalette()
{
    return { 0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080,
             0xff008080, 0xffc0c0c0, 0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00,
             0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff };
}

QImage ToStandardPalette(const QImage &image)
{
    const QVector<QRgb> palette = StandardPalette();
    const QImage source = image.convertToFormat(QImage::Format_RGB32);
    QImage result(source.size(), QImage::Format_Indexed8);
    result.setColorTable(palette);
    for (int y = 0; y < source.height(); ++y) {
        const QRgb *in = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        uchar *out = result.scanLine(y);
        for (int x = 0; x < source.width(); ++x) {
            int best = 0;
            int bestDistance = std::numeric_limits<int>::max();
            for (int i = 0; i < palette.size(); ++i) {
                const int dr = qRed(in[x]) - qRed(palette[i]);
                const int dg = qGreen(in[x]) - qGreen(palette[i]);
                const int db = qBlue(in[x]) - qBlue(palette[i]);
                const int distance = dr * dr + dg * dg + db * db;
                if (distance < bestDistance) {
                    bestDistance = distance;
                    best = i;
                }
            }
            out[x] = static_cast<uchar>(best);
        }
    }
    return result;
}
