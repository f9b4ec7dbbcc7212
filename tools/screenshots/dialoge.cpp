// Both win dialogs in both languages, as they stand right after a win.
#include "dialogs/tgew_high.h"
#include "dialogs/tgew_kein.h"
#include "tests/fixtur/nutzer.h"
#include "tools/screenshots/aufnahmen.h"

void aufnahmenDialoge(const QDir& ziel)
{
    for (const char* sprache : {"de", "en"}) {
        const QString s = QString::fromLatin1(sprache);
        const bool de = s == QLatin1String("de");
        Programm programm(s);
        const nutzer::Hauptteile p(programm.hauptfenster());
        Tgew_kein& kein = programm.gewKein();
        Tgew_high& high = programm.gewHigh();

        p.stat->setPanelText(2, de ? QStringLiteral("24318 Punkte") : QStringLiteral("24318 Points"));
        Q_EMIT p.spielfeld->gewonnenOhneHighscore();
        aufnehmen(&kein, ziel, QStringLiteral("gew_kein_") + s);
        nutzer::klicken(kein.Image2);

        p.stat->setPanelText(2, de ? QStringLiteral("27103 Punkte") : QStringLiteral("27103 Points"));
        Q_EMIT p.spielfeld->gewonnenMitHighscore(QStringLiteral("27103"), QStringLiteral("9"), QStringLiteral("23"),
                                                 QStringLiteral("S"));
        aufnehmen(&high, ziel, QStringLiteral("gew_high_") + s);
        nutzer::klicken(high.Image3);
    }
}
