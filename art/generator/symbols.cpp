#include "artgen.h"

QImage DrawSymbol(int)
{
    QImage image(34, 28, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}
