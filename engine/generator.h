#pragma once

#include "engine/spielzustand.h"
#include "engine/zufall.h"

#include <cstdint>
#include <functional>

// The millisecond tick count that bounds the draws of one cell.
using Taktquelle = std::function<int64_t()>;
// Told the number of every attempt as it starts (1, 2, 3, ...). The program
// lets pending events run here and shows the number in the status bar.
using Versuchsmelder = std::function<void(int32_t versuch)>;

// std::chrono::steady_clock in milliseconds.
int64_t millisekundenTakt();

// Whether sub-position (sx, sy), 1..3 each, is blocked on a free N x N board:
// its value 3 * (sy - 1) + sx exceeds N.
constexpr bool gesperrteUnterposition(int32_t n, int sx, int sy)
{
    return n >= 3 && n <= 8 && 3 * (sy - 1) + sx > n;
}

// Fills loesung with a complete grid for spielart/feldgroesse by random
// attempts, column after column, each column top to bottom. A cell draws with
// replacement until a value fits; when no value can fit, or the tick count has
// moved more than one millisecond past the cell's start, the attempt is thrown
// away and the next one starts from cleared grids with the blocked pattern of
// the small free boards laid into markierung and gesperrt.
// Returns the number of attempts it took. A feldgroesse outside 1..9 gives no
// board: the grids and markierung are cleared, gesperrt is left alone, no
// attempt is made and 0 is returned.
int32_t Spiel2Generieren(Spielzustand& z, Zufallsquelle& zufall, const Taktquelle& takt,
                         const Versuchsmelder& beiVersuch = {});

// Reveals aufgedeckt cells (drawing x, then y, again on a revealed cell) and
// copies vorgabe into eingabe. A count outside 0 .. N * N is clamped to it.
void Spiel3Vorbereiten(Spielzustand& z, Zufallsquelle& zufall);
