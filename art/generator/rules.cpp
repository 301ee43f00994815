// The rules page of the help window: a printed leaflet in Finnish (left) and Swedish (right),
// in black, white and the two greys. Every text is drawn without anti-aliasing in fully hinted
// DejaVu, so that it stays sharp at 1x; the prize table stamps the symbol glyphs themselves.
#include "artgen.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QStringList>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int PageWidth = 416;
constexpr int PageHeight = 494;

// The page's columns: Finnish and the prize table on the left, Swedish and the prize
// distribution on the right.
constexpr int Margin = 8;
constexpr int LeftColumn = Margin;
constexpr int LeftWidth = 220;
constexpr int RightColumn = 238;
constexpr int RightWidth = PageWidth - Margin - RightColumn;
constexpr int LinePitch = 12;

[[noreturn]] void Fail(const QString &message)
{
    std::fprintf(stderr, "rules picture: %s\n", qPrintable(message));
    std::exit(1);
}

// Text that does not fit its place is reported, and the generator stops once the whole page is
// drawn, so that one run lists every problem and no clipped page is ever written.
bool problemsFound = false;
void Problem(const QString &message)
{
    std::fprintf(stderr, "rules picture: %s\n", qPrintable(message));
    problemsFound = true;
}

// A named font at a pixel size, drawn in one bit with full hinting. The generator stops when
// the font is not installed, so that the picture never silently changes with a fallback.
QFont Font(const QString &family, int pixelSize, bool bold = false)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::PreferMatch));
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setKerning(true);
    if (QFontInfo(font).family() != family) {
        Fail(QStringLiteral("font %1 is not installed").arg(family));
    }
    return font;
}

QFont Body()
{
    return Font(QStringLiteral("DejaVu Sans Condensed"), 11);
}

QFont BodyBold()
{
    return Font(QStringLiteral("DejaVu Sans Condensed"), 11, true);
}

// Breaks text into lines no wider than width at its spaces (a no-break space keeps a sum and
// its unit together); "\n" forces a break.
QStringList Wrap(const QString &text, const QFont &font, int width)
{
    const QFontMetrics metrics(font);
    QStringList lines;
    for (const QString &paragraph : text.split(QLatin1Char('\n'))) {
        QString line;
        for (const QString &word : paragraph.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
            if (!line.isEmpty() && metrics.horizontalAdvance(candidate) > width) {
                lines << line;
                line = word;
            } else {
                line = candidate;
            }
        }
        lines << line;
    }
    for (const QString &line : lines) {
        if (metrics.horizontalAdvance(line) > width) {
            Problem(QStringLiteral("\"%1\" is wider than %2").arg(line).arg(width));
        }
    }
    return lines;
}

// Draws text wrapped into the box, one line every LinePitch pixels from the box's top, and
// reports a problem when it needs more lines than the box holds. Returns the height used.
int Paragraph(QPainter &p, const QRect &box, const QString &text, const QFont &font,
              Qt::Alignment alignment = Qt::AlignLeft)
{
    const QStringList lines = Wrap(text, font, box.width());
    if (static_cast<int>(lines.size()) * LinePitch > box.height()) {
        Problem(QStringLiteral("\"%1\" needs %2 lines, the box holds %3")
                    .arg(text)
                    .arg(lines.size())
                    .arg(box.height() / LinePitch));
    }
    p.setFont(font);
    const QFontMetrics metrics(font);
    int y = box.top();
    for (const QString &line : lines) {
        int x = box.left();
        if (alignment & Qt::AlignHCenter) {
            x += (box.width() - metrics.horizontalAdvance(line)) / 2;
        } else if (alignment & Qt::AlignRight) {
            x += box.width() - metrics.horizontalAdvance(line);
        }
        p.drawText(x, y + metrics.ascent(), line);
        y += LinePitch;
    }
    return static_cast<int>(lines.size()) * LinePitch;
}

// One line of text with its top at y, placed in the span [left, left + width).
void Line(QPainter &p, int left, int y, int width, const QString &text, const QFont &font,
          Qt::Alignment alignment = Qt::AlignLeft)
{
    Paragraph(p, QRect(left, y, width, LinePitch), text, font, alignment);
}

void HorizontalRule(QPainter &p, int left, int right, int y, QRgb colour)
{
    p.fillRect(QRect(QPoint(left, y), QPoint(right, y)), QColor::fromRgb(colour));
}

// The glyph of a symbol printed in black, as the ticket prints it, scale pixels to a pixel.
void Stamp(QPainter &p, int symbol, int x, int y, int scale = 1)
{
    const QImage glyph = DrawSymbol(symbol).convertToFormat(QImage::Format_ARGB32);
    QImage ink(glyph.size(), QImage::Format_ARGB32);
    for (int gy = 0; gy < glyph.height(); ++gy) {
        for (int gx = 0; gx < glyph.width(); ++gx) {
            ink.setPixel(gx, gy, qAlpha(glyph.pixel(gx, gy)) == 255 ? Black : 0u);
        }
    }
    p.drawImage(QRect(x, y, ink.width() * scale, ink.height() * scale), ink);
}

// ---- The title and the barcode.

// A four-pointed glint with concave sides (|dx|^1/2 + |dy|^1/2 <= arm^1/2), as on the ticket.
void Glint(QPainter &p, int cx, int cy, int arm, QRgb colour)
{
    for (int dy = -arm; dy <= arm; ++dy) {
        for (int dx = -arm; dx <= arm; ++dx) {
            if (std::sqrt(std::abs(dx)) + std::sqrt(std::abs(dy)) <= std::sqrt(arm) + 1e-9) {
                p.fillRect(cx + dx, cy + dy, 1, 1, QColor::fromRgb(colour));
            }
        }
    }
}

void Title(QPainter &p)
{
    const QFont title = Font(QStringLiteral("DejaVu Serif"), 34, true);
    const QFontMetrics metrics(title);
    const QString name = QStringLiteral("KIMALLUS");
    const int baseline = 4 + metrics.capHeight();
    // A grey shadow two pixels down and right gives the printed logo some depth.
    p.setFont(title);
    p.setPen(QColor::fromRgb(Grey));
    p.drawText(LeftColumn + 2, baseline + 2, name);
    p.setPen(QColor::fromRgb(Black));
    p.drawText(LeftColumn, baseline, name);
    const int nameRight = LeftColumn + metrics.horizontalAdvance(name);

    // The registered-trademark sign: a ring with an R, high beside the name.
    const QFont mark = Font(QStringLiteral("DejaVu Sans"), 11, true);
    p.setFont(mark);
    p.drawText(nameRight + 1, baseline - metrics.capHeight() + QFontMetrics(mark).ascent() - 1,
               QStringLiteral("\u00ae"));

    QFont swedish = Font(QStringLiteral("DejaVu Serif"), 13, true);
    swedish.setLetterSpacing(QFont::AbsoluteSpacing, 4);
    p.setFont(swedish);
    p.drawText(LeftColumn + 2, baseline + 16, QStringLiteral("GLITTER"));

    // Glints between the name and the barcode.
    Glint(p, 252, 17, 8, Black);
    Glint(p, 272, 35, 5, Grey);
}

// An EAN-13 barcode of a number from the in-store range (prefix 2), which no real product
// carries, with its digits beneath as printed on packaging.
void Barcode(QPainter &p, int right, int top)
{
    static const std::array<const char *, 10> left = { "0001101", "0011001", "0010011", "0111101",
                                                       "0100011", "0110001", "0101111", "0111011",
                                                       "0110111", "0001011" };
    static const std::array<const char *, 10> parity = { "LLLLLL", "LLGLGG", "LLGGLG", "LLGGGL",
                                                         "LGLLGG", "LGGLLG", "LGGGLL", "LGLGLG",
                                                         "LGLGGL", "LGGLGL" };
    QString digits = QStringLiteral("200199400012");
    int sum = 0;
    for (int i = 0; i < 12; ++i) {
        sum += digits[i].digitValue() * (i % 2 == 0 ? 1 : 3);
    }
    digits += QString::number((10 - sum % 10) % 10);

    // 95 modules of one pixel: guard, six left digits, centre guard, six right digits, guard.
    QString modules = QStringLiteral("101");
    const int first = digits[0].digitValue();
    for (int i = 1; i <= 6; ++i) {
        const QString code =
            QString::fromLatin1(left[static_cast<std::size_t>(digits[i].digitValue())]);
        if (parity[static_cast<std::size_t>(first)][i - 1] == 'L') {
            modules += code;
        } else {
            // The G code is the R code (the L code inverted) read backwards.
            QString g;
            for (int k = 6; k >= 0; --k) {
                g += code[k] == QLatin1Char('1') ? QLatin1Char('0') : QLatin1Char('1');
            }
            modules += g;
        }
    }
    modules += QStringLiteral("01010");
    for (int i = 7; i <= 12; ++i) {
        const QString code =
            QString::fromLatin1(left[static_cast<std::size_t>(digits[i].digitValue())]);
        for (const QChar bit : code) {
            modules += bit == QLatin1Char('1') ? QLatin1Char('0') : QLatin1Char('1');
        }
    }

    const QFont font = Font(QStringLiteral("DejaVu Sans Mono"), 11);
    const QFontMetrics metrics(font);
    const int digitWidth = metrics.horizontalAdvance(QLatin1Char('0'));
    const int x0 = right - static_cast<int>(modules.size());
    const int barBottom = top + 30;
    for (int m = 0; m < modules.size(); ++m) {
        if (modules[m] != QLatin1Char('1')) {
            continue;
        }
        const bool guard = m < 3 || (m >= 45 && m < 50) || m >= 92;
        p.fillRect(x0 + m, top, 1, barBottom - top + (guard ? 5 : 0), QColor::fromRgb(Black));
    }
    p.setFont(font);
    p.setPen(QColor::fromRgb(Black));
    const int baseline = barBottom + metrics.ascent() - 1;
    // The first digit stands left of the bars, the two groups of six under their halves.
    p.drawText(x0 - digitWidth - 1, baseline, digits.left(1));
    const auto group = [&](int startModule, const QString &text) {
        const int width = 42;
        const int x = x0 + startModule + (width - metrics.horizontalAdvance(text)) / 2;
        p.drawText(x, baseline, text);
    };
    group(3, digits.mid(1, 6));
    group(50, digits.mid(7, 6));
}

// ---- The prize table.

struct PrizeRow
{
    int symbol;
    QString prize; // one line, or "Finnish\nSwedish"
};

constexpr int TableTop = 94;
constexpr int RowPitch = 29; // a glyph of 28 and a rule
constexpr int GlyphLeft = LeftColumn + 2;
constexpr int PlusWidth = 11;
constexpr int EqualsWidth = 13;
constexpr int PrizeLeft = GlyphLeft + 3 * 34 + 2 * PlusWidth + EqualsWidth;
constexpr int TableRight = LeftColumn + LeftWidth - 1;

void Sign(QPainter &p, int left, int width, int rowTop, int rowHeight, const QString &sign)
{
    const QFont font = Font(QStringLiteral("DejaVu Sans"), 13, true);
    const QFontMetrics metrics(font);
    p.setFont(font);
    const QRect ink = metrics.tightBoundingRect(sign);
    const int x = left + (width - ink.width()) / 2 - ink.left();
    const int y = rowTop + (rowHeight - ink.height()) / 2 - ink.top();
    p.drawText(x, y, sign);
}

void PrizeText(QPainter &p, int rowTop, int rowHeight, const QString &prize)
{
    const QStringList lines = prize.split(QLatin1Char('\n'));
    const QFont font =
        lines.size() > 1 ? BodyBold() : Font(QStringLiteral("DejaVu Sans Condensed"), 12, true);
    const int height =
        lines.size() > 1 ? static_cast<int>(lines.size()) * LinePitch : QFontMetrics(font).height();
    const int top = rowTop + (rowHeight - height) / 2;
    const int width = TableRight - PrizeLeft;
    if (lines.size() > 1) {
        Paragraph(p, QRect(PrizeLeft, top, width, height), prize, font, Qt::AlignHCenter);
    } else {
        p.setFont(font);
        const QFontMetrics metrics(font);
        const int textWidth = metrics.horizontalAdvance(prize);
        if (textWidth > width - 4) {
            Problem(QStringLiteral("prize %1 is %2 wide, the cell %3")
                        .arg(prize)
                        .arg(textWidth)
                        .arg(width));
        }
        p.drawText(TableRight - 3 - textWidth, top + metrics.ascent(), prize);
    }
}

int PrizeTable(QPainter &p)
{
    const std::array<PrizeRow, 9> rows = { {
        { 9, QStringLiteral("PÄÄVOITTO\nHUVUDVINST") },
        { 8, QStringLiteral("100.000 mk") },
        { 7, QStringLiteral("10.000 mk") },
        { 6, QStringLiteral("1.000 mk") },
        { 5, QStringLiteral("200 mk") },
        { 4, QStringLiteral("100 mk") },
        { 3, QStringLiteral("50 mk") },
        { 2, QStringLiteral("30 mk") },
        { 1, QStringLiteral("20 mk") },
    } };
    const int doubleRowHeight = 2 * LinePitch + 4;
    const int bottom = TableTop + static_cast<int>(rows.size()) * RowPitch + doubleRowHeight + 1;

    // The prize column is shaded; the rows are ruled in grey inside a black frame.
    p.fillRect(QRect(QPoint(PrizeLeft, TableTop), QPoint(TableRight, bottom)),
               QColor::fromRgb(Silver));
    p.setPen(QColor::fromRgb(Black));
    int y = TableTop;
    for (const PrizeRow &row : rows) {
        const int glyphTop = y + 1;
        for (int i = 0; i < 3; ++i) {
            Stamp(p, row.symbol, GlyphLeft + i * (34 + PlusWidth), glyphTop);
        }
        // The big sums carry their digits in their top sixteen rows: the signs stand level
        // with the digits.
        const bool bigSum = row.symbol >= 6 && row.symbol <= 8;
        const int signTop = bigSum ? glyphTop + 1 : glyphTop;
        const int signHeight = bigSum ? 16 : 28;
        Sign(p, GlyphLeft + 34, PlusWidth, signTop, signHeight, QStringLiteral("+"));
        Sign(p, GlyphLeft + 2 * 34 + PlusWidth, PlusWidth, signTop, signHeight,
             QStringLiteral("+"));
        Sign(p, PrizeLeft - EqualsWidth, EqualsWidth, signTop, signHeight, QStringLiteral("="));
        PrizeText(p, glyphTop, 28, row.prize);
        y += RowPitch;
        HorizontalRule(p, LeftColumn, TableRight, y, Grey);
    }

    // The tenth row: three identical symbols and the double symbol give a double win.
    const int rowTop = y + 1;
    const int textTop = rowTop + (doubleRowHeight - 2 * LinePitch) / 2;
    Paragraph(p, QRect(GlyphLeft, textTop, 2 * 34 + PlusWidth, 2 * LinePitch),
              QStringLiteral("Kolme samaa\nTre likadana"), BodyBold(), Qt::AlignHCenter);
    Sign(p, GlyphLeft + 2 * 34 + PlusWidth, PlusWidth, rowTop, doubleRowHeight,
         QStringLiteral("+"));
    Stamp(p, 0, GlyphLeft + 2 * (34 + PlusWidth), rowTop + (doubleRowHeight - 28) / 2);
    Sign(p, PrizeLeft - EqualsWidth, EqualsWidth, rowTop, doubleRowHeight, QStringLiteral("="));
    Paragraph(p, QRect(PrizeLeft, textTop, TableRight - PrizeLeft, 2 * LinePitch),
              QStringLiteral("tuplavoitto\ndubbel vinst"), BodyBold(), Qt::AlignHCenter);

    p.setPen(QColor::fromRgb(Black));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(QPoint(LeftColumn, TableTop), QPoint(TableRight, bottom)));
    return bottom;
}

// ---- The prize distribution.

int Distribution(QPainter &p, int top)
{
    struct Count
    {
        QString prize;
        QString tickets;
    };
    const std::array<Count, 11> counts = { {
        { QStringLiteral("Päävoitto/Huvudvinst"), QStringLiteral("3") },
        { QStringLiteral("100.000 mk"), QStringLiteral("12") },
        { QStringLiteral("10.000 mk"), QStringLiteral("120") },
        { QStringLiteral("1.000 mk"), QStringLiteral("1 050") },
        { QStringLiteral("200 mk"), QStringLiteral("7 500") },
        { QStringLiteral("100 mk"), QStringLiteral("30 000") },
        { QStringLiteral("60 mk"), QStringLiteral("37 500") },
        { QStringLiteral("50 mk"), QStringLiteral("75 000") },
        { QStringLiteral("40 mk"), QStringLiteral("75 000") },
        { QStringLiteral("30 mk"), QStringLiteral("150 000") },
        { QStringLiteral("20 mk"), QStringLiteral("225 000") },
    } };
    const int right = RightColumn + RightWidth - 1;

    // Heading: white on black, both languages.
    const int headingHeight = 2 * LinePitch + 4;
    p.fillRect(QRect(RightColumn, top, RightWidth, headingHeight), QColor::fromRgb(Black));
    p.setPen(QColor::fromRgb(White));
    Paragraph(p, QRect(RightColumn, top + 2, RightWidth, 2 * LinePitch),
              QStringLiteral("VOITTOJAKAUMA\nVINSTFÖRDELNING"), BodyBold(), Qt::AlignHCenter);
    p.setPen(QColor::fromRgb(Black));
    int y = top + headingHeight + 3;
    y += Paragraph(p, QRect(RightColumn, y, RightWidth, 2 * LinePitch),
                   QStringLiteral("Voitot 3 000 000 arvassa\nVinster bland 3 000 000 lotter"),
                   Body(), Qt::AlignHCenter);
    y += 3;

    // Each row: the prize on the left, the number of tickets right-aligned.
    const auto row = [&](int top, const QString &prize, const QString &tickets, const QFont &font) {
        Line(p, RightColumn + 3, top, RightWidth - 40, prize, font);
        Line(p, right - 63, top, 60, tickets, font, Qt::AlignRight);
    };
    HorizontalRule(p, RightColumn, right, y, Black);
    row(y + 2, QStringLiteral("Voitto/Vinst"), QStringLiteral("Kpl/St"), BodyBold());
    y += LinePitch + 3;
    HorizontalRule(p, RightColumn, right, y, Black);
    y += 1;
    bool shaded = false;
    for (const Count &count : counts) {
        if (shaded) {
            p.fillRect(QRect(RightColumn, y, RightWidth, LinePitch), QColor::fromRgb(Silver));
        }
        shaded = !shaded;
        row(y, count.prize, count.tickets, Body());
        y += LinePitch;
    }
    HorizontalRule(p, RightColumn, right, y, Black);
    row(y + 2, QStringLiteral("Yhteensä/Totalt"), QStringLiteral("601 185"), BodyBold());
    y += LinePitch + 3;
    HorizontalRule(p, RightColumn, right, y, Black);
    return y;
}

// The top prize, in a double frame: the emblem at twice its size beside its name and sum.
void TopPrizeBox(QPainter &p, const QRect &box)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QColor::fromRgb(Black));
    p.drawRect(box.adjusted(0, 0, -1, -1));
    p.setPen(QColor::fromRgb(Grey));
    p.drawRect(box.adjusted(2, 2, -3, -3));
    if (box.height() < 56 + 8) {
        Problem(QStringLiteral("the top prize box is only %1 high").arg(box.height()));
    }
    const int emblemTop = box.top() + (box.height() - 56) / 2;
    Stamp(p, 9, box.left() + 6, emblemTop, 2);
    const int textLeft = box.left() + 6 + 68 + 6;
    const int textWidth = box.right() - 5 - textLeft;
    const QFont sum = Font(QStringLiteral("DejaVu Sans Condensed"), 14, true);
    const int sumHeight = QFontMetrics(sum).height();
    const int textTop = box.top() + (box.height() - 2 * LinePitch - sumHeight) / 2;
    p.setPen(QColor::fromRgb(Black));
    Paragraph(p, QRect(textLeft, textTop, textWidth, 2 * LinePitch),
              QStringLiteral("PÄÄVOITTO\nHUVUDVINST"), BodyBold(), Qt::AlignHCenter);
    p.setFont(sum);
    const QString amount = QStringLiteral("350\u00a0000\u00a0mk");
    const int amountWidth = QFontMetrics(sum).horizontalAdvance(amount);
    if (amountWidth > textWidth) {
        Problem(
            QStringLiteral("top prize sum is %1 wide, the box %2").arg(amountWidth).arg(textWidth));
    }
    p.drawText(textLeft + (textWidth - amountWidth) / 2,
               textTop + 2 * LinePitch + QFontMetrics(sum).ascent(), amount);
}

} // namespace

QImage DrawRulesPicture()
{
    QImage image(PageWidth, PageHeight, QImage::Format_RGB32);
    image.fill(White);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.setPen(QColor::fromRgb(Black));

    Title(p);
    Barcode(p, PageWidth - Margin, 6);

    const int instructionTop = 52;
    p.setPen(QColor::fromRgb(Black));
    Paragraph(p, QRect(LeftColumn, instructionTop, LeftWidth, 3 * LinePitch),
              QStringLiteral("Raaputa merkkien alta esiin kolme samanlaista symbolia. "
                             "Voittosi näet alla olevasta taulukosta."),
              Body());
    Paragraph(p, QRect(RightColumn, instructionTop, RightWidth, 3 * LinePitch),
              QStringLiteral("Skrapa under markeringarna fram tre likadana symboler. "
                             "Vinsten ser du i tabellen nedan."),
              Body());

    const int tableBottom = PrizeTable(p);
    const int distributionBottom = Distribution(p, TableTop);

    // The foot: how the top prize and the other prizes are paid.
    const int footTop = tableBottom + 4;
    HorizontalRule(p, Margin, PageWidth - Margin - 1, footTop, Black);
    TopPrizeBox(p,
                QRect(QPoint(RightColumn, distributionBottom + 6),
                      QPoint(RightColumn + RightWidth - 1, tableBottom)));
    const int footWidth = (PageWidth - 2 * Margin - 12) / 2;
    const QRect finnish(Margin, footTop + 3, footWidth, PageHeight - footTop - 4);
    const QRect swedish(PageWidth - Margin - footWidth, footTop + 3, footWidth,
                        PageHeight - footTop - 4);
    Paragraph(p, finnish,
              QStringLiteral("Päävoitosta 350\u00a0000\u00a0mk maksetaan 50\u00a0000\u00a0mk heti "
                             "ja loput 60 kuukausierässä à 5\u00a0000\u00a0mk. "
                             "Enintään 1\u00a0000\u00a0mk:n voitot maksetaan arpojen "
                             "myyntipaikoissa, suuremmat pankeissa arpaa vastaan. "
                             "\nNeuvonta: puh. 0800\u00a0000\u00a0000 (esimerkkinumero)."),
              Body());
    Paragraph(p, swedish,
              QStringLiteral("Av huvudvinsten 350\u00a0000\u00a0mk betalas 50\u00a0000\u00a0mk "
                             "genast och resten i 60 månadsrater à 5\u00a0000\u00a0mk. "
                             "Vinster på högst 1\u00a0000\u00a0mk betalas på "
                             "försäljningsställena, större vinster i banker mot lotten. "
                             "\nInformation: tfn 0800\u00a0000\u00a0000 (exempelnummer)."),
              Body());
    p.end();
    if (problemsFound) {
        std::exit(1);
    }
    return ToStandardPalette(image);
}
