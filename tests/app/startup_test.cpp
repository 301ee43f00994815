#include "app/startup.h"
#include "platform/image_list.h"
#include "platform/message_box.h"

#include <QApplication>
#include <QWidget>

#include <gtest/gtest.h>

#include <csignal>
#include <vector>

namespace {

// A picture that cannot be read ends start-up: its error is shown in the error box, no window
// is left, and the program still returns 0.
TEST(Startup, AnUnreadablePictureShowsTheErrorBoxAndReturnsZero)
{
    std::vector<std::pair<platform::BoxKind, QString>> boxes;
    const auto previousRecorder = platform::SetBoxRecorder(
        [&](platform::BoxKind kind, const QString &text) { boxes.emplace_back(kind, text); });
    const auto previousReader = platform::SetPictureReader([](const QString &path) {
        return path.endsWith(QLatin1String("design1.png")) ? QImage() : QImage(path);
    });

    EXPECT_EQ(RunGame(), 0);
    // A file-size limit must fail the save with an error, not stop the program.
    struct sigaction action
    {
    };
    sigaction(SIGXFSZ, nullptr, &action);
    EXPECT_EQ(action.sa_handler, SIG_IGN);

    platform::SetPictureReader(previousReader);
    platform::SetBoxRecorder(previousRecorder);
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_EQ(boxes[0].first, platform::BoxKind::Error);
    EXPECT_EQ(boxes[0].second, QStringLiteral("Kuvaa :/art/design1.png ei voitu lukea."));
    EXPECT_EQ(frmHelmala, nullptr);
    EXPECT_EQ(frmOhje, nullptr);
    for (const QWidget *window : QApplication::topLevelWidgets()) {
        EXPECT_FALSE(window->isVisible());
    }
}

} // namespace
