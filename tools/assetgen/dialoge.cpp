// The four win dialog pictures: the plain congratulation (400 x 155) and the
// high-score offer (400 x 340), each in German and English. The program lays
// only the points text, the three edit fields and invisible click areas over
// them, so the blank points line and the buttons must sit exactly where the
// dialogs put those controls.
#include "widgets/adressen.h"
#include "tools/assetgen/bereiche.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

const QColor dunkelrot(0x66, 0x00, 0x00);
const QColor papier(0xFC, 0xFA, 0xF4);
const QColor randband(0xF1, 0xE7, 0xDF);
const QColor knopfGrau(0xDD, 0xDB, 0xD6);
const QColor knopfRand(0x9C, 0x99, 0x93);

constexpr int textLinks = 62;
constexpr int textRechts = 392;
constexpr int zeilenhoehe = 13;

// The body face; also the face of the points text that the dialog draws, so
// the blank line lines up with it.
QFont textschrift() { return schrift("Liberation Sans", 11); }
QFont hervorschrift() { return schrift("Liberation Sans", 11, true); }
QFont ueberschrift() { return schrift("Liberation Serif", 20, true, true); }

[[noreturn]] void passtNicht(const char* was)
{
    std::fprintf(stderr, "assetgen dialoge: %s does not fit\n", was);
    std::exit(1);
}

// A word of running text; words in {braces} are set bold in dark red.
struct Wort {
    QString text;
    bool rot = false;
};
using Zeile = std::vector<Wort>;

std::vector<Wort> woerter(const QString& text)
{
    std::vector<Wort> w;
    bool rot = false;
    for (QString t : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        bool beginnt = t.startsWith(QLatin1Char('{'));
        if (beginnt) {
            rot = true;
            t.remove(0, 1);
        }
        bool endet = false;
        const qsizetype zu = t.indexOf(QLatin1Char('}'));
        if (zu >= 0) {
            t.remove(zu, 1);
            endet = true;
        }
        w.push_back({t, rot});
        if (endet)
            rot = false;
    }
    return w;
}

double breite(const Wort& w)
{
    return QFontMetricsF(w.rot ? hervorschrift() : textschrift()).horizontalAdvance(w.text);
}

double leerbreite() { return QFontMetricsF(textschrift()).horizontalAdvance(QLatin1Char(' ')); }

std::vector<Zeile> umbrechen(const QString& text, double maxBreite)
{
    std::vector<Zeile> zeilen;
    Zeile z;
    double b = 0;
    for (const Wort& w : woerter(text)) {
        const double wb = breite(w);
        if (!z.empty() && b + leerbreite() + wb > maxBreite) {
            zeilen.push_back(z);
            z.clear();
            b = 0;
        }
        b += (z.empty() ? 0 : leerbreite()) + wb;
        z.push_back(w);
    }
    if (!z.empty())
        zeilen.push_back(z);
    return zeilen;
}

// One line at the baseline; full lines are justified unless that would tear
// the words too far apart.
void zeichneZeile(QPainter& p, const Zeile& z, double links, double rechts, double grundlinie, bool blocksatz)
{
    double summe = 0;
    for (const Wort& w : z)
        summe += breite(w);
    double luecke = leerbreite();
    if (blocksatz && z.size() > 1) {
        const double l = (rechts - links - summe) / double(z.size() - 1);
        if (l < leerbreite() * 2.2)
            luecke = l;
    }
    double x = links;
    for (const Wort& w : z) {
        p.setFont(w.rot ? hervorschrift() : textschrift());
        p.setPen(w.rot ? dunkelrot : Qt::black);
        p.drawText(QPointF(x, grundlinie), w.text);
        x += breite(w) + luecke;
    }
}

// Lines from the baseline downwards; the last line is set ragged. Returns
// the baseline of the last line.
double zeichneAbsatz(QPainter& p, const std::vector<Zeile>& zeilen, double grundlinie, bool letzteBuendig = false)
{
    for (size_t i = 0; i < zeilen.size(); ++i) {
        const bool letzte = i + 1 == zeilen.size();
        zeichneZeile(p, zeilen[i], textLinks, textRechts, grundlinie + double(i) * zeilenhoehe,
                     !letzte || letzteBuendig);
    }
    return grundlinie + double(zeilen.size() - 1) * zeilenhoehe;
}

// Paper, the tinted margin with its rule and the large initial.
void grund(QPainter& p, int w, int h)
{
    p.fillRect(0, 0, w, h, papier);
    QLinearGradient band(0, 0, 50, 0);
    band.setColorAt(0, randband.darker(104));
    band.setColorAt(1, randband);
    p.fillRect(0, 0, 50, h, band);
    p.fillRect(50, 0, 2, h, dunkelrot);
    p.fillRect(53, 0, 1, h, QColor(0x66, 0x00, 0x00, 70));

    const QFont f = schrift("Liberation Serif", 64, true);
    QPainterPath s;
    s.addText(0, 0, f, QStringLiteral("S"));
    const QRectF b = s.boundingRect();
    s.translate(25 - b.center().x(), 8 - b.top());
    p.save();
    p.translate(1.5, 1.5);
    p.fillPath(s, QColor(0, 0, 0, 45));
    p.restore();
    p.fillPath(s, dunkelrot);

    // A small ornament under the initial.
    p.setPen(Qt::NoPen);
    p.setBrush(dunkelrot);
    const double mitte = 25, oben = 8 + b.height() + 10;
    for (int i = 0; i < 3; ++i) {
        const double y = oben + i * 9;
        QPainterPath raute;
        raute.moveTo(mitte, y - 3);
        raute.lineTo(mitte + 3, y);
        raute.lineTo(mitte, y + 3);
        raute.lineTo(mitte - 3, y);
        raute.closeSubpath();
        p.drawPath(raute);
    }
    p.setBrush(Qt::NoBrush);
}

void zeichneUeberschrift(QPainter& p, const QString& text, double grundlinie)
{
    const QFont f = ueberschrift();
    p.setFont(f);
    p.setPen(dunkelrot);
    p.drawText(QPointF(textLinks, grundlinie), text);
    const double ende = textLinks + QFontMetricsF(f).horizontalAdvance(text);
    // A fine line from the heading to the right edge.
    p.setPen(QPen(QColor(0x66, 0x00, 0x00, 110), 1));
    if (ende + 10 < textRechts)
        p.drawLine(QPointF(ende + 8, grundlinie - 5.5), QPointF(textRechts, grundlinie - 5.5));
}

// A flat grey button exactly filling r, with a small black triangle before
// its caption.
void knopf(QPainter& p, const QRect& r, const QString& text)
{
    p.setPen(Qt::NoPen);
    p.setBrush(knopfGrau);
    p.drawRect(r);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(knopfRand, 1));
    p.drawRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5));
    p.setPen(QPen(QColor(0xF6, 0xF5, 0xF2), 1));
    p.drawLine(QPointF(r.left() + 1.5, r.top() + 1.5), QPointF(r.right() - 1, r.top() + 1.5));

    const QFont f = hervorschrift();
    const QFontMetricsF m(f);
    const double dreieck = 5, abstand = 6;
    const double gesamt = dreieck + abstand + m.horizontalAdvance(text);
    const double x = r.left() + (r.width() - gesamt) / 2;
    const double mitte = r.top() + r.height() / 2.0;
    QPainterPath d;
    d.moveTo(x, mitte - 4);
    d.lineTo(x + dreieck, mitte);
    d.lineTo(x, mitte + 4);
    d.closeSubpath();
    p.fillPath(d, Qt::black);
    p.setFont(f);
    p.setPen(Qt::black);
    p.drawText(QPointF(x + dreieck + abstand, mitte + (m.ascent() - m.descent()) / 2), text);
}

struct Glueckwunsch {
    QString ueberschrift;
    QString vorher;   // before the points line
    QString nachher;  // after it
    int punkteOben;   // top of the points text the dialog places
};

// Heading, the text before the points line, the blank points line and the
// text after it. Returns the baseline of the last line drawn.
double zeichneGlueckwunsch(QPainter& p, const Glueckwunsch& g)
{
    const double breit = textRechts - textLinks;
    const double leer = g.punkteOben + QFontMetricsF(textschrift()).ascent();
    const auto vorher = umbrechen(g.vorher, breit);
    const double erste = leer - double(vorher.size()) * zeilenhoehe;
    const double kopf = 25;
    if (erste - QFontMetricsF(textschrift()).ascent() < kopf + QFontMetricsF(ueberschrift()).descent())
        passtNicht("text above the points line");
    zeichneUeberschrift(p, g.ueberschrift, kopf);
    zeichneAbsatz(p, vorher, erste);
    return zeichneAbsatz(p, umbrechen(g.nachher, breit), leer + zeilenhoehe);
}

QImage ohneHighscore(const Glueckwunsch& g)
{
    QImage bild = leinwand(400, 155, QImage::Format_RGB32);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    grund(p, 400, 155);
    const double ende = zeichneGlueckwunsch(p, g);
    const QRect ok(192, 125, 90, 20);
    if (ende + 4 > ok.top())
        passtNicht("plain dialog text");
    knopf(p, ok, QStringLiteral("OK"));
    return bild;
}

struct Highscore {
    Glueckwunsch glueckwunsch;
    QString anleitung;
    QString name, code, link;  // field captions
    QString eintragen, spaeter;
};

QImage mitHighscore(const Highscore& h)
{
    QImage bild = leinwand(400, 340, QImage::Format_RGB32);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    grund(p, 400, 340);

    const double ende = zeichneGlueckwunsch(p, h.glueckwunsch);
    const auto anleitung = umbrechen(h.anleitung, textRechts - textLinks);
    // The instructions end just above the name field; the second heading
    // sits in the room left between them and the first text.
    const double anleitungAnfang = 223 - 6 - double(anleitung.size() - 1) * zeilenhoehe - 3;
    const double kopf = anleitungAnfang - 17;
    if (kopf - QFontMetricsF(ueberschrift()).ascent() < ende + 4)
        passtNicht("high-score instructions");
    zeichneUeberschrift(p, QStringLiteral("Highscore"), kopf);
    zeichneAbsatz(p, anleitung, anleitungAnfang);

    // Field captions, right-aligned against the fields at 136.
    const QFont f = hervorschrift();
    const QFontMetricsF m(f);
    p.setFont(f);
    p.setPen(Qt::black);
    int oben = 223;
    for (const QString& t : {h.name, h.code, h.link}) {
        p.drawText(QPointF(130 - m.horizontalAdvance(t), oben + 10.5 + (m.ascent() - m.descent()) / 2), t);
        // A sunken frame a pixel outside the field, in case the field is drawn flat.
        p.setPen(QPen(QColor(0xB8, 0xB4, 0xAC), 1));
        p.drawRect(QRectF(135.5, oben - 0.5, 258, 22));
        p.setPen(Qt::black);
        oben += 23;
    }

    p.setPen(QPen(QColor(0x66, 0x00, 0x00, 110), 1));
    p.drawLine(QPointF(textLinks, 297.5), QPointF(textRechts, 297.5));
    knopf(p, QRect(90, 304, 89, 21), h.eintragen);
    knopf(p, QRect(200, 304, 185, 21), h.spaeter);
    return bild;
}

QString seite(const char* adresse) { return QStringLiteral("{%1}").arg(QString::fromLatin1(adresse)); }

}  // namespace

void zeichneDialoge(const QDir& assets)
{
    const QDir ordner(assets.filePath(QStringLiteral("dialoge")));
    const int qualitaet = 92;

    speichern(ohneHighscore({QStringLiteral("Herzlichen Glückwunsch"),
                             QStringLiteral("Sie haben das Sudoku Rätsel erfolgreich gelöst und dabei ganze"),
                             QStringLiteral("erhalten. Ich gratuliere Ihnen! Klicken Sie einfach auf OK, um diese "
                                            "Nachricht zu schließen. Sie können dann über die Funktion \"Spiel "
                                            "starten\" wieder ein neues Spiel generieren. Ich wünsche Ihnen auch "
                                            "weiterhin viel Spaß mit diesem Programm!"),
                             55}),
              ordner, QStringLiteral("gew_kein_de.jpg"), qualitaet);

    speichern(ohneHighscore({QStringLiteral("Congratulations!"),
                             QStringLiteral("You have solved the Sudoku successfully and you have made"),
                             QStringLiteral("points. Simply click on \"OK\" to close this window and to go back to "
                                            "the program. If you would like to have another game, you can click on "
                                            "\"Start Game\" for another time."),
                             65}),
              ordner, QStringLiteral("gew_kein_en.jpg"), qualitaet);

    speichern(mitHighscore({{QStringLiteral("Herzlichen Glückwunsch"),
                             QStringLiteral("Sie haben das Sudoku Rätsel erfolgreich gelöst und dabei ganze"),
                             QStringLiteral("Punkte erhalten. Ich gratuliere Ihnen! Mit diesem Ergebnis können Sie "
                                            "sich in die Highscore auf ")
                                 + seite(webadressen::adresseDe)
                                 + QStringLiteral(" eintragen und sich mit anderen Sudokuspielern weltweit messen!"),
                             52},
                            QStringLiteral("Tragen Sie in das Feld unten einen Namen mit höchstens 30 Zeichen ein, "
                                           "zum Beispiel „Rätselkönig“, „Oma Hilde“ oder „Max aus Bremen“, und "
                                           "klicken Sie auf „Eintragen“. Der Link unten öffnet sich dann in Ihrem "
                                           "Browser und trägt Ihre Daten in die Highscore ein. Den Code, in dem Ihr "
                                           "Ergebnis verschlüsselt ist, können Sie auf ")
                                + seite(webadressen::adresseDe) + QStringLiteral(" auch von Hand eingeben."),
                            QStringLiteral("Ihr Name:"), QStringLiteral("Ihr Code:"), QStringLiteral("Der Link:"),
                            QStringLiteral("Eintragen"), QStringLiteral("Vielleicht beim nächsten Mal")}),
              ordner, QStringLiteral("gew_high_de.jpg"), qualitaet);

    speichern(mitHighscore({{QStringLiteral("Congratulations!"),
                             QStringLiteral("You have solved the Sudoku successfully and you have made"),
                             QStringLiteral("points. With this result you can sign in the Sudoku Highscore on ")
                                 + seite(webadressen::adresseInt)
                                 + QStringLiteral(" and compete with other gamers worldwide!"),
                             57},
                            QStringLiteral("Put a name of at most 30 characters into the box below, for example "
                                           "\"Puzzle Queen\", \"Grandpa Joe\" or \"Tom from Leeds\", and click on "
                                           "\"Sign In\". The link below then opens in your browser and your data is "
                                           "written into the high score. You can also type in the code by hand on "
                                           "the high-score page of ")
                                + seite(webadressen::adresseInt) + QStringLiteral("."),
                            QStringLiteral("Your Name:"), QStringLiteral("Your Code:"), QStringLiteral("The Link:"),
                            QStringLiteral("Sign In"), QStringLiteral("Perhaps at the Next Time")}),
              ordner, QStringLiteral("gew_high_en.jpg"), qualitaet);
}
