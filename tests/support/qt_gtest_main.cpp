// The main of every GoogleTest binary that needs the application object: the widgets and pictures
// tests. They run on Qt's offscreen platform, set by CMake for each test.
#include "platform/application.h"

#include <gtest/gtest.h>

namespace {

QtMessageHandler standardHandler = nullptr;

// The offscreen platform cannot raise windows and says so at every Show; that is expected.
void QuietMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message == QLatin1String("This plugin does not support raise()")) {
        return;
    }
    standardHandler(type, context, message);
}

} // namespace

int main(int argc, char **argv)
{
    standardHandler = qInstallMessageHandler(QuietMessages);
    platform::TApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
