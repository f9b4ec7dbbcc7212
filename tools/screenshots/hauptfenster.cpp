// The splash window and the main window in its modes and with games under
// way, in both languages.
#include "app/fenster.h"
#include "app/tstart.h"
#include "board/spielfeld.h"
#include "engine/einstellungen.h"
#include "mainwindow/tprog.h"
#include "tools/screenshots/aufnahmen.h"

#include <QTimer>

namespace {

// Enters some values (every third empty cell, the right one or its
// neighbour value) and a few marks, as a player part-way through would.
void teilweiseSpielen(Tprog& p)
{
    const Spielzustand& z = p.zustand;
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
        p.TimerTimer();
}

void benutzerdefiniert(Tprog& p, int art, int aufgedeckt, int elemente)
{
    p.cbspiel->setCurrentIndex(benutzerdefiniertIndex);
    p.cbspielChange();
    p.cbspielart->setCurrentIndex(art);
    p.cbspielartChange();
    p.cbgeloest->setCurrentText(p.texte.aufgedecktPraefix + QString::number(aufgedeckt));
    p.cbelemente->setCurrentIndex(elemente);
}

}  // namespace

void aufnahmenHauptfenster(const QDir& ziel)
{
    for (const char* sprache : {"de", "en"}) {
        const QString s = QString::fromLatin1(sprache);
        auto name = [&](const char* was) { return QStringLiteral("hauptfenster_%1_%2").arg(QLatin1String(was), s); };
        {
            Fenster f;
            Tstart start(f, s);
            start.Timer1->stop();
            aufnehmen(&start, ziel, name("start"));
        }
        auto neu = [&](auto&& schritte, const char* was) {
            QLabel spr(s);
            Fenster f;
            f.spr = &spr;
            Tprog prog(f);
            f.prog = &prog;
            prog.show();
            prog.FormActivate();
            schritte(prog);
            prog.Timer->stop();
            aufnehmen(&prog, ziel, name(was));
        };
        neu([](Tprog&) {}, "spielseite");
        neu([](Tprog& p) { benutzerdefiniert(p, 7, 41, 1); }, "benutzerdefiniert");
        neu([](Tprog& p) { p.pc->setCurrentIndex(1); }, "druckseite");
        neu([](Tprog& p) {
            benutzerdefiniert(p, 7, 41, 1);
            p.pc->setCurrentIndex(1);
        },
            "druckseite_benutzerdefiniert");
        neu([](Tprog& p) {
            p.spielstartenClick();
            teilweiseSpielen(p);
        },
            "klassisch");
        neu([](Tprog& p) {
            benutzerdefiniert(p, 0, 3, 0);
            p.spielstartenClick();
            teilweiseSpielen(p);
        },
            "frei3x3");
        neu([](Tprog& p) {
            benutzerdefiniert(p, 7, 30, 2);
            p.spielstartenClick();
            teilweiseSpielen(p);
        },
            "symbole");
        neu([](Tprog& p) {
            benutzerdefiniert(p, 5, 30, 4);
            p.spielstartenClick();
            teilweiseSpielen(p);
        },
            "buchstaben");
        neu([](Tprog& p) {
            benutzerdefiniert(p, 6, 35, 3);
            p.spielstartenClick();
            teilweiseSpielen(p);
        },
            "klassik9x9frei");
    }
}
