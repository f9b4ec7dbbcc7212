#pragma once

#include <cstdint>

// The whole game: three grids, two per-cell flag fields and the scalars.
//
// Cells are addressed (x, y) from 1, x the column. Storage is x-major and
// 0-based: cell (x, y) is [x - 1][y - 1]. Each cell is split into 3 x 3
// sub-positions (sx, sy) of 15 x 15 pixels, standing for the value
// 3 * (sy - 1) + sx; the flag fields keep them as [x-1][y-1][sx-1][sy-1].
//
// The program has exactly one of these (owned by the main window); the play
// board and the print mode both generate into it. Tests make their own.
struct Spielzustand {
    int32_t loesung[9][9]{};   // generated solution, 1..N on the N x N board
    int32_t vorgabe[9][9]{};   // revealed cells (solution value), 0 = hidden
    int32_t eingabe[9][9]{};   // the player's grid, starts as a copy of vorgabe

    uint8_t markierung[9][9][3][3]{};  // 1 = sub-position covered on the empty tile
    uint8_t gesperrt[9][9][3][3]{};    // 1 = value above N: neither chosen nor marked

    int32_t spielart = 0;     // 1 = classic 9 x 9 with boxes, 3..9 = free N x N
    int32_t feldgroesse = 0;  // N: 9 for the classic game, else spielart
    int32_t aufgedeckt = 0;   // cells to reveal when a puzzle is prepared
    char elemente = 0;        // element set: 'R', 'B', 'S', 'K' or 'C'
    int32_t punkte = 0;       // running score of the game on screen, may go negative
    uint8_t spiellaeuft = 0;  // 1 while the board takes clicks
    uint8_t druckmodus = 0;   // 1 while the print page is the chosen page

    // Clears loesung, eingabe and vorgabe for each flag equal to 1 (in that
    // order); always clears all of markierung; never touches gesperrt or the
    // scalars.
    void AufNullSetzen(int a, int b, int c);

    // True exactly when every row and every column of the N x N board holds
    // each value 1..N once and, in the classic game, every 3 x 3 box too.
    // A correct completion counts even where it differs from loesung.
    bool Pruefen() const;

    // Whether (x, y), counted from 1, lies on the current board.
    bool aufDemBrett(int x, int y) const
    {
        return x >= 1 && y >= 1 && x <= feldgroesse && y <= feldgroesse;
    }
};
