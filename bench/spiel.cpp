// bench_spiel: from the start button to the ready text for the classic
// advanced preset, offscreen, over many games.
//   build/bench/bench_spiel [games]
#include "bench/messung.h"
#include "tests/fixtur/nutzer.h"
#include "widgets/stil.h"

#include <QApplication>

#include <cstdlib>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    schriftenEinrichten();
    const int spiele = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;

    Programm programm(QStringLiteral("en"));
    const nutzer::Hauptteile p(programm.hauptfenster());
    p.aktivieren();
    nutzer::waehlen(p.cbspiel, 5);  // classic advanced

    Messreihe start, versuche;
    for (int i = 0; i <= spiele; ++i) {
        // A click on the start button's caption, as the player gives it.
        const auto t0 = std::chrono::steady_clock::now();
        p.spielStarten();
        const double ms = msSeit(t0);
        if (p.stat->panelText(0) != p.texte().statusFertig) {
            std::fprintf(stderr, "game %d did not reach the ready text\n", i);
            return 1;
        }
        if (i == 0) {
            // The first game of a run also reads the tile lists.
            std::printf("%-28s %9.4f ms\n", "first game", ms);
        } else {
            start.hinzu(ms);
            versuche.hinzu(p.stat->panelText(1).toDouble());
        }
        p.Timer->stop();
    }
    start.ausgeben("start to ready (classic adv.)");
    std::printf("%-28s median %6.0f   p99 %6.0f   max %6.0f\n", "attempts per game", versuche.quantil(0.5),
                versuche.quantil(0.99), versuche.quantil(1.0));
    return 0;
}
