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
    {
    }

signals:
    void Paint(QPainter &painter);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// The high-score list: the ten places with names and sums, painted from the table at every paint.
class TfrmScores : public platform::TForm
{
    Q_OBJECT

public:
    explicit TfrmScores(const HighscoreTable &table, QWidget *parent = nullptr);

    TPaintBox *pbNimilista = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QPushButton *Button1 = nullptr;

    void Listaa(QPainter &painter);
    void Button1Click();

private:
    const HighscoreTable &table_;
};
