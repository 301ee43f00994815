// Renders every window of the game in its main states to PNG files, for looking at.
// Usage: kimallus_snapshots <output folder>
#include "app/main_window.h"
#include "app/startup.h"
#include "help/help_window.h"
#include "platform/form.h"
#include "platform/message_box.h"
#include "scores/name_entry_window.h"
#include "scores/scores_window.h"
#include "ticket/pictures.h"
#include "ticket/random.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

namespace {

QString folder;
int failures = 0;

void Save(const QImage &image, const QString &name)
{
    const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".png");
    if (!image.save(path)) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
        ++failures;
    }
}

void Snap(QWidget *window, const QString &name)
{
    QApplication::processEvents();
    const QImage image = window->grab().toImage();
    Save(image, name);
    Save(image.scaled(image.size() * 3, Qt::IgnoreAspectRatio, Qt::FastTransformation),
         name + QStringLiteral("_3x"));
}

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("snapshots");
    QDir().mkpath(folder);
    folder = QDir(folder).absolutePath();

    // The game reads and writes its score file in the current folder: use an empty one.
    QTemporaryDir scratchFolder;
    QDir::setCurrent(scratchFolder.path());
    platform::InitApplication();
    platform::SetBoxRecorder([](platform::BoxKind, const QString &) {});
    SetGameClock([] { return std::time_t { 1765400154 }; });

    GameWindows windows;
    frmHelmala->Show();
    Snap(frmHelmala, QStringLiteral("main_start"));

    frmHelmala->btnUusi->click();
    Snap(frmHelmala, QStringLiteral("main_bought"));

    Generator generator(1);
    QImage &visible = frmHelmala->imArpa->Picture();
    for (int pass = 0; pass < 4; ++pass) {
        for (int y = 0; y < TicketHeight; y += 3) {
            for (int x = 0; x < TicketWidth; x += 3) {
                ApplyBrush(visible, frmHelmala->imAlusta, x, y, generator);
            }
        }
    }
    frmHelmala->imArpa->update();
    Snap(frmHelmala, QStringLiteral("main_scratched"));

    frmOhje->Show();
    Snap(frmOhje, QStringLiteral("help"));
    frmScores->Show();
    Snap(frmScores, QStringLiteral("scores"));
    frmKysynimi->EntryPlace = 0;
    frmKysynimi->EntryPoints = 350000;
    frmKysynimi->Show();
    Snap(frmKysynimi, QStringLiteral("name_entry"));

    for (const auto &[name, text] :
         { std::pair { QStringLiteral("box_message"),
                       QStringLiteral("Oli kuin olikin voitto; 350000mk") },
           std::pair {
               QStringLiteral("box_long"),
               QStringLiteral(
                   "Ja ettei raaputtamatta lunastus tule liian muotiin niin lennät ulos!!!") } }) {
        std::unique_ptr<QMessageBox> box(platform::CreateBox(platform::BoxKind::Message, text));
        box->show();
        Snap(box.get(), name);
    }
    std::unique_ptr<QMessageBox> error(platform::CreateBox(
        platform::BoxKind::Error, QStringLiteral("Kuvaa :/art/design1.png ei voitu lukea")));
    error->show();
    Snap(error.get(), QStringLiteral("box_error"));

    std::printf("snapshots in %s\n", qPrintable(folder));
    return failures == 0 ? 0 : 1;
}
