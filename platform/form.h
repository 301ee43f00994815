#pragma once

#include <QWidget>

namespace platform {

// The frame that the windows were designed around: 4 pixels of border on every side and a
// 19-pixel title bar above the top border. A designed outer size less this frame is the
// client area that every window must give its components.
inline constexpr int DesignedFrameWidth = 8;
inline constexpr int DesignedFrameHeight = 27;

// A top-level window of the game: placed by its outer top-left corner, sized so that its client
// area is the designed one, with the form font, the button-face background and the program icon.
//
// Show, Hide and Close are the window operations that the game's handlers use:
// - Show makes the window visible and brings it to the front without making it modal; a window
//   that is visible already is only brought to the front and OnShow does not run again.
// - Hide makes it invisible and keeps everything in it.
// - Close runs the close event; a window other than the main one is then only hidden.
class TForm : public QWidget
{
    Q_OBJECT

public:
    explicit TForm(QWidget *parent = nullptr);

    void Show();
    void Hide();
    void Close();

    // Places the window with its outer top-left corner at (left, top) and its client area
    // the designed outer size less the designed frame.
    void SetDesignedGeometry(int left, int top, int outerWidth, int outerHeight);

protected:
    // Runs when Show takes the window from hidden to visible, before it shows.
    virtual void OnShow() { }
};

// Sets the application up as the game expects: the title "Kimallus" (as application name, not
// as display name, so that no window title gets it appended), no quit when the last window
// closes (the main window's close ends the program), and the program icon.
void InitApplication();

} // namespace platform
