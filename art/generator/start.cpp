#include "artgen.h"

QImage DrawStartPicture()
{
    QImage image(250, 450, QImage::Format_RGB32);
    image.fill(Qt::white);
    return ToStandardPalette(image);
}
