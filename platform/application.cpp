#include "platform/application.h"

#include "platform/error.h"
#include "platform/message_box.h"

#include <exception>

namespace platform {

TApplication::TApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{ }

bool TApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const Error &error) {
        ShowErrorBox(error.Message());
    } catch (const std::exception &error) {
        ShowErrorBox(QString::fromLocal8Bit(error.what()));
    }
    return false;
}

} // namespace platform
