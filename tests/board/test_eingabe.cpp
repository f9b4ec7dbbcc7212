// Presses on the board: values, marks, refusals and the end of a game.

#include "tests/board/brettfixtur.h"

#include "widgets/stil.h"

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
    int x = 0, y = 0;  // the cell under test

    // A running game on a fresh widget, whole board drawn; (x, y) its first
    // revealed or hidden cell.
    void starten(int32_t spielart, char elemente, int32_t aufgedeckt, bool aufgedeckteZelle = false)
    {
        spielAnlegen(z, spielart, elemente, aufgedeckt, 3);
        feld = std::make_unique<Spielfeld>(z, *listen);
        const int kante = z.feldgroesse * 45;
        feld->bildVorbereiten(kante, kante, z.feldgroesse);
        feld->Ausgabe(1, z.feldgroesse, 1, z.feldgroesse);
        QVERIFY(zelleFinden(z, aufgedeckteZelle, x, y));
    }

    // A press at offsets (ox, oy) within the cell under test.
    void druck(Qt::MouseButton taste, int ox, int oy) { feld->spielfeldMouseDown(taste, (x - 1) * 45 + ox, (y - 1) * 45 + oy); }
    // A press on the middle of the miniature of v.
    void druckAuf(Qt::MouseButton taste, int v) { druck(taste, (v - 1) % 3 * 15 + 7, (v - 1) / 3 * 15 + 7); }
    int32_t wert() const { return z.eingabe[x - 1][y - 1]; }
    uint8_t marke(int v) const { return z.markierung[x - 1][y - 1][(v - 1) % 3][(v - 1) / 3]; }

private Q_SLOTS:
    void initTestCase()
    {
        schriftenEinrichten();
        listen = new Kachellisten;
    }
    void cleanup() { feld.reset(); }
    void cleanupTestCase() { delete listen; }

    // A double click, as the system delivers it, is two presses: the value
    // goes in and out again; on the right button the mark comes and goes.
    void doppelklickSindZweiDruecke()
    {
        starten(1, 'B', 30);
        feld->show();
        QVERIFY(QTest::qWaitForWindowExposed(feld.get()));
        const QPoint mitte((x - 1) * 45 + 22, (y - 1) * 45 + 22);
        QTest::mouseClick(feld->windowHandle(), Qt::LeftButton, {}, mitte);
        QCOMPARE(wert(), 5);
        QTest::mouseClick(feld->windowHandle(), Qt::LeftButton, {}, mitte);
        QCOMPARE(wert(), 0);
        QTest::mouseDClick(feld->windowHandle(), Qt::LeftButton, {}, mitte);
        QCOMPARE(wert(), 0);
        QTest::mouseDClick(feld->windowHandle(), Qt::RightButton, {}, mitte);
        QCOMPARE(marke(5), uint8_t(0));
    }

    // Offsets 0-14, 15-29 and 30-44 pick sub-positions 1, 2, 3 in both
    // directions; a second left press empties the cell wherever it lands.
    void druckZuordnung()
    {
        starten(1, 'R', 30);
        const int grenzen[6] = {0, 14, 15, 29, 30, 44};
        for (int i = 0; i < 6; ++i)
            for (int j = 0; j < 6; ++j) {
                druck(Qt::LeftButton, grenzen[i], grenzen[j]);
                QCOMPARE(wert(), 3 * (j / 2) + i / 2 + 1);
                druck(Qt::LeftButton, grenzen[5 - i], grenzen[j]);
                QCOMPARE(wert(), 0);
            }
    }

    // Through the widget's own mouse event, redrawn as the routine draws.
    void mausereignis()
    {
        starten(1, 'K', 30);
        QTest::mousePress(feld.get(), Qt::RightButton, {}, QPoint((x - 1) * 45 + 40, (y - 1) * 45 + 40));
        QCOMPARE(marke(9), uint8_t(1));
        QCOMPARE(feld->bild(), zeichne(z, *listen));
        QTest::mousePress(feld.get(), Qt::LeftButton, {}, QPoint((x - 1) * 45 + 22, (y - 1) * 45 + 22));
        QCOMPARE(wert(), 5);
        QCOMPARE(feld->bild(), zeichne(z, *listen));
        QCOMPARE(feld->pixmap().toImage().convertToFormat(QImage::Format_RGB32), feld->bild());
    }

    void marken()
    {
        starten(1, 'C', 30);
        druckAuf(Qt::RightButton, 8);
        druckAuf(Qt::RightButton, 8);
        QCOMPARE(marke(8), uint8_t(0));  // toggled twice: gone

        druckAuf(Qt::RightButton, 3);
        druckAuf(Qt::LeftButton, 3);  // a marked miniature is still chosen
        QCOMPARE(wert(), 3);
        druckAuf(Qt::RightButton, 1);  // marks work under a value, out of sight
        QCOMPARE(marke(1), uint8_t(1));
        QCOMPARE(wert(), 3);
        druckAuf(Qt::LeftButton, 1);
        QCOMPARE(wert(), 0);
        QCOMPARE(marke(3), uint8_t(1));
        QCOMPARE(feld->bild(), zeichne(z, *listen));  // both marks show again
    }

    void aufgedeckteBleiben()
    {
        starten(1, 'R', 40, true);
        const int32_t vorher = wert();
        for (auto taste : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
            for (int v : {1, 5, 9})
                druckAuf(taste, v);
        QCOMPARE(wert(), vorher);
        for (int v = 1; v <= 9; ++v)
            QCOMPARE(marke(v), uint8_t(0));
    }

    // On a 4 x 4 board the values 5..9 can neither be chosen nor unmarked.
    void gesperrteUnterpositionen()
    {
        starten(4, 'B', 6);
        for (int v = 5; v <= 9; ++v) {
            druckAuf(Qt::LeftButton, v);
            QCOMPARE(wert(), 0);
            druckAuf(Qt::RightButton, v);
            QCOMPARE(marke(v), uint8_t(1));
        }
        druckAuf(Qt::LeftButton, 4);
        QCOMPARE(wert(), 4);
    }

    // No game, generation under way, another button, a spot beside the
    // board: nothing changes.
    void verweigert()
    {
        starten(4, 'R', 6);
        const Spielzustand vorher = z;
        const QImage bildVorher = feld->bild();
        auto unveraendert = [&] {
            return std::memcmp(z.eingabe, vorher.eingabe, sizeof z.eingabe) == 0 &&
                   std::memcmp(z.markierung, vorher.markierung, sizeof z.markierung) == 0;
        };
        z.spiellaeuft = 0;
        druckAuf(Qt::LeftButton, 1);
        druckAuf(Qt::RightButton, 1);
        z.spiellaeuft = 1;
        feld->setGesperrt(true);
        druckAuf(Qt::LeftButton, 1);
        druckAuf(Qt::RightButton, 1);
        feld->setGesperrt(false);
        druckAuf(Qt::MiddleButton, 1);
        QVERIFY(unveraendert());
        QCOMPARE(feld->bild(), bildVorher);

        // Cells (5, 1) and (1, 10) exist only in the storage, or not at all.
        feld->spielfeldMouseDown(Qt::LeftButton, 200, 10);
        feld->spielfeldMouseDown(Qt::LeftButton, -3, 10);
        feld->spielfeldMouseDown(Qt::RightButton, 10, 9 * 45 + 5);
        QVERIFY(unveraendert());
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
        uhr.start(50);
        feld->setUhr(&uhr);
        z.punkte = punkte;
        std::memcpy(z.eingabe, z.loesung, sizeof z.eingabe);
        z.eingabe[x - 1][y - 1] = 0;
        const int richtig = z.loesung[x - 1][y - 1];
        QSignalSpy ohne(feld.get(), &Spielfeld::gewonnenOhneHighscore);
        QSignalSpy mit(feld.get(), &Spielfeld::gewonnenMitHighscore);

        druckAuf(Qt::RightButton, richtig);  // not yet complete
        QCOMPARE(ohne.count() + mit.count(), 0);
        QVERIFY(uhr.isActive());

        druckAuf(Qt::LeftButton, richtig);
        QCOMPARE(z.spiellaeuft, uint8_t(0));
        QVERIFY(!uhr.isActive());
        QCOMPARE(ohne.count(), highscore ? 0 : 1);
        QCOMPARE(mit.count(), highscore ? 1 : 0);
        if (highscore)
            QCOMPARE(mit.at(0), (QList<QVariant>{QStringLiteral("25541"), QStringLiteral("1"), QStringLiteral("35"),
                                                 QStringLiteral("S")}));

        // The finished board no longer reacts.
        druckAuf(Qt::LeftButton, richtig);
        druckAuf(Qt::RightButton, 2);
        QCOMPARE(wert(), richtig);
        QCOMPARE(marke(2), uint8_t(0));
        QCOMPARE(ohne.count() + mit.count(), 1);
    }
};

QTEST_MAIN(TestEingabe)
#include "test_eingabe.moc"
