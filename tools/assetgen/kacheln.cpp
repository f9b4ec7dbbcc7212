// The tile lists of the board: for each element set a strip of ten 45 x 45
// tiles for the player's cells and one for revealed cells, plus the two mark
// tiles. Everything is drawn as anti-aliased paths (glyphs included), centred
// by their ink, so the pictures do not depend on font hinting.
#include "tools/assetgen/bereiche.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <functional>
#include <numbers>

namespace {

constexpr int kachel = 45;
constexpr int unter = 15;
const QColor grauGrund(204, 204, 204);

// Where the element of value v sits on the empty tile: the centre of its
// 15 x 15 sub-position, keypad order.
QPointF miniaturMitte(int v)
{
    const int sx = (v - 1) % 3;
    const int sy = (v - 1) / 3;
    return {sx * unter + unter / 2.0, sy * unter + unter / 2.0};
}

// A glyph as a path whose reference glyph is `hoehe` pixels tall, its own ink
// centred on `mitte`.
QPainterPath glyphe(const QString& text, const QString& familie, int gewicht, const QString& bezug, qreal hoehe,
                    QPointF mitte)
{
    QFont schrift(familie);
    schrift.setPixelSize(200);
    schrift.setWeight(QFont::Weight(gewicht));
    schrift.setHintingPreference(QFont::PreferNoHinting);
    QPainterPath bezugsPfad;
    bezugsPfad.addText(0, 0, schrift, bezug);
    const qreal massstab = hoehe / bezugsPfad.boundingRect().height();
    QPainterPath pfad;
    pfad.addText(0, 0, schrift, text);
    const QPointF c = pfad.boundingRect().center();
    QTransform t;
    t.translate(mitte.x(), mitte.y());
    t.scale(massstab, massstab);
    t.translate(-c.x(), -c.y());
    return t.map(pfad);
}

// ------------------------------------------------------------- digit discs

struct Scheibenfarben {
    QColor licht, grund, rand, ziffer;
};

void scheibe(QPainter& p, QPointF mitte, qreal radius, const Scheibenfarben& f, int wert, qreal zifferHoehe)
{
    QRadialGradient verlauf(mitte, radius, mitte + QPointF(-radius * 0.35, -radius * 0.4));
    verlauf.setColorAt(0.0, f.licht);
    verlauf.setColorAt(0.75, f.grund);
    verlauf.setColorAt(1.0, f.grund.darker(112));
    p.setPen(QPen(f.rand, std::max<qreal>(0.8, radius / 14.0)));
    p.setBrush(verlauf);
    p.drawEllipse(mitte, radius, radius);
    p.setPen(Qt::NoPen);
    p.setBrush(f.ziffer);
    p.drawPath(glyphe(QString::number(wert), QStringLiteral("DejaVu Sans"), QFont::Bold, QStringLiteral("8"),
                      zifferHoehe, mitte));
}

// ----------------------------------------------------------------- symbols

QPainterPath vieleck(QPointF m, qreal r, int ecken, qreal innen, qreal drehung)
{
    // innen > 0 makes a star: every other point on the inner radius.
    QPainterPath pfad;
    const int punkte = innen > 0 ? 2 * ecken : ecken;
    for (int i = 0; i < punkte; ++i) {
        const qreal rr = innen > 0 && i % 2 == 1 ? r * innen : r;
        const qreal w = drehung + 2 * std::numbers::pi * i / punkte;
        const QPointF q(m.x() + rr * std::sin(w), m.y() - rr * std::cos(w));
        if (i == 0)
            pfad.moveTo(q);
        else
            pfad.lineTo(q);
    }
    pfad.closeSubpath();
    return pfad;
}

// Symbol v (1..9) in a box of about 2 * r, centred on m.
void symbol(QPainter& p, int v, QPointF m, qreal r, const QColor& farbe)
{
    const qreal strich = std::max<qreal>(1.4, r * 0.26);
    const QPen kontur(farbe.darker(125), std::max<qreal>(0.6, r / 16.0));
    const QPen umriss(farbe, strich, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    p.setBrush(farbe);
    p.setPen(kontur);
    switch (v) {
    case 1: {  // filled square
        const qreal a = r * 0.86;
        p.drawRect(QRectF(m.x() - a, m.y() - a, 2 * a, 2 * a));
        break;
    }
    case 2: {  // ring
        p.setBrush(Qt::NoBrush);
        p.setPen(umriss);
        const qreal a = r - strich / 2;
        p.drawEllipse(m, a, a);
        break;
    }
    case 3:  // pentagon
        p.drawPath(vieleck(m + QPointF(0, r * 0.06), r * 1.02, 5, 0, 0));
        break;
    case 4:  // diamond
        p.drawPath(vieleck(m, r * 1.05, 4, 0, 0));
        break;
    case 5:  // five-pointed star
        p.drawPath(vieleck(m + QPointF(0, r * 0.08), r * 1.1, 5, 0.42, 0));
        break;
    case 6: {  // diamond outline
        p.setBrush(Qt::NoBrush);
        p.setPen(umriss);
        p.drawPath(vieleck(m, r * 1.05 - strich * 0.7, 4, 0, 0));
        break;
    }
    case 7:  // four-pointed star
        p.drawPath(vieleck(m, r * 1.08, 4, 0.36, 0));
        break;
    case 8: {  // square outline
        p.setBrush(Qt::NoBrush);
        p.setPen(umriss);
        const qreal a = r * 0.86 - strich / 2;
        p.drawRect(QRectF(m.x() - a, m.y() - a, 2 * a, 2 * a));
        break;
    }
    default:  // disc
        p.drawEllipse(m, r * 0.92, r * 0.92);
        break;
    }
}

// ------------------------------------------------------------------ strips

using Element = std::function<void(QPainter&, int wert, QPointF mitte, bool klein)>;

// Ten tiles side by side: tile 0 the nine miniatures, tiles 1..9 one element each.
QImage streifen(const QColor& grund, const Element& element)
{
    QImage bild = leinwand(10 * kachel, kachel, QImage::Format_RGB32);
    bild.fill(grund);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    for (int v = 1; v <= 9; ++v)
        element(p, v, miniaturMitte(v), true);
    for (int v = 1; v <= 9; ++v)
        element(p, v, QPointF(v * kachel + kachel / 2.0, kachel / 2.0), false);
    return bild;
}

Element scheiben(const Scheibenfarben& f)
{
    return [f](QPainter& p, int v, QPointF m, bool klein) {
        if (klein)
            scheibe(p, m, 6.6, f, v, 7.6);
        else
            scheibe(p, m, 17.5, f, v, 19.0);
    };
}

Element symbole(const QColor& farbe)
{
    return [farbe](QPainter& p, int v, QPointF m, bool klein) { symbol(p, v, m, klein ? 5.6 : 15.0, farbe); };
}

Element zeichen(const QColor& farbe, const QString& familie, int gewicht, char erstes, const QString& bezug,
                qreal gross, qreal miniatur)
{
    return [=](QPainter& p, int v, QPointF m, bool klein) {
        p.setPen(Qt::NoPen);
        p.setBrush(farbe);
        const QString text(QChar(erstes + v - 1));
        p.drawPath(glyphe(text, familie, gewicht, bezug, klein ? miniatur : gross, m));
    };
}

}  // namespace

void zeichneKacheln(const QDir& assets)
{
    const QDir ordner(assets.filePath(QStringLiteral("kacheln")));
    auto sichern = [&](const QString& name, const QImage& bild) { speichern(bild, ordner, name + ".png"); };

    // Red discs: the player's a light coral, the revealed a deep red.
    sichern(QStringLiteral("Rnormal"),
            streifen(grauGrund, scheiben({QColor(252, 170, 160), QColor(234, 106, 98), QColor(196, 78, 72), Qt::white})));
    sichern(QStringLiteral("Rfest"),
            streifen(grauGrund, scheiben({QColor(214, 58, 62), QColor(160, 14, 24), QColor(104, 6, 12), Qt::white})));

    // Blue discs: the player's pale with dark figures, the revealed strong.
    sichern(QStringLiteral("Bnormal"), streifen(grauGrund, scheiben({QColor(226, 238, 252), QColor(160, 196, 240),
                                                                     QColor(112, 150, 206), QColor(24, 58, 130)})));
    sichern(QStringLiteral("Bfest"),
            streifen(grauGrund, scheiben({QColor(92, 142, 232), QColor(26, 74, 182), QColor(12, 40, 116), Qt::white})));

    // Symbols: orange for the player, red when revealed.
    sichern(QStringLiteral("Snormal"), streifen(grauGrund, symbole(QColor(246, 142, 28))));
    sichern(QStringLiteral("Sfest"), streifen(grauGrund, symbole(QColor(196, 22, 24))));

    // Plain digits on white: grey for the player, black when revealed.
    const QString sans = QStringLiteral("DejaVu Sans");
    sichern(QStringLiteral("Knormal"),
            streifen(Qt::white, zeichen(QColor(132, 132, 132), sans, QFont::Normal, '1', "8", 25, 9.2)));
    sichern(QStringLiteral("Kfest"), streifen(Qt::white, zeichen(Qt::black, sans, QFont::Normal, '1', "8", 25, 9.2)));

    // Serif capitals: light brownish red for the player, dark red when revealed.
    const QString serif = QStringLiteral("DejaVu Serif");
    sichern(QStringLiteral("Cnormal"),
            streifen(grauGrund, zeichen(QColor(190, 112, 92), serif, QFont::Bold, 'A', "H", 25, 9.4)));
    sichern(QStringLiteral("Cfest"),
            streifen(grauGrund, zeichen(QColor(128, 16, 20), serif, QFont::Bold, 'A', "H", 25, 9.4)));

    // The mark tiles: a plain grey square and a plain white one.
    QImage marken = leinwand(2 * unter, unter, QImage::Format_RGB32);
    marken.fill(Qt::white);
    {
        QPainter p(&marken);
        p.fillRect(0, 0, unter, unter, grauGrund);
    }
    sichern(QStringLiteral("grauliste"), marken);
}
