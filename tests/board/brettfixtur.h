#pragma once

// Shared set-up for the board tests: games made by the real generator from a
// fixed seed, and pixel helpers.

#include "board/spielfeld.h"
#include "engine/generator.h"

#include <QImage>
#include <QPainter>
#include <QRect>

#include <cstdint>

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
inline QImage zeichne(const Spielzustand& z, const Kachellisten& listen, QColor grund = Qt::white)
{
    const int kante = z.feldgroesse * 45;
    QImage bild(kante, kante, QImage::Format_RGB32);
    bild.fill(grund);
    QPainter p(&bild);
    zeichneAusgabe(p, z, listen, 1, z.feldgroesse, 1, z.feldgroesse);
    return bild;
}

inline QRgb farbe(int r, int g, int b) { return qRgb(r, g, b); }

// Whether every pixel of r in a equals the pixel at the same offset in b's
// rect at (bx, by).
inline bool gleich(const QImage& a, QRect r, const QImage& b, int bx, int by)
{
    for (int y = 0; y < r.height(); ++y)
        for (int x = 0; x < r.width(); ++x)
            if (a.pixel(r.x() + x, r.y() + y) != b.pixel(bx + x, by + y))
                return false;
    return true;
}

inline bool einfarbig(const QImage& a, QRect r, QRgb c)
{
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (a.pixel(x, y) != c)
                return false;
    return true;
}

// The first hidden cell of the board, x-major.
inline bool versteckteZelle(const Spielzustand& z, int& x, int& y)
{
    for (x = 1; x <= z.feldgroesse; ++x)
        for (y = 1; y <= z.feldgroesse; ++y)
            if (z.vorgabe[x - 1][y - 1] == 0)
                return true;
    return false;
}

inline bool aufgedeckteZelle(const Spielzustand& z, int& x, int& y)
{
    for (x = 1; x <= z.feldgroesse; ++x)
        for (y = 1; y <= z.feldgroesse; ++y)
            if (z.vorgabe[x - 1][y - 1] != 0)
                return true;
    return false;
}
