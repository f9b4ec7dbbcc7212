// The picture of a paper puzzle and the places of the pictures on a sheet.
#include "widgets/stil.h"
#include "print/druckbild.h"
#include "hilfen.h"

#include <QPainter>
#include <QtTest>

namespace {

// First row with ink in the band [von, bis) of the picture, or -1.
int ersteTintenzeile(const QImage& bild, int von, int bis)
{
    for (int y = von; y < bis && y < bild.height(); ++y)
        if (tinte(bild, QRect(0, y, bild.width(), 1)))
            return y;
    return -1;
}

// A full solution (Latin square) with every cell revealed or none.
Spielzustand raetsel(int spielart, bool alleAufgedeckt)
{
    Spielzustand z;
    z.spielart = spielart;
    z.feldgroesse = spielart == 1 ? 9 : spielart;
    const int n = z.feldgroesse;
    for (int x = 0; x < n; ++x)
        for (int y = 0; y < n; ++y) {
            z.loesung[x][y] = (x + y) % n + 1;
            z.vorgabe[x][y] = alleAufgedeckt ? z.loesung[x][y] : 0;
            z.eingabe[x][y] = z.vorgabe[x][y];
        }
    return z;
}

const QRect zelleInnen(int x, int y)  // from 1, inside the grid lines
{
    return QRect(45 * (x - 1) + 7, 45 * (y - 1) + 7, 41, 41);
}

}  // namespace

class TestDruckbild : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { schriftenEinrichten(); }

    void blattLayoutBeispiel()
    {
        const auto eins = blattLayout(4800, 6800, 1);
        QCOMPARE(eins.size(), size_t(1));
        QCOMPARE(eins[0], QRect(QPoint(250, 250), QPoint(4549, 4549)));

        const auto zwei = blattLayout(4800, 6800, 2);
        QCOMPARE(zwei.size(), size_t(2));
        QCOMPARE(zwei[0], QRect(QPoint(812, 200), QPoint(3986, 3374)));
        QCOMPARE(zwei[1], QRect(QPoint(812, 3425), QPoint(3986, 6599)));

        const auto sechs = blattLayout(4800, 6800, 6);
        QCOMPARE(sechs.size(), size_t(6));
        const int spalten[2] = {242, 2425};
        const int zeilen[3] = {150, 2333, 4516};
        for (int k = 0; k < 6; ++k) {
            const QRect r = sechs[size_t(k)];
            QCOMPARE(r.left(), spalten[k / 3]);
            QCOMPARE(r.top(), zeilen[k % 3]);
            QCOMPARE(r.width(), 2133);
            QCOMPARE(r.height(), 2133);
        }
        QCOMPARE(sechs[2].bottom() + 1, 6649);

        QVERIFY(blattLayout(4800, 6800, 0).empty());
        QVERIFY(blattLayout(4800, 6800, 3).empty());
    }

    void bildseitenUndFusszeilen()
    {
        const int seiten[7] = {155, 200, 245, 290, 335, 380, 425};
        const Fusszeilen nurLang{QStringLiteral("LANG"), QString()};
        const Fusszeilen nurKurz{QString(), QStringLiteral("KURZ")};
        for (int n = 3; n <= 9; ++n) {
            const Spielzustand z = raetsel(n, false);
            const QImage lang = raetselBild(z, nurLang);
            QCOMPARE(lang.size(), QSize(seiten[n - 3], seiten[n - 3]));
            const QImage kurz = raetselBild(z, nurKurz);
            const QRect band(0, 45 * n + 6, lang.width(), 14);
            // 4 x 4 (200 pixels) still takes the short footer, 5 x 5 the long one.
            QCOMPARE(tinte(lang, band), n >= 5);
            QCOMPARE(tinte(kurz, band), n <= 4);
        }
    }

    void fusszeileSitztUnterDemGitter()
    {
        // Where the footer's first ink lies below the top of its text.
        QFont f(QStringLiteral("Verdana"));
        f.setPixelSize(fusszeilePixel);
        QImage probe(100, 40, QImage::Format_RGB32);
        probe.fill(Qt::white);
        {
            QPainter p(&probe);
            p.setFont(f);
            p.drawText(QRect(0, 0, 100, 40), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("HHH"));
        }
        const int versatz = ersteTintenzeile(probe, 0, 40);
        QVERIFY(versatz >= 0);

        const Fusszeilen fuss{QStringLiteral("HHH"), QStringLiteral("HHH")};
        const QImage klassisch = raetselBild(raetsel(1, false), fuss);
        QCOMPARE(ersteTintenzeile(klassisch, 412, 425), 412 + versatz);
        // Nothing between the thick frame and the footer.
        QVERIFY(!tinte(klassisch, QRect(0, 412, 425, versatz)));
        const QImage klein = raetselBild(raetsel(3, false), fuss);
        QCOMPARE(ersteTintenzeile(klein, 141, 155), 141 + versatz);
    }

    void gitterlinien()
    {
        const Fusszeilen fuss;
        const QImage frei = raetselBild(raetsel(9, false), fuss);
        const QImage klassisch = raetselBild(raetsel(1, false), fuss);
        for (const QImage* b : {&frei, &klassisch}) {
            // One-pixel lines at 5, 50, ..., 410 from 5 to 410 inclusive.
            for (int i = 0; i <= 9; ++i) {
                const int pos = 45 * i + 5;
                QVERIFY(qGray(b->pixel(pos, 5)) < 128 && qGray(b->pixel(pos, 410)) < 128);
                QVERIFY(qGray(b->pixel(5, pos)) < 128 && qGray(b->pixel(410, pos)) < 128);
            }
            QVERIFY(!tinte(*b, QRect(411 + (b == &klassisch ? 1 : 0), 0, 14, 412)));
        }
        // Thin lines only on the free board; three pixels on the classic.
        QVERIFY(!tinte(frei, QRect(139, 20, 1, 20)));
        QVERIFY(!tinte(frei, QRect(141, 20, 1, 20)));
        for (int pos : {5, 140, 275, 410})
            for (int d : {-1, 0, 1}) {
                QVERIFY(qGray(klassisch.pixel(pos + d, 100)) < 128);
                QVERIFY(qGray(klassisch.pixel(100, pos + d)) < 128);
            }
        QVERIFY(!tinte(klassisch, QRect(142, 20, 2, 20)));
    }

    void nurAufgedeckteZellenZeigenZahlen()
    {
        Spielzustand z = raetsel(1, false);
        // Reveal a diagonal; the solution of every other cell must not show.
        for (int i = 0; i < 9; ++i)
            z.vorgabe[i][i] = z.eingabe[i][i] = z.loesung[i][i];
        const QImage bild = raetselBild(z, {});
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y)
                QCOMPARE(tinte(bild, zelleInnen(x, y)), x == y);

        // The number comes from the revealed value, whatever the tiles.
        Spielzustand symbole = z;
        symbole.elemente = 'S';
        Spielzustand buchstaben = z;
        buchstaben.elemente = 'C';
        QCOMPARE(raetselBild(symbole, {}), bild);
        QCOMPARE(raetselBild(buchstaben, {}), bild);
        Spielzustand andereZiffer = z;
        andereZiffer.vorgabe[0][0] = andereZiffer.eingabe[0][0] = 7;
        QVERIFY(raetselBild(andereZiffer, {}) != bild);
    }

    void bildIstVomBildschirmUnabhaengig()
    {
        const QImage bild = raetselBild(raetsel(1, true), {});
        QCOMPARE(bild.dotsPerMeterX(), 3780);
        QCOMPARE(bild.dotsPerMeterY(), 3780);
        // A digit is about 25 points (33 pixels) tall at 96 dpi: its ink
        // spans more than half of the cell's height but stays inside it.
        const int oben = ersteTintenzeile(bild.copy(zelleInnen(1, 1)), 0, 41);
        int unten = -1;
        const QImage zelle = bild.copy(zelleInnen(1, 1));
        for (int y = 40; y >= 0; --y)
            if (tinte(zelle, QRect(0, y, 41, 1))) {
                unten = y;
                break;
            }
        QVERIFY(oben >= 0 && unten > oben);
        QVERIFY2(unten - oben >= 18 && unten - oben <= 33, qPrintable(QString::number(unten - oben)));
    }

    void skaliertGezeichnetBleibtImRechteck()
    {
        // The printer path: the same puzzle drawn larger into a rectangle,
        // with a long footer that would run past a small picture.
        Spielzustand z = raetsel(3, true);
        const Fusszeilen fuss{QStringLiteral("a long footer that runs far beyond the picture"),
                              QStringLiteral("a short footer that still runs far beyond the picture")};
        QImage seite(1000, 1000, QImage::Format_RGB32);
        seite.fill(Qt::white);
        const QRect ziel(100, 200, 620, 620);  // 4x the 155-pixel picture
        {
            QPainter p(&seite);
            zeichneRaetselIn(p, ziel, z, fuss);
        }
        QVERIFY(tinte(seite, ziel));
        QVERIFY(!tinte(seite, QRect(0, 0, 1000, 200)));
        QVERIFY(!tinte(seite, QRect(0, 820, 1000, 180)));
        QVERIFY(!tinte(seite, QRect(0, 0, 100, 1000)));
        QVERIFY(!tinte(seite, QRect(720, 0, 280, 1000)));
        // Thin lines scale with the picture: 4 pixels at 4x.
        QVERIFY(qGray(seite.pixel(100 + 20, 200 + 100)) < 128);
        QVERIFY(qGray(seite.pixel(100 + 23, 200 + 100)) < 128);
        QVERIFY(qGray(seite.pixel(100 + 24, 200 + 100)) >= 128);
    }
};

QTEST_MAIN(TestDruckbild)
#include "test_druckbild.moc"
