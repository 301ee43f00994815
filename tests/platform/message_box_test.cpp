#include "platform/error.h"
#include "platform/message_box.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

namespace {

using platform::BoxKind;

// The real box: caption "Kimallus", no icon (an error icon for the error box), one button "OK"
// that is both the default and the escape button.
TEST(MessageBox, HasTheGameCaptionAndOneOkButton)
{
    for (const BoxKind kind : { BoxKind::Message, BoxKind::Error }) {
        std::unique_ptr<QMessageBox> box(platform::CreateBox(kind, QStringLiteral("Teksti")));
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Kimallus"));
        EXPECT_EQ(box->icon(),
                  kind == BoxKind::Error ? QMessageBox::Critical : QMessageBox::NoIcon);
        ASSERT_EQ(box->buttons().size(), 1);
        QAbstractButton *ok = box->buttons().front();
        EXPECT_EQ(ok->text(), QStringLiteral("OK"));
        EXPECT_EQ(box->defaultButton(), ok);
        EXPECT_EQ(box->escapeButton(), ok);
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        EXPECT_EQ(box->text(),
                  kind == BoxKind::Error ? QStringLiteral("Teksti.") : QStringLiteral("Teksti"));
        EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
    }
}

TEST(MessageBox, TheRecorderReceivesEveryBoxInOrder)
{
    std::vector<std::pair<BoxKind, QString>> seen;
    const auto previous = platform::SetBoxRecorder(
        [&](BoxKind kind, const QString &text) { seen.emplace_back(kind, text); });
    platform::ShowMessage(QStringLiteral("Yksi"));
    platform::ShowErrorBox(QStringLiteral("Kaksi"));
    platform::SetBoxRecorder(previous);
    const std::vector<std::pair<BoxKind, QString>> expected = {
        { BoxKind::Message, QStringLiteral("Yksi") },
        { BoxKind::Error, QStringLiteral("Kaksi.") },
    };
    EXPECT_EQ(seen, expected);
}

} // namespace

namespace {

class Throwing : public QObject
{
public:
    bool event(QEvent *) override { throw platform::Error(QStringLiteral("Kuvaa ei löydy")); }
};

// An error that escapes an event handler is shown in the error box and the program goes on.
TEST(Application, ShowsAnErrorFromAnEventHandlerAndGoesOn)
{
    std::vector<std::pair<BoxKind, QString>> seen;
    const auto previous = platform::SetBoxRecorder(
        [&](BoxKind kind, const QString &text) { seen.emplace_back(kind, text); });
    Throwing receiver;
    QEvent event(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(&receiver, &event));
    platform::SetBoxRecorder(previous);
    ASSERT_EQ(seen.size(), 1U);
    EXPECT_EQ(seen[0], std::make_pair(BoxKind::Error, QStringLiteral("Kuvaa ei löydy.")));
}

} // namespace
