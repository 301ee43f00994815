#include "platform/form.h"

#include "platform/fonts.h"
#include "platform/message_box.h"

#include <QApplication>
#include <QIcon>
#include <QPalette>

namespace platform {

TForm::TForm(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setFont(FormFont());
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void TForm::Show()
{
    if (isHidden()) {
        OnShow();
        show();
    } else if (isMinimized()) {
        showNormal();
    }
    raise();
    activateWindow();
}

void TForm::Hide()
{
    hide();
}

void TForm::Close()
{
    close();
}

void TForm::SetDesignedGeometry(int left, int top, int outerWidth, int outerHeight)
{
    resize(outerWidth - DesignedFrameWidth, outerHeight - DesignedFrameHeight);
    // For a top-level window, move() places the outer frame.
    move(left, top);
}

void InitApplication()
{
    QApplication::setApplicationName(ApplicationTitle);
    QApplication::setQuitOnLastWindowClosed(false);
}

} // namespace platform
