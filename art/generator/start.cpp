// The start picture: white, two lines of handwriting across y 127-192 that tell the
// player to buy a new ticket with the button the arrow points at, and a curved arrow at the end of
// the first line pointing up and right, off the picture's right edge, toward "Uusi arpa, kerpele!"
// (in the main window that button lies right of the ticket, at about picture y 118-158).

#include "artgen.h"
#include "ticket_paint.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <cmath>
#include <numbers>

namespace {

// The line's outline in Dancing Script, narrowed a little like quick handwriting, with its ink's
// left edge at `left` and its ink's top (or bottom) at `edge`.
QPainterPath HandLine(const QString &text, double left, double edge, bool edgeIsTop)
{
    const QFont font = ticketart::NamedFont(QStringLiteral("Dancing Script"), 28, QFont::Bold);
    QPainterPath path;
    path.addText(0, 0, font, text);
    path = QTransform::fromScale(0.85, 1.0).map(path);
    const QRectF box = path.boundingRect();
    path.translate(left - box.left(), edgeIsTop ? edge - box.top() : edge - box.bottom());
    return path;
}

} // namespace

QImage DrawStartPicture()
{
    QImage image(250, 450, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const QPainterPath first = HandLine(QStringLiteral("Osta uusi arpa nuolen"), 4, 128, true);
    const QPainterPath second = HandLine(QStringLiteral("osoittamasta napista!"), 20, 191, false);
    p.fillPath(first, Qt::black);
    p.fillPath(second, Qt::black);

    // The arrow: a swoosh from just after the first line's last letter, dipping a little and
    // rising to the right edge, where its head points up and right.
    const QRectF end = first.boundingRect();
    const QPointF start(end.right() + 5, 152);
    const QPointF tip(245.5, 134.5);
    const QPointF towardTip(18, -11); // the shaft's direction at the tip: about 31 degrees up
    QPainterPath shaft(start);
    shaft.cubicTo(start + QPointF(13, 11), tip - towardTip, tip);
    QPen pen(Qt::black, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.strokePath(shaft, pen);
    // The head: two barbs, each 9 pixels, at 32 degrees either side of the shaft's end direction.
    const double direction = std::atan2(towardTip.y(), towardTip.x());
    QPainterPath head;
    for (const double side : { -1.0, 1.0 }) {
        const double a = direction + std::numbers::pi + side * 32.0 * std::numbers::pi / 180.0;
        head.moveTo(tip);
        head.lineTo(tip + QPointF(9 * std::cos(a), 9 * std::sin(a)));
    }
    p.strokePath(head, pen);
    p.end();
    return ToStandardPalette(image);
}
