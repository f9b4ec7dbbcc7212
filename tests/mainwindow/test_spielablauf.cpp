// A game from the start button to the last press: settings, sizes, points,
// the clock and what the window shows on the way.
#include "dialogs/tgew_high.h"
#include "dialogs/tgew_kein.h"
#include "engine/einstellungen.h"
#include "tests/fixtur/nutzer.h"
#include "widgets/fenster.h"
#include "widgets/stil.h"

#include <QWindow>

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using nutzer::Hauptteile;
using nutzer::waehlen;

// The program, its main window up and active.
struct Aufbau {
    Programm programm;
    Hauptteile p;
    explicit Aufbau(const char* sprache = "en") : programm(QString::fromLatin1(sprache)), p(programm.hauptfenster())
    {
        p.aktivieren();
    }
};

// Chooses the user-defined setting with a board kind (list index), a number
// of revealed cells and an element set (list index).
static void benutzerdefiniert(const Hauptteile& p, int art, int aufgedeckt, int elemente)
{
    waehlen(p.cbspiel, benutzerdefiniertIndex);
    waehlen(p.cbspielart, art);
    waehlen(p.cbgeloest, p.texte().aufgedecktPraefix + QString::number(aufgedeckt));
    QCOMPARE(p.cbgeloest->currentText(), p.texte().aufgedecktPraefix + QString::number(aufgedeckt));
    waehlen(p.cbelemente, elemente);
}

// Enters the solution into every empty cell through mouse presses on the
// miniature of its value.
// The minimum size with the frame round the window, as a game asks for it.
static QSize aussenMinimum(const Hauptteile& p)
{
    const QMargins r = glaubhafterRahmen(p.fenster.windowHandle()->frameMargins());
    return p.fenster.minimumSize() + QSize(r.left() + r.right(), r.top() + r.bottom());
}

static void loesen(const Hauptteile& p)
{
    const Spielzustand& z = p.zustand();
    for (int x = 1; x <= z.feldgroesse; ++x)
        for (int y = 1; y <= z.feldgroesse; ++y) {
            if (z.eingabe[x - 1][y - 1] != 0)
                continue;
            const int v = z.loesung[x - 1][y - 1];
            const int sx = (v - 1) % 3 + 1, sy = (v - 1) / 3 + 1;
            QTest::mouseClick(p.spielfeld, Qt::LeftButton, {},
                              QPoint((x - 1) * 45 + (sx - 1) * 15 + 7, (y - 1) * 45 + (sy - 1) * 15 + 7));
        }
}

class TestSpielablauf : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { schriftenEinrichten(); }

    void startpunkteDerVoreinstellungen()
    {
        const int erwartet[7] = {2208, 9600, 16800, 37800, 17160, 27240, 37320};
        Aufbau a("de");
        const Hauptteile& p = a.p;
        for (int i = 0; i < 7; ++i) {
            waehlen(p.cbspiel, i);
            QSignalSpy bereit(p.spielablauf, &Spielablauf::spielBereit);
            p.spielStarten();
            QCOMPARE(bereit.count(), 1);
            QCOMPARE(p.zustand().punkte, erwartet[i]);
            QCOMPARE(p.stat->panelText(2), QString::number(erwartet[i]) + QStringLiteral(" Punkte"));
            QCOMPARE(p.zustand().elemente, 'B');
            QCOMPARE(p.zustand().aufgedeckt, voreinstellungen[size_t(i)].aufgedeckt);
        }
    }

    void startpunkteBenutzerdefiniert()
    {
        Aufbau a;
        const Hauptteile& p = a.p;
        benutzerdefiniert(p, 0, 3, 1);  // 3x3 free, 3 revealed
        p.spielStarten();
        QCOMPARE(p.zustand().spielart, 3);
        QCOMPARE(p.zustand().punkte, 582);
        QCOMPARE(aussenMinimum(p), QSize(397, 248));
        benutzerdefiniert(p, 7, 60, 2);  // classic, 60 revealed, symbols
        p.spielStarten();
        QCOMPARE(p.zustand().spielart, 1);
        QCOMPARE(p.zustand().elemente, 'S');
        QCOMPARE(p.zustand().punkte, 22060);
        QCOMPARE(aussenMinimum(p), QSize(667, 518));
        benutzerdefiniert(p, 6, 41, 4);  // free 9x9 with letters
        p.spielStarten();
        QCOMPARE(p.zustand().spielart, 9);
        QCOMPARE(p.zustand().feldgroesse, 9);
        QCOMPARE(p.zustand().elemente, 'C');
        QCOMPARE(p.zustand().aufgedeckt, 41);
        // Revealed cells in the player's grid equal the count asked for.
        int gezaehlt = 0;
        for (auto& spalte : p.zustand().vorgabe)
            for (int v : spalte)
                gezaehlt += v != 0;
        QCOMPARE(gezaehlt, 41);
    }

    void voreinstellungUebergehtBenutzerlisten()
    {
        Aufbau a;
        const Hauptteile& p = a.p;
        benutzerdefiniert(p, 0, 5, 4);
        waehlen(p.cbspiel, 1);  // free beginner
        p.spielStarten();
        QCOMPARE(p.zustand().spielart, 6);
        QCOMPARE(p.zustand().aufgedeckt, 20);
        QCOMPARE(p.zustand().elemente, 'B');
        QCOMPARE(p.zustand().feldgroesse, 6);
        QCOMPARE(p.spielfeld->size(), QSize(270, 270));
    }

    void uhrUndNegativePunkte()
    {
        Aufbau a;
        const Hauptteile& p = a.p;
        p.spielStarten();
        QCOMPARE(p.stat->panelText(0), QStringLiteral("Ready. Have Fun!"));
        QCOMPARE(p.stat->panelText(2), QStringLiteral("27240 Points"));
        QVERIFY(p.Timer->isActive());
        p.spielablauf->TimerTimer();
        QCOMPARE(p.stat->panelText(2), QStringLiteral("27239 Points"));
        p.zustand().punkte = 1;
        p.spielablauf->TimerTimer();
        p.spielablauf->TimerTimer();
        p.spielablauf->TimerTimer();
        QCOMPARE(p.zustand().punkte, -2);
        QCOMPARE(p.stat->panelText(2), QStringLiteral("-2 Points"));
        // The clock's own ticks reach the same handler.
        const int vorher = p.zustand().punkte;
        QTRY_VERIFY_WITH_TIMEOUT(p.zustand().punkte < vorher, 2000);
    }

    void hilfeUndSteuerungNachDemStart()
    {
        Aufbau a("de");
        const Hauptteile& p = a.p;
        p.spielStarten();
        QCOMPARE(p.hilfep->toPlainText(), QStringLiteral("Benutzen Sie die Maus auf dem Spielfeld!\n"
                                                         "Linke Maustaste: Element wählen.\n"
                                                         "Rechte Maustaste: Element markieren."));
        QVERIFY(p.pc->isEnabled());
        QVERIFY(p.Image4->isEnabled());
        QVERIFY(p.Label4->isEnabled());
        QCOMPARE(p.zustand().spiellaeuft, uint8_t(1));
        QVERIFY(!p.spielfeld->isHidden());
    }

    void zentrierung()
    {
        Aufbau a;
        const Hauptteile& p = a.p;
        waehlen(p.cbspiel, 0);  // free training: 4x4
        p.spielStarten();
        QCOMPARE(p.spielfeld->size(), QSize(180, 180));
        QCOMPARE(p.spielfeld->pos(), QPoint(160, 170));
        QCOMPARE(p.spielfeld->bild().size(), QSize(180, 180));
        // A larger window keeps the board in the middle of its frame.
        p.fenster.resize(837, 682);
        QCOMPARE(p.spielfeld->pos(), QPoint(210, 220));
    }

    void neuesSpielErsetztDasAlte()
    {
        Aufbau a;
        const Hauptteile& p = a.p;
        p.spielStarten();
        // A mark on the first empty cell, and time gone by.
        int mx = 0, my = 0;
        for (int x = 1; x <= 9 && !mx; ++x)
            for (int y = 1; y <= 9 && !mx; ++y)
                if (p.zustand().vorgabe[x - 1][y - 1] == 0) {
                    mx = x;
                    my = y;
                }
        QTest::mouseClick(p.spielfeld, Qt::RightButton, {}, QPoint((mx - 1) * 45 + 7, (my - 1) * 45 + 7));
        QCOMPARE(p.zustand().markierung[mx - 1][my - 1][0][0], uint8_t(1));
        p.zustand().punkte = 100;
        p.spielStarten();
        QCOMPARE(p.zustand().punkte, 27240);
        for (auto& s : p.zustand().markierung)
            for (auto& z : s)
                for (auto& r : z)
                    for (uint8_t m : r)
                        QCOMPARE(m, uint8_t(0));
    }

    // What the window shows and accepts while a puzzle is being generated:
    // looked at from inside the event processing of the attempts.
    void waehrendDerGenerierung()
    {
        Aufbau a;
        const Hauptteile& p = a.p;
        p.spielStarten();
        bool gesehen = false;
        QString panel0, panel1, panel2;
        bool pcFrei = true, startFrei = true, uhrAn = true, zweiterStart = true, unberuehrt = true;
        QTimer::singleShot(0, &p.fenster, [&] {
            gesehen = true;
            panel0 = p.stat->panelText(0);
            panel1 = p.stat->panelText(1);
            panel2 = p.stat->panelText(2);
            pcFrei = p.pc->isEnabled();
            startFrei = p.Image4->isEnabled() || p.Label4->isEnabled();
            uhrAn = p.Timer->isActive();
            // A press now must not act on the grids being generated.
            for (int x = 0; x < 9; ++x) {
                const int vorher = p.zustand().eingabe[x][0];
                const uint8_t markeVorher = p.zustand().markierung[x][0][0][0];
                p.spielfeld->spielfeldMouseDown(Qt::LeftButton, x * 45 + 22, 22);
                p.spielfeld->spielfeldMouseDown(Qt::RightButton, x * 45 + 7, 7);
                unberuehrt = unberuehrt && p.zustand().eingabe[x][0] == vorher &&
                             p.zustand().markierung[x][0][0][0] == markeVorher;
            }
            zweiterStart = p.spielablauf->spielstartenClick();
        });
        p.stat->setPanelText(1, QString());
        p.spielStarten();
        QVERIFY(gesehen);
        QCOMPARE(panel0, QStringLiteral("Create Sudoku.."));
        QVERIFY2(panel1.toInt() >= 1, qPrintable(panel1));
        QCOMPARE(panel2, QStringLiteral("0 Points"));
        QVERIFY(!pcFrei);
        QVERIFY(!startFrei);
        QVERIFY(!uhrAn);
        QVERIFY(!zweiterStart);
        QVERIFY(unberuehrt);
        // The grids of the new game are its own: the player's grid is exactly
        // the revealed cells.
        for (int x = 0; x < 9; ++x)
            for (int y = 0; y < 9; ++y)
                QCOMPARE(p.zustand().eingabe[x][y], p.zustand().vorgabe[x][y]);
        QCOMPARE(p.zustand().spiellaeuft, uint8_t(1));
    }

    void unlesbareEinstellungWirdAbgewiesen()
    {
        Aufbau a;
        const Hauptteile& p = a.p;
        benutzerdefiniert(p, 7, 41, 1);
        p.cbgeloest->addItem(QStringLiteral("Elements Set: "));
        waehlen(p.cbgeloest, p.cbgeloest->count() - 1);
        QVERIFY(!p.fenster.einstellungenLesbar());
        QSignalSpy bereit(p.spielablauf, &Spielablauf::spielBereit);
        p.spielStarten();
        QCOMPARE(bereit.count(), 0);
        QVERIFY(p.pc->isEnabled());
        QVERIFY(p.Image4->isEnabled());
        QCOMPARE(p.stat->panelText(0), QStringLiteral("Welcome!"));
    }

    void ganzesSpielMitHighscore()
    {
        Aufbau a;
        const Hauptteile& p = a.p;
        QSignalSpy mit(p.spielfeld, &Spielfeld::gewonnenMitHighscore);
        QSignalSpy ohne(p.spielfeld, &Spielfeld::gewonnenOhneHighscore);
        p.spielStarten();  // classic advanced: 27240 points
        loesen(p);
        QCOMPARE(mit.size(), 1);
        QCOMPARE(ohne.size(), 0);
        QCOMPARE(mit.at(0).at(0).toString(), QStringLiteral("27240"));
        QCOMPARE(mit.at(0).at(1).toString(), QStringLiteral("1"));
        QCOMPARE(mit.at(0).at(2).toString(), QStringLiteral("40"));
        QCOMPARE(mit.at(0).at(3).toString(), QStringLiteral("B"));
        QVERIFY(!p.Timer->isActive());
        QCOMPARE(p.zustand().spiellaeuft, uint8_t(0));
        QCOMPARE(p.stat->panelText(2), QStringLiteral("27240 Points"));
        // The high-score dialog stands in front of the disabled main window.
        QVERIFY(a.programm.gewHigh().isVisible());
        QVERIFY(!a.programm.gewKein().isVisible());
        QVERIFY(!p.fenster.isEnabled());
    }

    void ganzesSpielOhneHighscore()
    {
        Aufbau a("de");
        const Hauptteile& p = a.p;
        QSignalSpy mit(p.spielfeld, &Spielfeld::gewonnenMitHighscore);
        QSignalSpy ohne(p.spielfeld, &Spielfeld::gewonnenOhneHighscore);
        benutzerdefiniert(p, 0, 3, 4);
        p.spielStarten();
        p.spielablauf->TimerTimer();
        loesen(p);
        QCOMPARE(ohne.size(), 1);
        QCOMPARE(mit.size(), 0);
        QVERIFY(!p.Timer->isActive());
        QCOMPARE(p.stat->panelText(2), QStringLiteral("581 Punkte"));
        QVERIFY(a.programm.gewKein().isVisible());
        QVERIFY(!a.programm.gewHigh().isVisible());
        QVERIFY(!p.fenster.isEnabled());
    }
};

QTEST_MAIN(TestSpielablauf)
#include "test_spielablauf.moc"
