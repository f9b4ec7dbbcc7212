// The main window: texts of both languages, the column of boxes, the lists,
// the modes and the links.
#include "engine/einstellungen.h"
#include "help/thilfe.h"
#include "tests/fixtur/adressfaenger.h"
#include "tests/fixtur/nutzer.h"
#include "widgets/fenster.h"
#include "widgets/stil.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDesktopServices>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

using nutzer::Hauptteile;
using nutzer::klicken;
using nutzer::waehlen;

// The program in the chosen language, as start-up builds it, and its main
// window's controls.
struct Aufbau {
    Programm programm;
    Hauptteile p;
    explicit Aufbau(const char* sprache) : programm(QString::fromLatin1(sprache)), p(programm.hauptfenster()) {}
};

// The player comes back to the main window from another of the program's
// windows (a dialog, the print window, a help window).
void zurueckAusAnderemFenster(const Hauptteile& p)
{
    QWidget andere;
    andere.show();
    andere.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&andere));
    p.aktivieren();
}

class TestHauptfenster : public QObject {
    Q_OBJECT

    Adressfaenger faenger;

    static void nutzerSeite(const Hauptteile& p, int index) { p.seite(index); }
    static void voreinstellung(const Hauptteile& p, int index) { waehlen(p.cbspiel, index); }

private Q_SLOTS:
    void initTestCase()
    {
        schriftenEinrichten();
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &faenger, "oeffnen");
    }
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("http")); }
    void init() { faenger.adressen.clear(); }

    void texteBeiErstellung_data()
    {
        QTest::addColumn<QString>("sprache");
        QTest::addColumn<QString>("panel0");
        QTest::addColumn<QString>("hilfeAnfang");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("geloest");
        QTest::addColumn<QString>("elemente");
        QTest::addColumn<QString>("seite1");
        QTest::newRow("de") << "de" << "Herzlich Willkommen" << "Herzlich Willkommen! Wählen Sie"
                            << "Spiel Starten" << "Eingetragene Elemente: 1" << "Elemente: Blaue Zahlen"
                            << "Am Computer spielen";
        QTest::newRow("en") << "en" << "Welcome!" << "Welcome! Choose \"Playing at the omputer\""
                            << "Start Game" << "Elements Set: 1" << "Elements: Blue Numbers"
                            << "Playing at the Computer";
    }
    void texteBeiErstellung()
    {
        QFETCH(QString, sprache);
        Aufbau a(sprache.toLatin1().constData());
        const Hauptteile& p = a.p;
        QCOMPARE(p.fenster.windowTitle(), QStringLiteral("Velmar Sudoku 1.3.1"));
        QCOMPARE(p.stat->panelText(0), QTest::currentDataTag() == QByteArray("de") ? QString("Herzlich Willkommen")
                                                                                  : QString("Welcome!"));
        QFETCH(QString, panel0);
        QCOMPARE(p.stat->panelText(0), panel0);
        QFETCH(QString, hilfeAnfang);
        QVERIFY2(p.hilfep->toPlainText().startsWith(hilfeAnfang), qPrintable(p.hilfep->toPlainText()));
        QCOMPARE(p.hilfep->document()->blockCount(), 1);
        QFETCH(QString, start);
        QCOMPARE(p.Label4->text(), start);
        QFETCH(QString, geloest);
        QCOMPARE(p.cbgeloest->currentText(), geloest);
        QFETCH(QString, elemente);
        QCOMPARE(p.cbelemente->currentText(), elemente);
        QFETCH(QString, seite1);
        QCOMPARE(p.pc->tabText(0), seite1);
        QCOMPARE(p.cbspiel->count(), 8);
        QCOMPARE(p.cbspiel->currentText(), p.texte().voreinstellung[5]);
        QCOMPARE(p.cbspielart->count(), 8);
        QCOMPARE(p.cbspielart->currentText(), p.texte().spielart[7]);
        QCOMPARE(p.cbdruck->count(), 3);
        QCOMPARE(p.cbdruck->currentIndex(), 2);
        QSet<QString> verschieden;
        for (int i = 0; i < p.cbelemente->count(); ++i)
            verschieden << p.cbelemente->itemText(i);
        QCOMPARE(verschieden.size(), 5);
        QVERIFY(p.texte().punkteSuffix.startsWith(QLatin1Char(' ')));
        QVERIFY(p.texte().aufgedecktPraefix.endsWith(QLatin1Char(' ')));
        // The domain on the web-site button and in the donation panel is the
        // same one the links open.
        QVERIFY(p.stat->panelText(3).startsWith(p.Label3->text() + QLatin1Char('/')));
        QVERIFY(p.texte().fusszeileLang.startsWith(QStringLiteral("Velmar Sudoku - www.")));
        QVERIFY(p.texte().fusszeileKurz.startsWith(QStringLiteral("Sudoku - www.")));
    }

    void geometrie()
    {
        Aufbau a("en");
        const Hauptteile& p = a.p;
        QCOMPARE(p.fenster.size(), QSize(737, 582));
        QCOMPARE(p.fenster.palette().color(QPalette::Window), QColor(0xEC, 0xE9, 0xD8));
        QCOMPARE(p.fenster.palette().color(QPalette::WindowText), QColor(0x80, 0x80, 0x80));
        QCOMPARE(p.gb1->palette().color(QPalette::WindowText), QColor(0x80, 0, 0));
        QCOMPARE(p.pc->geometry(), QRect(8, 8, 509, 549));
        QCOMPARE(p.Bevel1->geometry(), QRect(8, 8, 485, 505));
        QCOMPARE(p.gbtitel->geometry(), QRect(530, 24, 200, 97));
        QCOMPARE(p.stat->geometry(), QRect(0, 563, 737, 19));
        QCOMPARE(p.Image4->size(), QSize(185, 21));
        QCOMPARE(p.Image2->size(), QSize(89, 21));
        // The pictures are read when the window first shows them.
        QVERIFY(p.Image1->pixmap().isNull());
        p.fenster.show();
        QCOMPARE(p.Image1->pixmap().deviceIndependentSize().toSize(), QSize(185, 50));
        QCOMPARE(p.Image4->pixmap().deviceIndependentSize().toSize(), QSize(185, 21));
        QVERIFY(!p.Timer->isActive());
        QCOMPARE(p.Timer->interval(), 50);
        QCOMPARE(p.weg->interval(), 10);
        QVERIFY(!p.cbspiel->isEditable());

        // The pages and frames follow the window, the column keeps to the right edge.
        p.fenster.show();
        p.fenster.resize(837, 682);
        QCOMPARE(p.pc->geometry(), QRect(8, 8, 609, 649));
        QCOMPARE(p.Bevel1->size(), QSize(585, 605));
        QCOMPARE(p.gb1->x(), 630);
        QCOMPARE(p.gb3->x(), 630);
        QCOMPARE(p.gbtitel->pos(), QPoint(630, 24));
        QCOMPARE(p.stat->geometry(), QRect(0, 663, 837, 19));
    }

    // The column's arrangement in both modes, with and without the
    // user-defined settings.
    void spaltenanordnung()
    {
        struct Zeile {
            int gb1Hoehe, startOben, gb2Oben, gb3Oben;
        };
        auto pruefen = [](const Hauptteile& p, Zeile z) {
            QCOMPARE(p.gb1->height(), z.gb1Hoehe);
            if (z.startOben >= 0) {
                QVERIFY(!p.Image4->isHidden());
                QCOMPARE(p.Image4->y(), z.startOben);
                QCOMPARE(p.Label4->y(), z.startOben + 4);
            } else {
                QVERIFY(p.Image4->isHidden());
                QVERIFY(p.Label4->y() >= p.gb1->height());  // clipped away by the group box
            }
            if (z.gb2Oben >= 0) {
                QVERIFY(!p.gb2->isHidden());
                QCOMPARE(p.gb2->y(), z.gb2Oben);
            } else {
                QVERIFY(p.gb2->isHidden());
            }
            QCOMPARE(p.gb3->y(), z.gb3Oben);
            QCOMPARE(p.gb1->y(), 130);
        };
        {
            Aufbau a("de");
            a.p.aktivieren();
            pruefen(a.p, {70, 42, -1, 209});
            voreinstellung(a.p, 7);
            pruefen(a.p, {142, 114, -1, 281});
            // Back to a preset hides the three boxes again.
            voreinstellung(a.p, 2);
            pruefen(a.p, {70, 42, -1, 209});
        }
        {
            Aufbau a("de");
            a.p.aktivieren();
            nutzerSeite(a.p, 1);
            pruefen(a.p, {46, -1, 185, 264});
            QCOMPARE(a.p.zustand().druckmodus, uint8_t(1));
            // Returning to the play page restores the start button.
            nutzerSeite(a.p, 0);
            pruefen(a.p, {70, 42, -1, 209});
            QCOMPARE(a.p.zustand().druckmodus, uint8_t(0));
        }
        {
            Aufbau a("en");
            a.p.aktivieren();
            voreinstellung(a.p, 7);
            nutzerSeite(a.p, 1);
            pruefen(a.p, {94, -1, 233, 312});
            QVERIFY(a.p.cbelemente->isHidden());
            nutzerSeite(a.p, 0);
            QVERIFY(!a.p.cbelemente->isHidden());
            pruefen(a.p, {142, 114, -1, 281});
        }
        {
            Aufbau a("en");
            a.p.aktivieren();
            nutzerSeite(a.p, 1);
            voreinstellung(a.p, 7);
            pruefen(a.p, {118, -1, 257, 336});
            // A preset chosen in print mode leaves the start button clipped.
            voreinstellung(a.p, 0);
            pruefen(a.p, {46, -1, 185, 264});
        }
    }

    void aufgedecktListen_data()
    {
        QTest::addColumn<int>("art");
        QTest::addColumn<int>("anzahl");
        QTest::addColumn<int>("erste");
        QTest::addColumn<int>("mitte");
        QTest::newRow("9x9 classic") << 7 << 38 << 23 << 41;
        QTest::newRow("9x9 free") << 6 << 38 << 23 << 41;
        QTest::newRow("3x3") << 0 << 4 << 3 << 4;
        QTest::newRow("4x4") << 1 << 5 << 6 << 8;
        QTest::newRow("8x8") << 5 << 33 << 18 << 34;
    }
    void aufgedecktListen()
    {
        QFETCH(int, art);
        QFETCH(int, anzahl);
        QFETCH(int, erste);
        QFETCH(int, mitte);
        for (const char* sprache : {"de", "en"}) {
            Aufbau a(sprache);
            const Hauptteile& p = a.p;
            p.aktivieren();
            waehlen(p.cbspiel, benutzerdefiniertIndex);
            waehlen(p.cbspielart, art);
            const QString praefix = p.texte().aufgedecktPraefix;
            QCOMPARE(p.cbgeloest->count(), anzahl);
            QCOMPARE(p.cbgeloest->itemText(0), praefix + QString::number(erste));
            QCOMPARE(p.cbgeloest->itemText(anzahl - 1), praefix + QString::number(erste + anzahl - 1));
            QCOMPARE(p.cbgeloest->currentText(), praefix + QString::number(mitte));
        }
    }

    void wiederaktivierungSetztMitteZurueck()
    {
        Aufbau a("de");
        const Hauptteile& p = a.p;
        p.aktivieren();
        QCOMPARE(p.cbgeloest->currentText(), QStringLiteral("Eingetragene Elemente: 41"));
        waehlen(p.cbspiel, benutzerdefiniertIndex);
        waehlen(p.cbgeloest, 0);
        zurueckAusAnderemFenster(p);
        QCOMPARE(p.cbgeloest->currentText(), QStringLiteral("Eingetragene Elemente: 41"));
        waehlen(p.cbspielart, 2);  // 5x5
        QCOMPARE(p.cbgeloest->count(), 9);
        QCOMPARE(p.cbgeloest->currentText(), QStringLiteral("Eingetragene Elemente: 12"));
        waehlen(p.cbgeloest, 0);
        zurueckAusAnderemFenster(p);
        QCOMPARE(p.cbgeloest->currentText(), QStringLiteral("Eingetragene Elemente: 12"));
    }

    void rueckkehrAusAnderemProgrammBehaeltAuswahl()
    {
        Aufbau a("en");
        const Hauptteile& p = a.p;
        p.aktivieren();
        QCOMPARE(p.cbgeloest->currentText(), QStringLiteral("Elements Set: 41"));
        waehlen(p.cbspiel, benutzerdefiniertIndex);
        waehlen(p.cbgeloest, 0);
        // Another program takes the focus (a link opened the browser) and
        // gives it back: no window of ours was active in between.
        QApplication::setActiveWindow(nullptr);
        QVERIFY(!p.fenster.isActiveWindow());
        QApplication::setActiveWindow(&p.fenster);
        QVERIFY(p.fenster.isActiveWindow());
        QCOMPARE(p.cbgeloest->currentText(), QStringLiteral("Elements Set: 23"));
        // Back from another window of the program: the middle value again.
        QWidget andere;
        andere.show();
        andere.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&andere));
        QCOMPARE(p.cbgeloest->currentText(), QStringLiteral("Elements Set: 23"));
        p.aktivieren();
        QCOMPARE(p.cbgeloest->currentText(), QStringLiteral("Elements Set: 41"));
    }

    void getippteZeichenAendernNichts()
    {
        Aufbau a("en");
        const Hauptteile& p = a.p;
        p.aktivieren();
        voreinstellung(p, 7);
        for (QComboBox* cb : {p.cbspiel, p.cbspielart, p.cbgeloest, p.cbelemente, p.cbdruck}) {
            const QString vorher = cb->currentText();
            const int index = cb->currentIndex();
            // Letters and digits that begin other items must not search for them.
            QTest::keyClicks(cb, QStringLiteral("F9E1x"));
            QCOMPARE(cb->currentText(), vorher);
            QCOMPARE(cb->currentIndex(), index);
            QVERIFY2(cb->view()->isVisible(), cb->objectName().toLatin1());  // typing drops the list down
            QTest::keyClicks(cb->view(), QStringLiteral("C2"));
            cb->hidePopup();
            QCOMPARE(cb->currentText(), vorher);
        }
        QCOMPARE(p.cbspiel->currentText(), QStringLiteral("User Defined"));
    }

    void druckseiteVersteecktBrettUndHaeltUhrAn()
    {
        Aufbau a("en");
        const Hauptteile& p = a.p;
        p.aktivieren();
        p.spielStarten();
        QVERIFY(p.Timer->isActive());
        QVERIFY(!p.spielfeld->isHidden());
        nutzerSeite(p, 1);
        QVERIFY(p.spielfeld->isHidden());
        QVERIFY(!p.Timer->isActive());
        QCOMPARE(p.hilfep->toPlainText(), p.texte().hilfeDruckmodus);
        nutzerSeite(p, 0);
        QVERIFY(p.spielfeld->isHidden());
        QVERIFY(!p.Timer->isActive());
        QCOMPARE(p.hilfep->toPlainText(), p.texte().hilfeSpielmodus);
        // The next start shows the board again.
        p.spielStarten();
        QVERIFY(!p.spielfeld->isHidden());
        QVERIFY(p.Timer->isActive());
    }

    void druckseiteBleibtBeiRueckkehr()
    {
        Aufbau a("de");
        const Hauptteile& p = a.p;
        p.aktivieren();
        nutzerSeite(p, 1);
        // The print window selects other pages while it is up; weg puts the
        // print page back and stops itself, without switching the mode.
        p.fenster.seiteZeigen(0);
        p.fenster.druckseiteHalten();
        QTRY_VERIFY(!p.weg->isActive());
        QCOMPARE(p.pc->currentIndex(), 1);
        QCOMPARE(p.zustand().druckmodus, uint8_t(1));
        QVERIFY(!p.gb2->isHidden());
        // A re-activation in print mode keeps the print page and the mode.
        zurueckAusAnderemFenster(p);
        QCOMPARE(p.pc->currentIndex(), 1);
        QCOMPARE(p.zustand().druckmodus, uint8_t(1));
        // In play mode weg has nothing to restore and keeps running.
        nutzerSeite(p, 0);
        p.fenster.druckseiteHalten();
        QTest::qWait(50);
        QCOMPARE(p.pc->currentIndex(), 0);
        QVERIFY(p.weg->isActive());
        p.weg->stop();
    }

    void statusleisteKlickbereiche_data()
    {
        QTest::addColumn<QString>("sprache");
        QTest::addColumn<QString>("adresse");
        QTest::newRow("de") << "de" << "http://www.velmar.de/spenden&rf=sus";
        QTest::newRow("en") << "en" << "http://www.velmar.com/donate&rf=sus";
    }
    void statusleisteKlickbereiche()
    {
        QFETCH(QString, sprache);
        QFETCH(QString, adresse);
        Aufbau a(sprache.toLatin1().constData());
        const Hauptteile& p = a.p;
        p.aktivieren();
        for (int x : {0, 149, 150, 199, 200, 319})
            klicken(p.stat, Qt::LeftButton, QPoint(x, 9));
        QVERIFY(faenger.adressen.isEmpty());
        for (int x : {320, 369, 370, 600})
            klicken(p.stat, Qt::LeftButton, QPoint(x, 9));
        QCOMPARE(faenger.adressen.size(), 4);
        for (const QUrl& u : faenger.adressen)
            QCOMPARE(u.toString(), adresse);

        // A press that leaves the bar before the release is no click.
        faenger.adressen.clear();
        QTest::mousePress(p.stat, Qt::LeftButton, {}, QPoint(400, 9));
        QTest::mouseRelease(p.stat, Qt::LeftButton, {}, QPoint(400, 30));
        QVERIFY(faenger.adressen.isEmpty());

        for (int x : {0, 320, 550, 700}) {
            QTest::mouseMove(p.stat, QPoint(x, 9));
            QCOMPARE(p.stat->cursor().shape(), Qt::ArrowCursor);
        }
        for (int x : {321, 400, 549}) {
            QTest::mouseMove(p.stat, QPoint(x, 9));
            QCOMPARE(p.stat->cursor().shape(), Qt::PointingHandCursor);
        }
    }

    void verweise()
    {
        for (const char* sprache : {"de", "en"}) {
            Aufbau a(sprache);
            a.p.aktivieren();
            klicken(a.p.Label3);
            klicken(a.p.Label2);
            const bool de = QLatin1String(sprache) == QLatin1String("de");
            QCOMPARE(a.programm.hilfe().isVisible(), de);
            QCOMPARE(a.programm.hilfeEn().isVisible(), !de);
            a.programm.hilfe().hide();
            a.programm.hilfeEn().hide();
            // The picture under the caption does the same.
            klicken(a.p.Image2, Qt::LeftButton, QPoint(3, 3));
            QCOMPARE(a.programm.hilfe().isVisible(), de);
            QCOMPARE(a.programm.hilfeEn().isVisible(), !de);
        }
        QCOMPARE(faenger.adressen.size(), 2);
        QCOMPARE(faenger.adressen[0].toString(), QStringLiteral("http://www.velmar.de"));
        QCOMPARE(faenger.adressen[1].toString(), QStringLiteral("http://www.velmar.com"));
    }

    // A frame that a window manager is still building reads as nonsense;
    // only what borders and a title bar can be is taken off the minimum size.
    void glaubhafterRahmen_data()
    {
        QTest::addColumn<QMargins>("gelesen");
        QTest::addColumn<QMargins>("genommen");
        QTest::newRow("openbox") << QMargins(1, 20, 1, 5) << QMargins(1, 20, 1, 5);
        QTest::newRow("none") << QMargins() << QMargins();
        QTest::newRow("thick theme") << QMargins(8, 38, 8, 8) << QMargins(8, 38, 8, 8);
        QTest::newRow("while framing") << QMargins(-736, -581, 0, 0) << QMargins();
        QTest::newRow("one side negative") << QMargins(1, 20, -1, 5) << QMargins();
        QTest::newRow("wider than borders") << QMargins(200, 20, 1, 5) << QMargins();
        QTest::newRow("taller than a title") << QMargins(1, 400, 1, 5) << QMargins();
    }
    void glaubhafterRahmen()
    {
        QFETCH(QMargins, gelesen);
        QFETCH(QMargins, genommen);
        QCOMPARE(::glaubhafterRahmen(gelesen), genommen);
    }

    // Through the window, as the system delivers them: a double click on a
    // link opens its address once, and one on the start button starts one
    // game.
    void doppelklickIstEinKlick()
    {
        Aufbau a("en");
        const Hauptteile& p = a.p;
        p.aktivieren();
        auto doppelt = [&](QWidget* w, QPoint stelle) {
            QTest::mouseDClick(p.fenster.windowHandle(), Qt::LeftButton, {}, w->mapTo(&p.fenster, stelle));
        };
        doppelt(p.Label3, QPoint(3, 3));
        QCOMPARE(faenger.adressen.size(), 1);
        doppelt(p.Image3, QPoint(80, 10));
        QCOMPARE(faenger.adressen.size(), 2);
        doppelt(p.stat, QPoint(400, 9));
        QCOMPARE(faenger.adressen.size(), 3);
        QCOMPARE(faenger.adressen[2].toString(), QStringLiteral("http://www.velmar.com/donate&rf=sus"));
        // A single click still counts.
        QTest::mouseClick(p.fenster.windowHandle(), Qt::LeftButton, {}, p.stat->mapTo(&p.fenster, QPoint(400, 9)));
        QCOMPARE(faenger.adressen.size(), 4);

        QSignalSpy bereit(p.spielablauf, &Spielablauf::spielBereit);
        doppelt(p.Image4, QPoint(150, 10));
        QCOMPARE(bereit.count(), 1);
    }

    void unlesbareArtFaelltAufNeun()
    {
        Aufbau a("en");
        const Hauptteile& p = a.p;
        p.aktivieren();
        waehlen(p.cbspiel, benutzerdefiniertIndex);
        p.cbspielart->addItem(QString());
        waehlen(p.cbspielart, 8);
        QCOMPARE(p.cbgeloest->count(), 38);
        QCOMPARE(p.cbgeloest->currentText(), QStringLiteral("Elements Set: 41"));
    }
};

QTEST_MAIN(TestHauptfenster)
#include "test_hauptfenster.moc"
