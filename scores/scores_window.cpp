#include "scores/scores_window.h"

#include "platform/fonts.h"
#include "platform/text.h"
#include "platform/widgets.h"

#include <QPainter>

#include <cstring>

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

    Label1 = platform::CreateLabel(this, QStringLiteral("Label1"), QStringLiteral("Upporikkaat siat:"),
                                   QRect(8, 0, 215, 32),
                                   platform::DesignedFont(QStringLiteral("Times New Roman"), 29, true));
    Label2 = platform::CreateLabel(this, QStringLiteral("Label2"), QStringLiteral("(AKA high scores...)"),
                                   QRect(8, 32, 135, 19),
                                   platform::DesignedFont(QStringLiteral("Times New Roman"), 16, true));

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
    font.setPixelSize(19);
    painter.setFont(font);
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics(font);
    for (int place = 0; place < PlaceCount; ++place) {
        const NameBuffer &name = table_.HighscoreNames[place];
        const std::size_t length = strnlen(name.data(), name.size());
        const int top = 30 * place;
        painter.drawText(0, top + metrics.ascent(),
                         platform::FromWindows1252(std::string_view(name.data(), length)));
        painter.drawText(320, top + metrics.ascent(),
                         QStringLiteral("%1mk").arg(table_.HighscorePoints[place]));
    }
}

void TfrmScores::Button1Click()
{
    Close();
}
