// What the board picture shows: tiles from the right list, marks, lines.

#include "tests/board/brettfixtur.h"

#include "widgets/stil.h"

#include <QApplication>
#include <QTest>

namespace {

const QRgb zellenlinie = qRgb(185, 189, 198);
const QRgb schwer = qRgb(99, 106, 122);
const QRgb grau = qRgb(204, 204, 204);
const QRgb weiss = qRgb(255, 255, 255);

// The part of sub-position (sx, sy) of cell (x, y) that no line covers.
QRect unterInneres(int x, int y, int sx, int sy)
{
    const QRect zelle((x - 1) * 45 + 1, (y - 1) * 45 + 1, 43, 43);
    return QRect((x - 1) * 45 + (sx - 1) * 15, (y - 1) * 45 + (sy - 1) * 15, 15, 15).intersected(zelle);
}
QRect inneres(int x, int y) { return {(x - 1) * 45 + 1, (y - 1) * 45 + 1, 43, 43}; }

// Whether sub-position (sx, sy) of the cell shows the empty tile's miniature.
bool miniaturSichtbar(const QImage& b, int x, int y, int sx, int sy, const QImage& leer)
{
    const QRect r = unterInneres(x, y, sx, sy);
    return gleich(b, r, leer, r.x() % 45, r.y() % 45);
}

}  // namespace

class TestZeichnen : public QObject {
    Q_OBJECT

    Kachellisten* listen = nullptr;
    QImage kachel(const char* name, int i) const { return listen->liste(QLatin1String(name))[size_t(i)].toImage(); }

private Q_SLOTS:
    void initTestCase()
    {
        schriftenEinrichten();
        listen = new Kachellisten;
    }
    void cleanupTestCase() { delete listen; }

    void kachellisten()
    {
        for (char c : {'R', 'B', 'S', 'K', 'C'}) {
            const QString buchstabe = QString(QChar(c));
            const auto& normal = listen->liste(buchstabe + "normal");
            const auto& fest = listen->liste(buchstabe + "fest");
            QCOMPARE(normal.size(), size_t(10));
            QCOMPARE(fest.size(), size_t(10));
            for (size_t v = 0; v < 10; ++v) {
                QCOMPARE(normal[v].size(), QSize(45, 45));
                QCOMPARE(normal[v].toImage().pixel(1, 1), c == 'K' ? weiss : grau);
                QVERIFY(normal[v].toImage() != fest[v].toImage());
            }
            // Each miniature sits centred on its own sub-position, tall enough to read.
            const QImage leer = normal[0].toImage();
            for (int v = 1; v <= 9; ++v) {
                const int l = (v - 1) % 3 * 15, o = (v - 1) / 3 * 15;
                int x0 = 99, x1 = -1, y0 = 99, y1 = -1;
                for (int y = o; y < o + 15; ++y)
                    for (int x = l; x < l + 15; ++x)
                        if (leer.pixel(x, y) != leer.pixel(0, 0))
                            x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = std::max(y1, y);
                QVERIFY2(x1 >= 0 && y1 - y0 >= 6, qPrintable(QStringLiteral("%1 miniature %2").arg(c).arg(v)));
                QVERIFY(std::abs((x0 + x1) - (2 * l + 14)) <= 2 && std::abs((y0 + y1) - (2 * o + 14)) <= 2);
            }
        }
        QVERIFY(einfarbig(kachel("grauliste", 0), QRect(0, 0, 15, 15), grau));
        QVERIFY(einfarbig(kachel("grauliste", 1), QRect(0, 0, 15, 15), weiss));
        QVERIFY(listen->liste(QStringLiteral("Xnormal")).empty());
    }

    void linien_data()
    {
        QTest::addColumn<int>("spielart");
        QTest::newRow("classic") << 1;
        QTest::newRow("free 9x9") << 9;
        QTest::newRow("free 4x4") << 4;
    }
    // Two pixels on each line; heavy ones for the frame, and the box borders
    // of the classic game only.
    void linien()
    {
        QFETCH(int, spielart);
        Spielzustand z;
        spielAnlegen(z, spielart, 'R', 8);
        const int n = z.feldgroesse;
        const QImage b = zeichne(z, *listen);
        for (int k = 0; k <= n; ++k) {
            const bool heavy = k == 0 || k == n || (spielart == 1 && k % 3 == 0);
            for (int seite : {k * 45 - 1, k * 45}) {
                if (seite < 0 || seite >= n * 45)
                    continue;
                for (int quer : {20, n * 45 - 20}) {
                    QCOMPARE(b.pixel(seite, quer), heavy ? schwer : zellenlinie);
                    QCOMPARE(b.pixel(quer, seite), heavy ? schwer : zellenlinie);
                }
            }
        }
        QVERIFY(b.pixel(46, 20) != zellenlinie && b.pixel(43, 20) != zellenlinie);
    }

    // Revealed cells come from the "fest" list, the player's from "normal".
    void kachelwahl()
    {
        Spielzustand z;
        spielAnlegen(z, 1, 'R', 40);
        int rx = 0, ry = 0, vx = 0, vy = 0;
        QVERIFY(zelleFinden(z, true, rx, ry) && zelleFinden(z, false, vx, vy));
        z.eingabe[vx - 1][vy - 1] = 5;
        z.markierung[vx - 1][vy - 1][0][0] = 1;  // hidden under the value
        const QImage b = zeichne(z, *listen);
        QVERIFY(gleich(b, inneres(rx, ry), kachel("Rfest", z.vorgabe[rx - 1][ry - 1]), 1, 1));
        QVERIFY(gleich(b, inneres(vx, vy), kachel("Rnormal", 5), 1, 1));
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
        int x = 0, y = 0;
        QVERIFY(zelleFinden(z, false, x, y));
        z.markierung[x - 1][y - 1][0][0] = 1;
        z.markierung[x - 1][y - 1][2][2] = 1;
        const QImage b = zeichne(z, *listen);
        const QImage leer = listen->liste(QString(QChar(elemente)) + "normal")[0].toImage();
        for (int sx = 1; sx <= 3; ++sx)
            for (int sy = 1; sy <= 3; ++sy) {
                if (sx == sy && sx != 2)
                    QVERIFY(einfarbig(b, unterInneres(x, y, sx, sy), marke));
                else
                    QVERIFY(miniaturSichtbar(b, x, y, sx, sy, leer));
            }
    }

    // The small free boards cover the values they do not use.
    void vierMalVierVerdeckt()
    {
        Spielzustand z;
        spielAnlegen(z, 4, 'R', 8, 11);
        const QImage b = zeichne(z, *listen);
        const QImage leer = kachel("Rnormal", 0);
        int leere = 0;
        for (int x = 1; x <= 4; ++x)
            for (int y = 1; y <= 4; ++y) {
                if (z.eingabe[x - 1][y - 1] != 0)
                    continue;
                ++leere;
                for (int v = 1; v <= 9; ++v) {
                    const int sx = (v - 1) % 3 + 1, sy = (v - 1) / 3 + 1;
                    if (v >= 5)
                        QVERIFY(einfarbig(b, unterInneres(x, y, sx, sy), grau));
                    else
                        QVERIFY(miniaturSichtbar(b, x, y, sx, sy, leer));
                }
            }
        QCOMPARE(leere, 8);
    }

    // White before the first game, the clearing grey after any drawing.
    void bildVorbereiten()
    {
        Spielzustand z;
        Spielfeld feld(z, *listen);
        QCOMPARE(feld.size(), QSize(1, 1));
        feld.bildVorbereiten(180, 180, 4);
        const QImage& b = feld.bild();
        QCOMPARE(feld.size(), QSize(180, 180));
        QCOMPARE(b.pixel(90, 90), weiss);
        QCOMPARE(b.pixel(1, 90), weiss);
        for (int rand : {0, 179}) {
            QCOMPARE(b.pixel(rand, 90), schwer);
            QCOMPARE(b.pixel(90, rand), schwer);
        }
        spielAnlegen(z, 4, 'C', 8);
        feld.Ausgabe(1, 4, 1, 4);
        feld.bildVorbereiten(405, 405, 9);
        QCOMPARE(feld.bild().pixel(300, 300), qRgb(192, 192, 192));
        QCOMPARE(feld.bild().pixel(404, 300), schwer);
    }
};

QTEST_MAIN(TestZeichnen)
#include "test_zeichnen.moc"
