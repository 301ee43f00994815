#pragma once

#include "platform/form.h"
#include "scores/highscore_table.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cstdint>

class TfrmScores;

// Asks a name for a win that has entered the table; OK writes it into the place and shows the list.
class TfrmKysynimi : public platform::TForm
{
    Q_OBJECT

public:
    TfrmKysynimi(HighscoreTable &table, TfrmScores &scores, QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLineEdit *edName = nullptr;
    QLineEdit *edPoint = nullptr;
    QPushButton *btnOK = nullptr;

    std::int32_t EntryPlace = 0;
    std::int32_t EntryPoints = 0;

    // Runs each time the window goes from hidden to visible: "[nimetön]" in the name box and
    // the sum in the sum box.
    void Valmistele();
    // Runs when the sum box is clicked or gets the focus: takes the focus away and warns.
    void Varoita();
    // Writes the name box into place EntryPlace (as Windows-1252, cut to 19 bytes), shows the
    // list and hides this window.
    void btnOKClick();

protected:
    void OnShow() override { Valmistele(); }
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    HighscoreTable &table_;
    TfrmScores &scores_;
};
