#include "platform/widgets.h"

#include <algorithm>

namespace platform {

QLabel *CreateLabel(QWidget *parent, const QString &name, const QString &text,
                    const QRect &designed, const QFont &font)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setContentsMargins(0, 0, 0, 0);
    label->setMargin(0);
    label->setIndent(0);
    const QSize needed = label->sizeHint();
    label->setGeometry(designed.x(), designed.y(), std::max(designed.width(), needed.width()),
                       std::max(designed.height(), needed.height()));
    return label;
}

} // namespace platform
