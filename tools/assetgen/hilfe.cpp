// Pictures of the help windows: the header with the program's name, the
// donation pictures in both languages and the icons of the software catalogue.

#include "help/katalogbilder.h"
#include "tools/assetgen/bereiche.h"

#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QStringList>

#include <cmath>
#include <functional>

namespace {

const QColor dunkelrot(0x8B, 0x10, 0x10);
const QColor creme(0xFB, 0xF3, 0xDC);

QImage kopfbild()
{
    QImage bild = leinwand(543, 100, QImage::Format_RGB32);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient grund(0, 0, 0, 100);
    grund.setColorAt(0, creme);
    grund.setColorAt(1, QColor(0xF1, 0xE4, 0xC0));
    p.fillRect(bild.rect(), grund);

    // A faint puzzle grid fading in on the right.
    for (int i = 0; i <= 9; ++i) {
        const int dicke = i % 3 == 0 ? 2 : 1;
        QColor c(0xC9, 0xB0, 0x80, i % 3 == 0 ? 110 : 60);
        p.setPen(QPen(c, dicke));
        p.drawLine(380 + i * 16, 6, 380 + i * 16, 6 + 144);
        p.drawLine(380, 6 + i * 16, 380 + 144, 6 + i * 16);
    }
    p.setFont(schrift("DejaVu Serif", 11, true));
    const char* ziffern = "5 3 7 6 1 9 8 4 2";
    const int lagen[][2] = {{0, 0}, {1, 0}, {4, 0}, {0, 1}, {3, 1}, {5, 1}, {2, 2}, {7, 2}, {6, 3}, {8, 4}};
    for (int k = 0; k < 10; ++k) {
        p.setPen(QColor(0xB8, 0x98, 0x68, 120));
        const QRect zelle(380 + lagen[k][0] * 16, 6 + lagen[k][1] * 16, 16, 16);
        p.drawText(zelle, Qt::AlignCenter, QString(QLatin1Char(ziffern[(k * 2) % 17])));
    }
    QLinearGradient schleier(330, 0, 543, 0);
    schleier.setColorAt(0, creme);
    schleier.setColorAt(0.45, QColor(creme.red(), creme.green(), creme.blue(), 60));
    schleier.setColorAt(1, QColor(creme.red(), creme.green(), creme.blue(), 0));
    p.fillRect(QRect(330, 0, 213, 100), schleier);

    // The name: a swashy serif italic with a soft shadow and a gold edge.
    QFont f = schrift("DejaVu Serif", 62, true, true);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    QPainterPath wort;
    wort.addText(28, 72, f, QStringLiteral("Sudoku"));
    p.translate(3, 3);
    p.fillPath(wort, QColor(0x50, 0x30, 0x10, 70));
    p.translate(-3, -3);
    QLinearGradient rot(0, 20, 0, 75);
    rot.setColorAt(0, QColor(0xB0, 0x20, 0x18));
    rot.setColorAt(1, QColor(0x6A, 0x05, 0x05));
    p.setPen(QPen(QColor(0xD8, 0xA8, 0x50), 1.2));
    p.setBrush(rot);
    p.drawPath(wort);

    // A flourish under the word.
    QPainterPath schwung;
    schwung.moveTo(34, 84);
    schwung.cubicTo(120, 96, 200, 74, 300, 86);
    p.setPen(QPen(dunkelrot, 2.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(schwung);
    p.setBrush(dunkelrot);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(304, 86), 3, 3);

    p.setPen(QColor(0x5A, 0x40, 0x20));
    p.setFont(schrift("DejaVu Sans", 12, false, true));
    p.drawText(QRect(300, 70, 230, 24), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Velmar Media"));
    return bild;
}

QImage spendenbild(bool de)
{
    QImage bild = leinwand(504, 289, QImage::Format_RGB32);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient grund(0, 0, 504, 289);
    grund.setColorAt(0, QColor(0xF6, 0xE7, 0xC4));
    grund.setColorAt(1, QColor(0xE4, 0xC9, 0x96));
    p.fillRect(bild.rect(), grund);

    // "We" on the left.
    p.setPen(dunkelrot);
    p.setFont(schrift("DejaVu Serif", 46, true, true));
    p.drawText(QRect(0, 70, 108, 80), Qt::AlignCenter, de ? QStringLiteral("Wir") : QStringLiteral("We"));

    // The ellipse with what the maker does.
    const QRectF ellipse(106, 6, 394, 218);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x60, 0x40, 0x10, 50));
    p.drawEllipse(ellipse.translated(4, 5));
    p.setBrush(Qt::white);
    p.setPen(QPen(QColor(0xB0, 0x80, 0x40), 1.5));
    p.drawEllipse(ellipse);

    const QStringList zeilen =
        de ? QStringList{QStringLiteral("beantworten Ihre Fragen"),
                         QStringLiteral("betreiben die Download-Seite"),
                         QStringLiteral("gehen auf Ihre Wünsche ein"),
                         QStringLiteral("bezahlen Programmierung, Webspace, Server und Traffic"),
                         QStringLiteral("bieten Ihnen Software und Support kostenlos an"),
                         QStringLiteral("entwickeln die Software über viele Jahre weiter")}
           : QStringList{QStringLiteral("answer your questions"),
                         QStringLiteral("run the download page"),
                         QStringLiteral("respond to your wishes"),
                         QStringLiteral("pay for programming, web space, servers and traffic"),
                         QStringLiteral("offer you the software and support for free"),
                         QStringLiteral("keep developing it over many years")};
    p.setFont(schrift("DejaVu Sans", 12));
    const int zeilenHoehe = 24;
    int y = static_cast<int>(ellipse.center().y()) - zeilen.size() * zeilenHoehe / 2 - 6;
    for (const QString& z : zeilen) {
        const QRect band(static_cast<int>(ellipse.left()), y, static_cast<int>(ellipse.width()), zeilenHoehe);
        const int breite = p.fontMetrics().horizontalAdvance(z);
        const int x = band.center().x() - breite / 2;
        p.setPen(Qt::NoPen);
        p.setBrush(dunkelrot);
        p.drawEllipse(QPointF(x - 10, band.center().y() + 1), 3, 3);
        p.setPen(QColor(0x30, 0x20, 0x10));
        p.drawText(band, Qt::AlignCenter, z);
        y += zeilenHoehe;
    }

    // "And you?" and the request below.
    p.setPen(dunkelrot);
    p.setFont(schrift("DejaVu Serif", 26, true, true));
    p.drawText(QRect(8, 232, 170, 50), Qt::AlignLeft | Qt::AlignVCenter,
               de ? QStringLiteral("Und Sie?") : QStringLiteral("And you?"));
    p.setPen(QColor(0x30, 0x20, 0x10));
    p.setFont(schrift("DejaVu Sans", 12));
    p.drawText(QRect(168, 230, 330, 54), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
               de ? QStringLiteral("Sagen Sie Danke mit einer kleinen Spende auf unserer Spendenseite. "
                                   "Vielen Dank für Ihre Unterstützung!")
                  : QStringLiteral("Say thank you with a small gift on our donation page. "
                                   "Thank you very much for your support!"));
    return bild;
}

// ---------------------------------------------------------------------------
// Catalogue icons, 32 x 32 on a transparent ground.

void grundflaeche(QPainter& p, QColor farbe)
{
    QLinearGradient g(0, 1, 0, 31);
    g.setColorAt(0, farbe.lighter(135));
    g.setColorAt(1, farbe.darker(115));
    p.setPen(QPen(farbe.darker(150), 1));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 6, 6);
}

void iconSudoku(QPainter& p)
{
    grundflaeche(p, QColor(0x3A, 0x6E, 0xB8));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6, 6, 20, 20));
    p.setBrush(QColor(0xF0, 0xC0, 0x40));
    p.drawRect(QRectF(6 + 20.0 / 3, 6 + 20.0 / 3, 20.0 / 3, 20.0 / 3));
    p.setBrush(QColor(0xE0, 0x50, 0x40));
    p.drawRect(QRectF(6, 6, 20.0 / 3, 20.0 / 3));
    p.drawRect(QRectF(6 + 40.0 / 3, 6 + 40.0 / 3, 20.0 / 3, 20.0 / 3));
    p.setPen(QPen(QColor(0x20, 0x30, 0x50), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(6, 6, 20, 20));
    for (int i = 1; i < 3; ++i) {
        p.drawLine(QPointF(6 + i * 20.0 / 3, 6), QPointF(6 + i * 20.0 / 3, 26));
        p.drawLine(QPointF(6, 6 + i * 20.0 / 3), QPointF(26, 6 + i * 20.0 / 3));
    }
}

void herz(QPainter& p, QPointF m, double r, QColor farbe)
{
    QPainterPath h;
    h.moveTo(m.x(), m.y() + r);
    h.cubicTo(m.x() - 2 * r, m.y() - 0.2 * r, m.x() - 0.8 * r, m.y() - 1.6 * r, m.x(), m.y() - 0.5 * r);
    h.cubicTo(m.x() + 0.8 * r, m.y() - 1.6 * r, m.x() + 2 * r, m.y() - 0.2 * r, m.x(), m.y() + r);
    p.setPen(Qt::NoPen);
    p.setBrush(farbe);
    p.drawPath(h);
}

void iconSolitaer(QPainter& p)
{
    grundflaeche(p, QColor(0x2E, 0x8B, 0x4A));
    p.save();
    p.translate(16, 17);
    p.rotate(-14);
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
    p.setBrush(QColor(0x24, 0x40, 0x9A));
    p.drawRoundedRect(QRectF(-11, -11, 15, 21), 2, 2);
    p.rotate(26);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(-5, -11, 15, 21), 2, 2);
    herz(p, QPointF(2.5, -0.5), 3.6, QColor(0xD0, 0x20, 0x20));
    p.restore();
}

void iconMinen(QPainter& p)
{
    grundflaeche(p, QColor(0x9A, 0xA4, 0xAE));
    p.setPen(QPen(Qt::black, 2.2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 4; ++i) {
        const double w = i * M_PI / 4;
        p.drawLine(QPointF(16 + 11 * std::cos(w), 16 + 11 * std::sin(w)),
                   QPointF(16 - 11 * std::cos(w), 16 - 11 * std::sin(w)));
    }
    QRadialGradient kugel(QPointF(13, 13), 9);
    kugel.setColorAt(0, QColor(0x70, 0x70, 0x70));
    kugel.setColorAt(1, Qt::black);
    p.setPen(Qt::NoPen);
    p.setBrush(kugel);
    p.drawEllipse(QPointF(16, 16), 7.5, 7.5);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(13.5, 13.5), 1.8, 1.8);
}

void iconSchach(QPainter& p)
{
    grundflaeche(p, QColor(0xC8, 0xA0, 0x6C));
    // Board squares behind the piece.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            if ((i + j) % 2 == 0) {
                p.setBrush(QColor(0x8A, 0x5A, 0x30, 120));
                p.drawRect(QRectF(4 + i * 6, 4 + j * 6, 6, 6));
            }
    // A pawn.
    QPainterPath figur;
    figur.addEllipse(QPointF(16, 10), 4, 4);
    figur.moveTo(12.5, 14);
    figur.lineTo(19.5, 14);
    figur.lineTo(18, 16);
    figur.cubicTo(18.5, 20, 21, 22, 22, 24);
    figur.lineTo(10, 24);
    figur.cubicTo(11, 22, 13.5, 20, 14, 16);
    figur.closeSubpath();
    figur.addRoundedRect(QRectF(8, 24, 16, 4), 1.5, 1.5);
    p.setPen(QPen(QColor(0xF0, 0xE8, 0xD8), 1));
    p.setBrush(QColor(0x20, 0x18, 0x10));
    p.drawPath(figur.simplified());
}

void iconKalender(QPainter& p)
{
    p.setPen(QPen(QColor(0x70, 0x70, 0x70), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(3.5, 5.5, 25, 24), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xD0, 0x30, 0x30));
    QPainterPath kopf;
    kopf.addRoundedRect(QRectF(3.5, 5.5, 25, 8), 3, 3);
    kopf.addRect(QRectF(3.5, 9.5, 25, 4));
    p.drawPath(kopf.simplified());
    p.setBrush(QColor(0x50, 0x50, 0x50));
    p.drawRoundedRect(QRectF(9, 2.5, 2.5, 6), 1, 1);
    p.drawRoundedRect(QRectF(20.5, 2.5, 2.5, 6), 1, 1);
    p.setPen(QColor(0x30, 0x30, 0x30));
    p.setFont(schrift("DejaVu Sans", 13, true));
    p.drawText(QRectF(3.5, 13, 25, 16), Qt::AlignCenter, QStringLiteral("31"));
}

void iconNotizen(QPainter& p)
{
    QPainterPath zettel;
    zettel.moveTo(4, 4);
    zettel.lineTo(28, 4);
    zettel.lineTo(28, 21);
    zettel.lineTo(21, 28);
    zettel.lineTo(4, 28);
    zettel.closeSubpath();
    p.setPen(QPen(QColor(0xB0, 0x98, 0x20), 1));
    p.setBrush(QColor(0xFF, 0xE8, 0x5A));
    p.drawPath(zettel);
    QPainterPath ecke;
    ecke.moveTo(28, 21);
    ecke.lineTo(21, 21);
    ecke.lineTo(21, 28);
    ecke.closeSubpath();
    p.setBrush(QColor(0xE0, 0xC0, 0x30));
    p.drawPath(ecke);
    p.setPen(QPen(QColor(0x50, 0x60, 0xA0), 1.3));
    for (int i = 0; i < 4; ++i)
        p.drawLine(QPointF(8, 10 + i * 4.5), QPointF(i == 3 ? 18 : 24, 10 + i * 4.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xD0, 0x30, 0x30));
    p.drawEllipse(QPointF(16, 5), 2.5, 2.5);
}

void iconWecker(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xC0, 0x30, 0x30));
    p.drawEllipse(QPointF(8, 7), 5, 5);
    p.drawEllipse(QPointF(24, 7), 5, 5);
    p.setPen(QPen(QColor(0x50, 0x50, 0x50), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 26), QPointF(7, 30));
    p.drawLine(QPointF(22, 26), QPointF(25, 30));
    p.setPen(QPen(QColor(0x90, 0x20, 0x20), 2));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(16, 18), 11, 11);
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 18), QPointF(16, 10.5));
    p.drawLine(QPointF(16, 18), QPointF(21, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x30, 0x30, 0x30));
    for (int i = 0; i < 12; i += 3) {
        const double w = i * M_PI / 6;
        p.drawEllipse(QPointF(16 + 8.5 * std::sin(w), 18 - 8.5 * std::cos(w)), 1, 1);
    }
}

void iconRechner(QPainter& p)
{
    p.setPen(QPen(QColor(0x30, 0x30, 0x38), 1));
    p.setBrush(QColor(0x50, 0x56, 0x62));
    p.drawRoundedRect(QRectF(5.5, 2.5, 21, 27), 3, 3);
    p.setBrush(QColor(0xB8, 0xD8, 0xA8));
    p.drawRect(QRectF(8.5, 5.5, 15, 6));
    p.setPen(Qt::NoPen);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) {
            p.setBrush(c == 2 && r == 2 ? QColor(0xF0, 0x90, 0x30) : QColor(0xE8, 0xE8, 0xE8));
            p.drawRoundedRect(QRectF(8.5 + c * 5.3, 14 + r * 5, 4, 3.6), 1, 1);
        }
}

void iconBilder(QPainter& p)
{
    p.setPen(QPen(QColor(0x6A, 0x4A, 0x20), 1));
    p.setBrush(QColor(0xC8, 0x98, 0x50));
    p.drawRect(QRectF(2.5, 5.5, 27, 21));
    QLinearGradient himmel(0, 8, 0, 24);
    himmel.setColorAt(0, QColor(0x60, 0xA8, 0xE8));
    himmel.setColorAt(1, QColor(0xC8, 0xE4, 0xF8));
    p.setBrush(himmel);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(5, 8, 22, 16));
    p.setBrush(QColor(0xFF, 0xD0, 0x30));
    p.drawEllipse(QPointF(21, 12), 2.6, 2.6);
    QPainterPath berg;
    berg.moveTo(5, 24);
    berg.lineTo(12, 14);
    berg.lineTo(17, 20);
    berg.lineTo(20, 17);
    berg.lineTo(27, 24);
    berg.closeSubpath();
    p.setBrush(QColor(0x3A, 0x8A, 0x3A));
    p.drawPath(berg);
}

void lupe(QPainter& p, QPointF m, double r, QColor glas)
{
    p.setPen(QPen(QColor(0x40, 0x30, 0x20), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(m + QPointF(r * 0.7, r * 0.7), m + QPointF(r * 1.9, r * 1.9));
    p.setPen(QPen(QColor(0x50, 0x50, 0x58), 2.2));
    p.setBrush(glas);
    p.drawEllipse(m, r, r);
}

void iconSuche(QPainter& p)
{
    // A folder with a magnifier in front.
    p.setPen(QPen(QColor(0xA0, 0x70, 0x10), 1));
    p.setBrush(QColor(0xF0, 0xB8, 0x40));
    QPainterPath ordner;
    ordner.moveTo(2.5, 8.5);
    ordner.lineTo(11, 8.5);
    ordner.lineTo(13, 11);
    ordner.lineTo(27.5, 11);
    ordner.lineTo(27.5, 25.5);
    ordner.lineTo(2.5, 25.5);
    ordner.closeSubpath();
    p.drawPath(ordner);
    p.setBrush(QColor(0xFF, 0xD0, 0x60));
    p.drawRect(QRectF(2.5, 13.5, 25, 12));
    lupe(p, QPointF(18, 17), 5.5, QColor(0xD8, 0xEC, 0xFF, 220));
}

void iconTresor(QPainter& p)
{
    p.setPen(QPen(QColor(0x70, 0x70, 0x78), 3.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(9, 3, 14, 16), 0, 180 * 16);
    p.drawLine(QPointF(9, 11), QPointF(9, 14));
    p.drawLine(QPointF(23, 11), QPointF(23, 14));
    QLinearGradient gold(0, 14, 0, 30);
    gold.setColorAt(0, QColor(0xF8, 0xD0, 0x50));
    gold.setColorAt(1, QColor(0xC0, 0x88, 0x10));
    p.setPen(QPen(QColor(0x90, 0x60, 0x10), 1));
    p.setBrush(gold);
    p.drawRoundedRect(QRectF(5.5, 13.5, 21, 16), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x40, 0x28, 0x08));
    p.drawEllipse(QPointF(16, 20), 2.5, 2.5);
    p.drawRect(QRectF(15, 21, 2, 5));
}

void iconVokabeln(QPainter& p)
{
    p.setPen(QPen(QColor(0x20, 0x40, 0x20), 1));
    p.setBrush(QColor(0x30, 0x90, 0x60));
    p.drawRoundedRect(QRectF(5.5, 3.5, 21, 25), 2, 2);
    p.setBrush(QColor(0xF4, 0xF0, 0xE4));
    p.drawRect(QRectF(8.5, 25, 18, 3));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x20, 0x60, 0x40));
    p.drawRect(QRectF(5.5, 3.5, 3, 25));
    p.setPen(Qt::white);
    p.setFont(schrift("DejaVu Serif", 12, true));
    p.drawText(QRectF(8, 5, 18, 19), Qt::AlignCenter, QStringLiteral("Ab"));
}

void iconKreuzwort(QPainter& p)
{
    const bool schwarz[4][4] = {{false, false, true, false},
                                {false, true, false, false},
                                {false, false, false, true},
                                {true, false, false, false}};
    const char* buchstaben = "SO ARMEL TAU  ERZ";
    p.setFont(schrift("DejaVu Sans", 6, true));
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            const QRectF zelle(2.5 + c * 6.75, 2.5 + r * 6.75, 6.75, 6.75);
            p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
            p.setBrush(schwarz[r][c] ? QColor(0x20, 0x20, 0x20) : QColor(Qt::white));
            p.drawRect(zelle);
            const char b = buchstaben[r * 4 + c];
            if (!schwarz[r][c] && b != ' ' && (r + c) % 2 == 0) {
                p.setPen(QColor(0x20, 0x40, 0xA0));
                p.drawText(zelle, Qt::AlignCenter, QString(QLatin1Char(b)));
            }
        }
}

void iconLupe(QPainter& p)
{
    lupe(p, QPointF(13, 13), 9, QColor(0xC8, 0xE8, 0xFF));
    p.setPen(QPen(QColor(0x20, 0x60, 0xB0), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9, 13), QPointF(17, 13));
    p.drawLine(QPointF(13, 9), QPointF(13, 17));
}

void iconHaushalt(QPainter& p)
{
    // Bars of a chart with a stack of coins in front.
    p.setPen(Qt::NoPen);
    const QColor farben[] = {QColor(0x40, 0x80, 0xD0), QColor(0x50, 0xB0, 0x50), QColor(0xE0, 0x60, 0x40)};
    const double hoehen[] = {12, 20, 16};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(farben[i]);
        p.drawRect(QRectF(3 + i * 7, 26 - hoehen[i], 5.5, hoehen[i]));
    }
    p.setPen(QPen(QColor(0x50, 0x50, 0x50), 1));
    p.drawLine(QPointF(2, 26.5), QPointF(22, 26.5));
    for (int i = 0; i < 4; ++i) {
        p.setPen(QPen(QColor(0x90, 0x68, 0x10), 1));
        p.setBrush(QColor(0xF4, 0xC8, 0x40));
        p.drawEllipse(QRectF(17, 24 - i * 4, 13, 6));
    }
}

void iconTippen(QPainter& p)
{
    p.setPen(QPen(QColor(0x40, 0x40, 0x48), 1));
    p.setBrush(QColor(0x70, 0x74, 0x80));
    p.drawRoundedRect(QRectF(1.5, 9.5, 29, 16), 2.5, 2.5);
    p.setFont(schrift("DejaVu Sans", 6, true));
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 4; ++c) {
            const QRectF taste(4 + c * 6.3 + r * 1.5, 11.5 + r * 5.5, 5.2, 4.6);
            p.setPen(Qt::NoPen);
            p.setBrush(c == 3 && r == 1 ? QColor(0xF0, 0xA0, 0x30) : QColor(0xF0, 0xF0, 0xF0));
            p.drawRoundedRect(taste, 1, 1);
        }
    p.setBrush(QColor(0xF0, 0xF0, 0xF0));
    p.drawRoundedRect(QRectF(8, 22.5, 16, 2.2), 1, 1);
}

}  // namespace

void zeichneHilfe(const QDir& assets)
{
    const QDir ordner(assets.filePath(QStringLiteral("hilfe")));
    speichern(kopfbild(), ordner, QStringLiteral("kopf.jpg"), 92);
    speichern(spendenbild(true), ordner, QStringLiteral("spenden_de.jpg"), 92);
    speichern(spendenbild(false), ordner, QStringLiteral("spenden_en.jpg"), 92);

    const std::array<std::function<void(QPainter&)>, 16> zeichner{
        iconSudoku, iconSolitaer, iconMinen,   iconSchach,    iconKalender, iconNotizen, iconWecker,   iconRechner,
        iconBilder, iconSuche,    iconTresor,  iconVokabeln,  iconKreuzwort, iconLupe,   iconHaushalt, iconTippen,
    };
    for (std::size_t i = 0; i < katalogBilder.size(); ++i) {
        QImage icon = leinwand(32, 32, QImage::Format_ARGB32_Premultiplied);
        icon.fill(Qt::transparent);
        QPainter p(&icon);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        zeichner[i](p);
        p.end();
        speichern(icon.convertToFormat(QImage::Format_ARGB32), ordner,
                  QStringLiteral("programm_%1.png").arg(QLatin1String(katalogBilder[i])));
    }
}
