#include "engine/einstellungen.h"
#include "engine/generator.h"
#include "engine/spielzustand.h"
#include "engine/zufall.h"

#include <QTest>

#include <climits>
#include <cstring>
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

// The kinds of line a grid can break.
enum Verstoss { keiner = 0, zeile = 1, spalte = 2, kasten = 4 };

// Which rules an N x N grid (x-major, as the state keeps it) breaks: a row, a
// column or, with kaesten, a 3 x 3 box that does not hold each of 1..N exactly
// once. Counts values line by line and looks at every line, so that it shares
// nothing with Pruefen and can judge both generated grids and Pruefen itself.
int verstoesse(const int32_t (&g)[9][9], int n, bool kaesten)
{
    Q_ASSERT(n >= 1 && n <= 9 && (!kaesten || n == 9));
    // zelle(i) is the i-th of the N cells of one line.
    auto jederWertEinmal = [n](auto zelle) {
        int anzahl[10]{};
        for (int i = 0; i < n; ++i) {
            const int32_t v = zelle(i);
            if (v < 1 || v > n)
                return false;
            ++anzahl[v];
        }
        for (int v = 1; v <= n; ++v)
            if (anzahl[v] != 1)
                return false;
        return true;
    };
    int ergebnis = keiner;
    for (int k = 0; k < n; ++k) {
        if (!jederWertEinmal([&](int i) { return g[k][i]; }))
            ergebnis |= spalte;
        if (!jederWertEinmal([&](int i) { return g[i][k]; }))
            ergebnis |= zeile;
    }
    if (kaesten)
        for (int b = 0; b < 9; ++b) {
            const int x0 = (b % 3) * 3, y0 = (b / 3) * 3;
            if (!jederWertEinmal([&](int i) { return g[x0 + i % 3][y0 + i / 3]; }))
                ergebnis |= kasten;
        }
    return ergebnis;
}

// Rows and columns of loesung hold 1..N once each; with boxes for the classic game.
bool gueltigeLoesung(const Spielzustand& z)
{
    return verstoesse(z.loesung, z.feldgroesse, z.spielart == 1) == keiner;
}

// A correct completion to start from: for the classic game the usual shifted
// rows (every box whole), for a free board a cyclic Latin square.
void richtigAusfuellen(Spielzustand& z)
{
    const int n = z.feldgroesse;
    for (int x = 0; x < n; ++x)
        for (int y = 0; y < n; ++y)
            z.eingabe[x][y] = z.spielart == 1 ? (3 * (y % 3) + y / 3 + x) % 9 + 1 : (x + y) % n + 1;
}

// What a case of the completion check does to a correct grid.
enum Eingriff { nichts, inZeile, inSpalte, spaltenTausch, zeilenTausch, zyklisch, leer, diagonal };

void spaltenTauschen(Spielzustand& z, int a, int b)
{
    for (int y = 0; y < 9; ++y)
        std::swap(z.eingabe[a][y], z.eingabe[b][y]);
}

void zeilenTauschen(Spielzustand& z, int a, int b)
{
    for (int x = 0; x < 9; ++x)
        std::swap(z.eingabe[x][a], z.eingabe[x][b]);
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
            QCOMPARE(verstoesse(z.loesung, 9, false), int(keiner));
            kastenVerletzt = verstoesse(z.loesung, 9, true) == kasten;
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

    // The bound is strict: a tick count exactly one millisecond past the
    // cell's start still allows draws, two end the attempt. The clock steps
    // right after the missing cell first looks at it, whenever that is (the
    // generator reads it only after some misses, then every few misses).
    void uhrGrenzeIstEchtGroesser_data()
    {
        QTest::addColumn<int>("schritt");
        QTest::addColumn<int>("versuche");
        QTest::newRow("same tick") << 0 << 1;
        QTest::newRow("1 ms on") << 1 << 1;
        QTest::newRow("2 ms on") << 2 << 2;
        QTest::newRow("far on") << 40 << 2;
    }
    void uhrGrenzeIstEchtGroesser()
    {
        QFETCH(int, schritt);
        QFETCH(int, versuche);
        // Free 3x3: (1,1) takes 1; (1,2) then draws 1 thirty times, a miss
        // each time as column 1 holds it, before it takes 2.
        constexpr size_t fehlgriffe = 30;
        std::deque<int32_t> werte(1 + fehlgriffe, 0);
        werte.push_back(1);
        Drehbuch skript(std::move(werte));

        size_t ersteLesung = 0;    // draws made when (1,2) first read the clock
        int spaetereLesungen = 0;  // readings after the step while (1,2) still missed
        auto uhr = [&]() -> int64_t {
            const size_t zuege = skript.gezogen.size();
            if (ersteLesung == 0 && zuege >= 1) {
                ersteLesung = zuege;
                return 1000;
            }
            if (ersteLesung == 0)
                return 1000;
            if (zuege <= 1 + fehlgriffe)
                ++spaetereLesungen;
            return 1000 + schritt;
        };
        std::vector<int32_t> gemeldet;
        Spielzustand z = neuesSpiel(3);
        const int32_t ergebnis = Spiel2Generieren(z, skript, uhr, [&](int32_t v) { gemeldet.push_back(v); });

        // The test only means something if the clock was looked at again
        // after the step while (1,2) was still drawing.
        QVERIFY(ersteLesung >= 1 && ersteLesung <= fehlgriffe);
        QVERIFY(spaetereLesungen >= 1);
        QCOMPARE(ergebnis, versuche);
        QCOMPARE(int32_t(gemeldet.size()), versuche);
        QCOMPARE(gemeldet.back(), versuche);
        QVERIFY(gueltigeLoesung(z));
        if (versuche == 1) {
            QCOMPARE(z.loesung[0][0], 1);
            QCOMPARE(z.loesung[0][1], 2);
            QVERIFY(skript.gezogen.size() > 2 + fehlgriffe);  // the script was drawn to its end
        }
    }

    // A board size the 9x9 storage cannot hold: nothing is generated or
    // revealed, and nothing beside or beyond the grids is written.
    void groesseAusserhalbDesSpeichers_data()
    {
        QTest::addColumn<int>("spielart");
        QTest::addColumn<int>("feldgroesse");
        QTest::newRow("0") << 3 << 0;
        QTest::newRow("-1") << 5 << -1;
        QTest::newRow("classic, 0") << 1 << 0;
        QTest::newRow("10") << 9 << 10;
        QTest::newRow("classic, 10") << 1 << 10;
        QTest::newRow("small kind, 10") << 4 << 10;
        QTest::newRow("12") << 12 << 12;
        QTest::newRow("100") << 100 << 100;
        QTest::newRow("largest") << 1 << INT_MAX;
        QTest::newRow("smallest") << 3 << INT_MIN;
    }
    void groesseAusserhalbDesSpeichers()
    {
        QFETCH(int, spielart);
        QFETCH(int, feldgroesse);
        struct Umgeben {
            uint8_t vor[256];
            Spielzustand z;
            uint8_t nach[256];
        } u;
        std::memset(u.vor, 0xA5, sizeof u.vor);
        std::memset(u.nach, 0xA5, sizeof u.nach);
        Spielzustand& z = u.z;
        for (int x = 0; x < 9; ++x)
            for (int y = 0; y < 9; ++y)
                z.loesung[x][y] = z.vorgabe[x][y] = z.eingabe[x][y] = 7;
        std::memset(z.markierung, 1, sizeof z.markierung);
        std::memset(z.gesperrt, 3, sizeof z.gesperrt);
        z.spielart = spielart;
        z.feldgroesse = feldgroesse;
        z.aufgedeckt = 5;
        z.elemente = 'S';
        z.punkte = -12;
        z.spiellaeuft = 1;
        z.druckmodus = 1;
        const Spielzustand vorher = z;
        auto unberuehrt = [&] {
            for (size_t i = 0; i < sizeof u.vor; ++i)
                if (u.vor[i] != 0xA5 || u.nach[i] != 0xA5)
                    return false;
            return std::memcmp(z.gesperrt, vorher.gesperrt, sizeof z.gesperrt) == 0 &&
                   z.spielart == spielart && z.feldgroesse == feldgroesse && z.aufgedeckt == 5 &&
                   z.elemente == 'S' && z.punkte == -12 && z.spiellaeuft == 1 && z.druckmodus == 1;
        };

        Zufallsgenerator zufall(1);
        int gemeldet = 0;
        QCOMPARE(Spiel2Generieren(z, zufall, stehendeUhr, [&](int32_t) { ++gemeldet; }), 0);
        QCOMPARE(gemeldet, 0);
        QVERIFY(unberuehrt());
        for (int x = 0; x < 9; ++x)
            for (int y = 0; y < 9; ++y) {
                QCOMPARE(z.loesung[x][y], 0);
                QCOMPARE(z.vorgabe[x][y], 0);
                QCOMPARE(z.eingabe[x][y], 0);
                for (int i = 0; i < 9; ++i)
                    QCOMPARE(int((&z.markierung[x][y][0][0])[i]), 0);
            }

        // Preparing reveals nothing and only hands vorgabe on.
        z.vorgabe[2][3] = 4;
        Spiel3Vorbereiten(z, zufall);
        QVERIFY(unberuehrt());
        QCOMPARE(z.eingabe[2][3], 4);
        QCOMPARE(z.vorgabe[0][0], 0);
        QVERIFY(!z.Pruefen());
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
        QVERIFY(gueltigeLoesung(k));
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

    // Each case breaks exactly one kind of line, and the counting checker
    // confirms that it does: Pruefen must catch every one of them on its own.
    void pruefenJedeRegelZaehlt_data()
    {
        QTest::addColumn<int>("spielart");
        QTest::addColumn<int>("eingriff");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("c");
        QTest::addColumn<int>("erwartet");
        QTest::newRow("classic whole") << 1 << int(nichts) << 0 << 0 << 0 << int(keiner);
        // Two cells of one row and one box swap places: the row and the box
        // keep their values, the two columns repeat one.
        QTest::newRow("classic column repeats") << 1 << int(inZeile) << 0 << 1 << 4 << int(spalte);
        QTest::newRow("classic last column repeats") << 1 << int(inZeile) << 7 << 8 << 2 << int(spalte);
        QTest::newRow("classic row repeats") << 1 << int(inSpalte) << 6 << 8 << 5 << int(zeile);
        QTest::newRow("classic first row repeats") << 1 << int(inSpalte) << 0 << 2 << 0 << int(zeile);
        // Whole columns or rows from different stacks or bands: still a Latin
        // square, but the boxes on either side now repeat values.
        QTest::newRow("classic columns 2, 3") << 1 << int(spaltenTausch) << 2 << 3 << 0 << int(kasten);
        QTest::newRow("classic columns 5, 6") << 1 << int(spaltenTausch) << 5 << 6 << 0 << int(kasten);
        QTest::newRow("classic columns 0, 8") << 1 << int(spaltenTausch) << 0 << 8 << 0 << int(kasten);
        QTest::newRow("classic rows 2, 3") << 1 << int(zeilenTausch) << 2 << 3 << 0 << int(kasten);
        QTest::newRow("classic rows 5, 6") << 1 << int(zeilenTausch) << 5 << 6 << 0 << int(kasten);
        QTest::newRow("classic cyclic square") << 1 << int(zyklisch) << 0 << 0 << 0 << int(kasten);
        QTest::newRow("classic only the diagonal boxes whole") << 1 << int(diagonal) << 0 << 0 << 0 << int(kasten);
        // Within a stack or band the boxes only trade places.
        QTest::newRow("classic columns 3, 5") << 1 << int(spaltenTausch) << 3 << 5 << 0 << int(keiner);
        QTest::newRow("classic rows 6, 7") << 1 << int(zeilenTausch) << 6 << 7 << 0 << int(keiner);
        QTest::newRow("classic empty cell") << 1 << int(leer) << 8 << 8 << 0 << int(zeile | spalte | kasten);
        for (int n = 3; n <= 9; ++n) {
            const QByteArray frei = "free " + QByteArray::number(n);
            QTest::newRow(frei + " whole") << n << int(nichts) << 0 << 0 << 0 << int(keiner);
            QTest::newRow(frei + " column repeats") << n << int(inZeile) << 0 << n - 1 << n / 2 << int(spalte);
            QTest::newRow(frei + " row repeats") << n << int(inSpalte) << 0 << n - 1 << n / 2 << int(zeile);
            QTest::newRow(frei + " neighbours in last row") << n << int(inZeile) << n - 2 << n - 1 << n - 1
                                                            << int(spalte);
            QTest::newRow(frei + " columns swapped") << n << int(spaltenTausch) << 0 << n - 1 << 0 << int(keiner);
            QTest::newRow(frei + " empty corner") << n << int(leer) << n - 1 << n - 1 << 0 << int(zeile | spalte);
        }
        // A free 9x9 board has no boxes to break.
        QTest::newRow("free 9 columns 2, 3") << 9 << int(spaltenTausch) << 2 << 3 << 0 << int(keiner);
    }
    void pruefenJedeRegelZaehlt()
    {
        QFETCH(int, spielart);
        QFETCH(int, eingriff);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, c);
        QFETCH(int, erwartet);
        Spielzustand z = neuesSpiel(spielart);
        const int n = z.feldgroesse;
        richtigAusfuellen(z);
        switch (eingriff) {
        case inZeile: std::swap(z.eingabe[a][c], z.eingabe[b][c]); break;
        case inSpalte: std::swap(z.eingabe[c][a], z.eingabe[c][b]); break;
        case spaltenTausch: spaltenTauschen(z, a, b); break;
        case zeilenTausch: zeilenTauschen(z, a, b); break;
        case zyklisch:
            for (int x = 0; x < n; ++x)
                for (int y = 0; y < n; ++y)
                    z.eingabe[x][y] = (x + y) % n + 1;
            break;
        case leer: z.eingabe[a][b] = 0; break;
        case diagonal: {
            // A Latin square whose boxes on the diagonal are whole and all
            // six others repeat values. One row of text per board row.
            static const char* const zeilen[9] = {
                "354619872", "719235468", "862971534", "438567219", "685142397",
                "247398156", "596483721", "921754683", "173826945",
            };
            for (int x = 0; x < 9; ++x)
                for (int y = 0; y < 9; ++y)
                    z.eingabe[x][y] = zeilen[y][x] - '0';
            break;
        }
        default: break;
        }
        QCOMPARE(verstoesse(z.eingabe, n, spielart == 1), erwartet);
        QCOMPARE(z.Pruefen(), erwartet == keiner);
    }

    // Generated grids with random damage: Pruefen and the counting checker
    // agree on every one, and both verdicts turn up often enough to matter.
    void pruefenWieAbgezaehlt()
    {
        Zufallsgenerator zufall(31);
        int geloest = 0, nicht = 0;
        for (int spielart : {1, 3, 4, 5, 6, 7, 8, 9}) {
            for (int lauf = 0; lauf < 60; ++lauf) {
                Spielzustand z = neuesSpiel(spielart);
                const int n = z.feldgroesse;
                Spiel2Generieren(z, zufall, stehendeUhr);
                loesungEintragen(z);
                const int eingriffe = zufall.ziehe(3);
                for (int e = 0; e < eingriffe; ++e) {
                    const int a = zufall.ziehe(n), b = zufall.ziehe(n), c = zufall.ziehe(n);
                    switch (zufall.ziehe(5)) {
                    case 0: std::swap(z.eingabe[a][c], z.eingabe[b][c]); break;
                    case 1: std::swap(z.eingabe[c][a], z.eingabe[c][b]); break;
                    case 2: spaltenTauschen(z, a, b); break;
                    case 3: zeilenTauschen(z, a, b); break;
                    default: z.eingabe[a][b] = zufall.ziehe(n + 2); break;  // 0 .. N + 1
                    }
                }
                const bool richtig = verstoesse(z.eingabe, n, spielart == 1) == keiner;
                QVERIFY2(z.Pruefen() == richtig,
                         qPrintable(QStringLiteral("spielart %1, run %2").arg(spielart).arg(lauf)));
                ++(richtig ? geloest : nicht);
            }
        }
        QVERIFY2(geloest > 60 && nicht > 60, qPrintable(QStringLiteral("%1 solved, %2 not").arg(geloest).arg(nicht)));
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
