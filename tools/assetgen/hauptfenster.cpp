// The main window's pictures: the title, the two button faces, the splash
// pictures in both languages and the application symbol in several sizes.
#include "widgets/adressen.h"
#include "tools/assetgen/bereiche.h"

#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor fensterFarbe(0xEC, 0xE9, 0xD8);
const QColor dunkelrot(0x8B, 0x10, 0x10);
const QColor creme(0xFB, 0xF5, 0xE1);

QFont zierschrift(int pixel)
{
    QFont f(QStringLiteral("C059"));
    f.setPixelSize(pixel);
    f.setBold(true);
    f.setLetterSpacing(QFont::PercentageSpacing, 104);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

// "SUDOKU" in dark-red capitals with a lighter inner line and a soft shadow,
// centred on the given rectangle.
void zierwort(QPainter& p, const QRectF& raum, int pixel, const QString& wort = QStringLiteral("SUDOKU"))
{
    const QFont f = zierschrift(pixel);
    QPainterPath pfad;
    pfad.addText(0, 0, f, wort);
    const QRectF b = pfad.boundingRect();
    pfad.translate(raum.center() - b.center());

    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(1.5, 1.5);
    p.fillPath(pfad, QColor(0, 0, 0, 50));
    p.restore();

    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient verlauf(raum.topLeft(), raum.bottomLeft());
    verlauf.setColorAt(0.0, QColor(0xB0, 0x20, 0x1C));
    verlauf.setColorAt(1.0, QColor(0x6A, 0x08, 0x08));
    p.fillPath(pfad, verlauf);
    p.setPen(QPen(QColor(0x4A, 0x04, 0x04), 1.0));
    p.drawPath(pfad);
    p.restore();

    // Small diamonds either side of the word: the decorative part.
    const QRectF wb = pfad.boundingRect();
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(dunkelrot);
    const double r = std::max(2.0, pixel / 9.0);
    for (double x : {wb.left() - r * 2.2, wb.right() + r * 2.2}) {
        QPainterPath raute;
        const QPointF m(x, wb.center().y());
        raute.moveTo(m + QPointF(0, -r));
        raute.lineTo(m + QPointF(r, 0));
        raute.lineTo(m + QPointF(0, r));
        raute.lineTo(m + QPointF(-r, 0));
        raute.closeSubpath();
        p.drawPath(raute);
    }
    p.restore();
}

QImage titel()
{
    QImage bild = leinwand(185, 50, QImage::Format_RGB32);
    bild.fill(fensterFarbe);
    QPainter p(&bild);
    zierwort(p, QRectF(0, 0, 185, 48), 29);
    p.setPen(QColor(0x8B, 0x10, 0x10, 140));
    p.drawLine(24, 46, 160, 46);
    return bild;
}

// A light button face with a thin border and a small dark arrow near its
// left end; the caption is laid over it as a label.
QImage knopf(int breite)
{
    QImage bild = leinwand(breite, 21, QImage::Format_RGB32);
    QPainter p(&bild);
    QLinearGradient verlauf(0, 0, 0, 21);
    verlauf.setColorAt(0.0, QColor(0xFF, 0xFF, 0xFC));
    verlauf.setColorAt(1.0, QColor(0xE4, 0xE0, 0xCC));
    p.fillRect(bild.rect(), verlauf);
    p.setPen(QColor(0x9C, 0x98, 0x84));
    p.drawRect(0, 0, breite - 1, 20);
    p.setPen(QColor(0xFF, 0xFF, 0xFF));
    p.drawLine(1, 1, breite - 2, 1);
    p.drawLine(1, 1, 1, 19);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x40, 0x30, 0x28));
    const QPointF pfeil[3] = {{6.5, 6.5}, {11.5, 10.5}, {6.5, 14.5}};
    p.drawPolygon(pfeil, 3);
    return bild;
}

QImage startbild(const char* adresse)
{
    QImage bild = leinwand(300, 200, QImage::Format_RGB32);
    bild.fill(creme);
    QPainter p(&bild);
    p.setPen(QColor(0x8B, 0x10, 0x10));
    p.drawRect(0, 0, 299, 199);
    p.setPen(QColor(0xC8, 0xA8, 0x90));
    p.drawRect(4, 4, 291, 191);

    // A faint 3 x 3 grid behind the word.
    p.setPen(QColor(0xEE, 0xE2, 0xC6));
    for (int i = 1; i < 9; ++i) {
        p.drawLine(60 + i * 20, 22, 60 + i * 20, 142);
        p.drawLine(60, 22 + i * 40 / 3, 240, 22 + i * 40 / 3);
    }

    zierwort(p, QRectF(10, 40, 280, 80), 46);

    QFont klein(QStringLiteral("DejaVu Sans"));
    klein.setPixelSize(12);
    klein.setHintingPreference(QFont::PreferFullHinting);
    p.setFont(klein);
    p.setPen(QColor(0x50, 0x30, 0x28));
    p.drawText(QRect(0, 150, 300, 20), Qt::AlignCenter, QString::fromLatin1(adresse));
    return bild;
}

// A 3 x 3 board in the window's colours with a red S: the desktop symbol.
QImage symbol(int g)
{
    QImage bild(g, g, QImage::Format_ARGB32);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    const double rand = g / 16.0;
    const QRectF feld(rand, rand, g - 2 * rand, g - 2 * rand);
    p.setPen(QPen(QColor(0x63, 0x6A, 0x7A), std::max(1.0, g / 32.0)));
    p.setBrush(creme);
    p.drawRoundedRect(feld, g / 10.0, g / 10.0);
    p.setPen(QPen(QColor(0xB0, 0xA8, 0x90), std::max(1.0, g / 48.0)));
    for (int i = 1; i < 3; ++i) {
        const double t = feld.left() + feld.width() * i / 3.0;
        p.drawLine(QPointF(t, feld.top() + rand), QPointF(t, feld.bottom() - rand));
        const double u = feld.top() + feld.height() * i / 3.0;
        p.drawLine(QPointF(feld.left() + rand, u), QPointF(feld.right() - rand, u));
    }
    QFont f = zierschrift(int(g * 0.78));
    QPainterPath s;
    s.addText(0, 0, f, QStringLiteral("S"));
    s.translate(feld.center() - s.boundingRect().center());
    p.fillPath(s, dunkelrot);
    return bild;
}

}  // namespace

void zeichneHauptfenster(const QDir& assets)
{
    const QDir ordner(assets.filePath(QStringLiteral("hauptfenster")));
    speichern(titel(), ordner, QStringLiteral("titel.png"));
    speichern(knopf(89), ordner, QStringLiteral("knopf89.png"));
    speichern(knopf(185), ordner, QStringLiteral("knopf185.png"));
    speichern(startbild(webadressen::adresseDe), ordner, QStringLiteral("start_de.jpg"), 92);
    speichern(startbild(webadressen::adresseInt), ordner, QStringLiteral("start_en.jpg"), 92);
    // The symbol comes in sizes up to 256 pixels, from which every screen
    // takes the one it needs.
    if (zeichenMassstab == 1)
        for (int g : {16, 24, 32, 48, 64, 128, 256})
            speichern(symbol(g), ordner, QStringLiteral("symbol%1.png").arg(g));
}
