// bench_spiel: from the start button to the ready text for the classic
// advanced preset, offscreen, over many games.
//   build/bench/bench_spiel [games]
#include "app/bedienelemente.h"
#include "app/fenster.h"
#include "bench/messung.h"
#include "board/spielablauf.h"
#include "mainwindow/tprog.h"

#include <QApplication>
#include <QLabel>

#include <cstdlib>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    schriftenEinrichten();
    const int spiele = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;

    QLabel spr(QStringLiteral("en"));
    Fenster f;
    f.spr = &spr;
    Tprog prog(f);
    f.prog = &prog;
    prog.show();
    prog.FormActivate();
    prog.cbspiel->setCurrentIndex(5);  // classic advanced
    prog.cbspielChange();

    Messreihe start, versuche;
    prog.spielstartenClick();  // tile lists and pictures are made once, on the first game
    for (int i = 0; i < spiele; ++i) {
        const auto t0 = std::chrono::steady_clock::now();
        prog.spielstartenClick();
        const double ms = msSeit(t0);
        if (prog.stat->panelText(0) != prog.texte.statusFertig) {
            std::fprintf(stderr, "game %d did not reach the ready text\n", i);
            return 1;
        }
        start.hinzu(ms);
        versuche.hinzu(prog.stat->panelText(1).toDouble());
        prog.Timer->stop();
    }
    start.ausgeben("start to ready (classic adv.)");
    std::printf("%-28s median %6.0f   p99 %6.0f   max %6.0f\n", "attempts per game", versuche.quantil(0.5),
                versuche.quantil(0.99), versuche.quantil(1.0));
    return 0;
}
