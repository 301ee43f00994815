#pragma once

#include <QString>

#include <functional>

class QMessageBox;

namespace platform {

// The application title: the taskbar text and the caption of every message and error box.
inline const QString ApplicationTitle = QStringLiteral("Kimallus");

enum class BoxKind { Message, Error };

// Shows text in the game's modal message box: caption "Kimallus", no icon, one "OK" button
// that Enter and Esc also press, centred on the screen. Returns when the player has closed it.
void ShowMessage(const QString &text);
// Shows message followed by a full stop in the error box: the same box with an error icon.
void ShowErrorBox(const QString &message);

// Builds the box that ShowMessage or ShowErrorBox would show, without showing it.
// The caller owns the box.
QMessageBox *CreateBox(BoxKind kind, const QString &text);

// Tests route every box through a recorder instead of a nested event loop. The recorder gets
// the box's kind and its full text (for the error box with its full stop). An empty recorder
// restores the real boxes. Returns the recorder that was set before.
using BoxRecorder = std::function<void(BoxKind kind, const QString &text)>;
BoxRecorder SetBoxRecorder(BoxRecorder recorder);

} // namespace platform
