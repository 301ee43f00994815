#include "artgen.h"

QImage DrawRulesPicture()
{
    QImage image(416, 494, QImage::Format_RGB32);
    image.fill(Qt::white);
    return ToStandardPalette(image);
}
