#include "artgen.h"

#include <limits>

QVector<QRgb> StandardPalette()
{
    return { Black, Maroon, Green, Olive,  Navy, Purple,  Teal, Silver,
             Grey,  Red,    Lime,  Yellow, Blue, Fuchsia, Aqua, White };
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
