#include "platform/fonts.h"

#include <QStringList>

namespace platform {

QFont DesignedFont(const QString &family, int pixelHeight, bool bold)
{
    QFont font;
    if (family == QLatin1String("Times New Roman")) {
        font.setFamilies({ QStringLiteral("Liberation Serif"), QStringLiteral("Times New Roman"),
                           QStringLiteral("DejaVu Serif") });
        font.setStyleHint(QFont::Serif);
    } else {
        font.setFamilies({ QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                           QStringLiteral("DejaVu Sans") });
        font.setStyleHint(QFont::SansSerif);
    }
    font.setPixelSize(pixelHeight);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setItalic(false);
    return font;
}

QFont FormFont()
{
    return DesignedFont(QStringLiteral("MS Sans Serif"), 11);
}

} // namespace platform
