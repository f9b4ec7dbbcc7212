#include "board/spielfeld.h"
#include "dialogs/tgew_high.h"
#include "dialogs/tgew_kein.h"
#include "mainwindow/tprog.h"
#include "tools/screenshots/aufnahmen.h"

#include <QLabel>

// Both win dialogs in both languages, as they stand right after a win.
void aufnahmenDialoge(const QDir& ziel)
{
    for (const char* sprache : {"de", "en"}) {
        const QString s = QString::fromLatin1(sprache);
        const bool de = s == QLatin1String("de");
        QLabel spr(s);
        Fenster f;
        f.spr = &spr;
        Tprog prog(f);
        f.prog = &prog;
        Tgew_kein kein(f);
        f.gew_kein = &kein;
        Tgew_high high(f);
        f.gew_high = &high;

        prog.stat->setPanelText(2, de ? QStringLiteral("24318 Punkte") : QStringLiteral("24318 Points"));
        Q_EMIT prog.spielfeld->gewonnenOhneHighscore();
        aufnehmen(&kein, ziel, QStringLiteral("gew_kein_") + s);
        kein.Image2Click();

        prog.stat->setPanelText(2, de ? QStringLiteral("27103 Punkte") : QStringLiteral("27103 Points"));
        Q_EMIT prog.spielfeld->gewonnenMitHighscore(QStringLiteral("27103"), QStringLiteral("9"),
                                                    QStringLiteral("23"), QStringLiteral("S"));
        aufnehmen(&high, ziel, QStringLiteral("gew_high_") + s);
        high.Image3Click();
    }
}
