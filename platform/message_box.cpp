#include "platform/message_box.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include <memory>
#include <utility>

namespace platform {

namespace {

BoxRecorder &Recorder()
{
    static BoxRecorder recorder;
    return recorder;
}

QString BoxText(BoxKind kind, const QString &text)
{
    return kind == BoxKind::Error ? text + QLatin1Char('.') : text;
}

void ShowBox(BoxKind kind, const QString &text)
{
    if (Recorder()) {
        Recorder()(kind, BoxText(kind, text));
        return;
    }
    std::unique_ptr<QMessageBox> box(CreateBox(kind, text));
    box->adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = box->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        box->move(frame.topLeft());
    }
    box->exec();
}

} // namespace

QMessageBox *CreateBox(BoxKind kind, const QString &text)
{
    auto *box = new QMessageBox;
    box->setWindowTitle(ApplicationTitle);
    box->setIcon(kind == BoxKind::Error ? QMessageBox::Critical : QMessageBox::NoIcon);
    // Plain text, as given: no markup is read from a message.
    box->setTextFormat(Qt::PlainText);
    box->setText(BoxText(kind, text));
    QPushButton *ok = box->addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box->setDefaultButton(ok);
    box->setEscapeButton(ok);
    box->setWindowModality(Qt::ApplicationModal);
    return box;
}

void ShowMessage(const QString &text)
{
    ShowBox(BoxKind::Message, text);
}

void ShowErrorBox(const QString &message)
{
    ShowBox(BoxKind::Error, message);
}

BoxRecorder SetBoxRecorder(BoxRecorder recorder)
{
    return std::exchange(Recorder(), std::move(recorder));
}

} // namespace platform
