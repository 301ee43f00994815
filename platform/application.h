#pragma once

#include <QApplication>

namespace platform {

// The application object. An error that escapes an event handler while the program runs is
// shown in the error box, and the program goes on.
class TApplication : public QApplication
{
    Q_OBJECT

public:
    TApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;
};

} // namespace platform
