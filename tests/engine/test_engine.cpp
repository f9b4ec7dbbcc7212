#include "engine/einstellungen.h"
#include "engine/generator.h"
#include "engine/spielzustand.h"
#include "engine/zufall.h"

#include <QTest>

#include <deque>
#include <vector>

namespace {

// Draws from a script, then falls back to a seeded generator.
class Drehbuch final : public Zufallsquelle {
public:
    explicit Drehbuch(std::deque<int32_t> werte) : werte_(std::move(werte)) {}
    int32_t ziehe(int32_t n) override
    {
        gezogen.push_back(n);
        if (werte_.empty())
            return rest_.ziehe(n);
        const int32_t v = werte_.front();
        werte_.pop_front();
        return v % n;
    }
    void saeen(uint64_t s) override { rest_.saeen(s); }
    std::vector<int32_t> gezogen;  // the n of every draw

private:
    std::deque<int32_t> werte_;
    Zufallsgenerator rest_{7};
};

Spielzustand neuesSpiel(int32_t spielart, int32_t aufgedeckt = 0)
{
    Spielzustand z;
    z.spielart = spielart;
    z.feldgroesse = feldgroesseVon(spielart);
    z.aufgedeckt = aufgedeckt;
    return z;
}

int64_t stehendeUhr() { return 1000; }

// Rows and columns of loesung hold 1..N once each; with boxes for the classic game.
bool gueltigeLoesung(const Spielzustand& z)
{
    Spielzustand p = z;
    std::memcpy(p.eingabe, z.loesung, sizeof p.eingabe);
    return p.Pruefen();
}

void loesungEintragen(Spielzustand& z)
{
    std::memcpy(z.eingabe, z.loesung, sizeof z.eingabe);
}

}  // namespace

class TestEngine : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void generierteGitterSindGueltig_data()
    {
        QTest::addColumn<int>("spielart");
        for (int a : {1, 3, 4, 5, 6, 7, 8, 9})
            QTest::newRow(qPrintable(QStringLiteral("spielart %1").arg(a))) << a;
    }
    void generierteGitterSindGueltig()
    {
        QFETCH(int, spielart);
        Zufallsgenerator zufall(uint64_t(spielart) * 1000003u);
        for (int lauf = 0; lauf < 200; ++lauf) {
            Spielzustand z = neuesSpiel(spielart);
            Spiel2Generieren(z, zufall, millisekundenTakt);
            QVERIFY2(gueltigeLoesung(z), "generated grid breaks a rule of its kind");
            // Nothing outside the board, nothing handed to the player yet.
            for (int x = 0; x < 9; ++x)
                for (int y = 0; y < 9; ++y) {
                    if (x >= z.feldgroesse || y >= z.feldgroesse)
                        QCOMPARE(z.loesung[x][y], 0);
                    QCOMPARE(z.vorgabe[x][y], 0);
                    QCOMPARE(z.eingabe[x][y], 0);
                }
        }
    }

    void freies9x9BrauchtKeineKaesten()
    {
        // Among many free 9x9 grids at least one breaks a box: the free game
        // is not the classic one in disguise.
        Zufallsgenerator zufall(11);
        bool kastenVerletzt = false;
        for (int lauf = 0; lauf < 50 && !kastenVerletzt; ++lauf) {
            Spielzustand z = neuesSpiel(9);
            Spiel2Generieren(z, zufall, millisekundenTakt);
            loesungEintragen(z);
            z.spielart = 1;
            kastenVerletzt = !z.Pruefen();
        }
        QVERIFY(kastenVerletzt);
    }

    void gesperrtesMusterJeGroesse()
    {
        Zufallsgenerator zufall(5);
        for (int n = 3; n <= 9; ++n) {
            Spielzustand z = neuesSpiel(n);
            std::memset(z.gesperrt, 1, sizeof z.gesperrt);  // left over from an earlier game
            Spiel2Generieren(z, zufall, millisekundenTakt);
            for (int x = 0; x < n; ++x)
                for (int y = 0; y < n; ++y)
                    for (int sx = 1; sx <= 3; ++sx)
                        for (int sy = 1; sy <= 3; ++sy) {
                            const int erwartet = (n < 9 && 3 * (sy - 1) + sx > n) ? 1 : 0;
                            QCOMPARE(int(z.gesperrt[x][y][sx - 1][sy - 1]), erwartet);
                            QCOMPARE(int(z.markierung[x][y][sx - 1][sy - 1]), erwartet);
                        }
        }
        // The rows of the table in words: N = 4 leaves 1..4, so (1,2) is free.
        QVERIFY(!gesperrteUnterposition(4, 1, 2));
        QVERIFY(gesperrteUnterposition(4, 2, 2));
        QVERIFY(gesperrteUnterposition(5, 3, 2));
        QVERIFY(!gesperrteUnterposition(7, 1, 3));
        QVERIFY(gesperrteUnterposition(7, 2, 3));
        QVERIFY(!gesperrteUnterposition(9, 3, 3));
    }

    void klassischHatKeineSperren()
    {
        Zufallsgenerator zufall(3);
        Spielzustand z = neuesSpiel(1);
        z.markierung[2][2][1][1] = 1;  // a mark from the game before
        Spiel2Generieren(z, zufall, millisekundenTakt);
        for (int x = 0; x < 9; ++x)
            for (int y = 0; y < 9; ++y)
                for (int i = 0; i < 9; ++i) {
                    QCOMPARE(int((&z.markierung[x][y][0][0])[i]), 0);
                    QCOMPARE(int((&z.gesperrt[x][y][0][0])[i]), 0);
                }
    }

    void versucheZaehlenJedesMalVonEins()
    {
        Zufallsgenerator zufall(99);
        for (int lauf = 0; lauf < 3; ++lauf) {
            std::vector<int32_t> gemeldet;
            Spielzustand z = neuesSpiel(1);
            const int32_t versuche =
                Spiel2Generieren(z, zufall, millisekundenTakt, [&](int32_t v) { gemeldet.push_back(v); });
            QCOMPARE(int32_t(gemeldet.size()), versuche);
            for (size_t i = 0; i < gemeldet.size(); ++i)
                QCOMPARE(gemeldet[i], int32_t(i + 1));
        }
    }

    void meldungSiehtGeleerteGitter()
    {
        // The callback runs before the attempt clears the grids; the attempt
        // after it must start clean whatever happened in between.
        Zufallsgenerator zufall(4);
        Spielzustand z = neuesSpiel(1);
        Spiel2Generieren(z, zufall, millisekundenTakt, [&](int32_t) {
            z.eingabe[0][0] = 7;
            z.markierung[0][0][0][0] = 1;
        });
        QCOMPARE(z.eingabe[0][0], 0);
        QCOMPARE(int(z.markierung[0][0][0][0]), 0);
        QVERIFY(gueltigeLoesung(z));
    }

    void gleicheSaatGleichesGitter()
    {
        Zufallsgenerator a(2024), b(2024);
        Spielzustand za = neuesSpiel(1, 40), zb = neuesSpiel(1, 40);
        Spiel2Generieren(za, a, stehendeUhr);
        Spiel3Vorbereiten(za, a);
        Spiel2Generieren(zb, b, stehendeUhr);
        Spiel3Vorbereiten(zb, b);
        QVERIFY(std::memcmp(za.loesung, zb.loesung, sizeof za.loesung) == 0);
        QVERIFY(std::memcmp(za.vorgabe, zb.vorgabe, sizeof za.vorgabe) == 0);

        Zufallsgenerator c(2025);
        Spielzustand zc = neuesSpiel(1);
        Spiel2Generieren(zc, c, stehendeUhr);
        QVERIFY(std::memcmp(za.loesung, zc.loesung, sizeof za.loesung) != 0);
    }

    void uhrBegrenztDieZuegeEinerZelle()
    {
        // A tick count that has always moved on by two: a cell that keeps
        // missing ends its attempt, and generation still finishes.
        int64_t t = 0;
        Zufallsgenerator zufall(8);
        Spielzustand z = neuesSpiel(4);
        const int32_t versuche = Spiel2Generieren(z, zufall, [&] { return t += 2; });
        QVERIFY(gueltigeLoesung(z));
        QVERIFY(versuche >= 1);

        // With a clock that stands still a cell draws until a value fits.
        Spielzustand s = neuesSpiel(3);
        Drehbuch skript({0, 0, 0, 0, 1});  // 1, then three misses on (1,2) before 2
        Spiel2Generieren(s, skript, stehendeUhr);
        QCOMPARE(s.loesung[0][0], 1);
        QCOMPARE(s.loesung[0][1], 2);
        QVERIFY(gueltigeLoesung(s));
    }

    void vorbereitungDecktGenauSovieleAuf_data()
    {
        QTest::addColumn<int>("spielart");
        QTest::addColumn<int>("aufgedeckt");
        QTest::addColumn<int>("erwartet");
        QTest::newRow("classic 40") << 1 << 40 << 40;
        QTest::newRow("classic none") << 1 << 0 << 0;
        QTest::newRow("classic all") << 1 << 81 << 81;
        QTest::newRow("3x3 all") << 3 << 9 << 9;
        QTest::newRow("3x3 above clamps") << 3 << 10 << 9;
        QTest::newRow("negative clamps") << 5 << -4 << 0;
        QTest::newRow("far above clamps") << 7 << 100000 << 49;
    }
    void vorbereitungDecktGenauSovieleAuf()
    {
        QFETCH(int, spielart);
        QFETCH(int, aufgedeckt);
        QFETCH(int, erwartet);
        Zufallsgenerator zufall(uint64_t(aufgedeckt + 100));
        Spielzustand z = neuesSpiel(spielart, aufgedeckt);
        Spiel2Generieren(z, zufall, millisekundenTakt);
        Spiel3Vorbereiten(z, zufall);
        int gezaehlt = 0;
        for (int x = 0; x < 9; ++x)
            for (int y = 0; y < 9; ++y) {
                QCOMPARE(z.eingabe[x][y], z.vorgabe[x][y]);
                if (z.vorgabe[x][y] != 0) {
                    ++gezaehlt;
                    QCOMPARE(z.vorgabe[x][y], z.loesung[x][y]);
                }
            }
        QCOMPARE(gezaehlt, erwartet);
        QCOMPARE(z.aufgedeckt, aufgedeckt);  // the setting itself is left alone
    }

    void vorbereitungZiehtXDannYUndNeuBeiAufgedecktem()
    {
        Zufallsgenerator zufall(1);
        Spielzustand z = neuesSpiel(4, 2);
        Spiel2Generieren(z, zufall, millisekundenTakt);
        // (x, y) = (2, 3), then (2, 3) again (already revealed), then (4, 1).
        Drehbuch skript({1, 2, 1, 2, 3, 0});
        Spiel3Vorbereiten(z, skript);
        QCOMPARE(skript.gezogen.size(), size_t(6));
        for (int32_t n : skript.gezogen)
            QCOMPARE(n, 4);
        QCOMPARE(z.vorgabe[1][2], z.loesung[1][2]);
        QCOMPARE(z.vorgabe[3][0], z.loesung[3][0]);
        int gezaehlt = 0;
        for (auto& spalte : z.vorgabe)
            for (int32_t v : spalte)
                gezaehlt += v != 0;
        QCOMPARE(gezaehlt, 2);
    }

    void pruefenVerlangtEchteLoesung()
    {
        Spielzustand z = neuesSpiel(3);
        // All 2s: every line sums to 6 yet nothing is solved.
        for (int x = 0; x < 3; ++x)
            for (int y = 0; y < 3; ++y)
                z.eingabe[x][y] = 2;
        QVERIFY(!z.Pruefen());

        // A Latin square of 1..3 passes, whatever loesung holds.
        const int quadrat[3][3] = {{1, 2, 3}, {2, 3, 1}, {3, 1, 2}};
        for (int x = 0; x < 3; ++x)
            for (int y = 0; y < 3; ++y)
                z.eingabe[x][y] = quadrat[x][y];
        QVERIFY(z.Pruefen());
        // Values outside the board never matter.
        z.eingabe[5][5] = 9;
        z.eingabe[3][0] = 1;
        QVERIFY(z.Pruefen());
        // One empty cell fails.
        z.eingabe[1][1] = 0;
        QVERIFY(!z.Pruefen());
        // A value above N fails even if it would balance a sum.
        z.eingabe[1][1] = 4;
        QVERIFY(!z.Pruefen());
    }

    void pruefenKlassischMitKaesten()
    {
        // Rows and columns of a cyclic Latin square are fine, its boxes are not.
        Spielzustand z = neuesSpiel(9);
        for (int x = 0; x < 9; ++x)
            for (int y = 0; y < 9; ++y)
                z.eingabe[x][y] = (x + y) % 9 + 1;
        QVERIFY(z.Pruefen());   // free 9x9: a correct completion
        z.spielart = 1;
        QVERIFY(!z.Pruefen());  // classic: a box repeats a value

        Zufallsgenerator zufall(17);
        Spielzustand k = neuesSpiel(1);
        Spiel2Generieren(k, zufall, millisekundenTakt);
        loesungEintragen(k);
        QVERIFY(k.Pruefen());
        // Swapping two cells of a column keeps that column whole but breaks
        // two rows.
        std::swap(k.eingabe[0][0], k.eingabe[0][1]);
        QVERIFY(!k.Pruefen());
    }

    void pruefenOhneGroesse()
    {
        Spielzustand z;  // nothing set up yet
        QVERIFY(!z.Pruefen());
    }

    void aufNullSetzenFolgtDenSchaltern()
    {
        Spielzustand z;
        auto fuellen = [&] {
            for (int x = 0; x < 9; ++x)
                for (int y = 0; y < 9; ++y) {
                    z.loesung[x][y] = 1;
                    z.eingabe[x][y] = 2;
                    z.vorgabe[x][y] = 3;
                }
            std::memset(z.markierung, 1, sizeof z.markierung);
            std::memset(z.gesperrt, 1, sizeof z.gesperrt);
            z.punkte = 5;
        };
        fuellen();
        z.AufNullSetzen(0, 0, 0);
        QCOMPARE(z.loesung[8][8], 1);
        QCOMPARE(z.eingabe[8][8], 2);
        QCOMPARE(z.vorgabe[8][8], 3);
        QCOMPARE(int(z.markierung[8][8][2][2]), 0);  // the marks always go
        QCOMPARE(int(z.gesperrt[8][8][2][2]), 1);    // blocked values never
        QCOMPARE(z.punkte, 5);

        fuellen();
        z.AufNullSetzen(1, 2, 1);  // only a 1 counts as "clear"
        QCOMPARE(z.loesung[4][4], 0);
        QCOMPARE(z.eingabe[4][4], 2);
        QCOMPARE(z.vorgabe[4][4], 0);

        fuellen();
        z.AufNullSetzen(0, 1, 0);
        QCOMPARE(z.loesung[0][0], 1);
        QCOMPARE(z.eingabe[0][0], 0);
        QCOMPARE(z.vorgabe[0][0], 3);
    }

    void zufallsgeneratorGleichverteilt()
    {
        Zufallsgenerator zufall(123);
        for (int32_t n : {1, 2, 3, 7, 9, 78}) {
            std::vector<int> zaehler(size_t(n), 0);
            const int ziehungen = 2000 * n;
            for (int i = 0; i < ziehungen; ++i) {
                const int32_t v = zufall.ziehe(n);
                QVERIFY(v >= 0 && v < n);
                ++zaehler[size_t(v)];
            }
            for (int c : zaehler)
                QVERIFY2(c > 1700 && c < 2300, qPrintable(QStringLiteral("n=%1 count=%2").arg(n).arg(c)));
        }
        QVERIFY(uhrSaat() != uhrSaat());
    }

    void einstellungen()
    {
        // The starting points of the presets, and the examples of the game.
        const int32_t erwartet[7] = {2208, 9600, 16800, 37800, 17160, 27240, 37320};
        for (size_t i = 0; i < voreinstellungen.size(); ++i) {
            const Voreinstellung& v = voreinstellungen[i];
            QCOMPARE(startpunkte(v.spielart, v.aufgedeckt, v.elemente), erwartet[i]);
        }
        QCOMPARE(startpunkte(3, 3, 'B'), 582);
        QCOMPARE(startpunkte(1, 60, 'S'), 22060);
        QCOMPARE(startpunkte(9, 23, 'S'), 43708);  // the highest start there is

        const int32_t mitten[7] = {4, 8, 12, 19, 23, 34, 41};
        for (int n = 3; n <= 9; ++n)
            QCOMPARE(aufdeckbereich(n).mitte(), mitten[n - 3]);
        QCOMPARE(aufdeckbereich(9).hoechst - aufdeckbereich(9).niedrigst + 1, 38);
        QCOMPARE(feldgroesseVon(1), 9);
        QCOMPARE(feldgroesseVon(9), 9);
        QCOMPARE(feldgroesseVon(4), 4);
        // Every offered count leaves at least one cell to solve.
        for (int n = 3; n <= 9; ++n)
            QVERIFY(aufdeckbereich(n).hoechst < n * n);
    }
};

QTEST_APPLESS_MAIN(TestEngine)
#include "test_engine.moc"
