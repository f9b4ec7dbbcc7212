// Generation and preparation time per puzzle for every kind, with the
// attempts they took and what those attempts would have cost had every
// abandoned attempt waited out a 15.6 ms system tick.
//   bench_engine [puzzles per kind, default 10000]

#include "bench/messung.h"
#include "engine/einstellungen.h"
#include "engine/generator.h"

#include <cstdlib>

int main(int argc, char** argv)
{
    const int anzahl = argc > 1 ? std::atoi(argv[1]) : 10000;
    Zufallsgenerator zufall(uhrSaat());

    struct Art {
        const char* name;
        int32_t spielart;
        int32_t aufgedeckt;
    };
    const Art arten[] = {
        {"classic 9x9 (40 revealed)", 1, 40}, {"free 3x3", 3, 4}, {"free 4x4", 4, 8},  {"free 5x5", 5, 12},
        {"free 6x6", 6, 19},                  {"free 7x7", 7, 23}, {"free 8x8", 8, 34}, {"free 9x9", 9, 41},
    };

    std::printf("%d puzzles per kind\n", anzahl);
    for (const Art& art : arten) {
        Messreihe zeiten;
        Messreihe versuche;
        double abgebrochen = 0;
        Spielzustand z;
        for (int i = 0; i < anzahl; ++i) {
            z.spielart = art.spielart;
            z.feldgroesse = feldgroesseVon(art.spielart);
            z.aufgedeckt = art.aufgedeckt;
            const auto t0 = std::chrono::steady_clock::now();
            const int32_t v = Spiel2Generieren(z, zufall, millisekundenTakt);
            Spiel3Vorbereiten(z, zufall);
            zeiten.hinzu(msSeit(t0));
            versuche.hinzu(v);
            abgebrochen += v - 1;
        }
        zeiten.ausgeben(art.name);
        std::printf("%-28s attempts median %.0f  p99 %.0f  mean %.1f  -> at 15.6 ms per abandoned attempt: %.0f ms mean\n",
                    "", versuche.quantil(0.5), versuche.quantil(0.99), abgebrochen / anzahl + 1,
                    abgebrochen / anzahl * 15.6);
    }
    return 0;
}
