#pragma once

#include <memory>

class TfrmHelmala;
class TfrmOhje;
class TfrmScores;
class TfrmKysynimi;

// The four windows, one process-wide reference each, set at start-up and valid until the end.
extern TfrmHelmala *frmHelmala;
extern TfrmOhje *frmOhje;
extern TfrmScores *frmScores;
extern TfrmKysynimi *frmKysynimi;

// Owns the four windows. Creating it builds them hidden in the order main, help, list, name entry,
// sets the references and wires the windows together; destroying it clears the references.
class GameWindows
{
public:
    // Throws platform::Error when a window cannot be built; the references of the windows not
    // built stay empty.
    GameWindows();
    ~GameWindows();
    GameWindows(const GameWindows &) = delete;
    GameWindows &operator=(const GameWindows &) = delete;

private:
    std::unique_ptr<TfrmHelmala> main_;
    std::unique_ptr<TfrmOhje> help_;
    std::unique_ptr<TfrmScores> scores_;
    std::unique_ptr<TfrmKysynimi> nameEntry_;
};

// The program: sets the application up, builds the windows, shows the main window and runs the
// event loop until the main window closes. An error while starting is shown in the error box.
// Returns 0 in every case.
int RunGame();
