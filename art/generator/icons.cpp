#include "artgen.h"

QImage DrawProgramIcon()
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

QImage DrawCopyrightIcon()
{
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(0xffc0c0c0);
    return ToStandardPalette(image);
}
