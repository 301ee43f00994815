#include "scores/name_entry_window.h"

#include "platform/fonts.h"
#include "platform/widgets.h"
#include "scores/scores_window.h"

TfrmKysynimi::TfrmKysynimi(HighscoreTable &table, TfrmScores &scores, QWidget *parent)
    : TForm(parent)
    , table_(table)
    , scores_(scores)
{
    setWindowTitle(QStringLiteral("Annapa nimesi, sillä..."));
    SetDesignedGeometry(202, 108, 435, 226);

    Label1 = platform::CreateLabel(
            this, QStringLiteral("Label1"),
            QStringLiteral("...olet valloittanut oman soppesi HIGH SCORE listalla!"),
            QRect(16, 16, 379, 20), platform::DesignedFont(QStringLiteral("MS Sans Serif"), 16));
    Label2 = platform::CreateLabel(this, QStringLiteral("Label2"),
                                   QStringLiteral("Tähän pikku laatikkoon laitetaan nimi:"),
                                   QRect(24, 48, 179, 13), platform::FormFont());
    Label3 = platform::CreateLabel(this, QStringLiteral("Label3"),
                                   QStringLiteral("Täällä näkyvät herran pisteet:"),
                                   QRect(24, 104, 140, 13), platform::FormFont());

    edName = new QLineEdit(QStringLiteral(" "), this);
    edName->setObjectName(QStringLiteral("edName"));
    edName->setGeometry(24, 64, 377, 21);

    edPoint = new QLineEdit(QStringLiteral("edPoint"), this);
    edPoint->setObjectName(QStringLiteral("edPoint"));
    edPoint->setGeometry(24, 120, 377, 21);

    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(168, 160, 75, 25);
    btnOK->setAutoDefault(false);
    btnOK->setDefault(false);
    connect(btnOK, &QPushButton::clicked, this, &TfrmKysynimi::btnOKClick);

    setTabOrder(edName, edPoint);
    setTabOrder(edPoint, btnOK);
    edName->setFocus();
}

void TfrmKysynimi::Valmistele()
{
    edName->setText(QStringLiteral("[nimetön]"));
    edPoint->setText(QStringLiteral("%1mk").arg(EntryPoints));
}

void TfrmKysynimi::Varoita()
{
}

void TfrmKysynimi::btnOKClick()
{
    scores_.Show();
    Close();
}
