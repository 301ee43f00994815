#include "app/startup.h"

#include "app/main_window.h"
#include "art/art.h"
#include "help/help_window.h"
#include "platform/error.h"
#include "platform/form.h"
#include "platform/message_box.h"
#include "scores/name_entry_window.h"
#include "scores/scores_window.h"

#include <QApplication>
#include <QIcon>

#include <csignal>
#include <exception>

TfrmHelmala *frmHelmala = nullptr;
TfrmOhje *frmOhje = nullptr;
TfrmScores *frmScores = nullptr;
TfrmKysynimi *frmKysynimi = nullptr;

GameWindows::GameWindows()
{
    QApplication::setWindowIcon(QIcon(art::ProgramIcon));
    try {
        main_ = std::make_unique<TfrmHelmala>();
        frmHelmala = main_.get();
        help_ = std::make_unique<TfrmOhje>();
        frmOhje = help_.get();
        scores_ = std::make_unique<TfrmScores>(main_->table);
        frmScores = scores_.get();
        nameEntry_ = std::make_unique<TfrmKysynimi>(main_->table, *scores_);
        frmKysynimi = nameEntry_.get();
    } catch (...) {
        frmHelmala = nullptr;
        frmOhje = nullptr;
        frmScores = nullptr;
        frmKysynimi = nullptr;
        throw;
    }
    main_->ConnectWindows(help_.get(), scores_.get(), nameEntry_.get());
}

GameWindows::~GameWindows()
{
    frmKysynimi = nullptr;
    frmScores = nullptr;
    frmOhje = nullptr;
    frmHelmala = nullptr;
}

int RunGame()
{
    // A file-size limit makes a write fail with an error instead of stopping the program, so a
    // save that hits it is reported like any full disk.
    std::signal(SIGXFSZ, SIG_IGN);
    platform::InitApplication();
    try {
        GameWindows windows;
        frmHelmala->Show();
        QApplication::exec();
    } catch (const platform::Error &error) {
        platform::ShowErrorBox(error.Message());
    } catch (const std::exception &error) {
        platform::ShowErrorBox(QString::fromLocal8Bit(error.what()));
    }
    return 0;
}
