// The print window's pictures: a background for each language with the
// heading, the two explanations and the two button faces, and the button
// face on its own for the clickable pictures laid over it.
#include "tools/assetgen/bereiche.h"

#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QFontMetrics>

namespace {

const QColor creme(0xFF, 0xFD, 0xF0);
const QColor dunkelrot(0x80, 0, 0);
const QColor tiefrot(0x66, 0, 0);

// Fully hinted: the small italic paragraphs stay crisp at 11 pixels.
QFont scharfeSchrift(const char* familie, int pixel, bool fett, bool kursiv)
{
    QFont f(QString::fromLatin1(familie));
    f.setPixelSize(pixel);
    f.setBold(fett);
    f.setItalic(kursiv);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

QImage knopf()
{
    QImage bild = leinwand(89, 21, QImage::Format_RGB32);
    QPainter p(&bild);
    QLinearGradient verlauf(0, 0, 0, 21);
    verlauf.setColorAt(0, QColor(255, 255, 255));
    verlauf.setColorAt(0.55, QColor(244, 238, 222));
    verlauf.setColorAt(1, QColor(226, 214, 190));
    p.fillRect(bild.rect(), verlauf);
    p.setPen(QColor(150, 118, 96));
    p.drawRect(0, 0, 88, 20);
    p.setPen(QColor(255, 255, 255));
    p.drawLine(1, 1, 87, 1);
    p.drawLine(1, 1, 1, 19);
    // The small black arrow at the left.
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    QPainterPath pfeil;
    pfeil.moveTo(8, 6);
    pfeil.lineTo(13, 10.5);
    pfeil.lineTo(8, 15);
    pfeil.closeSubpath();
    p.drawPath(pfeil);
    return bild;
}

// Word-wrapped text with a fixed line pitch, so the paragraphs fit exactly
// into the gaps the window's controls leave. A "|" in the text ends the
// first line there, spread to the full width: the German window puts its
// hyphen label right behind that line, so the word breaks at the "|".
void absatz(QPainter& p, int links, int oben, int breite, int zeilenhoehe, QString text)
{
    const QFontMetrics m(p.font());
    int y = oben;
    const qsizetype bruch = text.indexOf(QLatin1Char('|'));
    if (bruch >= 0) {
        const QStringList woerter = text.left(bruch).split(QLatin1Char(' '));
        int tinte = 0;
        for (const QString& w : woerter)
            tinte += m.horizontalAdvance(w);
        const double luecke = woerter.size() > 1 ? double(breite - tinte) / double(woerter.size() - 1) : 0.0;
        double x = links;
        for (const QString& w : woerter) {
            p.drawText(QPointF(x, y + m.ascent()), w);
            x += m.horizontalAdvance(w) + luecke;
        }
        y += zeilenhoehe;
        text = text.mid(bruch + 1);
    }
    QString zeile;
    for (const QString& wort : text.split(QLatin1Char(' '))) {
        const QString laenger = zeile.isEmpty() ? wort : zeile + QLatin1Char(' ') + wort;
        if (!zeile.isEmpty() && m.horizontalAdvance(laenger) > breite) {
            p.drawText(links, y + m.ascent(), zeile);
            y += zeilenhoehe;
            zeile = wort;
        } else {
            zeile = laenger;
        }
    }
    if (!zeile.isEmpty())
        p.drawText(links, y + m.ascent(), zeile);
}

struct Texte {
    QString ueberschrift, absatz1, absatz2, drucken, abbrechen;
};

QImage hintergrund(const Texte& t, const QImage& knopfbild)
{
    QImage bild = leinwand(400, 155, QImage::Format_RGB32);
    bild.fill(creme);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // A pale panel behind the initial, fading out to the right.
    QLinearGradient seite(0, 0, 72, 0);
    seite.setColorAt(0, QColor(246, 226, 214));
    seite.setColorAt(1, creme);
    p.fillRect(QRect(0, 0, 72, 155), seite);

    // The large decorative initial with a soft shadow.
    const QFont initial = scharfeSchrift("Liberation Serif", 122, true, true);
    p.setFont(initial);
    p.setPen(QColor(200, 160, 150));
    p.drawText(QRect(6, 4, 70, 130), Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("S"));
    p.setPen(dunkelrot);
    p.drawText(QRect(3, 1, 70, 130), Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("S"));

    // Heading and a fine rule under it.
    p.setFont(scharfeSchrift("DejaVu Serif", 19, true, true));
    p.setPen(dunkelrot);
    p.drawText(QRect(79, 2, 313, 24), Qt::AlignLeft | Qt::AlignVCenter, t.ueberschrift);
    QLinearGradient linie(79, 0, 392, 0);
    linie.setColorAt(0, dunkelrot);
    linie.setColorAt(1, creme);
    p.fillRect(QRect(79, 26, 313, 1), linie);
    p.setPen(QColor(0x80, 0, 0, 90));
    p.drawEllipse(QPointF(79, 26.5), 1.5, 1.5);

    // The two explanations: above the progress bar and between it and the
    // buttons (leaving the corner at the right of the second one free).
    p.setFont(scharfeSchrift("Liberation Sans", 11, false, true));
    p.setPen(QColor(40, 24, 20));
    absatz(p, 79, 30, 313, 12, t.absatz1);
    absatz(p, 79, 83, 304, 12, t.absatz2);

    // The button faces with their captions at the places of the buttons.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.drawImage(198, 125, knopfbild);
    p.drawImage(301, 125, knopfbild);
    p.setFont(scharfeSchrift("Liberation Sans", 11, false, false));
    p.setPen(dunkelrot);
    p.drawText(QRect(224, 129, 60, 13), Qt::AlignLeft | Qt::AlignTop, t.drucken);
    p.drawText(QRect(328, 129, 60, 13), Qt::AlignLeft | Qt::AlignTop, t.abbrechen);

    // A thin frame round the whole picture.
    p.setPen(QColor(190, 150, 130));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, 399, 154);
    return bild;
}

}  // namespace

void zeichneDruckfenster(const QDir& assets)
{
    const QDir ordner(assets.filePath(QStringLiteral("druck")));
    const QImage k = knopf();
    speichern(k, ordner, QStringLiteral("knopf.png"));

    const Texte deutsch{
        QStringLiteral("Drucken"),
        QStringLiteral("Momentan werden Ihre Sudokus erstellt. Dies kann etwas Zeit in Anspruch nehmen. Wie weit der "
                       "Fortschritt ist, sehen Sie hier:"),
        QStringLiteral("Sobald die Sudokus fertig sind, können Sie diese aus|drucken, in dem sie auf Drucken klicken. "
                       "Sollten Sie es sich anders überlegt haben, können Sie auch Abbrechen."),
        QStringLiteral("Drucken"),
        QStringLiteral("Abbrechen"),
    };
    const Texte englisch{
        QStringLiteral("Print"),
        QStringLiteral("At the moment your Sudokus are created. This can take a liitel time. Here you can see the "
                       "progress:"),
        QStringLiteral("As soon as the Sudokus are ready, you can print them by clicking on Print. If you do not want "
                       "to print these Sudokus, you should use the button Cancel."),
        QStringLiteral("Print"),
        QStringLiteral("Cancel"),
    };
    speichern(hintergrund(deutsch, k), ordner, QStringLiteral("druck_de.jpg"), 92);
    speichern(hintergrund(englisch, k), ordner, QStringLiteral("druck_en.jpg"), 92);
}
