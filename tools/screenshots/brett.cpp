// Boards in every element set, a classic game and a small free one, each with
// some of the player's values, revealed cells and marks.
#include "tools/screenshots/aufnahmen.h"

#include "board/spielfeld.h"
#include "engine/generator.h"

#include <QTest>

namespace {

void spielen(Spielzustand& z, int32_t spielart, char elemente, int32_t aufgedeckt, uint64_t saat)
{
    z = Spielzustand{};
    z.spielart = spielart;
    z.feldgroesse = spielart == 1 ? 9 : spielart;
    z.elemente = elemente;
    z.aufgedeckt = aufgedeckt;
    Zufallsgenerator zufall(saat);
    Spiel2Generieren(z, zufall, millisekundenTakt);
    Spiel3Vorbereiten(z, zufall);
    // A player part-way through: every third hidden cell filled in, and a
    // couple of marks on some of the empty ones.
    int zaehler = 0;
    for (int x = 0; x < z.feldgroesse; ++x)
        for (int y = 0; y < z.feldgroesse; ++y) {
            if (z.vorgabe[x][y] != 0)
                continue;
            ++zaehler;
            if (zaehler % 3 == 0) {
                z.eingabe[x][y] = z.loesung[x][y];
            } else if (zaehler % 3 == 1) {
                z.markierung[x][y][zaehler % 3][0] = 1;
                z.markierung[x][y][(zaehler / 3) % 3][1] = 1;
            }
        }
    z.spiellaeuft = 1;
}

}  // namespace

void aufnahmenBrett(const QDir& ziel)
{
    const Kachellisten listen;
    for (char c : {'R', 'B', 'S', 'K', 'C'}) {
        for (int32_t spielart : {1, 4}) {
            Spielzustand z;
            spielen(z, spielart, c, spielart == 1 ? 36 : 6, 20 + uint64_t(c));
            Spielfeld feld(z, listen);
            const int kante = z.feldgroesse * 45;
            feld.bildVorbereiten(kante, kante, z.feldgroesse);
            feld.Ausgabe(1, z.feldgroesse, 1, z.feldgroesse);
            aufnehmen(&feld, ziel,
                      QStringLiteral("brett_%1_%2").arg(QChar(c)).arg(spielart == 1 ? QStringLiteral("klassisch")
                                                                                     : QStringLiteral("4x4")));
            if (spielart == 1) {
                // The keyboard's cursor, on a revealed cell and on one of the player's.
                QTest::keyClick(&feld, Qt::Key_Right);
                QTest::keyClick(&feld, Qt::Key_Right);
                QTest::keyClick(&feld, Qt::Key_Down);
                aufnehmen(&feld, ziel, QStringLiteral("brett_%1_cursor").arg(QChar(c)));
            }
        }
    }
}
