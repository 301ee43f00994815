#pragma once

#include "platform/form.h"
#include "scores/highscore_table.h"

#include <QLabel>
#include <QPushButton>
#include <QWidget>

class TfrmScores;

// The paint box of the list window: its paint handler is the window's Listaa.
class TPaintBox : public QWidget
{
    Q_OBJECT

public:
    explicit TPaintBox(QWidget *parent = nullptr)
        : QWidget(parent)
    { }

signals:
    void Paint(QPainter &painter);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// The high-score list: the ten places with names and sums, painted from the table at every paint.
// Row i has its top at y 30 * i; names start at x 0, sums ("%limk") at x 320. A sum too wide to
// end inside the box there moves the whole sum column left, so that every digit shows, and a
// name is cut off a few pixels before the sum column, never drawn over it.
class TfrmScores : public platform::TForm
{
    Q_OBJECT

public:
    explicit TfrmScores(const HighscoreTable &table, QWidget *parent = nullptr);

    TPaintBox *pbNimilista = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QPushButton *Button1 = nullptr;

    static constexpr int RowHeight = 30;
    static constexpr int SumColumnLeft = 320;
    static constexpr int NameGap = 6;
    static constexpr int SumFontPixels = 19;

    // The paint handler of pbNimilista.
    void Listaa(QPainter &painter);
    void Button1Click();

private:
    const HighscoreTable &table_;
};
