#include "artgen.h"

QImage DrawDesign(int design)
{
    QImage image(250, 450, QImage::Format_RGB32);
    image.fill(design == 0 ? 0xff203080 : 0xffa01828);
    return image;
}

QImage DrawCoating()
{
    QImage image(250, 450, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}
