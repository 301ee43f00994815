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

    void Valmistele();
    void Varoita();
    void btnOKClick();

protected:
    void OnShow() override { Valmistele(); }

private:
    HighscoreTable &table_;
    TfrmScores &scores_;
};
