#include "help/help_window.h"

#include "art/art.h"
#include "platform/image_list.h"

TfrmOhje::TfrmOhje(QWidget *parent)
    : TForm(parent)
{
    setWindowTitle(QStringLiteral("Peliohjeet"));
    SetDesignedGeometry(179, 17, 424, 573);

    // The picture fills the client area but is drawn unscaled at its top-left corner; disabled,
    // it takes no mouse input.
    Image1 = new platform::TImage(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->SetPicture(
        platform::LoadPicture(art::RulesPicture).convertToFormat(QImage::Format_RGB32));
    Image1->setGeometry(rect());
    Image1->setEnabled(false);
    Image1->setFocusPolicy(Qt::NoFocus);

    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(128, 504, 161, 33);
    btnOK->setAutoDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &TfrmOhje::btnOKClick);
    btnOK->setFocus();
}

void TfrmOhje::btnOKClick()
{
    Hide();
}

void TfrmOhje::resizeEvent(QResizeEvent *event)
{
    TForm::resizeEvent(event);
    Image1->setGeometry(rect());
}
