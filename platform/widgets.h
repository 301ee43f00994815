#pragma once

#include <QFont>
#include <QLabel>
#include <QRect>
#include <QString>

namespace platform {

// A label at its designed place that grows to show its whole text, as a label sized to its
// text would: the designed size is a minimum, never a clip.
QLabel *CreateLabel(QWidget *parent, const QString &name, const QString &text,
                    const QRect &designed, const QFont &font);

} // namespace platform
