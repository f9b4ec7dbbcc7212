#pragma once

// Shared set-up for the board tests: games made by the real generator from a
// fixed seed, and pixel helpers.

#include "board/spielfeld.h"
#include "engine/generator.h"

#include <QImage>
#include <QPainter>

inline void spielAnlegen(Spielzustand& z, int32_t spielart, char elemente, int32_t aufgedeckt, uint64_t saat = 7)
{
    z = Spielzustand{};
    z.spielart = spielart;
    z.feldgroesse = spielart == 1 ? 9 : spielart;
    z.elemente = elemente;
    z.aufgedeckt = aufgedeckt;
    Zufallsgenerator zufall(saat);
    Spiel2Generieren(z, zufall, millisekundenTakt);
    Spiel3Vorbereiten(z, zufall);
    z.spiellaeuft = 1;
}

// The whole board drawn by the one drawing routine onto a fresh picture.
inline QImage zeichne(const Spielzustand& z, const Kachellisten& listen)
{
    QImage bild(z.feldgroesse * 45, z.feldgroesse * 45, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter p(&bild);
    zeichneAusgabe(p, z, listen, 1, z.feldgroesse, 1, z.feldgroesse);
    return bild;
}

// Whether the pixels of r in a equal those of b from (bx, by) on.
inline bool gleich(const QImage& a, QRect r, const QImage& b, int bx, int by)
{
    return a.copy(r) == b.copy(bx, by, r.width(), r.height());
}

inline bool einfarbig(const QImage& a, QRect r, QRgb c)
{
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (a.pixel(x, y) != c)
                return false;
    return true;
}

// The first cell of the board, x-major, that is revealed (or hidden).
inline bool zelleFinden(const Spielzustand& z, bool aufgedeckt, int& x, int& y)
{
    for (x = 1; x <= z.feldgroesse; ++x)
        for (y = 1; y <= z.feldgroesse; ++y)
            if ((z.vorgabe[x - 1][y - 1] != 0) == aufgedeckt)
                return true;
    return false;
}
