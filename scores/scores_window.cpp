#include "scores/scores_window.h"

#include "platform/fonts.h"
#include "platform/text.h"
#include "platform/widgets.h"
#include "scores/table_rules.h"

#include <QPainter>

#include <algorithm>
#include <array>

void TPaintBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    emit Paint(painter);
}

TfrmScores::TfrmScores(const HighscoreTable &table, QWidget *parent)
    : TForm(parent)
    , table_(table)
{
    setWindowTitle(QStringLiteral("Isot voitot:"));
    SetDesignedGeometry(200, 108, 424, 435);

    pbNimilista = new TPaintBox(this);
    pbNimilista->setObjectName(QStringLiteral("pbNimilista"));
    pbNimilista->setGeometry(8, 56, 400, 300);
    connect(pbNimilista, &TPaintBox::Paint, this, &TfrmScores::Listaa);

    Label1 = platform::CreateLabel(
        this, QStringLiteral("Label1"), QStringLiteral("Upporikkaat siat:"), QRect(8, 0, 215, 32),
        platform::DesignedFont(QStringLiteral("Times New Roman"), 29, true));
    Label2 = platform::CreateLabel(
        this, QStringLiteral("Label2"), QStringLiteral("(AKA high scores...)"),
        QRect(8, 32, 135, 19), platform::DesignedFont(QStringLiteral("Times New Roman"), 16, true));

    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(120, 368, 193, 33);
    Button1->setAutoDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TfrmScores::Button1Click);
    Button1->setFocus();
}

void TfrmScores::Listaa(QPainter &painter)
{
    QFont font = pbNimilista->font();
    font.setPixelSize(SumFontPixels);
    painter.setFont(font);
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics(font);

    std::array<QString, PlaceCount> sums;
    int sumLeft = SumColumnLeft;
    for (int place = 0; place < PlaceCount; ++place) {
        sums[place] = QString::fromStdString(SumText(table_.HighscorePoints[place]));
        const int width = std::max(metrics.horizontalAdvance(sums[place]),
                                   metrics.boundingRect(sums[place]).right() + 1);
        sumLeft = std::min(sumLeft, pbNimilista->width() - width);
    }
    sumLeft = std::max(sumLeft, 0);

    for (int place = 0; place < PlaceCount; ++place) {
        const int top = RowHeight * place;
        const int baseline = top + metrics.ascent();
        painter.save();
        painter.setClipRect(
            QRect(0, top, std::max(sumLeft - NameGap, 0), std::max(RowHeight, metrics.height())));
        painter.drawText(0, baseline,
                         platform::FromWindows1252(NameOf(table_.HighscoreNames[place])));
        painter.restore();
        painter.drawText(sumLeft, baseline, sums[place]);
    }
}

void TfrmScores::Button1Click()
{
    Close();
}
