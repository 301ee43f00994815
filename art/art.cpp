#include "art/art.h"

namespace art {

QString DesignPicture(int design)
{
    return QStringLiteral(":/art/design%1.png").arg(design);
}

QString SymbolPicture(int symbol)
{
    return QStringLiteral(":/art/symbol%1.png").arg(symbol);
}

} // namespace art
