#pragma once

#include <QFont>
#include <QString>

namespace platform {

// The game is laid out for "MS Sans Serif" and "Times New Roman", which Linux does not have.
// This maps them, in this one place, to fonts of similar width that are there (Liberation Sans
// and Liberation Serif, from fonts-liberation), at the designed height: pixelHeight is the
// character height without internal leading, the magnitude of the designed negative height.
QFont DesignedFont(const QString &family, int pixelHeight, bool bold = false);

// The form font: "MS Sans Serif" at height 11 (8 point at 96 pixels per inch).
QFont FormFont();

} // namespace platform
