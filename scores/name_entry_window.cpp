#include "scores/name_entry_window.h"

#include "platform/fonts.h"
#include "platform/message_box.h"
#include "platform/text.h"
#include "platform/widgets.h"
#include "scores/scores_window.h"
#include "scores/table_rules.h"

#include <QMouseEvent>

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
    // The sum box never keeps the focus. A click does not give it the focus at all, so that one
    // attempt (a click, or Tab into it) makes one warning, not a focus-in and a click each.
    edPoint->setFocusPolicy(Qt::TabFocus);
    edPoint->setContextMenuPolicy(Qt::NoContextMenu);
    edPoint->installEventFilter(this);

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
    edPoint->setText(QString::fromStdString(SumText(EntryPoints)));
}

void TfrmKysynimi::Varoita()
{
    // Disabling the focused box moves the focus on to the next component.
    edPoint->setEnabled(false);
    edPoint->setEnabled(true);
    platform::ShowMessage(QStringLiteral("Eipäs yritetä!"));
}

void TfrmKysynimi::btnOKClick()
{
    if (EntryPlace >= 0 && EntryPlace < PlaceCount) {
        WriteName(table_.HighscoreNames[EntryPlace],
                  platform::ToWindows1252(edName->text(), MaxNameLength));
    }
    scores_.Show();
    Close();
}

bool TfrmKysynimi::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != edPoint) {
        return TForm::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::FocusIn:
        Varoita();
        return true;
    case QEvent::MouseButtonRelease: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton
            && edPoint->rect().contains(mouse->position().toPoint())) {
            Varoita();
        }
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        // The box takes no selection or drag: nothing the player does to it matters.
        return true;
    default:
        return TForm::eventFilter(watched, event);
    }
}
