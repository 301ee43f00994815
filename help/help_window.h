#pragma once

#include "platform/form.h"
#include "platform/image_view.h"

#include <QPushButton>

// The help window: the rules picture at the top left, unscaled, and OK in the band below it.
class TfrmOhje : public platform::TForm
{
    Q_OBJECT

public:
    // Throws platform::Error when the rules picture cannot be read.
    explicit TfrmOhje(QWidget *parent = nullptr);

    platform::TImage *Image1 = nullptr;
    QPushButton *btnOK = nullptr;

    void btnOKClick();

protected:
    void resizeEvent(QResizeEvent *event) override;
};
