// Pictures on screens finer than 1x: every picture's variants, the board at
// whole and fractional ratios, and the main window on a screen of scale 2.

#include "tests/board/brettfixtur.h"
#include "widgets/bild.h"

#include <QDirIterator>
#include <QSet>
#include <QTest>

#include <cmath>

namespace {

// Gradient energy: the sum of squared differences between neighbouring
// pixels' grey values. A picture drawn at twice the size has about twice
// the energy of its 1x version blown up smoothly, as a scaling screen shows
// a 1x picture: every edge spread over two pixels.
double kantenenergie(const QImage& bild)
{
    const QImage g = bild.convertToFormat(QImage::Format_Grayscale8);
    double summe = 0;
    for (int y = 0; y + 1 < g.height(); ++y) {
        const uchar* z = g.constScanLine(y);
        const uchar* n = g.constScanLine(y + 1);
        for (int x = 0; x + 1 < g.width(); ++x) {
            const double dx = z[x + 1] - z[x], dy = n[x] - z[x];
            summe += dx * dx + dy * dy;
        }
    }
    return summe;
}

// A picture with a device pixel ratio of r covering the board of z.
QImage brettBei(const Spielzustand& z, const Kachellisten& listen, qreal r)
{
    const int kante = z.feldgroesse * 45;
    QImage bild(int(std::ceil(kante * r)), int(std::ceil(kante * r)), QImage::Format_RGB32);
    bild.setDevicePixelRatio(r);
    bild.fill(Qt::white);
    QPainter p(&bild);
    zeichneAusgabe(p, z, listen, 1, z.feldgroesse, 1, z.feldgroesse);
    return bild;
}

// Every picture file of the program at 1x, as the resources hold them.
QStringList bilddateien()
{
    QStringList dateien;
    QDirIterator it(QStringLiteral(":/"), {QStringLiteral("*.png"), QStringLiteral("*.jpg")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString d = it.next();
        if (!d.contains(QLatin1Char('@')) && !d.contains(QLatin1String("/symbol")) && d.startsWith(QLatin1String(":/")) &&
            !d.startsWith(QLatin1String(":/qt-project.org")))
            dateien << d;
    }
    dateien.sort();
    return dateien;
}

}  // namespace

class TestMassstab : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void bilder_data()
    {
        QTest::addColumn<QString>("datei");
        const QStringList dateien = bilddateien();
        QVERIFY(dateien.size() > 40);
        for (const QString& d : dateien)
            QTest::newRow(qPrintable(d)) << d;
    }
    // At 1 the file itself; at 2 and 3 the variant drawn at that size,
    // sharper than the 1x picture blown up; in between, the next finer one
    // at the screen's own pixel size.
    void bilder()
    {
        QFETCH(QString, datei);
        const QImage einfach(datei);
        QVERIFY(!einfach.isNull());
        QCOMPARE(bildFuer(datei, 1.0).toImage(), einfach.convertToFormat(bildFuer(datei, 1.0).toImage().format()));
        for (int stufe : {2, 3}) {
            const QImage fein(variante(datei, stufe));
            QCOMPARE(fein.size(), einfach.size() * stufe);
            const QPixmap bild = bildFuer(datei, stufe);
            QCOMPARE(bild.devicePixelRatio(), qreal(stufe));
            QCOMPARE(bild.deviceIndependentSize().toSize(), einfach.size());
            QCOMPARE(bild.toImage().convertToFormat(QImage::Format_RGB32), fein.convertToFormat(QImage::Format_RGB32));
            const double hoch =
                kantenenergie(einfach.scaled(einfach.size() * stufe, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
            // Plain areas (a flat button face) carry little energy either
            // way, and the 32-pixel icons too little to measure; for them
            // the equal pixels above speak.
            if (hoch > 1e5 && einfach.width() >= 80) {
                const double verhaeltnis = kantenenergie(fein) / hoch;
                QVERIFY2(verhaeltnis >= 1.6, qPrintable(QString::number(verhaeltnis)));
            }
        }
        for (qreal r : {1.25, 1.5, 1.75}) {
            const QPixmap bild = bildFuer(datei, r);
            QCOMPARE(bild.devicePixelRatio(), r);
            QCOMPARE(bild.size(), QSize(qRound(einfach.width() * r), qRound(einfach.height() * r)));
        }
    }

    // Whole ratios: every cell of the board is its tile at that scale, and
    // at 2 the board carries the energy of a drawing at twice the size.
    void brettGanz()
    {
        const Kachellisten listen;
        Spielzustand z;
        spielAnlegen(z, 1, 'B', 40);
        const QImage eins = brettBei(z, listen, 1);
        QCOMPARE(eins, zeichne(z, listen));  // exactly as the 1x drawing
        const QImage zwei = brettBei(z, listen, 2);
        QCOMPARE(zwei.size(), QSize(810, 810));
        const double verhaeltnis =
            kantenenergie(zwei) / kantenenergie(eins.scaled(810, 810, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        QVERIFY2(verhaeltnis >= 1.6, qPrintable(QString::number(verhaeltnis)));
    }

    // Fractional ratios: on a board whose every cell is covered by its nine
    // marks, every device pixel is a mark's grey or a line's colour; a seam
    // between two marks or two cells would let the white picture beneath
    // show through, or blend it in.
    void brettOhneNaehte_data()
    {
        QTest::addColumn<qreal>("r");
        QTest::newRow("1.25") << 1.25;
        QTest::newRow("1.5") << 1.5;
        QTest::newRow("1.75") << 1.75;
        QTest::newRow("3") << 3.0;
    }
    void brettOhneNaehte()
    {
        QFETCH(qreal, r);
        const Kachellisten listen;
        Spielzustand z;
        spielAnlegen(z, 4, 'B', 6);
        for (int x = 0; x < 4; ++x)
            for (int y = 0; y < 4; ++y) {
                z.vorgabe[x][y] = z.eingabe[x][y] = 0;
                for (auto& spalte : z.markierung[x][y])
                    for (uint8_t& m : spalte)
                        m = 1;
            }
        const QImage bild = brettBei(z, listen, r);
        const QRgb grau = listen.liste(QStringLiteral("grauliste"))[0].toImage().pixel(7, 7);
        const QSet<QRgb> erlaubt{grau, zellenlinienFarbe.rgb(), rahmenFarbe.rgb()};
        const int ende = int(std::floor((4 * 45 - 1) * r));
        for (int py = 0; py < ende; ++py)
            for (int px = 0; px < ende; ++px)
                QVERIFY2(erlaubt.contains(bild.pixel(px, py)),
                         qPrintable(QStringLiteral("pixel %1,%2 is %3").arg(px).arg(py).arg(bild.pixel(px, py), 0, 16)));
    }

    // The board widget on a finer screen keeps its logical size and shows
    // the picture drawn for the screen.
    void spielfeldFein()
    {
        const Kachellisten listen;
        Spielzustand z;
        spielAnlegen(z, 4, 'S', 6);
        Spielfeld feld(z, listen);
        feld.bildVorbereiten(180, 180, 4);
        feld.Ausgabe(1, 4, 1, 4);
        feld.show();
        QVERIFY(QTest::qWaitForWindowExposed(&feld));
        const qreal r = feld.devicePixelRatioF();
        QCOMPARE(feld.size(), QSize(180, 180));
        QCOMPARE(feld.bild(), zeichne(z, listen));
        if (r > 1.0) {
            QCOMPARE(feld.feinbild().devicePixelRatio(), r);
            QCOMPARE(feld.feinbild(), brettBei(z, listen, r));
            QCOMPARE(feld.pixmap().devicePixelRatio(), r);
        } else {
            QVERIFY(feld.feinbild().isNull());
        }
    }
};

int main(int argc, char** argv)
{
    // Run on a screen of scale 2, the most common fine screen.
    if (qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR"))
        qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestMassstab t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_massstab.moc"
