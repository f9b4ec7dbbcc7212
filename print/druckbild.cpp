#include "print/druckbild.h"

#include <QFont>
#include <QPainter>

namespace {

QFont verdana(int pixel)
{
    QFont f(QStringLiteral("Verdana"));
    f.setPixelSize(pixel);
    return f;
}

// Text with its top-left corner at (x, y), on the white text background.
void schreiben(QPainter& p, int x, int y, const QString& text)
{
    const QRectF raum(x, y, 10000, 1000);
    const QRectF belegt = p.boundingRect(raum, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    p.fillRect(belegt, Qt::white);
    p.drawText(raum, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
}

}  // namespace

void zeichneRaetsel(QPainter& p, const Spielzustand& z, const Fusszeilen& fuss)
{
    const int n = z.feldgroesse;
    if (n < 1 || n > 9)
        return;
    const int seite = bildseite(n);
    const int ende = 45 * n + 5;  // last grid line

    p.save();
    p.setClipRect(QRect(0, 0, seite, seite), Qt::IntersectClip);
    p.setPen(Qt::black);

    // Thin lines, as filled rectangles so that they stay exactly one picture
    // pixel wide at any scale; each runs from 5 to the last line inclusive.
    for (int i = 0; i <= n; ++i) {
        const int pos = 45 * i + 5;
        p.fillRect(QRect(pos, 5, 1, ende - 5 + 1), Qt::black);
        p.fillRect(QRect(5, pos, ende - 5 + 1, 1), Qt::black);
    }

    p.setFont(verdana(zifferPixel));
    for (int x = 1; x <= n; ++x)
        for (int y = 1; y <= n; ++y)
            if (z.vorgabe[x - 1][y - 1] != 0)
                schreiben(p, 45 * (x - 1) + 17, 45 * (y - 1) + 8, QString::number(z.eingabe[x - 1][y - 1]));

    // The classic board's box lines, three pixels wide around 5, 140, 275
    // and 410, closed at the corners.
    if (z.spielart == 1) {
        for (int i = 0; i <= 3; ++i) {
            const int pos = 135 * i + 5;
            p.fillRect(QRect(pos - 1, 4, 3, ende - 4 + 2), Qt::black);
            p.fillRect(QRect(4, pos - 1, ende - 4 + 2, 3), Qt::black);
        }
    }

    p.setFont(verdana(fusszeilePixel));
    schreiben(p, 5, fusszeileOben(z.spielart, n), seite > kurzeFusszeileBis ? fuss.lang : fuss.kurz);
    p.restore();
}

QImage raetselBild(const Spielzustand& z, const Fusszeilen& fuss)
{
    const int seite = bildseite(z.feldgroesse);
    QImage bild(seite, seite, QImage::Format_RGB32);
    // 96 dpi, so that the picture does not depend on the screen it is made on.
    bild.setDotsPerMeterX(3780);
    bild.setDotsPerMeterY(3780);
    bild.fill(Qt::white);
    QPainter p(&bild);
    zeichneRaetsel(p, z, fuss);
    return bild;
}

void zeichneRaetselIn(QPainter& p, const QRect& ziel, const Spielzustand& z, const Fusszeilen& fuss)
{
    const int seite = bildseite(z.feldgroesse);
    if (ziel.isEmpty() || z.feldgroesse < 1 || z.feldgroesse > 9)
        return;
    p.save();
    p.setClipRect(ziel, Qt::IntersectClip);
    p.translate(ziel.topLeft());
    p.scale(double(ziel.width()) / seite, double(ziel.height()) / seite);
    p.fillRect(QRect(0, 0, seite, seite), Qt::white);
    zeichneRaetsel(p, z, fuss);
    p.restore();
}

std::vector<QRect> blattLayout(int w, int h, int anzahl)
{
    // Rectangles as (left, top) - (right, bottom), right and bottom exclusive.
    auto rechteck = [](int l, int o, int r, int u) { return QRect(QPoint(l, o), QPoint(r - 1, u - 1)); };
    std::vector<QRect> r;
    switch (anzahl) {
    case 1:
        r.push_back(rechteck(250, 250, w - 250, w - 250));
        break;
    case 2: {
        const int s = (h - 450) / 2;
        const int a = (w - s) / 2;
        r.push_back(rechteck(a, 200, a + s, s + 200));
        r.push_back(rechteck(a, s + 250, a + s, 2 * s + 250));
        break;
    }
    case 6: {
        const int s = (h - 400) / 3;
        const int a = (w - (2 * s + 50)) / 2;
        const int b = a + s + 50;
        for (int spalte : {a, b})
            for (int zeile = 0; zeile < 3; ++zeile) {
                const int oben = 150 + zeile * (s + 50);
                r.push_back(rechteck(spalte, oben, spalte + s, oben + s));
            }
        break;
    }
    default:
        break;
    }
    return r;
}
