// Presses on the board: values, marks, refusals and the end of a game.

#include "tests/board/brettfixtur.h"

#include "app/bedienelemente.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <cstring>
#include <memory>

class TestEingabe : public QObject {
    Q_OBJECT

    Kachellisten* listen = nullptr;
    Spielzustand z;
    std::unique_ptr<Spielfeld> feld;

    // Starts a game on a fresh widget, whole board drawn.
    void starten(int32_t spielart, char elemente, int32_t aufgedeckt, uint64_t saat = 3)
    {
        spielAnlegen(z, spielart, elemente, aufgedeckt, saat);
        feld = std::make_unique<Spielfeld>(z, *listen);
        const int kante = z.feldgroesse * 45;
        feld->bildVorbereiten(kante, kante, z.feldgroesse);
        feld->Ausgabe(1, z.feldgroesse, 1, z.feldgroesse);
    }

    // Pixel of the sub-position (sx, sy) of cell (x, y) at offsets within it.
    static QPoint stelle(int x, int y, int ox, int oy) { return {(x - 1) * 45 + ox, (y - 1) * 45 + oy}; }

    void druck(Qt::MouseButton taste, QPoint p) { feld->spielfeldMouseDown(taste, p.x(), p.y()); }

    // Fills every hidden cell but (x, y) with its solution value.
    void fastFertig(int& x, int& y)
    {
        QVERIFY(versteckteZelle(z, x, y));
        for (int i = 0; i < 9; ++i)
            for (int j = 0; j < 9; ++j)
                z.eingabe[i][j] = z.loesung[i][j];
        z.eingabe[x - 1][y - 1] = 0;
    }

    // The press that completes the board: the sub-position of the missing value.
    QPoint loesungsDruck(int x, int y) const
    {
        const int v = z.loesung[x - 1][y - 1];
        return stelle(x, y, (v - 1) % 3 * 15 + 7, (v - 1) / 3 * 15 + 7);
    }

private Q_SLOTS:
    void initTestCase()
    {
        schriftenEinrichten();
        listen = new Kachellisten;
    }
    void cleanup() { feld.reset(); }
    void cleanupTestCase() { delete listen; }

    // Offsets 0-14, 15-29 and 30-44 pick sub-positions 1, 2, 3 in both directions.
    void druckZuordnung()
    {
        starten(1, 'R', 30);
        int x, y;
        QVERIFY(versteckteZelle(z, x, y));
        const int grenzen[6] = {0, 14, 15, 29, 30, 44};
        for (int i = 0; i < 6; ++i)
            for (int j = 0; j < 6; ++j) {
                const int sx = i / 2 + 1, sy = j / 2 + 1;
                druck(Qt::LeftButton, stelle(x, y, grenzen[i], grenzen[j]));
                QCOMPARE(z.eingabe[x - 1][y - 1], 3 * (sy - 1) + sx);
                // A second left press empties the cell wherever it lands.
                druck(Qt::LeftButton, stelle(x, y, grenzen[5 - i], grenzen[j]));
                QCOMPARE(z.eingabe[x - 1][y - 1], 0);
            }
    }

    void wertUndZeichnung()
    {
        starten(1, 'B', 30);
        int x, y;
        QVERIFY(versteckteZelle(z, x, y));
        druck(Qt::LeftButton, stelle(x, y, 22, 22));
        QCOMPARE(z.eingabe[x - 1][y - 1], 5);
        // The widget redrew the cell, and only it changed the picture.
        QCOMPARE(feld->bild(), zeichne(z, *listen));
    }

    // Through the widget's own mouse event.
    void mausereignis()
    {
        starten(1, 'K', 30);
        int x, y;
        QVERIFY(versteckteZelle(z, x, y));
        QTest::mousePress(feld.get(), Qt::RightButton, {}, stelle(x, y, 40, 40));
        QCOMPARE(z.markierung[x - 1][y - 1][2][2], uint8_t(1));
        QTest::mousePress(feld.get(), Qt::LeftButton, {}, stelle(x, y, 1, 1));
        QCOMPARE(z.eingabe[x - 1][y - 1], 1);
    }

    void markeZweimal()
    {
        starten(1, 'S', 30);
        int x, y;
        QVERIFY(versteckteZelle(z, x, y));
        druck(Qt::RightButton, stelle(x, y, 20, 35));
        QCOMPARE(z.markierung[x - 1][y - 1][1][2], uint8_t(1));
        QCOMPARE(feld->bild(), zeichne(z, *listen));
        druck(Qt::RightButton, stelle(x, y, 16, 44));
        QCOMPARE(z.markierung[x - 1][y - 1][1][2], uint8_t(0));
        QCOMPARE(feld->bild(), zeichne(z, *listen));
    }

    // A marked miniature can still be chosen; the mark outlives the value.
    void markierteMiniaturWaehlbar()
    {
        starten(1, 'C', 30);
        int x, y;
        QVERIFY(versteckteZelle(z, x, y));
        druck(Qt::RightButton, stelle(x, y, 40, 2));  // mark 3
        druck(Qt::LeftButton, stelle(x, y, 40, 2));
        QCOMPARE(z.eingabe[x - 1][y - 1], 3);
        druck(Qt::RightButton, stelle(x, y, 2, 2));  // marks work under a value too
        QCOMPARE(z.markierung[x - 1][y - 1][0][0], uint8_t(1));
        QCOMPARE(z.eingabe[x - 1][y - 1], 3);
        druck(Qt::LeftButton, stelle(x, y, 2, 2));
        QCOMPARE(z.eingabe[x - 1][y - 1], 0);
        QCOMPARE(z.markierung[x - 1][y - 1][2][0], uint8_t(1));
        QCOMPARE(feld->bild(), zeichne(z, *listen));
    }

    void aufgedeckteBleiben()
    {
        starten(1, 'R', 40);
        int x, y;
        QVERIFY(aufgedeckteZelle(z, x, y));
        const int32_t wert = z.eingabe[x - 1][y - 1];
        for (auto taste : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
            for (int o : {3, 22, 41})
                druck(taste, stelle(x, y, o, o));
        QCOMPARE(z.eingabe[x - 1][y - 1], wert);
        for (int sx = 0; sx < 3; ++sx)
            for (int sy = 0; sy < 3; ++sy)
                QCOMPARE(z.markierung[x - 1][y - 1][sx][sy], uint8_t(0));
    }

    // On a 4 x 4 board the values 5..9 can neither be chosen nor unmarked.
    void gesperrteUnterpositionen()
    {
        starten(4, 'B', 6);
        int x, y;
        QVERIFY(versteckteZelle(z, x, y));
        for (int v = 5; v <= 9; ++v) {
            const QPoint p = stelle(x, y, (v - 1) % 3 * 15 + 7, (v - 1) / 3 * 15 + 7);
            druck(Qt::LeftButton, p);
            QCOMPARE(z.eingabe[x - 1][y - 1], 0);
            druck(Qt::RightButton, p);
            QCOMPARE(z.markierung[x - 1][y - 1][(v - 1) % 3][(v - 1) / 3], uint8_t(1));
        }
        druck(Qt::LeftButton, stelle(x, y, 40, 7));
        QCOMPARE(z.eingabe[x - 1][y - 1], 3);
    }

    // Presses that must not touch anything: no game, generation running,
    // another button, a spot beside the board.
    void verweigert()
    {
        starten(4, 'R', 6);
        int x, y;
        QVERIFY(versteckteZelle(z, x, y));
        Spielzustand vorher = z;
        const QImage bildVorher = feld->bild();
        auto unveraendert = [&] {
            return std::memcmp(z.eingabe, vorher.eingabe, sizeof z.eingabe) == 0 &&
                   std::memcmp(z.markierung, vorher.markierung, sizeof z.markierung) == 0;
        };

        z.spiellaeuft = 0;
        druck(Qt::LeftButton, stelle(x, y, 2, 2));
        druck(Qt::RightButton, stelle(x, y, 2, 2));
        QVERIFY(unveraendert());
        QCOMPARE(feld->bild(), bildVorher);

        z.spiellaeuft = 1;
        feld->setGesperrt(true);
        druck(Qt::LeftButton, stelle(x, y, 2, 2));
        druck(Qt::RightButton, stelle(x, y, 2, 2));
        QVERIFY(unveraendert());
        feld->setGesperrt(false);

        druck(Qt::MiddleButton, stelle(x, y, 2, 2));
        QVERIFY(unveraendert());

        // Past the 4 x 4 board: cell (5, 1) exists only in the storage.
        z.eingabe[4][0] = 0;
        vorher.eingabe[4][0] = 0;
        druck(Qt::LeftButton, {200, 10});
        druck(Qt::LeftButton, {-3, 10});
        druck(Qt::RightButton, {10, 9 * 45 + 5});
        QVERIFY(unveraendert());
        QCOMPARE(feld->bild(), bildVorher);
    }

    void gewinn_data()
    {
        QTest::addColumn<int>("punkte");
        QTest::addColumn<bool>("highscore");
        QTest::newRow("25540 plain") << 25540 << false;
        QTest::newRow("25541 high score") << 25541 << true;
        QTest::newRow("negative") << -12 << false;
    }
    void gewinn()
    {
        QFETCH(int, punkte);
        QFETCH(bool, highscore);
        starten(1, 'S', 35);
        QTimer uhr;
        uhr.setInterval(50);
        uhr.start();
        feld->setUhr(&uhr);
        z.punkte = punkte;
        int x, y;
        fastFertig(x, y);
        QSignalSpy ohne(feld.get(), &Spielfeld::gewonnenOhneHighscore);
        QSignalSpy mit(feld.get(), &Spielfeld::gewonnenMitHighscore);

        druck(Qt::RightButton, stelle(x, y, 2, 2));  // not yet complete
        QCOMPARE(ohne.count() + mit.count(), 0);
        QVERIFY(uhr.isActive());

        druck(Qt::LeftButton, loesungsDruck(x, y));
        QCOMPARE(z.spiellaeuft, uint8_t(0));
        QVERIFY(!uhr.isActive());
        QCOMPARE(ohne.count(), highscore ? 0 : 1);
        QCOMPARE(mit.count(), highscore ? 1 : 0);
        if (highscore) {
            const QList<QVariant> werte = mit.at(0);
            QCOMPARE(werte.at(0).toString(), QStringLiteral("25541"));
            QCOMPARE(werte.at(1).toString(), QStringLiteral("1"));
            QCOMPARE(werte.at(2).toString(), QStringLiteral("35"));
            QCOMPARE(werte.at(3).toString(), QStringLiteral("S"));
        }

        // The finished board no longer reacts.
        const Spielzustand danach = z;
        druck(Qt::LeftButton, loesungsDruck(x, y));
        druck(Qt::RightButton, stelle(x, y, 30, 30));
        QCOMPARE(z.eingabe[x - 1][y - 1], danach.eingabe[x - 1][y - 1]);
        QVERIFY(std::memcmp(z.markierung, danach.markierung, sizeof z.markierung) == 0);
        QCOMPARE(ohne.count() + mit.count(), 1);
    }

    void gewinnOhneUhr()
    {
        starten(5, 'K', 10);
        z.punkte = 99999;
        int x, y;
        fastFertig(x, y);
        QSignalSpy mit(feld.get(), &Spielfeld::gewonnenMitHighscore);
        druck(Qt::LeftButton, loesungsDruck(x, y));
        QCOMPARE(mit.count(), 1);
        QCOMPARE(mit.at(0).at(1).toString(), QStringLiteral("5"));
        QCOMPARE(mit.at(0).at(3).toString(), QStringLiteral("K"));
    }
};

QTEST_MAIN(TestEingabe)
#include "test_eingabe.moc"
