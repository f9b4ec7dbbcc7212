#pragma once

// Paper puzzles: the black-on-white picture of one puzzle and the places of
// the pictures on the printed sheet. Pure drawing, no windows.

#include "engine/spielzustand.h"

#include <QImage>
#include <QRect>
#include <QString>

#include <vector>

class QPainter;

// Side of the square picture of an N x N puzzle: 45-pixel cells, the frame
// 5 pixels in from the top and left, a 14-pixel footer band below the grid.
constexpr int bildseite(int n) { return 45 * n + 20; }

// Pictures at most this wide carry the short footer.
inline constexpr int kurzeFusszeileBis = 225;

// Top of the footer text: one pixel lower below the thick frame of the
// classic board.
constexpr int fusszeileOben(int spielart, int n) { return 45 * n + (spielart == 1 ? 7 : 6); }

// Font sizes in pixels of the 96-dpi picture: 25 and 8 points.
inline constexpr int zifferPixel = 33;
inline constexpr int fusszeilePixel = 11;

struct Fusszeilen {
    QString lang;  // pictures wider than 225 pixels
    QString kurz;
};

// Draws the puzzle held in z (its spielart, feldgroesse, vorgabe and
// eingabe) in picture coordinates 0 .. bildseite(N) through p. The caller
// scales p to draw the same puzzle at any resolution: the screen keeps the
// 1:1 bitmap, the printer gets it drawn at its own resolution. Only cells
// revealed in vorgabe get a number, always as a digit. Draws nothing outside
// the picture's square.
void zeichneRaetsel(QPainter& p, const Spielzustand& z, const Fusszeilen& fuss);

// The 1:1 picture (96 dpi, white background) of the puzzle in z.
QImage raetselBild(const Spielzustand& z, const Fusszeilen& fuss);

// Draws the puzzle scaled into the rectangle ziel of p's device.
void zeichneRaetselIn(QPainter& p, const QRect& ziel, const Spielzustand& z, const Fusszeilen& fuss);

// Where the pictures go on a printable page of w x h printer pixels: one
// rectangle per puzzle (1, 2 or 6 of them; any other count gives none).
std::vector<QRect> blattLayout(int w, int h, int anzahl);
