#pragma once

#include <QImage>
#include <QWidget>

namespace platform {

// An image component: shows its picture at its own top-left corner, unscaled, and tells of mouse
// presses, moves and releases in its own coordinates. Drawing into Picture() does not repaint
// by itself: call Invalidate (repaint later) or repaint() (at once).
class TImage : public QWidget
{
    Q_OBJECT

public:
    explicit TImage(QWidget *parent = nullptr);

    QImage &Picture() { return picture_; }
    const QImage &Picture() const { return picture_; }
    void SetPicture(const QImage &picture);
    // Marks a part of the picture for repainting.
    void Invalidate(const QRect &rect) { update(rect); }

signals:
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    // buttons: the buttons held during the move.
    void MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y);
    void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void Clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QImage picture_;
};

} // namespace platform
