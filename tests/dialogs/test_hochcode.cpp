#include "dialogs/hochcode.h"
#include "engine/einstellungen.h"
#include "tests/dialogs/codeentschluesseln.h"

#include <QTest>

#include <deque>

namespace {

// Hands out the given draws and remembers the bounds it was asked for.
class Drehbuch final : public Zufallsquelle {
public:
    explicit Drehbuch(std::deque<int32_t> werte) : werte_(std::move(werte)) {}
    int32_t ziehe(int32_t n) override
    {
        grenzen.push_back(n);
        if (werte_.empty())
            return 0;
        const int32_t w = werte_.front();
        werte_.pop_front();
        return w;
    }
    void saeen(uint64_t) override {}
    std::vector<int32_t> grenzen;

private:
    std::deque<int32_t> werte_;
};

const char* const buchstaben[] = {"R", "B", "S", "K", "C"};

}  // namespace

class TestHochcode : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void bekanntesBeispiel();
    void ganzerPunktebereich();
    void alleEinstellungenBeiEinigenPunkten();
    void zweiAktivierungenAendernNurZufallsstellen();
    void kurzeAnzahlBleibtZweistellig();
    void unsinnigeEingabenBleibenHarmlos();
    void namenWerdenVollstaendigKodiert();
    void adressenJeSprache();
};

// Worked through by hand, step by step, from the constants.
void TestHochcode::bekanntesBeispiel()
{
    Drehbuch z({30, 1, 2, 3, 4});
    const QString code = hochcode::codeBilden(QStringLiteral("25541"), QStringLiteral("9"), QStringLiteral("23"),
                                              QStringLiteral("S"), z);
    // v = 324586045; +42 -> 32442586045; sum 43 -> 3324425864045;
    // 23 -> 333244225864045; 9 -> 3332442259864045; S -> 33326442259864045;
    // fillers -> 132332364442259864045; sum 80 + 37 = 117 -> "71".
    QCOMPARE(code, QStringLiteral("13233236444225986404571"));
    QCOMPARE(z.grenzen, (std::vector<int32_t>{78, 8, 8, 8, 8}));
}

// Every points value that can reach the dialog, with the other inputs
// cycling through their ranges, decodes back to what went in.
void TestHochcode::ganzerPunktebereich()
{
    Zufallsgenerator zufall(7);
    int i = 0;
    for (int p = highscoreSchwelle; p <= 43708; ++p, ++i) {
        const int aufgedeckt = 18 + i % 43;
        static constexpr int arten[] = {1, 8, 9};
        const int spielart = arten[i % 3];
        const char* b = buchstaben[(i / 3) % 5];
        const QString code = hochcode::codeBilden(QString::number(p), QString::number(spielart),
                                                  QString::number(aufgedeckt), QLatin1String(b), zufall);
        const Entschluesselt e = entschluesseln(code);
        if (!e.gueltig || e.punkte != p || e.spielart != spielart || e.aufgedeckt != aufgedeckt
            || e.elemente != QLatin1Char(b[0]) || e.zufallszahl < 12 || e.zufallszahl > 89)
            QFAIL(qPrintable(QStringLiteral("points %1: code %2 (%3)").arg(p).arg(code, e.fehler)));
        for (int f : e.fueller)
            QVERIFY(f >= 0 && f <= 7);
    }
}

void TestHochcode::alleEinstellungenBeiEinigenPunkten()
{
    Zufallsgenerator zufall(11);
    for (int p : {25541, 25999, 31000, 37777, 43708})
        for (int a = 18; a <= 60; ++a)
            for (int k : {1, 8, 9})
                for (const char* b : buchstaben) {
                    const QString code = hochcode::codeBilden(QString::number(p), QString::number(k),
                                                              QString::number(a), QLatin1String(b), zufall);
                    const Entschluesselt e = entschluesseln(code);
                    QVERIFY2(e.gueltig, qPrintable(code + QLatin1Char(' ') + e.fehler));
                    QCOMPARE(e.punkte, p);
                    QCOMPARE(e.aufgedeckt, a);
                    QCOMPARE(e.spielart, k);
                    QCOMPARE(e.elemente, QLatin1Char(b[0]));
                }
}

// The digits that carry the game stay put; only the random ones and the
// sums that depend on them move.
void TestHochcode::zweiAktivierungenAendernNurZufallsstellen()
{
    Drehbuch a({0, 0, 0, 0, 0});
    Drehbuch b({77, 7, 7, 7, 7});
    const QString ca = hochcode::codeBilden(QStringLiteral("30000"), QStringLiteral("8"), QStringLiteral("41"),
                                            QStringLiteral("K"), a);
    const QString cb = hochcode::codeBilden(QStringLiteral("30000"), QStringLiteral("8"), QStringLiteral("41"),
                                            QStringLiteral("K"), b);
    QCOMPARE(ca.size(), 23);
    QCOMPARE(cb.size(), 23);
    QVERIFY(ca != cb);
    const Entschluesselt ea = entschluesseln(ca), eb = entschluesseln(cb);
    QVERIFY(ea.gueltig && eb.gueltig);
    QCOMPARE(ea.zufallszahl, 12);
    QCOMPARE(eb.zufallszahl, 89);
    QCOMPARE(eb.punkte, ea.punkte);
    QCOMPARE(eb.aufgedeckt, ea.aufgedeckt);
    QCOMPARE(eb.spielart, ea.spielart);
    QCOMPARE(eb.elemente, ea.elemente);
    // The element digit goes in at place 5; the fillers at 1, 3 and 7 push
    // it to place 8, the one at 11 leaves it there.
    QCOMPARE(ca.at(7), QLatin1Char('8'));
    QCOMPARE(cb.at(7), QLatin1Char('8'));
}

void TestHochcode::kurzeAnzahlBleibtZweistellig()
{
    // A one-digit revealed count gets a leading zero.
    Drehbuch z({0, 0, 0, 0, 0});
    const QString code = hochcode::codeBilden(QStringLiteral("25541"), QStringLiteral("9"), QStringLiteral("7"),
                                              QStringLiteral("R"), z);
    const Entschluesselt e = entschluesseln(code);
    QVERIFY2(e.gueltig, qPrintable(code + QLatin1Char(' ') + e.fehler));
    QCOMPARE(e.aufgedeckt, 7);

}

void TestHochcode::unsinnigeEingabenBleibenHarmlos()
{
    Zufallsgenerator zufall(3);
    for (const QString& punkte : {QString(), QStringLiteral("abc"), QStringLiteral("-2147483648"),
                                  QStringLiteral("2147483647"), QStringLiteral("99999999999999")}) {
        const QString code = hochcode::codeBilden(punkte, QString(), QString(), QStringLiteral("X"), zufall);
        QVERIFY(!code.isEmpty());
        for (QChar c : code)
            QVERIFY(c.isDigit() || c == QLatin1Char('-'));
    }
}

void TestHochcode::namenWerdenVollstaendigKodiert()
{
    QCOMPARE(hochcode::nameKodieren(QStringLiteral("Anonymer Sudokuspieler")),
             QStringLiteral("Anonymer%20Sudokuspieler"));
    QCOMPARE(hochcode::nameKodieren(QStringLiteral("  a  b ")), QStringLiteral("%20%20a%20%20b%20"));
    QCOMPARE(hochcode::nameKodieren(QStringLiteral("Tom&Jerry#1 100%+?=/")),
             QStringLiteral("Tom%26Jerry%231%20100%25%2B%3F%3D%2F"));
    QCOMPARE(hochcode::nameKodieren(QStringLiteral("Jürgen Größe")), QStringLiteral("J%C3%BCrgen%20Gr%C3%B6%C3%9Fe"));
    QCOMPARE(hochcode::nameKodieren(QStringLiteral("AZaz09-._~")), QStringLiteral("AZaz09-._~"));
    // A name cannot bring in a code of its own.
    QVERIFY(!hochcode::nameKodieren(QStringLiteral("x&code=1")).contains(QLatin1Char('&')));
    QCOMPARE(hochcode::nameKodieren(QString()), QString());
}

void TestHochcode::adressenJeSprache()
{
    QCOMPARE(hochcode::adresse(true, QStringLiteral("a%20b"), QStringLiteral("123")),
             QStringLiteral("http://www.velmar.de/index.php?ziel=zazovorarhighscore&name=a%20b&code=123"));
    QCOMPARE(hochcode::adresse(false, QString(), QStringLiteral("9")),
             QStringLiteral("http://www.velmar.com/index.php?ziel=zazovorarhighscore&name=&code=9"));
    QCOMPARE(hochcode::standardName(true), QStringLiteral("Anonymer Sudokuspieler"));
    QCOMPARE(hochcode::standardName(false), QStringLiteral("Anonymous"));
}

QTEST_APPLESS_MAIN(TestHochcode)
#include "test_hochcode.moc"
