#include "engine/generator.h"

#include <algorithm>
#include <chrono>
#include <cstring>

int64_t millisekundenTakt()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

namespace {

// Misses between two looks at the clock within one cell.
constexpr int uhrAbstand = 8;

// Clears the grids and lays the blocked pattern for one attempt.
void versuchBeginnen(Spielzustand& z)
{
    z.AufNullSetzen(1, 1, 1);
    const int32_t n = z.feldgroesse;
    if (z.spielart > 2 && z.spielart < 9) {
        // Cells 1..8 in both directions: the pattern only matters on the board.
        for (int x = 0; x < 8; ++x)
            for (int y = 0; y < 8; ++y)
                for (int sx = 1; sx <= 3; ++sx)
                    for (int sy = 1; sy <= 3; ++sy)
                        if (gesperrteUnterposition(n, sx, sy))
                            z.markierung[x][y][sx - 1][sy - 1] = 1;
    }
    // Cells (x, 1..N) lie next to each other: one copy per column.
    for (int x = 0; x < n; ++x)
        std::memcpy(z.gesperrt[x], z.markierung[x], size_t(n) * sizeof z.gesperrt[x][0]);
}

// One attempt at filling loesung. False when a cell found no value in time.
bool versuchFuellen(Spielzustand& z, Zufallsquelle& zufall, const Taktquelle& takt)
{
    const int32_t n = z.feldgroesse;
    const bool kaesten = z.spielart == 1;
    const unsigned alle = ((1u << n) - 1u) << 1;  // bits 1..N
    unsigned spalte[9]{}, zeile[9]{}, kasten[9]{};

    for (int x = 0; x < n; ++x) {
        for (int y = 0; y < n; ++y) {
            const int k = kaesten ? (x / 3) * 3 + y / 3 : 0;
            const unsigned belegt = spalte[x] | zeile[y] | (kaesten ? kasten[k] : 0u);
            // No value left: waiting for the tick to run out could only end
            // the same way, so the attempt ends at once.
            if ((alle & ~belegt) == 0)
                return false;

            // The clock is first read after a few misses rather than before the
            // first draw, and then looked at again every few misses: most cells
            // fit within a draw or two, a draw takes nanoseconds and a clock
            // reading costs more than several, so at millisecond resolution this
            // cannot be told apart from reading it before and after every draw.
            int fehlgriffe = 0;
            int64_t t0 = 0;
            int32_t v;
            for (;;) {
                v = zufall.ziehe(n) + 1;
                if (!(belegt & (1u << v)))
                    break;
                if (++fehlgriffe % uhrAbstand == 0) {
                    if (fehlgriffe == uhrAbstand)
                        t0 = takt();
                    else if (takt() > t0 + 1)
                        return false;
                }
            }
            z.loesung[x][y] = v;
            spalte[x] |= 1u << v;
            zeile[y] |= 1u << v;
            if (kaesten)
                kasten[k] |= 1u << v;
        }
    }
    return true;
}

}  // namespace

int32_t Spiel2Generieren(Spielzustand& z, Zufallsquelle& zufall, const Taktquelle& takt,
                         const Versuchsmelder& beiVersuch)
{
    // A size the 9 x 9 storage cannot hold leaves no board: laying the
    // pattern or filling cells would reach past the grids, so the state is
    // only cleared. gesperrt, which covers just the board, stays as it was.
    if (z.feldgroesse < 1 || z.feldgroesse > 9) {
        z.AufNullSetzen(1, 1, 1);
        return 0;
    }
    int32_t versuch = 0;
    for (;;) {
        ++versuch;
        if (beiVersuch)
            beiVersuch(versuch);
        versuchBeginnen(z);
        if (versuchFuellen(z, zufall, takt))
            return versuch;
    }
}

void Spiel3Vorbereiten(Spielzustand& z, Zufallsquelle& zufall)
{
    const int32_t n = z.feldgroesse;
    if (n >= 1 && n <= 9) {
        const int32_t anzahl = std::clamp(z.aufgedeckt, 0, n * n);
        for (int32_t i = 0; i < anzahl; ++i) {
            for (;;) {
                const int x = zufall.ziehe(n);
                const int y = zufall.ziehe(n);
                if (z.vorgabe[x][y] != 0)
                    continue;
                z.vorgabe[x][y] = z.loesung[x][y];
                break;
            }
        }
    }
    std::memcpy(z.eingabe, z.vorgabe, sizeof z.eingabe);
}
