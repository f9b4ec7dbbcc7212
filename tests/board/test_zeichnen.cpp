// What the board picture shows: tiles from the right list, marks, lines.

#include "tests/board/brettfixtur.h"

#include "app/bedienelemente.h"

#include <QApplication>
#include <QTest>

namespace {

const QRgb zellenlinie = qRgb(185, 189, 198);
const QRgb schwer = qRgb(99, 106, 122);
const QRgb grau = qRgb(204, 204, 204);
const QRgb weiss = qRgb(255, 255, 255);

// The part of cell (x, y) that no line covers.
QRect inneres(int x, int y) { return {(x - 1) * 45 + 1, (y - 1) * 45 + 1, 43, 43}; }

// The part of sub-position (sx, sy) of cell (x, y) that no line covers.
QRect unterInneres(int x, int y, int sx, int sy)
{
    QRect r((x - 1) * 45 + (sx - 1) * 15, (y - 1) * 45 + (sy - 1) * 15, 15, 15);
    return r.intersected(inneres(x, y));
}

// The same spot within a tile picture.
QPoint kachelOrt(const QRect& r) { return {r.x() % 45, r.y() % 45}; }

}  // namespace

class TestZeichnen : public QObject {
    Q_OBJECT

    Kachellisten* listen = nullptr;

private Q_SLOTS:
    void initTestCase()
    {
        schriftenEinrichten();
        listen = new Kachellisten;
    }
    void cleanupTestCase() { delete listen; }

    void kachellistenVollstaendig()
    {
        for (char c : {'R', 'B', 'S', 'K', 'C'}) {
            for (const char* art : {"normal", "fest"}) {
                const QString name = QString(QChar(c)) + QLatin1String(art);
                const auto& liste = listen->liste(name);
                QCOMPARE(liste.size(), size_t(10));
                for (const QPixmap& k : liste)
                    QCOMPARE(k.size(), QSize(45, 45));
                // The corner of a full-size tile is the cell background.
                QCOMPARE(liste[1].toImage().pixel(1, 1), c == 'K' ? weiss : grau);
            }
            // The revealed tiles are told apart from the player's.
            const QString b = QString(QChar(c));
            for (int v = 1; v <= 9; ++v)
                QVERIFY(listen->liste(b + "normal")[size_t(v)].toImage() != listen->liste(b + "fest")[size_t(v)].toImage());
        }
        const auto& marken = listen->liste(QStringLiteral("grauliste"));
        QCOMPARE(marken.size(), size_t(2));
        QVERIFY(einfarbig(marken[0].toImage(), QRect(0, 0, 15, 15), grau));
        QVERIFY(einfarbig(marken[1].toImage(), QRect(0, 0, 15, 15), weiss));
        QVERIFY(listen->liste(QStringLiteral("Xnormal")).empty());
    }

    // Each miniature of the empty tile sits centred on its own sub-position.
    void miniaturenZentriert()
    {
        for (char c : {'R', 'B', 'S', 'K', 'C'}) {
            const QImage k = listen->liste(QString(QChar(c)) + "normal")[0].toImage();
            const QRgb grund = k.pixel(0, 0);
            for (int v = 1; v <= 9; ++v) {
                const int l = (v - 1) % 3 * 15, o = (v - 1) / 3 * 15;
                int x0 = 99, x1 = -1, y0 = 99, y1 = -1;
                for (int y = o; y < o + 15; ++y)
                    for (int x = l; x < l + 15; ++x)
                        if (k.pixel(x, y) != grund) {
                            x0 = std::min(x0, x), x1 = std::max(x1, x);
                            y0 = std::min(y0, y), y1 = std::max(y1, y);
                        }
                QVERIFY2(x1 >= 0, qPrintable(QStringLiteral("%1: miniature %2 missing").arg(c).arg(v)));
                QVERIFY(std::abs((x0 + x1) - (2 * l + 14)) <= 2);
                QVERIFY(std::abs((y0 + y1) - (2 * o + 14)) <= 2);
                QVERIFY(y1 - y0 >= 6);  // tall enough to read
            }
        }
    }

    void linienKlassisch()
    {
        Spielzustand z;
        spielAnlegen(z, 1, 'R', 40);
        const QImage b = zeichne(z, *listen);
        for (int k = 0; k <= 9; ++k) {
            const QRgb erwartet = k % 3 == 0 ? schwer : zellenlinie;
            for (int seite : {k * 45 - 1, k * 45}) {
                if (seite < 0 || seite >= 405)
                    continue;
                for (int quer : {20, 200, 390}) {
                    QCOMPARE(b.pixel(seite, quer), erwartet);  // vertical line
                    QCOMPARE(b.pixel(quer, seite), erwartet);  // horizontal line
                }
            }
        }
        // Lines are two pixels wide: the next pixel belongs to the tile.
        QVERIFY(b.pixel(46, 20) != zellenlinie);
        QVERIFY(b.pixel(43, 20) != zellenlinie);
    }

    void linienFrei()
    {
        Spielzustand z;
        spielAnlegen(z, 9, 'B', 25);
        const QImage b = zeichne(z, *listen);
        for (int k = 1; k <= 8; ++k)
            for (int seite : {k * 45 - 1, k * 45}) {
                QCOMPARE(b.pixel(seite, 100), zellenlinie);
                QCOMPARE(b.pixel(100, seite), zellenlinie);
            }
        for (int rand : {0, 404}) {
            QCOMPARE(b.pixel(rand, 100), schwer);
            QCOMPARE(b.pixel(100, rand), schwer);
        }

        Spielzustand klein;
        spielAnlegen(klein, 4, 'B', 8);
        const QImage k = zeichne(klein, *listen);
        QCOMPARE(k.size(), QSize(180, 180));
        QCOMPARE(k.pixel(179, 90), schwer);
        QCOMPARE(k.pixel(90, 179), schwer);
        QCOMPARE(k.pixel(135, 90), zellenlinie);
    }

    // Revealed cells come from the "fest" list, the player's from "normal".
    void kachelwahl()
    {
        Spielzustand z;
        spielAnlegen(z, 1, 'R', 40);
        int rx, ry, vx, vy;
        QVERIFY(aufgedeckteZelle(z, rx, ry));
        QVERIFY(versteckteZelle(z, vx, vy));
        z.eingabe[vx - 1][vy - 1] = 5;
        const QImage b = zeichne(z, *listen);
        const QImage fest = listen->liste("Rfest")[size_t(z.vorgabe[rx - 1][ry - 1])].toImage();
        const QImage normal = listen->liste("Rnormal")[5].toImage();
        QVERIFY(gleich(b, inneres(rx, ry), fest, 1, 1));
        QVERIFY(gleich(b, inneres(vx, vy), normal, 1, 1));
        QVERIFY(!gleich(b, inneres(vx, vy), listen->liste("Rfest")[5].toImage(), 1, 1));
    }

    void marken_data()
    {
        QTest::addColumn<char>("elemente");
        QTest::addColumn<QRgb>("marke");
        QTest::newRow("R grey") << 'R' << grau;
        QTest::newRow("S grey") << 'S' << grau;
        QTest::newRow("K white") << 'K' << weiss;
    }
    void marken()
    {
        QFETCH(char, elemente);
        QFETCH(QRgb, marke);
        Spielzustand z;
        spielAnlegen(z, 1, elemente, 30);
        int x, y;
        QVERIFY(versteckteZelle(z, x, y));
        z.markierung[x - 1][y - 1][0][0] = 1;
        z.markierung[x - 1][y - 1][2][2] = 1;
        const QImage b = zeichne(z, *listen);
        const QImage leer = listen->liste(QString(QChar(elemente)) + "normal")[0].toImage();
        for (int sx = 1; sx <= 3; ++sx)
            for (int sy = 1; sy <= 3; ++sy) {
                const QRect r = unterInneres(x, y, sx, sy);
                const bool bedeckt = (sx == 1 && sy == 1) || (sx == 3 && sy == 3);
                if (bedeckt)
                    QVERIFY(einfarbig(b, r, marke));
                else
                    QVERIFY(gleich(b, r, leer, kachelOrt(r).x(), kachelOrt(r).y()));
            }
        // Under a value the marks stay stored but out of sight.
        z.eingabe[x - 1][y - 1] = 2;
        const QImage mitWert = zeichne(z, *listen);
        QVERIFY(gleich(mitWert, inneres(x, y), listen->liste(QString(QChar(elemente)) + "normal")[2].toImage(), 1, 1));
    }

    // The small free boards cover the values they do not use.
    void vierMalVierVerdeckt()
    {
        Spielzustand z;
        spielAnlegen(z, 4, 'R', 8, 11);
        const QImage b = zeichne(z, *listen);
        const QImage leer = listen->liste("Rnormal")[0].toImage();
        int leere = 0;
        for (int x = 1; x <= 4; ++x)
            for (int y = 1; y <= 4; ++y) {
                if (z.eingabe[x - 1][y - 1] != 0)
                    continue;
                ++leere;
                for (int v = 1; v <= 9; ++v) {
                    const QRect r = unterInneres(x, y, (v - 1) % 3 + 1, (v - 1) / 3 + 1);
                    if (v >= 5)
                        QVERIFY(einfarbig(b, r, grau));
                    else
                        QVERIFY(gleich(b, r, leer, kachelOrt(r).x(), kachelOrt(r).y()));
                }
            }
        QCOMPARE(leere, 16 - 8);
    }

    // An empty range draws no cells but still all lines.
    void leererBereich()
    {
        Spielzustand z;
        spielAnlegen(z, 1, 'B', 40);
        QImage b(405, 405, QImage::Format_RGB32);
        const QRgb magenta = qRgb(255, 0, 255);
        b.fill(magenta);
        {
            QPainter p(&b);
            zeichneAusgabe(p, z, *listen, 1, 0, 1, 9);
            // A range past the storage must not reach outside it.
            zeichneAusgabe(p, z, *listen, 10, 20, -5, 0);
            QCOMPARE(p.brush().color(), QColor(192, 192, 192));
        }
        QVERIFY(einfarbig(b, inneres(5, 5), magenta));
        QCOMPARE(b.pixel(135, 20), schwer);
        QCOMPARE(b.pixel(90, 20), zellenlinie);
    }

    void bildVorbereitenUndPinsel()
    {
        Spielzustand z;
        Spielfeld feld(z, *listen);
        QCOMPARE(feld.bild().size(), QSize(1, 1));
        QCOMPARE(feld.size(), QSize(1, 1));

        feld.bildVorbereiten(180, 180, 4);
        QCOMPARE(feld.bild().size(), QSize(180, 180));
        QCOMPARE(feld.size(), QSize(180, 180));
        QCOMPARE(feld.bild().pixel(90, 90), weiss);  // white before the first game
        QCOMPARE(feld.bild().pixel(0, 90), schwer);
        QCOMPARE(feld.bild().pixel(179, 90), schwer);
        QCOMPARE(feld.bild().pixel(90, 0), schwer);
        QCOMPARE(feld.bild().pixel(90, 179), schwer);
        QCOMPARE(feld.bild().pixel(1, 90), weiss);

        spielAnlegen(z, 4, 'C', 8);
        feld.Ausgabe(1, 4, 1, 4);
        feld.bildVorbereiten(405, 405, 9);
        QCOMPARE(feld.bild().pixel(300, 300), qRgb(192, 192, 192));
        QCOMPARE(feld.bild().pixel(404, 300), schwer);
    }

    // The widget shows exactly what the drawing routine draws.
    void widgetGleichZeichnung_data()
    {
        QTest::addColumn<int>("spielart");
        QTest::addColumn<char>("elemente");
        QTest::newRow("classic K") << 1 << 'K';
        QTest::newRow("5x5 S") << 5 << 'S';
    }
    void widgetGleichZeichnung()
    {
        QFETCH(int, spielart);
        QFETCH(char, elemente);
        Spielzustand z;
        spielAnlegen(z, spielart, elemente, 12);
        int x, y;
        QVERIFY(versteckteZelle(z, x, y));
        z.markierung[x - 1][y - 1][1][1] = 1;
        Spielfeld feld(z, *listen);
        const int kante = z.feldgroesse * 45;
        feld.bildVorbereiten(kante, kante, z.feldgroesse);
        feld.Ausgabe(1, z.feldgroesse, 1, z.feldgroesse);
        const QImage erwartet = zeichne(z, *listen);
        QCOMPARE(feld.bild(), erwartet);
        QCOMPARE(feld.pixmap().toImage().convertToFormat(QImage::Format_RGB32), erwartet);
        QCOMPARE(feld.size(), QSize(kante, kante));
    }
};

QTEST_MAIN(TestZeichnen)
#include "test_zeichnen.moc"
