// The splash window and the main window in its modes and with games under
// way, in both languages.
#include "engine/einstellungen.h"
#include "tests/fixtur/nutzer.h"
#include "tools/screenshots/aufnahmen.h"

using nutzer::Hauptteile;
using nutzer::waehlen;

namespace {

// Enters some values (every third empty cell, the right one or its
// neighbour value) and a few marks, as a player part-way through would.
void teilweiseSpielen(const Hauptteile& p)
{
    const Spielzustand& z = p.zustand();
    const int n = z.feldgroesse;
    int zaehler = 0;
    for (int x = 1; x <= n; ++x)
        for (int y = 1; y <= n; ++y) {
            if (z.vorgabe[x - 1][y - 1] != 0)
                continue;
            ++zaehler;
            const int X = (x - 1) * 45, Y = (y - 1) * 45;
            if (zaehler % 3 == 0) {
                const int v = z.loesung[x - 1][y - 1];
                p.spielfeld->spielfeldMouseDown(Qt::LeftButton, X + ((v - 1) % 3) * 15 + 7,
                                                Y + ((v - 1) / 3) * 15 + 7);
            } else if (zaehler % 3 == 1) {
                p.spielfeld->spielfeldMouseDown(Qt::RightButton, X + 7, Y + 7);
                p.spielfeld->spielfeldMouseDown(Qt::RightButton, X + 22, Y + 7);
            }
        }
    for (int i = 0; i < 40; ++i)
        p.spielablauf->TimerTimer();
}

void benutzerdefiniert(const Hauptteile& p, int art, int aufgedeckt, int elemente)
{
    waehlen(p.cbspiel, benutzerdefiniertIndex);
    waehlen(p.cbspielart, art);
    waehlen(p.cbgeloest, p.texte().aufgedecktPraefix + QString::number(aufgedeckt));
    waehlen(p.cbelemente, elemente);
}

}  // namespace

void aufnahmenHauptfenster(const QDir& ziel)
{
    for (const char* sprache : {"de", "en"}) {
        const QString s = QString::fromLatin1(sprache);
        auto name = [&](const char* was) { return QStringLiteral("hauptfenster_%1_%2").arg(QLatin1String(was), s); };
        {
            Tstart start(s);
            start.Timer1->stop();
            aufnehmen(&start, ziel, name("start"));
        }
        auto neu = [&](auto&& schritte, const char* was) {
            Programm programm(s);
            const Hauptteile p(programm.hauptfenster());
            p.aktivieren();
            schritte(p);
            p.Timer->stop();
            aufnehmen(&p.fenster, ziel, name(was));
        };
        neu([](const Hauptteile&) {}, "spielseite");
        neu([](const Hauptteile& p) { benutzerdefiniert(p, 7, 41, 1); }, "benutzerdefiniert");
        neu([](const Hauptteile& p) { p.seite(1); }, "druckseite");
        neu([](const Hauptteile& p) {
            benutzerdefiniert(p, 7, 41, 1);
            p.seite(1);
        },
            "druckseite_benutzerdefiniert");
        neu([](const Hauptteile& p) {
            p.spielStarten();
            teilweiseSpielen(p);
        },
            "klassisch");
        neu([](const Hauptteile& p) {
            benutzerdefiniert(p, 0, 3, 0);
            p.spielStarten();
            teilweiseSpielen(p);
        },
            "frei3x3");
        neu([](const Hauptteile& p) {
            benutzerdefiniert(p, 7, 30, 2);
            p.spielStarten();
            teilweiseSpielen(p);
        },
            "symbole");
        neu([](const Hauptteile& p) {
            benutzerdefiniert(p, 5, 30, 4);
            p.spielStarten();
            teilweiseSpielen(p);
        },
            "buchstaben");
        neu([](const Hauptteile& p) {
            benutzerdefiniert(p, 6, 35, 3);
            p.spielStarten();
            teilweiseSpielen(p);
        },
            "klassik9x9frei");
    }
}
