#include "platform/image_view.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace platform {

TImage::TImage(QWidget *parent)
    : QWidget(parent)
{
    // Only the changed part of the picture is painted again.
    setAttribute(Qt::WA_StaticContents);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void TImage::SetPicture(const QImage &picture)
{
    picture_ = picture;
    update();
}

void TImage::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect dirty = event->rect();
    painter.drawImage(dirty.topLeft(), picture_, dirty);
}

void TImage::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    emit MouseDown(event->button(), event->modifiers(), at.x(), at.y());
}

void TImage::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click is a press like any other.
    mousePressEvent(event);
}

void TImage::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    emit MouseMove(event->buttons(), event->modifiers(), at.x(), at.y());
}

void TImage::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    emit MouseUp(event->button(), event->modifiers(), at.x(), at.y());
    if (event->button() == Qt::LeftButton && rect().contains(at)) {
        emit Clicked();
    }
}

} // namespace platform
