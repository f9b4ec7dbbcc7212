#include "engine/spielzustand.h"

#include <cstring>

void Spielzustand::AufNullSetzen(int a, int b, int c)
{
    if (a == 1)
        std::memset(loesung, 0, sizeof loesung);
    if (b == 1)
        std::memset(eingabe, 0, sizeof eingabe);
    if (c == 1)
        std::memset(vorgabe, 0, sizeof vorgabe);
    std::memset(markierung, 0, sizeof markierung);
}

bool Spielzustand::Pruefen() const
{
    const int n = feldgroesse;
    if (n < 1 || n > 9)
        return false;
    const unsigned voll = ((1u << n) - 1u) << 1;  // bits 1..N

    unsigned spalten[9]{}, zeilen[9]{}, kaesten[9]{};
    for (int x = 0; x < n; ++x) {
        for (int y = 0; y < n; ++y) {
            const int32_t v = eingabe[x][y];
            if (v < 1 || v > n)
                return false;
            const unsigned bit = 1u << v;
            if (spalten[x] & bit || zeilen[y] & bit)
                return false;
            spalten[x] |= bit;
            zeilen[y] |= bit;
            if (spielart == 1) {
                const int k = (x / 3) * 3 + y / 3;
                if (kaesten[k] & bit)
                    return false;
                kaesten[k] |= bit;
            }
        }
    }
    // N distinct values from 1..N in every line: each line is full.
    for (int i = 0; i < n; ++i)
        if (spalten[i] != voll || zeilen[i] != voll)
            return false;
    return true;
}
